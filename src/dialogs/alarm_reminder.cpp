#include "dialogs/alarm_reminder.h"

#include "common/clock.h"
#include "common/error_box.h"
#include "common/modal.h"
#include "dialogs/alarm_dialog.h"
#include "dialogs/alarm_rule.h"

#include <QPushButton>

namespace orvelle {

// On top: the splash, which stays above everything, covers the middle of the screen meanwhile.
TFormAlarmReminder::TFormAlarmReminder(QWidget* parent)
    : TNoCancelDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                                  Qt::MSWindowsFixedSizeDialogHint)
{
    SetUpForm("FormAlarmReminder", "Alarm!", 204, 170);

    Memo1 = new TMessageMemo(this);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(8, 8, 185, 113);
    Memo1->setReadOnly(true);
    // The message can still be selected and copied from the keyboard.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Button1 = new QPushButton("OK", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(64, 136, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TFormAlarmReminder::Button1Click);
}

void TFormAlarmReminder::SetText(const std::string& message)
{
    Memo1->SetMessage(message);
}

void TFormAlarmReminder::Button1Click()
{
    accept();
}

// Nothing else of the program is on screen to take the keyboard: the reminder takes it, on OK.
void TFormAlarmReminder::showEvent(QShowEvent* event)
{
    TNoCancelDialog::showEvent(event);
    raise();
    activateWindow();
    Button1->setFocus(Qt::OtherFocusReason);
}

bool RunAlarmCheck(TRegistry& registry, const TClock& clock, QWidget* parent)
{
    std::optional<std::string> message;
    try {
        message = DueAlarmMessage(registry, clock.Today());
    } catch (const std::exception& e) {
        ShowErrorBox(e, parent);
        return false;
    }
    if (message) {
        TFormAlarmReminder reminder(parent);
        reminder.SetText(*message);
        ExecModal(reminder);
    }
    return true;
}

} // namespace orvelle
