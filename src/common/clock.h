#pragma once
// The one source of "now", so tests can set the day.
#include "common/date.h"

namespace orvelle {

class TClock {
  public:
    virtual ~TClock() = default;
    virtual TDateTime Now() const = 0; // local date and time of day
    TDateTime Today() const;           // local date, no time of day
};

class TSystemClock : public TClock {
  public:
    TDateTime Now() const override;
};

} // namespace orvelle
