#include "backup/RecordSetSection.h"

#include "config/Keys.h"

namespace talvek {

KeyValues recordSetSection(const std::string& directory, const std::string& date,
                           const KeyValues& savedFiles) {
    KeyValues values = {{keys::kDirectory, directory}, {keys::kDate, date}};
    values.insert(values.end(), savedFiles.begin(), savedFiles.end());
    return values;
}

std::size_t sectionCharacters(const KeyValues& values) {
    std::size_t characters = 0;
    for (const auto& kv : values)
        characters += kv.first.size() + 1 + kv.second.size() + 1;
    return characters;
}

bool fitsIntoSections(const std::vector<std::string>& fileList, const std::string& backupDirectory,
                      const std::string& logName, const std::string& batchName) {
    KeyValues list, saved;
    for (std::size_t i = 0; i < fileList.size(); ++i) {
        list.emplace_back(std::to_string(i), fileList[i]);
        saved.emplace_back(keys::kSavedFilePrefix + std::to_string(i + 1), fileList[i]);
    }
    // Today's directory and date text have a fixed length: "\DDMMYY" and "DD.MM.YY".
    KeyValues section = recordSetSection(backupDirectory + "\\000000", "00.00.00", saved);
    section.emplace_back(keys::kRecordLogFile, logName);
    section.emplace_back(keys::kRecordRecFile, batchName);
    return sectionCharacters(list) <= kMaxSectionCharacters &&
           sectionCharacters(section) <= kMaxSectionCharacters;
}

} // namespace talvek
