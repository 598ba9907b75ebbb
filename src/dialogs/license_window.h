#pragma once
// The licence agreement: "I Agree!" closes it with OK, "I Disagree!" and the close box with Cancel.
#include "common/form_widgets.h"

class QPlainTextEdit;
class QPushButton;

namespace orvelle {

class TForm5 : public TNoCancelDialog {
    Q_OBJECT
  public:
    explicit TForm5(QWidget* parent = nullptr);

    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;

    void Button1Click();
    void Button2Click();
};

} // namespace orvelle
