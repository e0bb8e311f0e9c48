#include "config/IniFile.h"

#include <cstdint>

#include "config/Error.h"
#include "config/Keys.h"

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

TIniFile::TIniFile(ProfileStore& store, std::string fileName)
    : store_(store), fileName_(std::move(fileName)) {}

void TIniFile::raiseWriteError() const {
    throw AppError("nach " + fileName_ + " kann nicht geschrieben werden");
}

std::string TIniFile::ReadText(const std::string& section, const std::string& key,
                               const std::string& def) {
    return store_.read(fileName_, section, key, def, kValueBuffer);
}

void TIniFile::WriteText(const std::string& section, const std::string& key,
                         const std::string& value) {
    if (!store_.write(fileName_, section, key, value)) raiseWriteError();
}

int TIniFile::ReadNumber(const std::string& section, const std::string& key, int def) {
    int value = 0;
    return parseStoredNumber(ReadText(section, key, ""), value) ? value : def;
}

void TIniFile::WriteNumber(const std::string& section, const std::string& key, int value) {
    WriteText(section, key, std::to_string(value));
}

bool TIniFile::ReadFlag(const std::string& section, const std::string& key, bool def) {
    return ReadNumber(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteFlag(const std::string& section, const std::string& key, bool value) {
    WriteText(section, key, value ? "1" : "0");
}

void TIniFile::RemoveSection(const std::string& section) {
    if (store_.removeSection(fileName_, section)) return;
    if (store_.hasSection(fileName_, section)) raiseWriteError();
}

std::vector<std::string> TIniFile::ReadList(const std::string& section, const std::string& prefix,
                                            int first) {
    std::vector<std::string> entries;
    for (int index = first;; ++index) {
        std::string value = ReadText(section, prefix + std::to_string(index), keys::kListEnd);
        if (value == keys::kListEnd) break;
        entries.push_back(std::move(value));
    }
    return entries;
}

void TIniFile::WriteList(const std::string& section, const std::vector<std::string>& entries) {
    RemoveSection(section);
    for (std::size_t i = 0; i < entries.size(); ++i)
        WriteText(section, std::to_string(i), entries[i]);
}

} // namespace talvek
