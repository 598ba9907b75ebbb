#pragma once
// The start-up info box: the day's saints slide in at the corner of the screen, stay a moment and
// slide out; a left click sends the box away and asks for the main window.
#include "common/date.h"
#include "common/form_widgets.h"
#include "dialogs/info_box_motion.h"

class QTextEdit;
class QTimer;

namespace orvelle {

class TSaintsData;

class TForm3 : public TNoCancelDialog {
    Q_OBJECT
  public:
    explicit TForm3(QWidget* parent = nullptr);

    QTextEdit* RichEdit1;
    QTimer* Timer1;
    QTimer* Timer2;

    void FormShow();
    void Timer1Timer();
    void Timer2Timer();
    // True when the close request ends the window; otherwise the slide-out begins.
    bool FormClose();

    const TInfoBoxMotion& Motion() const { return FMotion; }
    // The box was clicked away: the main window is to appear at the end of start-up.
    bool ShowMainWindow() const { return FMotion.ShowMainWindow(); }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // Moves the window and runs the timers as the motion says; asks to close when it wants to.
    void Apply(bool askClose);

    TInfoBoxMotion FMotion;
};

// Start-up: shows the box modally with the saints of the day and returns whether it was clicked away.
// A day the saints file cannot give is reported, and the box shows no names.
bool RunInfoBox(TSaintsData& saints, TDateTime now);

} // namespace orvelle
