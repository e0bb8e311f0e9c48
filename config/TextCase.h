// Comparisons without regard to case, as the file system and the profile functions make
// them for the ASCII letters of names.
#pragma once
#include <string>
#include <vector>

namespace talvek {

std::string asciiLower(std::string text);
bool sameIgnoringCase(const std::string& a, const std::string& b);
// Whether a name stands in the list, compared as the file system compares names.
bool containsIgnoringCase(const std::vector<std::string>& names, const std::string& name);

} // namespace talvek
