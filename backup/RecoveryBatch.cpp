// The lines of the recovery batch: its header box and the texts of a restore line.
#include "backup/Steps.h"

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

} // namespace

std::vector<std::string> recoveryBatchHeader(const std::string& dateText,
                                             const std::string& todayDirectory) {
    const std::string frame = "ECHO " + std::string(63, '*');
    return {
        "@echo off",
        "ECHO .",
        frame,
        boxLine("Diese Datei wurde automatisch erstellt von Talvek 95", kNarrowBox),
        boxLine("Talvek 95 - Sicherung Ihrer Windows-Systemdateien", kWideBox),
        boxLine("Vor dem Überschreiben wird jeweils nachgefragt.", kNarrowBox),
        boxLine("DIESE DATEI NUR UNTER MS-DOS 7.0 (oder höher) AUSFÜHREN!", kWideBox),
        frame,
        "ECHO .",
        "ECHO Dieser Datensatz wurde am " + dateText + " erstellt.",
        "ECHO Dieser Datensatz wurde in " + batchPath(todayDirectory) + " gesichert.",
        // Taken over by the first entry's first line once that entry is saved.
        "ECHO .",
    };
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
