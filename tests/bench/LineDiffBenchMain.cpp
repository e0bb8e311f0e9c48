// The cost of finding the changed lines of two text files of 256 KB, the largest the comparison
// takes: time (best of three) and the most memory the search holds at once beside the two
// texts (line table, line numbers, diagonals, runs), counted at every allocation. A native
// program built as the exe builds its code (-Oz), not a test that passes or fails on timing:
// scripts/bench_compare.sh runs it and prints the figures.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

#include "backup/LineDiff.h"

namespace {

std::size_t live = 0, peak = 0;

// Each line `n` of a file of 256 KB, ended by LF.
template <typename Line> std::string fileOf(Line line) {
    std::string text;
    for (std::size_t n = 0; text.size() < 256 * 1024; ++n)
        text += line(n) + "\n";
    text.resize(256 * 1024);
    return text;
}

std::string number(std::size_t n, std::size_t width) {
    std::string digits = std::to_string(n);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

void measure(const char* what, const std::string& copy, const std::string& today) {
    double best = 1e30;
    std::size_t most = 0, changes = 0, runs = 0;
    for (int run = 0; run < 3; ++run) {
        peak = live;
        const std::size_t before = live;
        const auto start = std::chrono::steady_clock::now();
        const std::vector<talvek::Hunk> hunks = talvek::changedLines(copy, today);
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
        most = std::max(most, peak - before);
        changes = 0;
        for (const talvek::Hunk& h : hunks)
            changes += h.fromCount + h.toCount;
        runs = hunks.size();
    }
    std::size_t lines = 0, at = 0;
    for (std::string_view line; talvek::nextLine(copy, at, line);)
        ++lines;
    std::printf("  %-40s %6zu lines %6zu changed %5zu runs %7.1f ms %5zu KiB\n", what, lines,
                changes, runs, best, most / 1024);
}

} // namespace

// Every allocation carries its size in front of it, so that its release can count it off.
void* operator new(std::size_t size) {
    auto* block = static_cast<std::size_t*>(std::malloc(size + 16));
    if (!block) std::abort();
    *block = size;
    live += size;
    if (live > peak) peak = live;
    return block + 2;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    auto* block = static_cast<std::size_t*>(p) - 2;
    live -= *block;
    std::free(block);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

int main() {
    std::printf("compare bench: two files of 256 KB each; time best of 3, peak memory of the "
                "search\n");
    // Every line changed: no line of today's file is in the copy.
    measure("all new, 2-byte lines",
            fileOf([](std::size_t n) { return std::string(1, 'A' + n % 26); }),
            fileOf([](std::size_t n) { return std::string(1, 'a' + n % 26); }));
    for (std::size_t width : {7, 39})
        measure(("all new, " + std::to_string(width + 1) + "-byte lines").c_str(),
                fileOf([&](std::size_t n) { return "c" + number(n, width - 1); }),
                fileOf([&](std::size_t n) { return "t" + number(n, width - 1); }));
    // Every line changed place: each is in both files, which the search has to go through.
    for (std::size_t width : {7, 15, 31}) {
        const std::size_t lines = 256 * 1024 / (width + 1);
        measure(("reversed, " + std::to_string(width + 1) + "-byte lines").c_str(),
                fileOf([&](std::size_t n) { return number(n, width); }),
                fileOf([&](std::size_t n) { return number(lines - 1 - n, width); }));
    }
    // The most lines, all in both files: the line tables and the search's arrays at their largest.
    measure("letters shuffled, 2-byte lines",
            fileOf([](std::size_t n) { return std::string(1, 'a' + n * n % 26); }),
            fileOf([](std::size_t n) { return std::string(1, 'a' + n * 7 % 26); }));
    measure("neighbours swapped, 8-byte lines", fileOf([](std::size_t n) { return number(n, 7); }),
            fileOf([](std::size_t n) { return number(n ^ 1, 7); }));
    measure("every 100th line changed, 40-byte lines",
            fileOf([](std::size_t n) { return number(n, 39); }),
            fileOf([](std::size_t n) { return n % 100 ? number(n, 39) : "y" + number(n, 38); }));
    measure("every second line new, 8-byte lines",
            fileOf([](std::size_t n) { return number(n, 7); }),
            fileOf([](std::size_t n) { return n % 2 ? "x" + number(n, 6) : number(n, 7); }));
    measure("unchanged, 1-byte lines", fileOf([](std::size_t) { return std::string(); }),
            fileOf([](std::size_t) { return std::string(); }));
    return 0;
}
