#include "platform/win32/instance_guard.h"
#include "win32_helpers.h"

#include <memory>

using namespace orvelle;

namespace {
DWORD Helper(const char* mode)
{
    return test::Run(test::Sibling("instance_helper.exe") + " " + mode);
}
} // namespace

TEST(Win32Instance, SecondCopyFindsTheMutexTaken)
{
    EXPECT_EQ(Helper("claim"), 0u) << "nobody holds it yet";
    auto first = std::make_unique<TInstanceGuard>();
    ASSERT_TRUE(first->Claim());
    EXPECT_EQ(Helper("claim"), 1u);
    EXPECT_EQ(Helper("claim"), 1u) << "a second copy leaves the first one's claim as it was";
    first.reset();
    EXPECT_EQ(Helper("claim"), 0u) << "the name is free again once the first copy is gone";
}

// Registered message numbers lie in 0xC000..0xFFFF and are shared by the whole desktop.
TEST(Win32Instance, MessageNumberIsTheSameInAnotherProcess)
{
    TInstanceGuard guard;
    EXPECT_GE(guard.Message(), 0xC000u);
    EXPECT_LE(guard.Message(), 0xFFFFu);
    EXPECT_EQ(Helper("message"), guard.Message());
}

namespace {
int gActivations = 0;
UINT gMessage = 0;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == gMessage && wp == 0 && lp == 0)
        ++gActivations;
    return ::DefWindowProcA(hwnd, msg, wp, lp);
}
} // namespace

// The first copy's main window may be hidden in the tray: the broadcast must still reach it.
TEST(Win32Instance, BroadcastReachesAHiddenWindowOfAnotherProcess)
{
    TInstanceGuard guard;
    gMessage = guard.Message();
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrvelleTestMain";
    ASSERT_NE(::RegisterClassA(&wc), 0);
    HWND window = ::CreateWindowExA(0, wc.lpszClassName, "Orvelle", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                    nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(::IsWindowVisible(window));

    EXPECT_EQ(Helper("broadcast"), 0u);
    EXPECT_EQ(gActivations, 1);
    ::DestroyWindow(window);
}
