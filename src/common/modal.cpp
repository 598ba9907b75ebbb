#include "common/modal.h"

#include <QTimer>

namespace orvelle {

namespace {
TModalHook& Hook()
{
    static TModalHook hook;
    return hook;
}
} // namespace

int ExecModal(QDialog& dialog)
{
    if (Hook()) {
        // Runs once the dialog is shown and its own loop takes events.
        QTimer::singleShot(0, &dialog, [&dialog] {
            if (Hook())
                Hook()(dialog);
        });
    }
    return dialog.exec();
}

void SetModalHook(TModalHook hook)
{
    Hook() = std::move(hook);
}

} // namespace orvelle
