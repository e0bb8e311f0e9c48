#include "config/TextCase.h"

namespace talvek {

namespace {
char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

std::string asciiLower(std::string text) {
    for (char& c : text)
        c = lowerAscii(c);
    return text;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

bool containsIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& n : names)
        if (sameIgnoringCase(n, name)) return true;
    return false;
}

} // namespace talvek
