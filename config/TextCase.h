// Comparisons without regard to case, as the file system and the profile functions make
// them for the ASCII letters of names.
#pragma once
#include <string>
#include <vector>

namespace talvek {

inline std::string asciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

inline bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return asciiLower(a) == asciiLower(b);
}

// Whether a name stands in the list, compared as the file system compares names.
inline bool containsIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& n : names)
        if (sameIgnoringCase(n, name)) return true;
    return false;
}

} // namespace talvek
