#pragma once
// The start-up info box without a screen: where it is, which of its timers run and whether a close
// request ends it, given the work area and the window's outer size at every step.
#include "common/rect.h"

namespace orvelle {

class TInfoBoxMotion {
  public:
    enum class TPhase { Hidden, SlidingIn, Dwelling, SlidingOut, Closed };

    // Each of these returns true when the window is to be asked to close; the owner then runs the
    // request through FormClose, as every close request of the window does.
    void FormShow(const TRect& workArea, int outerHeight);
    bool Timer1Timer(const TRect& workArea, int outerWidth);
    bool Timer2Timer();
    bool LeftClick();
    // The close decision: false keeps the window open and starts (or goes on with) the slide-out.
    bool FormClose();

    TPhase Phase() const;
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    bool Timer1() const { return FTimer1; }
    bool Timer2() const { return FTimer2; }
    bool ClosedByUser() const { return FClosedByUser; }
    // Set when the window closed after a left click: start-up then shows the main window.
    bool ShowMainWindow() const { return FClosed && FClosedByUser; }

    bool FShowing = false;
    int FStep = 0;
    bool FClosedByUser = false;

  private:
    int FLeft = 0;
    int FTop = 0;
    bool FTimer1 = false;
    bool FTimer2 = false;
    bool FClosed = false;
};

} // namespace orvelle
