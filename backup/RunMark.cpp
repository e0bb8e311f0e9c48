#include "backup/RunMark.h"

#include "config/IniFile.h"
#include "config/Keys.h"

namespace talvek {

namespace {

// The leftovers' date texts, separated by blanks in one value.
std::vector<std::string> splitDates(const std::string& text) {
    std::vector<std::string> dates;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        if (end > at) dates.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return dates;
}

} // namespace

RunMark readRunMark(TIniFile& ini) {
    SectionValues values = ini.ReadSection(keys::kRunMark);
    return RunMark{values.get(keys::kDate, ""), values.get(keys::kMarkPrevious, ""),
                   splitDates(values.get(keys::kMarkLeftovers, ""))};
}

AppError writeRunMark(TIniFile& ini, const RunMark& mark) {
    if (mark.date.empty() && mark.leftovers.empty()) return ini.RemoveSection(keys::kRunMark);
    std::vector<std::pair<std::string, std::string>> values;
    if (!mark.date.empty()) {
        addKeyValue(values, keys::kDate, mark.date);
        addKeyValue(values, keys::kMarkPrevious, mark.previous);
    }
    std::string leftovers;
    for (const std::string& date : mark.leftovers)
        leftovers += (leftovers.empty() ? "" : " ") + date;
    if (!leftovers.empty()) addKeyValue(values, keys::kMarkLeftovers, leftovers);
    return ini.WriteSection(keys::kRunMark, values);
}

} // namespace talvek
