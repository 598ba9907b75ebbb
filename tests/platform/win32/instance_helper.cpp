// The other copy of the program in the single-instance tests. Its exit code is the answer:
//   claim      0 when this copy got the mutex, 1 when another copy holds it
//   message    the number registered for the activation message
//   broadcast  0 once the activation has been broadcast
#include "platform/win32/instance_guard.h"

#include <string_view>

int main(int argc, char** argv)
{
    orvelle::TInstanceGuard guard;
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "claim")
        return guard.Claim() ? 0 : 1;
    if (mode == "message")
        return static_cast<int>(guard.Message());
    if (mode == "broadcast") {
        guard.Broadcast();
        return 0;
    }
    return 2;
}
