#include <gtest/gtest.h>

#include "config/DateText.h"
#include "config/Error.h"

using namespace talvek;

namespace {

struct Accepted {
    const char* text;
    Date today;
    Date expected;
};

const Date k1997{1997, 12, 6};
const Date k2026{2026, 5, 1};

TEST(ParseDateText, AcceptsTheFormsOfTheRule) {
    const Accepted cases[] = {
        {"06.12.97", k1997, {1997, 12, 6}},
        {"6.12.97", k1997, {1997, 12, 6}},
        {"06.12.1997", k1997, {1997, 12, 6}},
        {"06.12.97.", k1997, {1997, 12, 6}},
        {"06.12.97. ", k1997, {1997, 12, 6}},
        {"06.12", k1997, {1997, 12, 6}}, // the year left out: this year
        {"06.12", k2026, {2026, 12, 6}},
        {"06.12  ", k1997, {1997, 12, 6}},        // trailing blanks after the month
        {" 06 . 12 . 97 ", k1997, {1997, 12, 6}}, // blanks before numbers and full stops
        {"06.12.97 .", k1997, {1997, 12, 6}},
        {"0006.012.0097", k1997, {1997, 12, 6}}, // leading zeros keep the value below 1000
        {"1.1.1", k1997, {1901, 1, 1}},
        {"01.01.100", k1997, {100, 1, 1}}, // three digits are a year of their own
        {"31.12.9999", k1997, {9999, 12, 31}},
        {"01.01.0", k2026, {2000, 1, 1}},
        // Two-digit years lie in the current century.
        {"01.01.50", k1997, {1950, 1, 1}},
        {"01.01.50", k2026, {2050, 1, 1}},
        {"01.01.00", k1997, {1900, 1, 1}},
        {"31.12.99", Date{2000, 1, 2}, {2099, 12, 31}},
        {"28.12.99", Date{2099, 6, 1}, {2099, 12, 28}},
        {"01.01.00", Date{2100, 1, 1}, {2100, 1, 1}},
        {"01.01.99", Date{2100, 1, 1}, {2199, 1, 1}},
        // 29 February only in leap years.
        {"29.02.96", k1997, {1996, 2, 29}},
        {"29.02.00", Date{2000, 3, 1}, {2000, 2, 29}},
        {"29.02.2000", k1997, {2000, 2, 29}},
        {"29.02.24", k2026, {2024, 2, 29}},
        {"29.02", Date{2024, 1, 1}, {2024, 2, 29}},
    };
    for (const Accepted& c : cases) {
        Date d;
        EXPECT_TRUE(parseDateText(c.text, c.today, d)) << c.text;
        EXPECT_EQ(d, c.expected) << c.text << " read in " << c.today.year << ": " << d.day << "."
                                 << d.month << "." << d.year;
    }
}

struct Refused {
    const char* text;
    Date today;
};

TEST(ParseDateText, RefusesEverythingElseWithTheConversionError) {
    const Refused cases[] = {
        {"", k1997},
        {" ", k1997},
        {"06.12.", k1997},   // a full stop after the month needs a year
        {"06-12-97", k1997}, // other separators
        {"06/12/97", k1997},
        {"06", k1997},
        {"06.", k1997},
        {".12.97", k1997},
        {"31.02.97", k1997},
        {"29.02.97", k1997},
        {"29.02.1900", k1997},
        {"29.02.00", Date{2100, 1, 1}}, // 2100 is no leap year
        {"29.02", Date{2026, 1, 1}},
        {"00.12.97", k1997},
        {"06.00.97", k1997},
        {"06.13.97", k1997},
        {"32.01.97", k1997},
        {"06.12.97..", k1997},
        {"06.12.97x", k1997},
        {"06.12.97 x", k1997},
        {"06.12.12345", k1997}, // the number stops at 1234, the 5 is left over
        {"1000.1.97", k1997},
        {"06.12.-97", k1997},
        {"+6.12.97", k1997},
        {"06.12.97\t", k1997}, // only blanks are skipped
        {"\t06.12.97", k1997},
        {"06,12,97", k1997},
        {"a.12.97", k1997},
        {"N/A", k1997},
    };
    for (const Refused& c : cases) {
        Date d;
        EXPECT_FALSE(parseDateText(c.text, c.today, d))
            << "'" << c.text << "' read as " << d.day << "." << d.month << "." << d.year;
        EXPECT_EQ(invalidDate(c.text).text(),
                  std::string("'") + c.text + "' ist kein g\xFCltiges Datum");
    }
}

TEST(ParseDateText, ReadsBackEveryFormattedDayOfTheCentury) {
    Date today{2026, 1, 1};
    for (Date d{2000, 1, 1}; d.year < 2100; d = addDays(d, 1)) {
        Date read;
        ASSERT_TRUE(parseDateText(formatDateText(d), today, read) && read == d)
            << formatDateText(d);
    }
}

} // namespace
