#include "backup/RunJournal.h"

#include "config/Decimal.h"
#include "config/Keys.h"

namespace talvek {

namespace {

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

std::string journalStamp(const LocalTime& time) {
    return formatDateText(dateOf(time)) + ' ' + formatTimeText(time);
}

std::vector<std::string> journalBlock(const std::string& first,
                                      const std::vector<std::string>& failures) {
    std::vector<std::string> block = {first};
    for (const std::string& failure : failures)
        block.push_back(oneLine(failure));
    block.emplace_back();
    return block;
}

std::vector<std::string> journalBlock(const LocalTime& started, bool failed,
                                      const std::string& backupDirectory,
                                      const std::vector<std::string>& failures) {
    std::vector<std::string> block =
        journalBlock(journalStamp(started) + (failed ? " mit Fehlern" : " ohne Fehler"), failures);
    if (!backupDirectory.empty())
        block.insert(block.begin() + 1, "Verzeichnis für Datensätze: " + backupDirectory);
    return block;
}

std::vector<std::string> fittedJournalBlock(const std::vector<std::string>& block) {
    if (bytesOf(block) < kJournalLimit || block.empty()) return block;
    // A block that alone would pass the limit keeps its first lines and says how many went;
    // its closing empty line stays.
    std::vector<std::string> kept(block.begin(), block.end() - 1);
    std::size_t dropped = 0;
    auto marker = [&] { return "... und " + decimalText(dropped) + " weitere Zeilen"; };
    while (!kept.empty() && bytesOf(kept) + marker().size() + 2 + 2 >= kJournalLimit) {
        kept.pop_back();
        ++dropped;
    }
    kept.push_back(marker());
    kept.emplace_back();
    return kept;
}

std::vector<std::string> appendJournalBlock(const std::string& journal,
                                            const std::vector<std::string>& block) {
    std::vector<std::string> fresh = fittedJournalBlock(block);
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

std::string addJournalBlock(FileSystem& files, const std::string& windowsDirectory,
                            const std::vector<std::string>& lines) {
    const std::string path = journalPath(windowsDirectory);
    const std::string fresh = windowsDirectory + "\\TALVEK95.NEW";
    // The old journal goes only once the new one is complete: found alone, the new one
    // takes its place; found beside the old one, it is a rewrite that was cut short.
    if (files.fileExists(fresh)) {
        if (files.fileExists(path))
            files.deleteFile(fresh);
        else
            files.moveFile(fresh, path);
    }
    std::string journal;
    // Rewriting a journal that cannot be read would lose it.
    if (files.fileExists(path) && !files.readFile(path, journal))
        return "Die Datei " + path + " konnte nicht gelesen werden.";
    std::vector<std::string> block = fittedJournalBlock(lines);
    bool written = false;
    if (journal.size() + bytesOf(block) + 2 < kJournalLimit) {
        // Appending leaves every earlier block as it was, whenever the write stops. A last
        // line that a cut-short write left open is closed first.
        if (!journal.empty() && journal.back() != '\n') block.insert(block.begin(), std::string());
        written = files.appendTextFile(path, block, CodePage::Windows);
    } else {
        // Dropping the oldest blocks rewrites the journal through a new file; a first block
        // that alone nearly fills the journal comes this way too, with no old one to delete.
        written =
            files.writeTextFile(fresh, appendJournalBlock(journal, block), CodePage::Windows) &&
            (!files.fileExists(path) || files.deleteFile(path)) && files.moveFile(fresh, path);
    }
    return written ? std::string() : "Die Datei " + path + " konnte nicht geschrieben werden.";
}

void writeJournal(RunContext& run, const LocalTime& started) {
    // Without the Windows directory there is no configuration file to keep it beside.
    if (run.windowsDirectory.empty()) return;
    bool failed = run.runError || !run.failures.empty();
    std::string directory =
        run.backupDirectory == keys::kNoBackupDirectory ? std::string() : run.backupDirectory;
    std::string problem =
        addJournalBlock(run.platform.files, run.windowsDirectory,
                        journalBlock(started, failed, directory, run.journalLines));
    if (!problem.empty()) run.log(problem);
}

} // namespace talvek
