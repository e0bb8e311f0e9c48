#include "config/Settings.h"

#include "config/Decimal.h"
#include "config/Keys.h"

namespace talvek {

namespace {

int numberOr(const SectionValues& values, const char* key, int def) {
    int value = 0;
    return parseStoredNumber(values.get(key, ""), value) ? value : def;
}

bool flagOr(const SectionValues& values, const char* key, bool def) {
    return numberOr(values, key, def ? 1 : 0) != 0;
}

const char* flagText(bool on) {
    return on ? "1" : "0";
}

} // namespace

int SettingRange::fromText(const std::string& text) const {
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

std::string Settings::storedBackupDirectory() const {
    return hasBackupDirectory ? backupDirectory : keys::kNoBackupDirectory;
}

Settings readSettings(TIniFile& ini) {
    using namespace keys;
    const SectionValues values = ini.ReadSection(kSettings);
    Settings s;
    int maximum = 0;
    s.maxRecordSetsValid =
        parseStoredNumber(values.get(kMaxRecordSets, ""), maximum) && maximum >= 1;
    s.maxRecordSets = numberOr(values, kMaxRecordSets, s.maxRecordSets);
    const std::string directory = values.get(kRecoveryDirectory, kNoBackupDirectory);
    s.hasBackupDirectory = directory != kNoBackupDirectory;
    if (s.hasBackupDirectory) s.backupDirectory = directory;
    s.batchFile = flagOr(values, kBatchFile, s.batchFile);
    s.batchName = values.get(kBatchName, s.batchName);
    s.logFile = flagOr(values, kLogFile, s.logFile);
    s.logName = values.get(kLogName, s.logName);
    s.everyXDays = numberOr(values, kEveryXDays, s.everyXDays);
    s.active = flagOr(values, kActive, s.active);
    s.firstRunDone = flagOr(values, kFirstRun, s.firstRunDone);
    s.version = values.get(kVersion, "");
    s.waitSeconds = numberOr(values, kWaitSeconds, s.waitSeconds);
    return s;
}

AppError writeSettings(TIniFile& ini, const Settings& s) {
    using namespace keys;
    // In the order a first start writes them, so that a new file reads as it always did.
    return ini.WriteKeys(kSettings, {{kMaxRecordSets, decimalText(s.maxRecordSets)},
                                     {kRecoveryDirectory, s.backupDirectory},
                                     {kBatchFile, flagText(s.batchFile)},
                                     {kBatchName, s.batchName},
                                     {kLogFile, flagText(s.logFile)},
                                     {kLogName, s.logName},
                                     {kEveryXDays, decimalText(s.everyXDays)},
                                     {kVersion, s.version},
                                     {kActive, flagText(s.active)},
                                     {kFirstRun, flagText(s.firstRunDone)}});
}

AppError correctMaxRecordSets(TIniFile& ini, Settings& settings) {
    settings.maxRecordSets = Settings().maxRecordSets;
    settings.maxRecordSetsValid = true;
    return ini.WriteNumber(keys::kSettings, keys::kMaxRecordSets, settings.maxRecordSets);
}

} // namespace talvek
