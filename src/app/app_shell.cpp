#include "app/app_shell.h"

#include "common/error_box.h"
#include "common/qt_bridge.h"
#include "common/text.h"

namespace orvelle {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName("Orvelle");
    setOrganizationName("Orvelle");
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        // May be inside painting: the box opens after this event.
        QueueErrorBox(QString::fromStdString(ToUtf8(e.what())));
    } catch (...) {
        QueueErrorBox("Unknown error");
    }
    return false;
}

} // namespace orvelle
