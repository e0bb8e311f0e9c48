// A clock that stands still unless told to move, or moves a set step at every reading.
#pragma once
#include "config/DateText.h"
#include "platform/Clock.h"

namespace talvek::testing {

class FakeClock : public Clock {
  public:
    explicit FakeClock(LocalTime t = LocalTime{1997, 12, 6, 8, 0, 0, 0}) : time_(t) {}
    LocalTime now() override {
        LocalTime t = time_;
        advanceMs(stepMs);
        return t;
    }
    void set(const LocalTime& t) { time_ = t; }
    void setDate(int year, int month, int day) { time_ = LocalTime{year, month, day, 8, 0, 0, 0}; }
    void advanceMs(long ms) {
        long total = ((time_.hour * 60L + time_.minute) * 60L + time_.second) * 1000L +
                     time_.millisecond + ms;
        long days = total / 86400000L;
        total %= 86400000L;
        Date d = addDays(dateOf(time_), days);
        time_ = LocalTime{d.year,
                          d.month,
                          d.day,
                          static_cast<int>(total / 3600000L),
                          static_cast<int>(total / 60000L % 60),
                          static_cast<int>(total / 1000L % 60),
                          static_cast<int>(total % 1000L)};
    }
    long stepMs = 0; // how far each reading moves the clock on

  private:
    LocalTime time_;
};

} // namespace talvek::testing
