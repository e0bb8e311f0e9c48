// Shared by the fuzz targets: the portable code's fallible calls as the harnesses make them,
// and the stop that libFuzzer keeps as a finding.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "backup/BackupRun.h"
#include "backup/Steps.h"
#include "config/DateText.h"
#include "config/Error.h"

namespace talvek::fuzz {

// The date a text names, or nothing when it names none.
inline std::optional<Date> parsedDate(const std::string& text, const Date& today) {
    Date date;
    if (!parseDateText(text, today, date)) return std::nullopt;
    return date;
}

// The due check over a stored date text; nothing when the text names no date.
inline std::optional<bool> dueCheck(const std::string& last, int everyXDays, const Date& today) {
    bool due = false;
    if (isBackupDue(last, everyXDays, today, due)) return std::nullopt;
    return due;
}

// A whole run; the error text it handed to its caller (who shows it in a box), if any.
inline std::optional<std::string> runToTheEnd(BackupRun& run) {
    if (AppError error = run.run()) return error.text();
    return std::nullopt;
}

// A broken property: printed and turned into a crash, which libFuzzer keeps as a finding.
inline void require(bool holds, const std::string& what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}

} // namespace talvek::fuzz
