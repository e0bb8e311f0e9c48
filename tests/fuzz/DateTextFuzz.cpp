// Fuzz target: reading a stored date text and the due check built on it. The first byte picks
// today's date, the next four the interval, the rest is the text.
#include <cstdint>
#include <cstring>

#include "fuzz/FuzzSupport.h"

using namespace talvek;
using talvek::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Date kTodays[] = {{1997, 12, 6}, {2000, 2, 29}, {2099, 12, 31}, {2100, 3, 1}};
    if (size < 5) return 0;
    const Date today = kTodays[data[0] % 4];
    std::int32_t everyXDays = 0;
    std::memcpy(&everyXDays, data + 1, sizeof everyXDays);
    const std::string text(reinterpret_cast<const char*>(data + 5), size - 5);

    if (std::optional<Date> date = fuzz::parsedDate(text, today)) {
        require(isValidDate(date->year, date->month, date->day), "an invalid date: " + text);
        require(Date::fromSerial(date->serial()) == *date, "serial round trip: " + text);
        std::string stored = formatDateText(*date);
        require(stored.size() == 8 && stored[2] == '.' && stored[5] == '.',
                "stored form: " + stored);
    }
    // The due check reads the text the same way and must neither crash nor overflow.
    std::optional<bool> due = fuzz::dueCheck(text, everyXDays, today);
    require(due.has_value() == fuzz::parsedDate(text, today).has_value(), "due check of " + text);
    return 0;
}
