#include "backup/RunJournal.h"

#include "config/Keys.h"

namespace talvek {

namespace {

std::string twoDigits(int n) {
    return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10);
}

std::size_t bytesOf(const std::vector<std::string>& lines) {
    std::size_t bytes = 0;
    for (const std::string& line : lines)
        bytes += line.size() + 2;
    return bytes;
}

// The journal's blocks, each with its closing empty line; a last block cut short by hand
// or by a failed write keeps what it has.
std::vector<std::vector<std::string>> blocksOf(const std::string& journal) {
    std::vector<std::vector<std::string>> blocks(1);
    std::size_t at = 0;
    while (at < journal.size()) {
        std::size_t end = journal.find('\n', at);
        if (end == std::string::npos) end = journal.size();
        std::string line = journal.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        blocks.back().push_back(line);
        if (line.empty()) blocks.emplace_back();
        at = end + 1;
    }
    if (blocks.back().empty()) blocks.pop_back();
    return blocks;
}

// A line break inside a text (a box's two lines) would split the block.
std::string oneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        bool breaks = c == '\r' || c == '\n';
        if (!breaks)
            line += c;
        else if (line.empty() || line.back() != ' ')
            line += ' ';
    }
    return line;
}

} // namespace

std::string journalPath(const std::string& windowsDirectory) {
    return windowsDirectory + "\\Talvek95.log";
}

std::vector<std::string> journalBlock(const LocalTime& started, bool failed,
                                      const std::string& backupDirectory,
                                      const std::vector<std::string>& failures) {
    std::vector<std::string> block = {
        formatDateText(Date{started.year, started.month, started.day}) + " " +
        twoDigits(started.hour) + ":" + twoDigits(started.minute) +
        (failed ? " mit Fehlern" : " ohne Fehler")};
    if (!backupDirectory.empty()) block.push_back("Verzeichnis für Datensätze: " + backupDirectory);
    for (const std::string& failure : failures)
        block.push_back(oneLine(failure));
    block.emplace_back();
    return block;
}

std::vector<std::string> appendJournalBlock(const std::string& journal,
                                            const std::vector<std::string>& block) {
    std::vector<std::string> fresh = block;
    // A block that alone would pass the limit keeps its first lines.
    while (bytesOf(fresh) >= kJournalLimit)
        fresh.pop_back();
    std::vector<std::vector<std::string>> blocks = blocksOf(journal);
    std::size_t bytes = bytesOf(fresh);
    for (const auto& b : blocks)
        bytes += bytesOf(b);
    std::size_t first = 0;
    while (bytes >= kJournalLimit && first < blocks.size())
        bytes -= bytesOf(blocks[first++]);
    std::vector<std::string> lines;
    for (std::size_t i = first; i < blocks.size(); ++i)
        lines.insert(lines.end(), blocks[i].begin(), blocks[i].end());
    lines.insert(lines.end(), fresh.begin(), fresh.end());
    return lines;
}

void writeJournal(RunContext& run, const LocalTime& started) {
    // Without the Windows directory there is no configuration file to keep it beside.
    if (run.windowsDirectory.empty()) return;
    FileSystem& files = run.platform.files;
    std::string path = journalPath(run.windowsDirectory);
    std::string journal;
    if (files.fileExists(path) && !files.readFile(path, journal)) {
        // Rewriting a journal that cannot be read would lose it.
        run.log("Die Datei " + path + " konnte nicht gelesen werden.");
        return;
    }
    bool failed = run.runError || !run.failures.empty();
    std::string directory =
        run.backupDirectory == keys::kListEnd ? std::string() : run.backupDirectory;
    std::vector<std::string> lines =
        appendJournalBlock(journal, journalBlock(started, failed, directory, run.failures));
    if (!files.writeTextFile(path, lines, CodePage::Windows))
        run.log("Die Datei " + path + " konnte nicht geschrieben werden.");
}

} // namespace talvek
