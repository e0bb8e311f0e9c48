#include "ui/setup/logic/SpinRange.h"

namespace talvek {

int SpinRange::fromText(const std::string& text) const {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return low;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return low;
        // Past the upper bound the exact size no longer matters; stop before overflow.
        if (value <= 100000000000LL) value = value * 10 + (text[i] - '0');
    }
    if (negative) value = -value;
    return value < low ? low : value > high ? high : static_cast<int>(value);
}

} // namespace talvek
