#include "fakes/FakeProfile.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace talvek::testing {

std::string FakeProfile::lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

FakeProfile::File* FakeProfile::find(const std::string& file) {
    auto it = files_.find(lower(file));
    return it == files_.end() ? nullptr : &it->second;
}

const FakeProfile::File* FakeProfile::find(const std::string& file) const {
    auto it = files_.find(lower(file));
    return it == files_.end() ? nullptr : &it->second;
}

bool FakeProfile::exists(const std::string& file) const {
    return find(file) != nullptr;
}

namespace {
std::string trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    std::size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}
} // namespace

std::string FakeProfile::read(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& def,
                              std::size_t bufferSize) {
    ++accessCount;
    std::string value = def;
    // A failed read returns the default, just like a missing key.
    if (injectedFault(faults, "read " + section + "/" + key)) return value;
    if (const File* f = find(file)) {
        for (const Section& s : f->sections) {
            if (lower(s.name) != lower(section)) continue;
            for (const auto& kv : s.keys) {
                if (lower(kv.first) != lower(key)) continue;
                value = trim(kv.second);
                if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                    value.back() == value.front())
                    value = value.substr(1, value.size() - 2);
                break;
            }
            break;
        }
    }
    if (value.size() > bufferSize - 1) value.resize(bufferSize - 1);
    return value;
}

bool FakeProfile::write(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    ++accessCount;
    if (injectedFault(faults, "write " + section + "/" + key)) return false;
    File* f = find(file);
    if (f && f->readOnly) return false;
    ++writeCount;
    if (!f) f = &files_[lower(file)];
    for (Section& s : f->sections) {
        if (lower(s.name) != lower(section)) continue;
        for (auto& kv : s.keys) {
            if (lower(kv.first) == lower(key)) {
                kv.second = value;
                return true;
            }
        }
        s.keys.emplace_back(key, value);
        return true;
    }
    f->sections.push_back(Section{section, {{key, value}}});
    return true;
}

bool FakeProfile::removeKey(const std::string& file, const std::string& section,
                            const std::string& key) {
    ++accessCount;
    if (injectedFault(faults, "removeKey " + section + "/" + key)) return false;
    File* f = find(file);
    if (f && f->readOnly) return false;
    ++writeCount;
    if (!f) return true;
    for (Section& s : f->sections)
        if (lower(s.name) == lower(section))
            for (auto kv = s.keys.begin(); kv != s.keys.end(); ++kv)
                if (lower(kv->first) == lower(key)) {
                    s.keys.erase(kv);
                    return true;
                }
    return true;
}

bool FakeProfile::removeSection(const std::string& file, const std::string& section) {
    ++accessCount;
    if (injectedFault(faults, "removeSection " + section)) return false;
    File* f = find(file);
    if (!f) return true;
    if (f->readOnly) return false;
    ++writeCount;
    f->sections.erase(
        std::remove_if(f->sections.begin(), f->sections.end(),
                       [&](const Section& s) { return lower(s.name) == lower(section); }),
        f->sections.end());
    return true;
}

bool FakeProfile::hasSection(const std::string& file, const std::string& section) {
    ++accessCount;
    if (injectedFault(faults, "hasSection " + section)) return false;
    const File* f = find(file);
    if (!f) return false;
    return std::any_of(f->sections.begin(), f->sections.end(),
                       [&](const Section& s) { return lower(s.name) == lower(section); });
}

bool FakeProfile::readSection(const std::string& file, const std::string& section,
                              std::size_t bufferSize, std::vector<std::string>& lines) {
    ++accessCount;
    lines.clear();
    // A failed read answers with nothing, just like a missing section.
    if (injectedFault(faults, "readSection " + section)) return true;
    const File* f = find(file);
    if (!f) return true;
    for (const Section& s : f->sections) {
        if (lower(s.name) != lower(section)) continue;
        // Each line and its NUL, then the closing NUL, must fit; a fuller answer is cut.
        std::size_t used = 1;
        for (const auto& kv : s.keys) {
            std::string line = kv.first + "=" + trim(kv.second);
            if (used + line.size() + 1 > bufferSize - 1) return false;
            used += line.size() + 1;
            lines.push_back(line);
        }
        break;
    }
    return true;
}

bool FakeProfile::writeSection(const std::string& file, const std::string& section,
                               const std::vector<std::string>& lines) {
    ++accessCount;
    if (injectedFault(faults, "writeSection " + section)) return false;
    File* f = find(file);
    if (f && f->readOnly) return false;
    ++writeCount;
    if (!f) f = &files_[lower(file)];
    Section replacement{section, {}};
    for (const std::string& line : lines) {
        std::size_t eq = line.find('=');
        replacement.keys.emplace_back(line.substr(0, eq),
                                      eq == std::string::npos ? "" : line.substr(eq + 1));
    }
    // The section keeps its place in the file; a new one goes to the end.
    for (Section& s : f->sections) {
        if (lower(s.name) != lower(section)) continue;
        s.keys = replacement.keys;
        return true;
    }
    f->sections.push_back(replacement);
    return true;
}

std::string FakeProfile::text(const std::string& file) const {
    std::string out;
    if (const File* f = find(file)) {
        for (const Section& s : f->sections) {
            out += "[" + s.name + "]\n";
            for (const auto& kv : s.keys)
                out += kv.first + "=" + kv.second + "\n";
        }
    }
    return out;
}

void FakeProfile::load(const std::string& file, const std::string& text) {
    File& f = files_[lower(file)];
    f.sections.clear();
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[') {
            f.sections.push_back(Section{line.substr(1, line.find(']') - 1), {}});
        } else if (!f.sections.empty()) {
            std::size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            f.sections.back().keys.emplace_back(line.substr(0, eq), line.substr(eq + 1));
        }
    }
}

void FakeProfile::setReadOnly(const std::string& file, bool readOnly) {
    files_[lower(file)].readOnly = readOnly;
}

} // namespace talvek::testing
