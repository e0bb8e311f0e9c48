#include "backup/PathRules.h"

#include <cstring>
#include <vector>

#include "config/TextCase.h"

namespace talvek {

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool isDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::vector<std::string> componentsOf(const std::string& path, std::size_t from) {
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t i = from; i < path.size(); ++i) {
        if (isSeparator(path[i])) {
            parts.push_back(part);
            part.clear();
        } else {
            part += path[i];
        }
    }
    parts.push_back(part);
    return parts;
}

// Characters a short name may hold besides letters, digits and bytes above 127.
bool isShortNameChar(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 128) return true;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    return std::strchr("!#$%&'()-@^_`{}~", c) != nullptr && c != '\0';
}

bool isShortName(const std::string& name) {
    std::size_t dot = name.find('.');
    std::string base = name.substr(0, dot);
    std::string ext = dot == std::string::npos ? std::string() : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || ext.size() > 3) return false;
    if (dot != std::string::npos && ext.empty()) return false;
    for (char c : base + ext)
        if (!isShortNameChar(c)) return false;
    return true;
}

} // namespace

std::string fileNamePart(const std::string& path) {
    std::size_t last = path.find_last_of("\\/:");
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string resolvedName(const std::string& name) {
    std::size_t kept = name.find_last_not_of(". ");
    return kept == std::string::npos ? std::string() : name.substr(0, kept + 1);
}

std::string resolvedNamePart(const std::string& path) {
    return resolvedName(fileNamePart(path));
}

bool sameFileName(const std::string& a, const std::string& b) {
    return sameIgnoringCase(resolvedName(a), resolvedName(b));
}

bool isPlainFileName(const std::string& name) {
    return !resolvedName(name).empty() && name.find_first_of("\\/:") == std::string::npos;
}

bool isAbsoluteDirectory(const std::string& path) {
    if (path.size() >= 2 && isDriveLetter(path[0]) && path[1] == ':')
        return path.size() == 2 || isSeparator(path[2]);
    if (path.size() < 2 || !isSeparator(path[0]) || !isSeparator(path[1])) return false;
    std::vector<std::string> parts = componentsOf(path, 2);
    return parts.size() >= 2 && !parts[0].empty() && !parts[1].empty();
}

bool isDriveRoot(const std::string& path) {
    if (path.size() < 2 || !isDriveLetter(path[0]) || path[1] != ':') return false;
    for (std::size_t i = 2; i < path.size(); ++i)
        if (!isSeparator(path[i])) return false;
    return true;
}

bool liesDirectlyIn(const std::string& directory, const std::string& parent) {
    auto withoutTrailing = [](std::string s) {
        while (!s.empty() && isSeparator(s.back()))
            s.pop_back();
        return s;
    };
    std::string dir = withoutTrailing(directory);
    std::size_t last = dir.find_last_of("\\/");
    if (last == std::string::npos) return false;
    std::string a = withoutTrailing(dir.substr(0, last)), b = withoutTrailing(parent);
    for (std::string* s : {&a, &b})
        for (char& c : *s)
            if (c == '/') c = '\\';
    return sameIgnoringCase(a, b);
}

bool isRecordSetDirectory(const std::string& path) {
    std::vector<std::string> parts;
    if (path.size() >= 3 && isDriveLetter(path[0]) && path[1] == ':' && isSeparator(path[2])) {
        parts = componentsOf(path, 3);
    } else if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        parts = componentsOf(path, 2);
        // Server and share must be named, and the record set lies below the share.
        if (parts.size() < 3 || parts[0].empty() || parts[1].empty()) return false;
    } else {
        return false;
    }
    for (const std::string& part : parts) {
        if (part == "." || part == "..") return false;
        if (part.find_first_of(":*?\"<>|") != std::string::npos) return false;
    }
    const std::string& last = parts.back();
    if (last.size() != 6) return false;
    for (char c : last)
        if (c < '0' || c > '9') return false;
    return true;
}

bool isShortPath(const std::string& path) {
    std::size_t from = 0;
    if (path.size() >= 2 && isDriveLetter(path[0]) && path[1] == ':') from = 2;
    std::vector<std::string> parts = componentsOf(path, from);
    if (parts.size() == 1 && parts[0].empty()) return false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        // Only a leading separator (the root) leaves an empty component.
        if (parts[i].empty() && i == 0) continue;
        if (!isShortName(parts[i])) return false;
    }
    for (char c : path)
        if (c == '/') return false;
    return true;
}

std::string dosName(FileSystem& files, const std::string& path) {
    if (isShortPath(path)) return path;
    const std::string shortPath = files.shortPath(path);
    return !shortPath.empty() && isShortPath(shortPath) ? shortPath : path;
}

} // namespace talvek
