// Any bytes as the settings file: read every value as every type, load the settings, write and
// read back. Only the program's own errors may come out; a crash or a sanitizer report is a fault.
#include "app/settings.h"
#include "common/exception.h"
#include "platform/autostart.h"
#include "platform/posix/ini_registry.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

using namespace orvelle;

namespace {
class NoAutostart : public TAutostart {
  public:
    bool IsEnabled() override { return false; }
    void Enable(const std::string&) override {}
    void Disable() override {}
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "settings_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static const std::string path = "/dev/shm/orvelle-settings-fuzz-" + std::to_string(::getpid()) + ".conf";
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    } else {
        return 0;
    }
    TIniRegistry registry(QString::fromStdString(path));
    if (!registry.OpenKey(kOrvelleKey, false))
        __builtin_trap(); // the file exists, so the key does
    for (const char* value : {"MinimizeToTray", "DisplayInfoAtStartup", "AlarmDate", "AlarmMessage"}) {
        (void)registry.ValueExists(value);
        try {
            (void)registry.ReadInteger(value);
        } catch (const Exception&) {
        }
        try {
            (void)registry.ReadDate(value);
        } catch (const Exception&) {
        }
        try {
            (void)registry.ReadString(value);
        } catch (const Exception&) {
        }
    }
    registry.CloseKey();
    NoAutostart autostart;
    TSettings settings;
    try {
        LoadSettings(registry, autostart, settings, [](const std::string&) {});
        // Whatever the file held, loading leaves both values readable and as the settings say.
        registry.OpenKey(kOrvelleKey, false);
        if ((registry.ReadInteger("MinimizeToTray") != 0) != settings.MinimizeToTray ||
            (registry.ReadInteger("DisplayInfoAtStartup") != 0) != settings.DisplayInfoAtStartup)
            __builtin_trap();
        const std::string text(reinterpret_cast<const char*>(data), std::min<size_t>(size, 64));
        const std::string valid = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString();
        registry.WriteString("AlarmMessage", valid);
        if (registry.ReadString("AlarmMessage") != valid)
            __builtin_trap(); // a message always reads back as it was written
        registry.CloseKey();
    } catch (const Exception&) {
    }
    return 0;
}
