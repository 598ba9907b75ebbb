#include "common/clock.h"

#include "platform/local_time.h"

#include <cmath>

namespace orvelle {

TDateTime TClock::Today() const
{
    return std::trunc(Now());
}

TDateTime TSystemClock::Now() const
{
    const std::tm local = LocalTime(std::time(nullptr));
    const TDateTime day = EncodeDate(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                     static_cast<unsigned>(local.tm_mday));
    return day + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

} // namespace orvelle
