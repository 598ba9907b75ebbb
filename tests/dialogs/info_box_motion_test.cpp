#include "dialogs/info_box_motion.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace orvelle;
using TPhase = TInfoBoxMotion::TPhase;

namespace {
// A 1024 x 768 screen with a 28-pixel task bar at the bottom.
constexpr TRect kArea{0, 0, 1024, 740};
constexpr int W = 243, H = 300;

// Drives the box as its window does: every close request goes through FormClose.
struct Box {
    TInfoBoxMotion m;
    TRect area = kArea;
    int width = W;

    void Show() { m.FormShow(area, H); }
    void Ask(bool close)
    {
        if (close)
            m.FormClose();
    }
    void Tick() { Ask(m.Timer1Timer(area, width)); }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            Tick();
    }
    void DwellEnds() { Ask(m.Timer2Timer()); }
    void Click() { Ask(m.LeftClick()); }
    void CloseButton() { m.FormClose(); }
    // Ticks until Timer1 stops; returns how many it took.
    int Run()
    {
        int n = 0;
        while (m.Timer1() && n < 100) {
            Tick();
            ++n;
        }
        return n;
    }
};
} // namespace

TEST(InfoBoxMotion, SlidesInAcceleratingStaysThenSlidesOutToTheEdge)
{
    Box box;
    box.Show();
    EXPECT_EQ(box.m.Top(), 740 - H) << "bottom edge on the work area's bottom";
    EXPECT_EQ(box.m.Left(), 1024) << "starts just outside the right edge";
    EXPECT_EQ(box.m.Phase(), TPhase::SlidingIn);

    // Moves of 6, 12, 18, ...: after k ticks 3k(k+1) pixels; the eighth jumps 27 to the corner.
    const std::vector<int> in{1018, 1006, 988, 964, 934, 898, 856, 1024 - W};
    for (std::size_t k = 0; k < in.size(); ++k) {
        box.Tick();
        EXPECT_EQ(box.m.Left(), in[k]) << "slide-in tick " << k + 1;
    }
    EXPECT_EQ(box.m.Phase(), TPhase::Dwelling);
    EXPECT_FALSE(box.m.Timer1());
    EXPECT_TRUE(box.m.Timer2());

    box.DwellEnds();
    EXPECT_EQ(box.m.Phase(), TPhase::SlidingOut) << "the dwell's close request turns into the slide-out";
    EXPECT_FALSE(box.m.Timer2());
    const std::vector<int> out{787, 799, 817, 841, 871, 907, 949, 997, 1024};
    for (std::size_t n = 0; n < out.size(); ++n) {
        box.Tick();
        EXPECT_EQ(box.m.Left(), out[n]) << "slide-out tick " << n + 1;
    }
    EXPECT_EQ(box.m.Phase(), TPhase::Closed);
    EXPECT_FALSE(box.m.ShowMainWindow()) << "nobody clicked it";
    EXPECT_FALSE(box.m.Timer1() || box.m.Timer2());
}

TEST(InfoBoxMotion, TicksInAndOutDependOnTheOuterWidth)
{
    // In: the first k with 3(k+1)(k+2) >= W; out: the first n with 3n(n+1) >= W.
    struct Case {
        int width, ticksIn, ticksOut;
    } const cases[] = {{6, 1, 1}, {30, 2, 3}, {237, 8, 9}, {243, 8, 9}, {500, 12, 13}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        Box box;
        box.width = c.width;
        box.Show();
        EXPECT_EQ(box.Run(), c.ticksIn);
        EXPECT_EQ(box.m.Left(), 1024 - c.width);
        box.DwellEnds();
        EXPECT_EQ(box.Run(), c.ticksOut);
        EXPECT_EQ(box.m.Left(), 1024);
        EXPECT_EQ(box.m.Phase(), TPhase::Closed);
    }
}

TEST(InfoBoxMotion, CloseRequestsInEveryPhase)
{
    // Each case: what happens to a box untouched so far, then what the user does, and the result.
    struct Case {
        std::string what;
        void (*act)(Box&);
        int closedAt; // Left when it closed
        bool mainWindow;
    } const cases[] = {
        {"untouched", [](Box& b) { b.Run(), b.DwellEnds(), b.Run(); }, 1024, false},
        {"click while sliding in: out from where it is, then the main window",
         [](Box& b) {
             b.Ticks(3); // at 988
             b.Click();
             EXPECT_EQ(b.m.Phase(), TPhase::SlidingOut);
             EXPECT_EQ(b.m.FStep, 0) << "the slide-out starts slowly again";
             EXPECT_EQ(b.Run(), 3) << "6 + 12 + 18 = 36 pixels to the edge";
         },
         1024, true},
        {"click during the dwell",
         [](Box& b) {
             b.Run();
             b.Click();
             EXPECT_TRUE(b.m.Timer2()) << "the dwell timer is not stopped";
             b.Run();
         },
         1024, true},
        {"click while sliding out: closed at once where it is",
         [](Box& b) { b.Run(), b.DwellEnds(), b.Ticks(2), b.Click(); }, 799, true},
        {"the dwell runs out during a slide-out started by a click: closed where it is",
         [](Box& b) { b.Run(), b.Click(), b.Ticks(4), b.DwellEnds(); }, 841, true},
        {"close button while sliding in: slides out, no main window",
         [](Box& b) { b.Ticks(2), b.CloseButton(), b.Run(); }, 1024, false},
        {"close button during the dwell", [](Box& b) { b.Run(), b.CloseButton(), b.Run(); }, 1024, false},
        {"close button while sliding out: closed at once",
         [](Box& b) { b.Run(), b.DwellEnds(), b.Ticks(1), b.CloseButton(); }, 787, false},
        {"close button, then a click during the slide-out",
         [](Box& b) { b.Run(), b.CloseButton(), b.Ticks(1), b.Click(); }, 787, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Box box;
        box.Show();
        c.act(box);
        EXPECT_EQ(box.m.Phase(), TPhase::Closed);
        EXPECT_EQ(box.m.Left(), c.closedAt);
        EXPECT_EQ(box.m.ShowMainWindow(), c.mainWindow);
        EXPECT_FALSE(box.m.Timer1() || box.m.Timer2()) << "a closed box runs no timer";
    }
}

TEST(InfoBoxMotion, AClosedBoxIgnoresLateRequests)
{
    Box box;
    box.Show();
    box.Run(), box.DwellEnds(), box.Run();
    EXPECT_FALSE(box.m.LeftClick()) << "a click after the close asks for nothing";
    EXPECT_TRUE(box.m.FormClose());
    EXPECT_FALSE(box.m.ShowMainWindow());
}

TEST(InfoBoxMotion, TheWorkAreaIsReadAtEveryStep)
{
    Box box;
    box.Show();
    box.Ticks(4);         // at 964
    box.area.Right = 990; // a task bar appears at the right
    EXPECT_EQ(box.Run(), 5) << "one more tick than on the free screen";
    EXPECT_EQ(box.m.Left(), 990 - W) << "at rest against the task bar, inside the work area";
    box.DwellEnds();
    box.Run();
    EXPECT_EQ(box.m.Left(), 990) << "leaves just outside the work area";
}
