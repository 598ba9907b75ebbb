#include "platform/win32/instance_guard.h"

#include <windows.h>

namespace orvelle {

namespace {
constexpr UINT kAnswerWaitMs = 2000;
}

TInstanceGuard::TInstanceGuard() : FMessage(::RegisterWindowMessageA(kActivationMessageName)) {}

TInstanceGuard::~TInstanceGuard()
{
    if (FMutex)
        ::CloseHandle(FMutex);
}

bool TInstanceGuard::Claim()
{
    if (FMutex)
        return true;
    HANDLE mutex = ::CreateMutexA(nullptr, TRUE, kInstanceMutexName);
    // Read at once: CloseHandle below may change it.
    const bool existed = ::GetLastError() == ERROR_ALREADY_EXISTS;
    if (mutex && !existed) {
        FMutex = mutex;
        return true;
    }
    if (mutex)
        ::CloseHandle(mutex); // a second copy keeps no share in the name
    return false;
}

void TInstanceGuard::Broadcast() const
{
    // A hung window elsewhere on the desktop must not hang this start.
    ::SendMessageTimeoutA(HWND_BROADCAST, FMessage, 0, 0, SMTO_ABORTIFHUNG, kAnswerWaitMs, nullptr);
}

} // namespace orvelle
