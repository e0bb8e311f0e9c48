#include "config/DateText.h"

namespace talvek {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year)) return 29;
    return kDays[month - 1];
}

bool isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

long Date::serial() const {
    // Days-from-civil with March as the first month of the computing year.
    long y = year - (month <= 2 ? 1 : 0);
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long mp = (month + 9) % 12;
    long doy = (153 * mp + 2) / 5 + day - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 306 - 365; // 0001-01-01 is day 0
}

Date Date::fromSerial(long serial) {
    long z = serial + 306 + 365;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long doe = z - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long y = yoe + era * 400;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    long d = doy - (153 * mp + 2) / 5 + 1;
    long m = mp < 10 ? mp + 3 : mp - 9;
    return Date{static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

Date dateOf(const LocalTime& t) {
    return Date{t.year, t.month, t.day};
}

Date addDays(const Date& date, long days) {
    return Date::fromSerial(date.serial() + days);
}

namespace {
void appendTwoDigits(std::string& out, int value) {
    value %= 100;
    out += static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
}
} // namespace

std::string formatDateText(const Date& date) {
    std::string text;
    appendTwoDigits(text, date.day);
    text += '.';
    appendTwoDigits(text, date.month);
    text += '.';
    appendTwoDigits(text, date.year);
    return text;
}

std::string formatTimeText(const LocalTime& time) {
    std::string text;
    appendTwoDigits(text, time.hour);
    text += ':';
    appendTwoDigits(text, time.minute);
    return text;
}

std::string compactDateText(const Date& date) {
    std::string text;
    appendTwoDigits(text, date.day);
    appendTwoDigits(text, date.month);
    appendTwoDigits(text, date.year);
    return text;
}

namespace {

// Reading position over a date text; blanks are skipped before numbers and full stops.
struct DateScanner {
    const std::string& text;
    std::size_t pos = 0;

    void skipBlanks() {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
    }
    // A number ends at the first non-digit or once its value has reached 1000.
    bool number(int& value) {
        skipBlanks();
        std::size_t start = pos;
        value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && value < 1000)
            value = value * 10 + (text[pos++] - '0');
        return pos > start;
    }
    bool fullStop() {
        skipBlanks();
        if (pos < text.size() && text[pos] == '.') {
            ++pos;
            return true;
        }
        return false;
    }
    bool atEnd() {
        skipBlanks();
        return pos == text.size();
    }
};

} // namespace

bool parseDateText(const std::string& text, const Date& today, Date& result) {
    DateScanner scan{text};
    int day = 0, month = 0, year = today.year;
    if (!scan.number(day) || !scan.fullStop() || !scan.number(month)) return false;
    if (scan.fullStop()) {
        if (!scan.number(year)) return false;
        if (year <= 99) year += today.year / 100 * 100;
        scan.fullStop();
    }
    if (!scan.atEnd() || !isValidDate(year, month, day)) return false;
    result = Date{year, month, day};
    return true;
}

AppError invalidDate(const std::string& text) {
    return AppError("'" + text + "' ist kein gültiges Datum");
}

double secondsOf(const LocalTime& t) {
    return static_cast<double>(dateOf(t).serial()) * 86400.0 + t.hour * 3600.0 + t.minute * 60.0 +
           t.second + t.millisecond / 1000.0;
}

} // namespace talvek
