#include "platform/autostart.h"
#include "platform/win32/win_registry.h"
#include "win32_helpers.h"

using namespace orvelle;
using test::Bytes;

namespace {
const std::string kRun = kRunKey;

class Win32Autostart : public test::TestKey {
  protected:
    TWinRegistry reg{Root()};
    std::unique_ptr<TAutostart> autostart = CreateUserAutostart(reg);
};
} // namespace

// Windows starts the value's text as a command line: the full path alone, even with spaces in it.
TEST_F(Win32Autostart, RunValueHoldsTheFullPathUnquoted)
{
    Set(kRun, "Other", REG_SZ, Bytes(std::string_view("x", 2)));
    EXPECT_FALSE(autostart->IsEnabled());
    autostart->Enable("C:\\Program Files\\Orvelle\\orvelle.exe");
    EXPECT_EQ(Get(kRun, "Orvelle"),
              (Raw{REG_SZ, Bytes(std::string_view("C:\\Program Files\\Orvelle\\orvelle.exe", 37))}));
    EXPECT_TRUE(autostart->IsEnabled());
    autostart->Disable();
    EXPECT_EQ(Get(kRun, "Orvelle").type, static_cast<DWORD>(REG_NONE));
    EXPECT_FALSE(autostart->IsEnabled());
    EXPECT_EQ(Get(kRun, "Other"), (Raw{REG_SZ, Bytes(std::string_view("x", 2))})) << "others' entries stay";
}

TEST_F(Win32Autostart, AnyRunValueCountsAsEnabled)
{
    Set(kRun, "Orvelle", REG_DWORD, {0, 0, 0, 0});
    EXPECT_TRUE(autostart->IsEnabled());
}

TEST_F(Win32Autostart, WithoutARunKeyNothingIsWritten)
{
    autostart->Enable("C:\\orvelle.exe");
    EXPECT_FALSE(autostart->IsEnabled());
    autostart->Disable();
    EXPECT_FALSE(Exists(kRun));
    EXPECT_FALSE(Exists("\\Software"));
}
