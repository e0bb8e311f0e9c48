// Seam over the local date and time.
#pragma once

namespace talvek {

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime now() = 0;
};

} // namespace talvek
