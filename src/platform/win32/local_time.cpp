#include "platform/local_time.h"

namespace orvelle {

std::tm LocalTime(std::time_t t)
{
    std::tm local{};
    localtime_s(&local, &t);
    return local;
}

} // namespace orvelle
