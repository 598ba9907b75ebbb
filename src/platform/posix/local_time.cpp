#include "platform/local_time.h"

namespace orvelle {

std::tm LocalTime(std::time_t t)
{
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

} // namespace orvelle
