#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <random>

#include "backup/FileChanges.h"
#include "backup/FileReading.h"
#include "backup/LineDiff.h"
#include "config/Decimal.h"
#include "fakes/FakeFileSystem.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

const std::string kCopy = "C:\\TALVEK95\\061297\\SYSTEM.INI", kOriginal = "C:\\WINDOWS\\SYSTEM.INI";
const char kSame[] = "Die Datei ist unverändert.";
const std::string kChanged =
    "Die Datei hat sich geändert. Zeilen zeigt Talvek nur bei Textdateien bis 256 KB.";

TEST(FileChanges, ShowsTheChangedLinesUnderTodaysLineNumber) {
    const struct {
        const char *copy, *today;
        bool ini;
        const char* shown;
    } cases[] = {
        {"", "", false, kSame},
        {"", "a\r\nb\r\n", false, "Zeile 1:\r\n+ a\r\n+ b"},
        {"a\nb\n", "", false, "Zeile 1:\r\n- a\r\n- b"},
        {"a\nb\nc\n", "b\nc\na\n", false, "Zeile 1:\r\n- a\r\nZeile 3:\r\n+ a"},
        {"a\nb", "x\ny", false, "Zeile 1:\r\n- a\r\n- b\r\n+ x\r\n+ y"},
        {"a\nb", "a\nc", false, "Zeile 2:\r\n- b\r\n+ c"},
        {"a\nc", "a\nb\nc", false, "Zeile 2:\r\n+ b"},
        {"a\nb\n", "a\n", false, "Zeile 2:\r\n- b"},
        {"a\rb\rc", "a\rx\rc\r", false, "Zeile 2:\r\n- b\r\n+ x"},
        {"a\r\nb\nc\rd", "a\nb\r\nc\r\nd\r\n", false, kSame},
        {"a\n\rb", "a\r\nb", false, "Zeile 2:\r\n- "},
        {"x=1\n[Boot]\nshell=a\n", "x=1\n[Boot]\nshell=b\n", true,
         "Zeile 3: [Boot]\r\n- shell=a\r\n+ shell=b"},
        {"[Boot]\nshell=a", "[Boot]\nshell=b", false, "Zeile 2:\r\n- shell=a\r\n+ shell=b"},
        {"[A]\nx=1\ny=2\n[B]\n", "[A]\nx=1\n[B]\n", true, "Zeile 3: [A]\r\n- y=2"},
        {"[A]\nx=1\n", "[A]\nx=1\n\t[B] ;\ny=2\n", true, "Zeile 3: [B]\r\n+ \t[B] ;\r\n+ y=2"},
        {"x=1\n[a]b]\n", "x=2\n[a]b]\n", true, "Zeile 1:\r\n- x=1\r\n+ x=2"},
        {"[a]b] c\nx=1\n", "[a]b] c\n", true, "Zeile 2: [a]b]\r\n- x=1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describeTextChanges(c.copy, c.today, c.ini), c.shown) << c.copy << "|" << c.today;
}

TEST(FileChanges, TheBoxEndsWithTheCountOfTheLinesLeftOut) {
    for (std::size_t length : {1u, 58u, 59980u, 70000u}) {
        std::string today;
        const std::size_t lines = 130000 / (length + 2) + 3;
        for (std::size_t n = 0; n < lines; ++n)
            today += std::string(length, static_cast<char>('a' + n % 26)) + "\n";
        const std::string box = describeTextChanges("", today, false);
        const std::size_t at = box.rfind("\r\n... und ");
        EXPECT_LE(box.size(), kMaxChangesText) << length;
        EXPECT_GT(box.size() + length + 4, kMaxChangesText) << "a line left out that fits";
        const auto kept = std::count(box.begin(), box.end(), '\n');
        EXPECT_EQ(box.substr(at + 2),
                  "... und " + decimalText(lines + 1 - kept) + " weitere Zeilen");
    }
}

using Lines = std::vector<std::size_t>;

// Applies the runs to `a` and checks that they make `b`; for texts of the size whose script
// the search keeps the shortest, also that they make no more changes than needed.
void checkScript(const Lines& a, const Lines& b, const std::vector<Hunk>& hunks) {
    const bool fewest = a.size() < 1000;
    std::vector<Lines> common(fewest ? a.size() + 1 : 0, Lines(b.size() + 1));
    for (std::size_t i = 0; fewest && i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            common[i + 1][j + 1] =
                a[i] == b[j] ? common[i][j] + 1 : std::max(common[i][j + 1], common[i + 1][j]);
    Lines made;
    std::size_t at = 0, changes = 0;
    for (const Hunk& h : hunks) {
        ASSERT_TRUE(h.fromCount + h.toCount > 0 && h.fromLine >= at &&
                    h.fromLine + h.fromCount <= a.size() && h.toLine + h.toCount <= b.size());
        made.insert(made.end(), a.begin() + at, a.begin() + h.fromLine);
        ASSERT_EQ(made.size(), h.toLine);
        made.insert(made.end(), b.begin() + h.toLine, b.begin() + h.toLine + h.toCount);
        at = h.fromLine + h.fromCount;
        changes += h.fromCount + h.toCount;
    }
    made.insert(made.end(), a.begin() + at, a.end());
    EXPECT_EQ(made, b);
    EXPECT_EQ(changes, fewest ? a.size() + b.size() - 2 * common[a.size()][b.size()] : changes);
}

TEST(ChangedLines, AreTheFewestThatMakeTheSecondTextOfRandomLines) {
    std::mt19937 random(1995);
    for (int round = 0; round <= 3100; ++round) {
        // Few lines of few kinds meet every case; a long text of many kinds and an edited copy
        // of it fill the line table; the last, reversed, passes the search's work limit.
        const bool small = round < 3000, reversed = round == 3100;
        const std::size_t kinds = 1 + random() % (small ? 4 : 1000);
        Lines a(random() % (small ? 10 : 600)), b(small ? random() % 10 : 0);
        for (Lines* side : {&a, &b})
            std::generate(side->begin(), side->end(), [&] { return random() % kinds; });
        for (std::size_t i = 0; !small && i < a.size(); ++i) {
            if (random() % 4) b.push_back(a[i]);
            if (random() % 4 == 0) b.push_back(random() % kinds);
        }
        if (reversed)
            a.resize(12000), std::iota(a.begin(), a.end(), 0), b.assign(a.rbegin(), a.rend());
        const char* const ends[] = {"\n", "\r\n", "\r"};
        std::string texts[2];
        for (int t = 0; t < 2; ++t)
            for (std::size_t n : t ? b : a)
                texts[t] += "L" + decimalText(n) + ends[random() % 3];
        SCOPED_TRACE(texts[0] + "|" + texts[1]);
        checkScript(a, b, changedLines(texts[0], texts[1]));
    }
}

TEST(FileChanges, ReadsTheCopyAndTheOriginalThroughTheFileSystem) {
    const std::string near(kMaxComparedText - 2, 'a');
    const struct {
        std::optional<std::string> copy, today;
        bool damaged;
        std::string shown;
        const char* cached = nullptr;            // what Windows holds of the original
        const std::string* unreadable = nullptr; // the file a piece of which cannot be read
        int originalPieces = -1; // pieces of the original read (a large one: to the difference)
    } cases[] = {
        {std::nullopt, "a", false, "Die Kopie fehlt."},
        {"a", "b", true, "Die Kopie ist beschädigt."},
        {"a\r\nb", std::nullopt, false, "Das Original fehlt.\r\n- a\r\n- b"},
        {std::string("a\0b", 3), std::nullopt, false, "Das Original fehlt."},
        {std::string("a\nb\0", 4), std::string("a\nc\0", 4), false, kChanged},
        {std::string("a\0", 2), std::string("a\0", 2), false, kSame},
        {near + "\nx", near + "\ny", false, "Zeile 2:\r\n- x\r\n+ y"},
        {near + "a\nx", near + "a\ny", false, kChanged},
        {near + "a\nx", near + "a\nx", false, kSame},
        {near + "aaa", "b" + near + "aa", false, kChanged, nullptr, nullptr, 1},
        {"[Boot]\nshell=a", "[Boot]\nshell=a", false, "Zeile 2: [Boot]\r\n- shell=a\r\n+ shell=b",
         "[Boot]\nshell=b"},
        {"a", "b", false, "Die Kopie konnte nicht gelesen werden.", nullptr, &kCopy},
        {"a", "b", false, "Das Original konnte nicht gelesen werden.", nullptr, &kOriginal},
    };
    for (const auto& c : cases) {
        FakeFileSystem files;
        FaultPlan plan;
        files.faults = &plan;
        if (c.copy) files.addFile(kCopy, *c.copy);
        if (c.today) files.addFile(kOriginal, *c.today);
        if (c.cached) files.profileCache["c:\\windows\\system.ini"] = c.cached;
        if (c.unreadable) { // its first piece, found by a run in which nothing fails
            (void)describeChanges(files, kCopy, kOriginal, c.damaged);
            const auto at =
                std::find(plan.names.begin(), plan.names.end(), "readPiece " + *c.unreadable);
            plan.failAt = static_cast<int>(at - plan.names.begin()) + 1;
            plan.calls = 0;
        }
        EXPECT_EQ(describeChanges(files, kCopy, kOriginal, c.damaged), c.shown) << c.shown;
        EXPECT_LE(files.largestRead, kReadPiece);
        EXPECT_TRUE(c.originalPieces < 0 ||
                    std::count(plan.names.begin(), plan.names.end(), "readPiece " + kOriginal) ==
                        c.originalPieces);
    }
}

} // namespace
