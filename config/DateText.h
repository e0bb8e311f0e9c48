// Calendar dates and their "DD.MM.YY" text form, the one date format of the ini file.
#pragma once
#include <string>

#include "config/Error.h"
#include "platform/Clock.h"

namespace talvek {

struct Date {
    int year = 1, month = 1, day = 1;
    friend bool operator==(const Date& a, const Date& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day;
    }
    friend bool operator<(const Date& a, const Date& b) { return a.serial() < b.serial(); }
    // Days since 1 January of year 1 (that day is 0), proleptic Gregorian calendar.
    long serial() const;
    static Date fromSerial(long serial);
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
bool isValidDate(int year, int month, int day);

Date dateOf(const LocalTime& t);
Date addDays(const Date& date, long days);

// "DD.MM.YY": two digits each, the last two digits of the year.
std::string formatDateText(const Date& date);
// The record set directory name: the date text without its full stops ("DDMMYY").
std::string compactDateText(const Date& date);
// "hh:mm": the time of day as the run journal stamps it.
std::string formatTimeText(const LocalTime& time);

// Reads a date text back; the year of `today` fixes the century of a two-digit year and
// the year when it is left out. False when the text is no date.
bool parseDateText(const std::string& text, const Date& today, Date& result);
// The error of a text that is no date: "'%s' ist kein gültiges Datum".
AppError invalidDate(const std::string& text);

// Seconds since 1 January of year 1, with fractions, for comparing clock readings.
double secondsOf(const LocalTime& t);

} // namespace talvek
