#include "common/modal.h"

#include <QApplication>
#include <QTimer>

namespace orvelle {

namespace {
TModalHook& Hook()
{
    static TModalHook hook;
    return hook;
}
bool gEnding = false;
} // namespace

int ExecModal(QDialog& dialog)
{
    if (gEnding)
        return QDialog::Rejected;
    if (Hook()) {
        // Runs once the dialog is shown and its own loop takes events.
        QTimer::singleShot(0, &dialog, [&dialog] {
            if (Hook())
                Hook()(dialog);
        });
    }
    return dialog.exec();
}

void EndModalWindows()
{
    gEnding = true;
    while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->reject();
        if (QApplication::activeModalWidget() == dialog)
            break; // one that will not close stays; nothing more can be done from here
    }
}

bool EndingModalWindows()
{
    return gEnding;
}

void SetModalHook(TModalHook hook)
{
    Hook() = std::move(hook);
}

} // namespace orvelle
