// Run at log-on on the free desktops: an XDG autostart entry.
#include "platform/autostart.h"

#include "common/exception.h"
#include "platform/registry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace orvelle {

namespace fs = std::filesystem;

namespace {
fs::path ConfigHome()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : "") / ".config";
}

// The Exec key quotes its argument and escapes what the desktop-entry rules reserve. The string
// value's own escaping comes first, so each escaping backslash is doubled once more.
std::string ExecValue(const std::string& path)
{
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$')
            quoted += "\\\\";
        if (c == '\\')
            quoted += "\\\\\\";
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    return quoted + "\"";
}

class TDesktopAutostart : public TAutostart {
  public:
    bool IsEnabled() override
    {
        std::error_code ec;
        return fs::exists(EntryPath(), ec);
    }

    void Enable(const std::string& executablePath) override
    {
        const fs::path entry = EntryPath();
        const fs::path temp = entry.string() + ".new-" + std::to_string(::getpid());
        std::error_code ec;
        fs::create_directories(entry.parent_path(), ec);
        {
            std::ofstream out(temp, std::ios::binary | std::ios::trunc);
            out << "[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=Orvelle\n"
                   "Comment=Calendar of saints' days and moveable feasts\n"
                   "Exec="
                << ExecValue(executablePath)
                << "\n"
                   "Terminal=false\n"
                   "X-GNOME-Autostart-enabled=true\n"
                   // The tray must exist before the program decides where to live.
                   "X-GNOME-Autostart-Delay=10\n";
            out.close();
            if (!out) {
                fs::remove(temp, ec);
                throw Exception(Format("Failed to set data for '%s'", kRunValue));
            }
        }
        fs::rename(temp, entry, ec);
        if (ec) {
            fs::remove(temp, ec);
            throw Exception(Format("Failed to set data for '%s'", kRunValue));
        }
    }

    void Disable() override
    {
        std::error_code ec;
        fs::remove(EntryPath(), ec);
    }

  private:
    static fs::path EntryPath() { return ConfigHome() / "autostart" / "orvelle.desktop"; }
};
} // namespace

std::unique_ptr<TAutostart> CreateUserAutostart(TRegistry&)
{
    return std::make_unique<TDesktopAutostart>();
}

} // namespace orvelle
