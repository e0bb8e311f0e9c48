#include "config/IniDocument.h"

namespace talvek {

namespace {

bool isProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string trimmed(const char* begin, const char* end) {
    while (begin < end && isProfileBlank(*begin))
        ++begin;
    while (end > begin && isProfileBlank(end[-1]))
        --end;
    return std::string(begin, end);
}

char foldedCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool sameProfileName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldedCase(a[i]) != foldedCase(b[i])) return false;
    return true;
}

IniDocument IniDocument::parse(const std::string& text) {
    IniDocument doc;
    const char* next = text.data();
    const char* const end = next + text.size();
    Section* current = nullptr;
    while (next < end) {
        const char* lineStart = next;
        const char* lineEnd = lineStart;
        while (lineEnd < end && *lineEnd != '\n')
            ++lineEnd;
        next = lineEnd < end ? lineEnd + 1 : end;
        while (lineStart < lineEnd && isProfileBlank(*lineStart))
            ++lineStart;
        while (lineEnd > lineStart && isProfileBlank(lineEnd[-1]))
            --lineEnd;
        if (lineStart == lineEnd) continue;

        if (*lineStart == '[') {
            const char* close = lineEnd;
            while (close > lineStart && *(close - 1) != ']')
                --close;
            if (close > lineStart + 1) {
                doc.sections_.push_back(Section{trimmed(lineStart + 1, close - 1), true, {}});
                current = &doc.sections_.back();
                continue;
            }
        }
        Line line;
        const char* eq = lineStart;
        while (eq < lineEnd && *eq != '=')
            ++eq;
        line.name = trimmed(lineStart, eq);
        if (eq < lineEnd) {
            line.hasValue = true;
            line.value = trimmed(eq + 1, lineEnd);
        }
        if (!current) {
            doc.sections_.push_back(Section{});
            current = &doc.sections_.back();
        }
        // A line with an empty name right after another one is dropped, as the platform
        // drops it.
        if (line.name.empty() && !current->lines.empty() && current->lines.back().name.empty())
            continue;
        current->lines.push_back(std::move(line));
    }
    return doc;
}

std::string IniDocument::text() const {
    std::size_t size = 0;
    for (const Section& section : sections_) {
        size += section.name.size() + 4;
        for (const Line& line : section.lines)
            size += line.name.size() + line.value.size() + 3;
    }
    std::string out;
    out.reserve(size);
    for (const Section& section : sections_) {
        if (section.named) {
            out += '[';
            out += section.name;
            out += "]\r\n";
        }
        for (const Line& line : section.lines) {
            out += line.name;
            if (line.hasValue) {
                out += '=';
                out += line.value;
            }
            out += "\r\n";
        }
    }
    return out;
}

const IniDocument::Section* IniDocument::findSection(const std::string& name) const {
    for (const Section& section : sections_)
        if (sameProfileName(section.name, name)) return &section;
    return nullptr;
}

IniDocument::Section* IniDocument::findSection(const std::string& name) {
    for (Section& section : sections_)
        if (sameProfileName(section.name, name)) return &section;
    return nullptr;
}

IniDocument::Section& IniDocument::sectionFor(const std::string& name) {
    if (Section* section = findSection(name)) return *section;
    sections_.push_back(Section{name, true, {}});
    return sections_.back();
}

bool IniDocument::find(const std::string& section, const std::string& key,
                       std::string& value) const {
    const Section* found = findSection(section);
    if (!found) return false;
    for (const Line& line : found->lines) {
        if (!sameProfileName(line.name, key)) continue;
        if (!line.hasValue) return false;
        value = line.value;
        return true;
    }
    return false;
}

bool IniDocument::sectionLines(const std::string& section, std::vector<std::string>& lines) const {
    const Section* found = findSection(section);
    if (!found) return false;
    for (const Line& line : found->lines)
        if (line.name.empty() || line.name[0] != ';')
            lines.push_back(line.hasValue ? line.name + "=" + line.value : line.name);
    return true;
}

bool IniDocument::hasSection(const std::string& section) const {
    return findSection(section) != nullptr;
}

bool IniDocument::set(const std::string& section, const std::string& key,
                      const std::string& value) {
    std::size_t skip = 0;
    while (skip < value.size() && isProfileBlank(value[skip]))
        ++skip;
    const std::string stored = value.substr(skip);
    Section& target = sectionFor(section);
    for (Line& line : target.lines) {
        if (!sameProfileName(line.name, key)) continue;
        if (line.hasValue && line.value == stored) return false;
        line.value = stored;
        line.hasValue = true;
        return true;
    }
    target.lines.push_back(Line{key, stored, true});
    return true;
}

bool IniDocument::removeKey(const std::string& section, const std::string& key) {
    Section* found = findSection(section);
    if (!found) return false;
    for (auto it = found->lines.begin(); it != found->lines.end(); ++it) {
        if (!sameProfileName(it->name, key)) continue;
        found->lines.erase(it);
        return true;
    }
    return false;
}

bool IniDocument::removeSection(const std::string& section) {
    for (auto it = sections_.begin(); it != sections_.end(); ++it) {
        if (!sameProfileName(it->name, section)) continue;
        sections_.erase(it);
        return true;
    }
    return false;
}

bool IniDocument::replaceSection(const std::string& section,
                                 const std::vector<std::string>& lines) {
    Section replacement{section, true, {}};
    for (const std::string& text : lines) {
        std::size_t eq = text.find('=');
        if (eq == std::string::npos) continue;
        std::size_t skip = eq + 1;
        while (skip < text.size() && isProfileBlank(text[skip]))
            ++skip;
        replacement.lines.push_back(Line{text.substr(0, eq), text.substr(skip), true});
    }
    Section* target = findSection(section);
    if (!target) {
        if (replacement.lines.empty()) return false;
        sections_.push_back(std::move(replacement));
        return true;
    }
    if (target->lines.size() == replacement.lines.size()) {
        bool same = true;
        for (std::size_t i = 0; same && i < target->lines.size(); ++i)
            same = target->lines[i].hasValue &&
                   target->lines[i].name == replacement.lines[i].name &&
                   target->lines[i].value == replacement.lines[i].value;
        if (same) return false;
    }
    target->lines = std::move(replacement.lines);
    return true;
}

} // namespace talvek
