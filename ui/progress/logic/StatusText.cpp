#include "ui/progress/logic/StatusText.h"

#include <algorithm>

namespace talvek {

namespace {

const char* const kGap = "...";
const std::size_t kGapLength = 3;
const std::size_t npos = std::string::npos;

bool startsPath(const std::string& text, std::size_t at) {
    const char c = text[at];
    const bool drive = at + 2 < text.size() && text[at + 1] == ':' && text[at + 2] == '\\' &&
                       ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'));
    return drive || text.compare(at, 2, "\\\\") == 0;
}

// The next path at or after `from`, as [start, end). A path begins at a word that starts one
// ("C:\", "\\server") and ends with the last word holding a backslash before the next path
// or the end: folder names may have blanks in them ("C:\Eigene Dateien\Neuer
// Ordner\BRIEF.DOC"). A word with a backslash before any path begins a relative one.
bool nextPath(const std::string& text, std::size_t from, std::size_t& start, std::size_t& end) {
    bool open = false;
    for (std::size_t pos = text.find_first_not_of(' ', from); pos != npos;) {
        const std::size_t wordEnd = std::min(text.find(' ', pos), text.size());
        const bool slash = text.find('\\', pos) < wordEnd;
        if (open && startsPath(text, pos)) break;
        if (!open && (slash || startsPath(text, pos))) {
            open = true;
            start = pos;
        }
        if (open && slash) end = wordEnd;
        pos = text.find_first_not_of(' ', wordEnd);
    }
    return open;
}

// The part of a path that always stays: "C:\" of a drive, "\\server\" of a share, the first
// folder of a relative path.
std::size_t rootLength(const std::string& path) {
    std::size_t slash = path.find('\\', path.compare(0, 2, "\\\\") == 0 ? 2 : 0);
    return slash == npos ? path.size() : slash + 1;
}

// Whether the gap can replace at least one more character of the path than it adds.
bool canShrink(const std::string& path) {
    return rootLength(path) + kGapLength < path.rfind('\\');
}

// The most characters in [low, high] that a shortened text may keep, `low` known to fit: a
// shorter text fits whenever a longer one does.
std::size_t mostThatFit(std::size_t low, std::size_t high,
                        const std::function<bool(std::size_t)>& fitsKeeping) {
    while (low < high) {
        std::size_t middle = (low + high + 1) / 2;
        if (fitsKeeping(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// The text's start and end around the gap, as much of them as fits, the end a character
// ahead: it holds the file's last characters and what happened to it. A name longer than
// the room, or a path without a backslash, has no middle of a path to give.
std::string withoutMiddle(const std::string& text,
                          const std::function<bool(const std::string&)>& fits) {
    auto shortened = [&](std::size_t kept) {
        return text.substr(0, kept / 2) + kGap + text.substr(text.size() - (kept - kept / 2));
    };
    const std::size_t most = text.size() > kGapLength ? text.size() - kGapLength - 1 : 0;
    return shortened(mostThatFit(0, most, [&](std::size_t kept) { return fits(shortened(kept)); }));
}

} // namespace

std::string fitStatusText(const std::string& text,
                          const std::function<bool(const std::string&)>& fits) {
    std::string shown = text;
    while (!fits(shown)) {
        // The longest path that can still give way, the first of two as long. One that was
        // tried and did not fit is left at its shortest, so it cannot be chosen again.
        std::size_t best = npos, bestEnd = 0, start = 0, end = 0;
        for (std::size_t from = 0; nextPath(shown, from, start, end); from = end)
            if (canShrink(shown.substr(start, end - start)) &&
                (best == npos || end - start > bestEnd - best)) {
                best = start;
                bestEnd = end;
            }
        if (best == npos) return withoutMiddle(shown, fits);
        const std::string path = shown.substr(best, bestEnd - best);
        const std::size_t name = path.rfind('\\');
        auto shortened = [&](std::size_t kept) {
            return shown.substr(0, best) + path.substr(0, kept) + kGap + path.substr(name) +
                   shown.substr(bestEnd);
        };
        const std::size_t low = rootLength(path);
        if (!fits(shortened(low))) {
            shown = shortened(low);
            continue;
        }
        return shortened(mostThatFit(low, name - kGapLength - 1,
                                     [&](std::size_t kept) { return fits(shortened(kept)); }));
    }
    return shown;
}

} // namespace talvek
