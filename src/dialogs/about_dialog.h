#pragma once
// The About box: the program's name and version and a link to its home page.
#include "common/form_widgets.h"

class QLabel;
class QPushButton;

namespace orvelle {

// Opens the home page in the default browser; a failure (no browser) is not reported.
void OpenHomePage();

class TFrmAbout : public TNoCancelDialog {
    Q_OBJECT
  public:
    explicit TFrmAbout(QWidget* parent = nullptr);

    TFramedGroup* GroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Button1;

    void Label2Click();
    void Button1Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace orvelle
