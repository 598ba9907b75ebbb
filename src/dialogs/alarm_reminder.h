#pragma once
// The reminder "Alarm!" with the message of the day's alarm, and the start-up check that shows it.
#include "common/form_widgets.h"

#include <string>

class QPushButton;

namespace orvelle {

class TClock;
class TMessageMemo;
class TRegistry;

class TFormAlarmReminder : public TNoCancelDialog {
    Q_OBJECT
  public:
    explicit TFormAlarmReminder(QWidget* parent = nullptr);

    void SetText(const std::string& message);
    void Button1Click();

    TMessageMemo* Memo1;
    QPushButton* Button1;

  protected:
    void showEvent(QShowEvent* event) override;
};

// Shows the reminder, modally, when the stored alarm is due today. A stored value of the wrong
// type is reported in the error box and the program starts without the reminder: false then.
// The parent is the splash, when there is one, so that both windows open above it.
bool RunAlarmCheck(TRegistry& registry, const TClock& clock, QWidget* parent = nullptr);

} // namespace orvelle
