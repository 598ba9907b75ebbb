// The log-on entry of the free desktops: a desktop entry that starts this very executable.
#include "fakes/fakes.h"
#include "platform/autostart.h"
#include "test_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace orvelle;
using namespace orvelle::test;

namespace {
std::string ExecLine(const std::string& entry)
{
    std::ifstream in(entry);
    for (std::string line; std::getline(in, line);)
        if (line.rfind("Exec=", 0) == 0)
            return line;
    return "";
}
} // namespace

TEST(DesktopAutostart, WritesDetectsAndRemovesTheEntry)
{
    TempFile home("", "placeholder");
    ::setenv("XDG_CONFIG_HOME", home.dir().c_str(), 1);
    const std::string entry = home.dir() + "/autostart/orvelle.desktop";
    TFakeRegistry unused;
    const auto autostart = CreateUserAutostart(unused);
    EXPECT_FALSE(autostart->IsEnabled());

    // The desktop-entry quoting: the argument in quotes, reserved characters escaped, and the
    // string value's own backslash escaping on top.
    struct Case {
        std::string path, exec;
    };
    const Case cases[] = {
        {"/opt/orvelle/orvelle", "Exec=\"/opt/orvelle/orvelle\""},
        {"/home/ann/My Programs/orvelle", "Exec=\"/home/ann/My Programs/orvelle\""},
        {"/tmp/a\"b$c`d/orvelle", "Exec=\"/tmp/a\\\\\"b\\\\$c\\\\`d/orvelle\""},
        {"/tmp/back\\slash/100%/orvelle", "Exec=\"/tmp/back\\\\\\\\slash/100%%/orvelle\""},
    };
    for (const Case& c : cases) {
        autostart->Enable(c.path);
        EXPECT_TRUE(autostart->IsEnabled());
        EXPECT_EQ(ExecLine(entry), c.exec) << c.path;
    }
    std::ifstream in(entry);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text.find("\nX-GNOME-Autostart-Delay="), std::string::npos);

    std::ofstream(entry) << "anything at all";
    EXPECT_TRUE(autostart->IsEnabled()) << "an entry counts whatever it holds";
    autostart->Disable();
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_FALSE(autostart->IsEnabled());
    ::unsetenv("XDG_CONFIG_HOME");
}
