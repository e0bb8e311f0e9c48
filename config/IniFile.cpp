#include "config/IniFile.h"

#include <cstdint>

#include "config/Decimal.h"
#include "config/Keys.h"
#include "config/TextCase.h"

namespace talvek {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool parseHex(const std::string& digits, int& value) {
    if (digits.empty()) return false;
    std::uint64_t result = 0;
    for (char c : digits) {
        int d = hexDigit(c);
        if (d < 0) return false;
        result = result * 16 + static_cast<unsigned>(d);
        if (result > 0xFFFFFFFFull) return false;
    }
    // Eight hex digits fill the 32 bits: $FFFFFFFF is -1, as a 32-bit integer holds it.
    value = static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(result)));
    return true;
}

bool parseDecimal(const std::string& text, int& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    std::int64_t result = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        result = result * 10 + (text[i] - '0');
        if (result > 2147483648LL) return false;
    }
    if (negative) result = -result;
    if (result > 2147483647LL) return false;
    value = static_cast<int>(result);
    return true;
}

} // namespace

bool parseStoredNumber(const std::string& text, int& value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return parseHex(text.substr(2), value);
    if (!text.empty() && text[0] == '$') return parseHex(text.substr(1), value);
    return parseDecimal(text, value);
}

std::string configurationPath(const std::string& windowsDirectory) {
    return windowsDirectory + "\\" + keys::kIniName;
}

std::string configurationFileOf(FileSystem& files) {
    const std::string windows = files.windowsDirectory(kWindowsDirectoryBuffer);
    return windows.empty() ? std::string() : configurationPath(windows);
}

namespace {

std::string trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return std::string();
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

// What the key-by-key read makes of a stored value: one pair of matching quotes around it
// goes, and the answer is cut to the value buffer.
std::string valueAsRead(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > TIniFile::kValueBuffer - 1) value.resize(TIniFile::kValueBuffer - 1);
    return value;
}

} // namespace

std::string SectionValues::get(const std::string& key, const std::string& def) const {
    if (store_) return store_->read(file_, section_, key, def, TIniFile::kValueBuffer);
    std::string wanted = asciiLower(key);
    for (const auto& entry : entries_)
        if (entry.first == wanted) return entry.second;
    return def;
}

std::vector<std::string> SectionValues::list(const std::string& prefix, int first) const {
    std::vector<std::string> entries;
    for (int index = first;; ++index) {
        std::string value = get(prefix + decimalText(index), keys::kListEnd);
        if (value == keys::kListEnd) break;
        entries.push_back(std::move(value));
    }
    return entries;
}

std::vector<std::pair<int, std::string>> SectionValues::numbered(const std::string& prefix) const {
    std::vector<std::pair<int, std::string>> found;
    if (store_) {
        // A section too large for one answer can only be asked key by key: numbers are
        // tried upwards until a long run of them is missing.
        const int kGiveUpAfter = 64;
        for (int n = 0, missing = 0; missing < kGiveUpAfter; ++n) {
            std::string value = get(prefix + decimalText(n), keys::kListEnd);
            missing = value == keys::kListEnd ? missing + 1 : 0;
            if (value != keys::kListEnd) found.emplace_back(n, std::move(value));
        }
        return found;
    }
    const std::string wanted = asciiLower(prefix);
    for (const auto& entry : entries_) {
        const std::string& key = entry.first;
        if (key.size() <= wanted.size() || key.compare(0, wanted.size(), wanted) != 0) continue;
        int n = 0;
        std::string digits = key.substr(wanted.size());
        // Numbers as the run writes them: no sign, no leading zero, no overflow.
        if (digits.size() > 9 || (digits.size() > 1 && digits[0] == '0') ||
            digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        for (char c : digits)
            n = n * 10 + (c - '0');
        if (entry.second == keys::kListEnd) continue;
        // Kept in the order of the numbers; the first of a key stated twice counts, as a
        // key-by-key read would find it. The keys come mostly in order: the search is short.
        auto at = found.end();
        while (at != found.begin() && (at - 1)->first >= n)
            --at;
        if (at == found.end() || at->first != n) found.emplace(at, n, entry.second);
    }
    return found;
}

void addKeyValue(std::vector<std::pair<std::string, std::string>>& values, std::string key,
                 std::string value) {
    values.emplace_back(std::move(key), std::move(value));
}

TIniFile::TIniFile(ProfileStore& store, std::string fileName)
    : store_(store), fileName_(std::move(fileName)) {}

AppError TIniFile::writeError() const {
    return AppError("nach " + fileName_ + " kann nicht geschrieben werden");
}

std::string TIniFile::ReadText(const std::string& section, const std::string& key,
                               const std::string& def) {
    return store_.read(fileName_, section, key, def, kValueBuffer);
}

AppError TIniFile::WriteText(const std::string& section, const std::string& key,
                             const std::string& value) {
    return store_.write(fileName_, section, key, value) ? AppError() : writeError();
}

int TIniFile::ReadNumber(const std::string& section, const std::string& key, int def) {
    int value = 0;
    return parseStoredNumber(ReadText(section, key, ""), value) ? value : def;
}

AppError TIniFile::WriteNumber(const std::string& section, const std::string& key, int value) {
    return WriteText(section, key, decimalText(value));
}

bool TIniFile::ReadFlag(const std::string& section, const std::string& key, bool def) {
    return ReadNumber(section, key, def ? 1 : 0) != 0;
}

AppError TIniFile::WriteFlag(const std::string& section, const std::string& key, bool value) {
    return WriteText(section, key, value ? "1" : "0");
}

AppError TIniFile::RemoveSection(const std::string& section) {
    if (store_.removeSection(fileName_, section)) return AppError();
    return store_.hasSection(fileName_, section) ? writeError() : AppError();
}

AppError TIniFile::RemoveKey(const std::string& section, const std::string& key) {
    return store_.removeKey(fileName_, section, key) ? AppError() : writeError();
}

SectionValues TIniFile::ReadSection(const std::string& section) {
    SectionValues values;
    values.section_ = section;
    std::vector<std::string> lines;
    if (!store_.readSection(fileName_, section, kSectionBuffer, lines)) {
        values.store_ = &store_;
        values.file_ = fileName_;
        return values;
    }
    for (const std::string& line : lines) {
        std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        values.entries_.emplace_back(asciiLower(trimmed(line.substr(0, eq))),
                                     valueAsRead(trimmed(line.substr(eq + 1))));
    }
    return values;
}

AppError TIniFile::WriteSection(const std::string& section,
                                const std::vector<std::pair<std::string, std::string>>& values) {
    std::vector<std::string> lines;
    lines.reserve(values.size());
    for (const auto& kv : values)
        lines.push_back(kv.first + "=" + kv.second);
    return store_.writeSection(fileName_, section, lines) ? AppError() : writeError();
}

AppError TIniFile::WriteKeys(const std::string& section,
                             const std::vector<std::pair<std::string, std::string>>& values) {
    std::vector<std::string> lines;
    // A section too large to be read whole would lose what did not fit: it stays as it is.
    if (!store_.readSection(fileName_, section, kSectionBuffer, lines)) return writeError();
    std::string placed(values.size(), 0); // which values found their line
    for (std::string& line : lines) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = trimmed(line.substr(0, eq));
        // The first line of a key takes the value, as a single write would set it.
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (placed[i] || !sameIgnoringCase(values[i].first, key)) continue;
            line = key + "=" + values[i].second;
            placed[i] = 1;
            break;
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!placed[i]) lines.push_back(values[i].first + "=" + values[i].second);
    return store_.writeSection(fileName_, section, lines) ? AppError() : writeError();
}

std::vector<std::string> TIniFile::ReadList(const std::string& section, const std::string& prefix,
                                            int first) {
    return ReadSection(section).list(prefix, first);
}

AppError TIniFile::WriteList(const std::string& section, const std::vector<std::string>& entries) {
    std::vector<std::pair<std::string, std::string>> values;
    values.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        values.emplace_back(decimalText(i), entries[i]);
    return WriteSection(section, values);
}

} // namespace talvek
