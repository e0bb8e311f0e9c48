// The bounds of a spin field and how a value or typed text is brought within them.
#pragma once
#include <string>

namespace talvek {

struct SpinRange {
    int low;
    int high;

    int clamp(int value) const { return value < low ? low : value > high ? high : value; }
    // Typed text: a whole number (optional sign) is clamped; anything else reads as `low`.
    int fromText(const std::string& text) const;
};

inline constexpr SpinRange kMaxRecordSetsRange{2, 1000};
inline constexpr SpinRange kEveryXDaysRange{1, 1000};

} // namespace talvek
