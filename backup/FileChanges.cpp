#include "backup/FileChanges.h"

#include <initializer_list>
#include <string_view>

#include "backup/FileReading.h"
#include "backup/IniCache.h"
#include "backup/LineDiff.h"
#include "config/Decimal.h"

namespace talvek {

namespace {

const char kUnchanged[] = "Die Datei ist unverändert.";

// The box's text line by line. Once a line does not fit, it and every later one are left out
// and counted; the count goes into a last line that has to fit as well, so the lines before
// it give way to it as far as needed.
class BoxText {
  public:
    void add(std::initializer_list<std::string_view> parts) {
        std::size_t size = text_.size() + (shown_ ? 2 : 0);
        for (std::string_view part : parts)
            size += part.size();
        if (left_ || size > kMaxChangesText) {
            ++left_;
            return;
        }
        if (shown_++) text_ += "\r\n";
        for (std::string_view part : parts)
            text_ += part;
    }

    std::string finish() {
        for (std::size_t left = left_; left; ++left) {
            const std::string count = decimalText(static_cast<long>(left));
            left_ = 0;
            add({"... und ", count, " weitere Zeilen"});
            if (!left_) break;
            const std::size_t end = text_.rfind("\r\n");
            text_.erase(end == std::string::npos ? 0 : end);
            --shown_;
        }
        return text_;
    }

  private:
    std::string text_;
    std::size_t shown_ = 0, left_ = 0;
};

// Goes through a text's lines in order and remembers the last ini section header among them:
// a line whose text, without the blanks around it, starts with "[" and has a "]" after it.
// The name is what stands between them, up to the last "]", as the profile functions read it.
class LineWalk {
  public:
    explicit LineWalk(std::string_view text) : text_(text) {}

    std::string_view next() {
        std::string_view line;
        nextLine(text_, at_, line);
        ++passed_;
        const std::size_t open = line.find_first_not_of(" \t");
        const std::size_t close = line.rfind(']');
        if (open != std::string_view::npos && line[open] == '[' && close != std::string_view::npos)
            section_ = line.substr(open, close - open + 1);
        return line;
    }
    void passTo(std::uint32_t line) {
        while (passed_ < line)
            next();
    }
    std::string_view section() const { return section_; } // with its brackets; empty: none

  private:
    std::string_view text_;
    std::size_t at_ = 0;
    std::uint32_t passed_ = 0;
    std::string_view section_;
};

} // namespace

TextFile readTextFile(FileSystem& files, const std::string& path, std::string& text) {
    text.clear();
    std::unique_ptr<FileReader> reader = files.openForReading(path);
    if (!reader) return TextFile::Unreadable;
    const std::uint64_t size = reader->size();
    if (size > kMaxComparedText) return TextFile::NotText;
    text.reserve(static_cast<std::size_t>(size));
    std::string piece;
    do {
        if (!reader->read(piece, kReadPiece)) return TextFile::Unreadable;
        // A file that grew while it was read is not held whole either.
        if (piece.find('\0') != std::string::npos || text.size() + piece.size() > kMaxComparedText)
            return TextFile::NotText;
        text += piece;
    } while (!piece.empty());
    return TextFile::Text;
}

std::string describeTextChanges(const std::string& copy, const std::string& today, bool ini) {
    const std::vector<Hunk> hunks = changedLines(copy, today);
    if (hunks.empty()) return kUnchanged;
    BoxText box;
    LineWalk from(copy), to(today);
    for (const Hunk& hunk : hunks) {
        // The section is today's, where the line number points: the header nearest above the
        // run, or its own first line when the run adds a section.
        to.passTo(hunk.toLine);
        const std::string_view first = hunk.toCount ? to.next() : std::string_view();
        const std::string number = decimalText(static_cast<long>(hunk.toLine) + 1);
        const std::string_view section = ini ? to.section() : std::string_view();
        box.add({"Zeile ", number, ":", section.empty() ? "" : " ", section});
        from.passTo(hunk.fromLine);
        for (std::uint32_t n = 0; n < hunk.fromCount; ++n)
            box.add({"- ", from.next()});
        for (std::uint32_t n = 0; n < hunk.toCount; ++n)
            box.add({"+ ", n ? to.next() : first});
    }
    return box.finish();
}

std::string describeChanges(FileSystem& files, const std::string& copyPath,
                            const std::string& originalPath, bool copyDamaged) {
    if (!files.fileExists(copyPath)) return "Die Kopie fehlt.";
    if (copyDamaged) return "Die Kopie ist beschädigt.";
    std::string copy, today;
    const TextFile copyRead = readTextFile(files, copyPath, copy);
    if (copyRead == TextFile::Unreadable) return "Die Kopie konnte nicht gelesen werden.";
    // Windows may hold a newer text of an ini original than its disk.
    flushIfIni(files, originalPath);
    if (!files.fileExists(originalPath)) {
        BoxText box;
        box.add({"Das Original fehlt."});
        std::string_view line;
        for (std::size_t at = 0; copyRead == TextFile::Text && nextLine(copy, at, line);)
            box.add({"- ", line});
        return box.finish();
    }
    const TextFile todayRead = readTextFile(files, originalPath, today);
    if (todayRead == TextFile::Unreadable) return "Das Original konnte nicht gelesen werden.";
    if (copyRead == TextFile::Text && todayRead == TextFile::Text)
        return describeTextChanges(copy, today, isIniFile(originalPath));
    // A binary or large file is compared side by side in pieces, never held whole.
    switch (compareFiles(files, copyPath, originalPath)) {
    case Sameness::Same:
        return kUnchanged;
    case Sameness::Different:
        return "Die Datei hat sich geändert. Zeilen zeigt Talvek nur bei Textdateien bis 256 KB.";
    case Sameness::FirstUnreadable:
        return "Die Kopie konnte nicht gelesen werden.";
    case Sameness::SecondUnreadable:
        break;
    }
    return "Das Original konnte nicht gelesen werden.";
}

} // namespace talvek
