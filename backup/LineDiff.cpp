#include "backup/LineDiff.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace talvek {

bool nextLine(std::string_view text, std::size_t& at, std::string_view& line) {
    if (at >= text.size()) return false;
    std::size_t end = at;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    line = text.substr(at, end - at);
    at = end;
    if (at < text.size() && text[at++] == '\r' && at < text.size() && text[at] == '\n') ++at;
    return true;
}

namespace {

using Numbers = std::vector<std::uint32_t>;

// A line's number has its top bit free: it is set on the lines found changed.
constexpr std::uint32_t kChanged = 0x80000000u;

// The work one comparison may take, in steps of the search: past about this many, texts with
// tens of thousands of lines changed in place (a file reversed, short lines shuffled) would
// take seconds, and minutes on a 486. Each search for a middle may therefore go this many
// changes a side, divided by the lines it compares; past that it takes the point its forward
// paths reached furthest as the middle. The script stays the shortest for texts of a few
// thousand lines, and valid for all.
constexpr std::uint32_t kWork = 1u << 24;

// Myers' search for the middle of a shortest edit script, then the same for the halves before
// and after it: the furthest point reached on each diagonal is all it keeps, forward from the
// start and backward from the end, so its space is two arrays of diagonals whatever the number
// of changes. A line it marks is in no part it looks at again, so the mark never spoils a
// comparison.
class Search {
  public:
    Search(Numbers& a, Numbers& b)
        : limit_(static_cast<int>(std::max<std::size_t>(64, kWork / (a.size() + b.size() + 1)))),
          a_(a.data()), b_(b.data()), diagonals_(2 * (a.size() + b.size() + 3)),
          forward_(diagonals_.data() + b.size() + 1),
          backward_(forward_ + a.size() + b.size() + 3) {}

    // Compares a[aLo, aHi) with b[bLo, bHi).
    void compare(int aLo, int aHi, int bLo, int bHi) {
        while (aLo < aHi && bLo < bHi && a_[aLo] == b_[bLo])
            ++aLo, ++bLo;
        while (aLo < aHi && bLo < bHi && a_[aHi - 1] == b_[bHi - 1])
            --aHi, --bHi;
        if (aLo == aHi || bLo == bHi) {
            while (aLo < aHi)
                a_[aLo++] |= kChanged;
            while (bLo < bHi)
                b_[bLo++] |= kChanged;
            return;
        }
        int x = 0, y = 0;
        middle(aLo, aHi, bLo, bHi, x, y);
        compare(aLo, x, bLo, y);
        compare(x, aHi, y, bHi);
    }

  private:
    // A point (x, y) on a shortest path from (aLo, bLo) to (aHi, bHi) with about half its
    // changes before it; the box has no common first or last line (compare took them). Diagonal k
    // holds the points with x - y == k; forward_[k] is the largest x the paths from the start reach
    // on it with d changes, backward_[k] the smallest x the paths from the end reach. Both sides
    // take one change more in turn until a forward and a backward path meet on a diagonal: their
    // changes together are then the fewest.
    void middle(int aLo, int aHi, int bLo, int bHi, int& x, int& y) {
        int* const f = forward_;
        int* const r = backward_;
        const int kMin = aLo - bHi, kMax = aHi - bLo;
        const int fMid = aLo - bLo, rMid = aHi - bHi;
        // With an odd difference the paths meet after a forward step, else after a backward one.
        const bool odd = ((fMid - rMid) & 1) != 0;
        int fLo = fMid, fHi = fMid, rLo = rMid, rHi = rMid, changes = 0;
        f[fMid] = aLo;
        r[rMid] = aHi;
        for (;;) {
            // One change more reaches one diagonal further on each side, inside the box; the
            // diagonal beyond gets a value no path takes.
            if (fLo > kMin)
                f[--fLo - 1] = -1;
            else
                ++fLo;
            if (fHi < kMax)
                f[++fHi + 1] = -1;
            else
                --fHi;
            for (int k = fHi; k >= fLo; k -= 2) {
                // From the diagonal below by a removal, or from the one above by an addition.
                int i = f[k - 1] >= f[k + 1] ? f[k - 1] + 1 : f[k + 1];
                int j = i - k;
                while (i < aHi && j < bHi && a_[i] == b_[j])
                    ++i, ++j;
                f[k] = i;
                if (odd && rLo <= k && k <= rHi && r[k] <= i) {
                    x = i, y = j;
                    return;
                }
            }
            if (rLo > kMin)
                r[--rLo - 1] = INT_MAX;
            else
                ++rLo;
            if (rHi < kMax)
                r[++rHi + 1] = INT_MAX;
            else
                --rHi;
            for (int k = rHi; k >= rLo; k -= 2) {
                int i = r[k - 1] < r[k + 1] ? r[k - 1] : r[k + 1] - 1;
                int j = i - k;
                while (i > aLo && j > bLo && a_[i - 1] == b_[j - 1])
                    --i, --j;
                r[k] = i;
                if (!odd && fLo <= k && k <= fHi && i <= f[k]) {
                    x = i, y = j;
                    return;
                }
            }
            if (++changes >= limit_ && furthestForward(aLo, aHi, bLo, bHi, fLo, fHi, x, y)) return;
        }
    }

    // The point inside the box, past the start and short of the end, that a forward path has
    // taken furthest (the most lines of both texts behind it); false when none is.
    bool furthestForward(int aLo, int aHi, int bLo, int bHi, int fLo, int fHi, int& x,
                         int& y) const {
        int best = aLo + bLo;
        for (int k = fHi; k >= fLo; k -= 2) {
            const int i = forward_[k], j = i - k;
            if (i <= aHi && bLo <= j && j <= bHi && i + j > best && i + j < aHi + bHi)
                x = i, y = j, best = i + j;
        }
        return best > aLo + bLo;
    }

    int limit_; // changes a side before a search for a middle settles for the furthest point
    std::uint32_t* a_;
    std::uint32_t* b_;
    std::vector<int> diagonals_;
    int* forward_;  // indexed by diagonal, from one below the lowest to one above the highest
    int* backward_; // the same
};

// Gives every distinct line of two texts a number, so that the search compares numbers. Per
// number the table keeps only where its first line starts, with a bit for the text it is in
// and one for a line of the first text found in the second as well: the line itself is read
// from the text, so a text of short lines costs no more than its lines.
class Numbering {
  public:
    Numbering(std::string_view first, std::string_view second) : texts_{first, second} {}

    // Marks the lines found in one text only changed: such a line is no part of any common
    // subsequence, whatever the search finds. Leaving them out of the search keeps it exact and
    // makes a file whose every line is new cost no search at all.
    void markOneSided(Numbers& numbers) const {
        for (std::uint32_t& n : numbers)
            if (!(starts_[n] & kInBoth)) n |= kChanged;
    }

    Numbers numbersOf(std::uint32_t which) {
        std::string_view line;
        std::size_t count = 0, at = 0;
        while (nextLine(texts_[which], at, line))
            ++count;
        Numbers numbers(count);
        count = 0;
        for (std::size_t start = at = 0; nextLine(texts_[which], at, line); start = at) {
            if (starts_.size() == numbers_) grow();
            std::uint32_t& slot = slotOf(line);
            if (!slot) {
                starts_[numbers_++] = which << 31 | static_cast<std::uint32_t>(start);
                slot = numbers_;
            } else if (which && !(starts_[slot - 1] & kSecond)) {
                starts_[slot - 1] |= kInBoth;
            }
            numbers[count++] = slot - 1;
        }
        return numbers;
    }

  private:
    static constexpr std::uint32_t kSecond = 0x80000000u, kInBoth = 0x40000000u;

    std::string_view lineAt(std::uint32_t start) const {
        std::string_view line;
        std::size_t at = start & ~(kSecond | kInBoth);
        nextLine(texts_[start >> 31], at, line);
        return line;
    }

    // The slot that holds the line's number, or the free one where it goes.
    std::uint32_t& slotOf(std::string_view line) {
        std::uint32_t hash = 2166136261u; // FNV-1a
        for (unsigned char c : line)
            hash = (hash ^ c) * 16777619u;
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t s = hash & mask;; s = (s + 1) & mask)
            if (!slots_[s] || lineAt(starts_[slots_[s] - 1]) == line) return slots_[s];
    }

    // Linear probing stays short while the table is at most three quarters full.
    void grow() {
        slots_ = Numbers(slots_.empty() ? 256 : 2 * slots_.size());
        Numbers starts(slots_.size() / 4 * 3);
        std::copy(starts_.begin(), starts_.end(), starts.begin());
        starts_ = std::move(starts);
        for (std::uint32_t n = 0; n < numbers_; ++n)
            slotOf(lineAt(starts_[n])) = n + 1;
    }

    std::string_view texts_[2];
    std::vector<std::uint32_t> slots_;  // a number + 1, or 0 when free
    std::vector<std::uint32_t> starts_; // per number, room for as many as the table takes
    std::uint32_t numbers_ = 0;
};

// The lines the search is to look at: those not marked yet, in order.
Numbers unmarked(const std::uint32_t* side, std::size_t size) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < size; ++i)
        count += !(side[i] & kChanged);
    Numbers lines(count);
    for (std::size_t i = 0, k = 0; i < size; ++i)
        if (!(side[i] & kChanged)) lines[k++] = side[i];
    return lines;
}

// Gives each line the search looked at its verdict.
void spread(std::uint32_t* side, std::size_t size, const Numbers& searched) {
    for (std::size_t i = 0, k = 0; i < size; ++i)
        if (!(side[i] & kChanged)) side[i] |= searched[k++] & kChanged;
}

} // namespace

std::vector<Hunk> changedLines(std::string_view from, std::string_view to) {
    Numbers a, b;
    {
        Numbering numbering(from, to);
        a = numbering.numbersOf(0);
        b = numbering.numbersOf(1);
        numbering.markOneSided(a);
        numbering.markOneSided(b);
    } // the table goes before the search begins
    // The lines both texts begin and end with take no part in the search, so the space it
    // needs grows with the part between them.
    std::size_t head = 0, n = a.size(), m = b.size();
    while (head < n && head < m && a[head] == b[head])
        ++head;
    while (n > head && m > head && a[n - 1] == b[m - 1])
        --n, --m;
    std::uint32_t* const x = a.data() + head;
    std::uint32_t* const y = b.data() + head;
    n -= head, m -= head;
    {
        Numbers c = unmarked(x, n), d = unmarked(y, m);
        Search(c, d).compare(0, static_cast<int>(c.size()), 0, static_cast<int>(d.size()));
        spread(x, n, c);
        spread(y, m, d);
    }
    // Counted first, then made, so that they take no more room than they need.
    std::vector<Hunk> hunks;
    for (int pass = 0; pass < 2; ++pass) {
        std::size_t count = 0;
        for (std::size_t i = 0, j = 0; i < n || j < m; ++count) {
            while (i < n && j < m && !(x[i] & kChanged) && !(y[j] & kChanged))
                ++i, ++j;
            if (i == n && j == m) break;
            Hunk hunk{static_cast<std::uint32_t>(head + i), 0, static_cast<std::uint32_t>(head + j),
                      0};
            for (; i < n && (x[i] & kChanged); ++i)
                ++hunk.fromCount;
            for (; j < m && (y[j] & kChanged); ++j)
                ++hunk.toCount;
            if (pass) hunks[count] = hunk;
        }
        if (!pass) hunks = std::vector<Hunk>(count);
    }
    return hunks;
}

} // namespace talvek
