#include "backup/RecoveryBatch.h"

#include "backup/PathRules.h"

namespace talvek {

namespace {

const std::size_t kWideBox = 68;   // lines of the box frame, credit and warning
const std::size_t kNarrowBox = 65; // lines of the creation note and the notice

// "ECHO **  " + text, padded with blanks so that the closing "**" ends at `width`.
std::string boxLine(const std::string& text, std::size_t width) {
    std::string line = "ECHO **  " + text;
    if (line.size() + 2 < width) line.append(width - 2 - line.size(), ' ');
    return line + "**";
}

// As a batch line holds a path: its MS-DOS name, in double quotes when it has no short one.
std::string batchArgument(FileSystem& files, const std::string& path) {
    const std::string name = dosName(files, path);
    return isShortPath(name) ? batchPath(name) : "\"" + batchPath(name) + "\"";
}

} // namespace

RecoveryBatch::RecoveryBatch(FileSystem& files, const std::string& dateText,
                             const std::string& directory)
    : files_(files) {
    const std::string frame = "ECHO " + std::string(63, '*');
    // One line after the other: an initializer list of strings would be compiled as eleven
    // temporaries and their copies.
    for (const char* line : {"@echo off", "ECHO ."})
        lines_.push_back(line);
    lines_.push_back(frame);
    lines_.push_back(boxLine("Diese Datei wurde automatisch erstellt von Talvek 95", kNarrowBox));
    lines_.push_back(boxLine("Talvek 95 - Sicherung Ihrer Windows-Systemdateien", kWideBox));
    lines_.push_back(boxLine("Vor dem Überschreiben wird jeweils nachgefragt.", kNarrowBox));
    lines_.push_back(boxLine("DIESE DATEI NUR UNTER MS-DOS 7.0 (oder höher) AUSFÜHREN!", kWideBox));
    lines_.push_back(frame);
    lines_.push_back("ECHO .");
    lines_.push_back("ECHO Dieser Datensatz wurde am " + dateText + " erstellt.");
    lines_.push_back("ECHO Dieser Datensatz wurde in " + batchPath(directory) + " gesichert.");
}

void RecoveryBatch::add(const std::string& entry, const std::string& copy,
                        std::uint32_t attributes) {
    const std::string source = batchArgument(files_, entry);
    lines_.push_back("ATTRIB -R -A -S -H " + source);
    lines_.push_back("COPY /-Y " + batchArgument(files_, copy) + " " + source + " /V");
    lines_.push_back("ATTRIB " + attributeText(attributes) + source);
    ++entries_;
}

void RecoveryBatch::skip() {
    // The header's last "ECHO ." stands where the first file's lines would begin.
    lines_.push_back(entries_ == 0 ? "ECHO ." : "");
    lines_.resize(lines_.size() + 2);
    ++entries_;
}

std::string batchPath(const std::string& path) {
    std::string text;
    for (char c : path) {
        if (c == '%') text += '%';
        text += c;
    }
    return text;
}

std::string attributeText(std::uint32_t attributes) {
    std::string text;
    text += (attributes & attr::kReadOnly) ? "+R " : "-R ";
    text += (attributes & attr::kArchive) ? "+A " : "-A ";
    text += (attributes & attr::kSystem) ? "+S " : "-S ";
    text += (attributes & attr::kHidden) ? "+H " : "-H ";
    return text;
}

} // namespace talvek
