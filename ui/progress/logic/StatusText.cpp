#include "ui/progress/logic/StatusText.h"

#include <algorithm>
#include <vector>

namespace talvek {

namespace {

const char* const kGap = "...";
const std::size_t kGapLength = 3;

// The part of a path that always stays: "C:\" of a drive, "\\server\" of a share, the first
// folder of a relative path.
std::size_t rootLength(const std::string& path) {
    std::size_t from = path.compare(0, 2, "\\\\") == 0 ? 2 : 0;
    std::size_t slash = path.find('\\', from);
    return slash == std::string::npos ? path.size() : slash + 1;
}

bool startsPath(const std::string& word) {
    const bool drive = word.size() >= 3 && word[1] == ':' && word[2] == '\\' &&
                       ((word[0] >= 'A' && word[0] <= 'Z') || (word[0] >= 'a' && word[0] <= 'z'));
    return drive || word.compare(0, 2, "\\\\") == 0;
}

// The text cut into pieces, each either a path or what lies between paths.
struct Pieces {
    std::vector<std::string> parts;
    std::vector<std::size_t> paths; // indices into parts
    std::string joined() const {
        std::string text;
        for (const std::string& part : parts)
            text += part;
        return text;
    }
};

// A path begins at a word that starts one ("C:\", "\\server") and ends with the last word
// holding a backslash before the next path or the end: folder names may have blanks in
// them ("C:\Eigene Dateien\Neuer Ordner\BRIEF.DOC"). A word with a backslash before any
// path begins a relative one.
Pieces piecesOf(const std::string& text) {
    std::vector<std::pair<std::size_t, std::size_t>> spans; // start, end of each path
    bool open = false;
    for (std::size_t pos = text.find_first_not_of(' '); pos != std::string::npos;) {
        std::size_t end = std::min(text.find(' ', pos), text.size());
        std::string word = text.substr(pos, end - pos);
        if (startsPath(word) || (!open && word.find('\\') != std::string::npos)) {
            spans.emplace_back(pos, end);
            open = true;
        } else if (open && word.find('\\') != std::string::npos) {
            spans.back().second = end;
        }
        pos = text.find_first_not_of(' ', end);
    }
    Pieces pieces;
    std::size_t from = 0;
    for (const auto& span : spans) {
        pieces.parts.push_back(text.substr(from, span.first - from));
        pieces.paths.push_back(pieces.parts.size());
        pieces.parts.push_back(text.substr(span.first, span.second - span.first));
        from = span.second;
    }
    pieces.parts.push_back(text.substr(from));
    return pieces;
}

} // namespace

std::string fitStatusText(const std::string& text,
                          const std::function<bool(const std::string&)>& fits) {
    if (fits(text)) return text;
    Pieces pieces = piecesOf(text);
    std::vector<std::size_t> left = pieces.paths;
    while (!left.empty()) {
        // The longest path not yet tried, the earlier of two as long.
        auto longest = left.begin();
        for (auto it = left.begin(); it != left.end(); ++it)
            if (pieces.parts[*it].size() > pieces.parts[*longest].size()) longest = it;
        const std::size_t index = *longest;
        left.erase(longest);
        const std::string path = pieces.parts[index];
        const std::size_t name = path.rfind('\\'), root = rootLength(path);
        // Keeping `kept` characters before the name: the gap must save at least one.
        if (name == std::string::npos || root + kGapLength + 1 > name) continue;
        auto shortened = [&](std::size_t kept) {
            return path.substr(0, kept) + kGap + path.substr(name);
        };
        std::size_t low = root, high = name - kGapLength - 1;
        pieces.parts[index] = shortened(low);
        if (!fits(pieces.joined())) continue; // at its shortest still too long: the next path
        // The longest start that fits: a shorter one fits whenever a longer one does.
        while (low < high) {
            std::size_t middle = (low + high + 1) / 2;
            pieces.parts[index] = shortened(middle);
            if (fits(pieces.joined()))
                low = middle;
            else
                high = middle - 1;
        }
        pieces.parts[index] = shortened(low);
        break;
    }
    return pieces.joined();
}

} // namespace talvek
