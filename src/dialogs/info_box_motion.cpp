#include "dialogs/info_box_motion.h"

namespace orvelle {

void TInfoBoxMotion::FormShow(const TRect& workArea, int outerHeight)
{
    FClosedByUser = false;
    FShowing = true;
    FClosed = false;
    FTop = workArea.Bottom - outerHeight;
    FLeft = workArea.Right; // just outside the work area
    FStep = 0;
    FTimer1 = true;
}

bool TInfoBoxMotion::Timer1Timer(const TRect& workArea, int outerWidth)
{
    FStep += 6;
    if (FShowing) {
        FLeft -= FStep;
        // Stop one move early and jump, so the box never overshoots its corner.
        if (workArea.Right - outerWidth + FStep + 6 < FLeft)
            return false;
        FTimer1 = false;
        FLeft = workArea.Right - outerWidth;
        FTimer2 = true;
        return false;
    }
    FLeft += FStep;
    if (FLeft < workArea.Right)
        return false;
    FTimer1 = false;
    FLeft = workArea.Right;
    return true;
}

bool TInfoBoxMotion::Timer2Timer()
{
    FTimer2 = false;
    return true;
}

bool TInfoBoxMotion::LeftClick()
{
    if (FClosed)
        return false;
    FClosedByUser = true;
    return true;
}

bool TInfoBoxMotion::FormClose()
{
    if (FClosed)
        return true;
    if (FShowing) {
        // The dwell timer is left running: if it ends first, the box closes where it is.
        FShowing = false;
        FStep = 0;
        FTimer1 = true;
        return false;
    }
    FClosed = true;
    FTimer1 = FTimer2 = false;
    return true;
}

TInfoBoxMotion::TPhase TInfoBoxMotion::Phase() const
{
    if (FClosed)
        return TPhase::Closed;
    if (FShowing)
        return FTimer2 ? TPhase::Dwelling : TPhase::SlidingIn;
    return FTimer1 ? TPhase::SlidingOut : TPhase::Hidden;
}

} // namespace orvelle
