#pragma once
// The About box: the program's name and version and a link to its home page.
#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace orvelle {

// Opens the home page in the default browser; a failure (no browser) is not reported.
void OpenHomePage();

class TFrmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmAbout(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    QPushButton* Button1;

    void Label2Click();
    void Button1Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orvelle
