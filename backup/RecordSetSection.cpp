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
    const std::size_t datei = std::string(keys::kSavedFilePrefix).size();
    const std::size_t crc = std::string(keys::kChecksumPrefix).size() + 1 + 8 + 1;
    // Today's directory and date text have a fixed length: "\DDMMYY" and "DD.MM.YY".
    std::size_t section = sectionCharacters(recordSetSection(backupDirectory + "\\000000",
                                                             "00.00.00", KeyValues())) +
                          sectionCharacters({{keys::kRecordLogFile, logName},
                                             {keys::kRecordRecFile, batchName}});
    std::size_t list = 0;
    for (std::size_t i = 0; i < fileList.size(); ++i) {
        const std::size_t digits = std::to_string(i + 1).size();
        list += std::to_string(i).size() + 1 + fileList[i].size() + 1;
        section += datei + digits + 1 + fileList[i].size() + 1 + crc + digits;
    }
    return list <= kMaxSectionCharacters && section <= kMaxSectionCharacters;
}

} // namespace talvek
