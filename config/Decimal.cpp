#include "config/Decimal.h"

namespace talvek {

std::string decimalText(long value) {
    // From the last digit backwards; unsigned, so that the most negative value works too.
    unsigned long rest = value < 0 ? 0ul - static_cast<unsigned long>(value) : value;
    char digits[12];
    char* at = digits + sizeof digits;
    do {
        *--at = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest);
    if (value < 0) *--at = '-';
    return std::string(at, digits + sizeof digits);
}

} // namespace talvek
