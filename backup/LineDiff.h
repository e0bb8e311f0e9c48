// Which lines changed between two texts: the fewest lines removed and added that turn one into
// the other (a shortest edit script, found by Myers' O(ND) algorithm in linear space).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace talvek {

// The line of `text` that starts at `at` into `line`, and `at` past its end; false when no
// line is left. A line ends with CR LF, a lone LF or a lone CR, and the end is no part of it;
// a last line without an end counts, an empty text has no lines.
bool nextLine(std::string_view text, std::size_t& at, std::string_view& line);

// A run of changes: `fromCount` lines of the first text from `fromLine` give way to
// `toCount` lines of the second from `toLine` (both counted from 0). A run that only removes
// lines stands before line `toLine` of the second; one that only adds, before `fromLine`.
struct Hunk {
    std::uint32_t fromLine, fromCount, toLine, toCount;
};

// The runs of a shortest edit script that turns the lines of `from` into those of `to`, lines
// compared byte for byte, in order; for texts of tens of thousands of lines, many of them
// changed, one close to the shortest, so that its time stays bounded. Its working space grows
// with the number of lines, never with the number of changes: a few arrays of one entry per line.
std::vector<Hunk> changedLines(std::string_view from, std::string_view to);

} // namespace talvek
