// The text of an ini file as the platform's private-profile functions read and lay it out:
// parsed by their rules and written back the way they write it, so that the program can
// read and write its configuration file whole, without the profile functions rewriting it
// in place.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace talvek {

class IniDocument {
  public:
    // Parses the file's text: lines end with LF (a CR before it, blanks, tabs and ^Z around a
    // line are dropped), empty lines go, "[name]" starts a section (its name trimmed, what
    // follows the last "]" ignored), any other line is a key: its name up to the first "="
    // and its value after it, both trimmed; a line without "=" is kept as a name without a
    // value, as are ";" comments. Lines before the first section belong to a section
    // without a name, written back without a header.
    static IniDocument parse(const std::string& text);
    // The file's text as the profile functions write it: each section's "[name]" line, then
    // its lines, each ended by CR LF, nothing between sections.
    std::string text() const;
    bool empty() const { return sections_.empty(); }

    // The value of the first key of that name in the first section of that name (names
    // compared without case); false when there is none or the line has no "=".
    bool find(const std::string& section, const std::string& key, std::string& value) const;
    // The section's "key=value" lines in file order, a line without "=" as its name alone
    // (comments left out); false when there is no such section.
    bool sectionLines(const std::string& section, std::vector<std::string>& lines) const;
    bool hasSection(const std::string& section) const;

    // Each change says whether the text changed.
    // Sets the first key of that name (leading blanks of the value dropped), appending it
    // to its section, and the section to the file, when missing.
    bool set(const std::string& section, const std::string& key, const std::string& value);
    bool removeKey(const std::string& section, const std::string& key);
    bool removeSection(const std::string& section);
    // Replaces the section's lines by these "key=value" lines (those without "=" are
    // skipped), keeping the section where it stands, or appending it.
    bool replaceSection(const std::string& section, const std::vector<std::string>& lines);

  private:
    struct Line {
        std::string name;
        std::string value;
        bool hasValue = false;
    };
    struct Section {
        std::string name;
        bool named = false;
        std::vector<Line> lines;
    };
    Section* findSection(const std::string& name);
    const Section* findSection(const std::string& name) const;
    Section& sectionFor(const std::string& name);

    std::vector<Section> sections_;
};

// Compares names as the profile functions do: without regard to the case of ASCII letters.
bool sameProfileName(const std::string& a, const std::string& b);

} // namespace talvek
