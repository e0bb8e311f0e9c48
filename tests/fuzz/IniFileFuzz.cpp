// Fuzz target: the configuration facade reading numbers, flags and lists from a fuzzed
// configuration file through the store the program uses, the file's layout as a fixed point
// (what is written reads back and is written again the same), and the stored-number parser
// against a plain decimal reading.
#include <cstdint>
#include <cstdlib>

#include "backup/BackupRun.h"
#include "config/IniDocument.h"
#include "config/IniFile.h"
#include "config/Keys.h"
#include "fakes/FileProfile.h"
#include "fuzz/FuzzSupport.h"

using namespace talvek;
using talvek::fuzz::require;

namespace {

const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";

// "[+-]digits" as a decimal: what parseStoredNumber must read, when it fits 32 bits.
bool isPlainDecimal(const std::string& text) {
    std::size_t digits = text.find_first_not_of("+-") == 1 ? 1 : 0;
    if (text.size() <= digits || text.size() > 30) return false;
    return text.find_first_not_of("0123456789", digits) == std::string::npos;
}

void checkNumberText(const std::string& text) {
    int value = 0;
    bool read = parseStoredNumber(text, value);
    if (read) {
        int again = 0;
        require(parseStoredNumber(std::to_string(value), again) && again == value,
                "number round trip: " + text);
    }
    if (isPlainDecimal(text)) {
        long long expected = std::strtoll(text.c_str(), nullptr, 10);
        bool fits = expected >= INT32_MIN && expected <= INT32_MAX;
        require(read == fits && (!fits || value == expected), "decimal reading of " + text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkNumberText(text.substr(0, text.find('\n')));

    const std::string laidOut = IniDocument::parse(text).text();
    require(IniDocument::parse(laidOut).text() == laidOut, "the layout is no fixed point");

    testing::FakeFileSystem files;
    testing::FileProfile profile(files);
    files.addFile(kIni, text);
    TIniFile ini(profile, kIni);
    for (const char* key : {keys::kMaxRecordSets, keys::kEveryXDays, keys::kWaitSeconds}) {
        checkNumberText(ini.ReadText(keys::kSettings, key, ""));
        ini.ReadNumber(keys::kSettings, key, 3);
    }
    int seconds =
        BackupRun::waitSecondsFrom(ini.ReadNumber(keys::kSettings, keys::kWaitSeconds, 3));
    require(seconds >= 0 && seconds <= 59, "closing wait " + std::to_string(seconds));
    for (const char* key : {keys::kBatchFile, keys::kLogFile, keys::kActive, keys::kFirstRun})
        ini.ReadFlag(keys::kSettings, key, true);

    for (const char* section : {keys::kFileList, keys::kRecordList}) {
        std::vector<std::string> list = ini.ReadList(section);
        require(list.size() <= size, "a list longer than its file");
        for (const std::string& entry : list) {
            require(entry != keys::kListEnd, "the end marker inside a list");
            if (std::string(section) == keys::kRecordList)
                ini.ReadList(entry, keys::kSavedFilePrefix, 1);
        }
    }
    return 0;
}
