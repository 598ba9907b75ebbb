// settings_writer FILE N: writes AlarmMessage N times through the settings store, each time a
// whole new text, so a test can kill it at any moment and look at what is left.
#include "platform/posix/ini_registry.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    QCoreApplication app(argc, argv);
    orvelle::TIniRegistry registry(QString::fromLocal8Bit(argv[1]));
    if (!registry.OpenKey(orvelle::kOrvelleKey, true))
        return 1;
    const int n = std::atoi(argv[2]);
    for (int i = 1; i <= n; ++i) {
        // Every text is "<i>:" followed by i % 500 letters and a closing mark, so a half-written
        // one can be told from a whole one.
        registry.WriteString("AlarmMessage", std::to_string(i) + ":" + std::string(static_cast<size_t>(i % 500) + 100, 'x') + "|end");
        registry.WriteInteger("MinimizeToTray", i % 2);
    }
    std::puts("done");
    return 0;
}
