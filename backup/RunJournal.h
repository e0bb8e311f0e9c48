// The run journal: why backup runs failed, kept beside the configuration file where no
// rotation deletes it and no record set directory has to exist.
#pragma once
#include <string>
#include <vector>

#include "backup/RunContext.h"

namespace talvek {

// The journal's file: Talvek95.log in the Windows directory.
std::string journalPath(const std::string& windowsDirectory);

// "DD.MM.YY HH:MM", the start of a block's first line.
std::string journalStamp(const LocalTime& time);

// A block: its first line, every failure line in order, and an empty line that closes it.
std::vector<std::string> journalBlock(const std::string& first,
                                      const std::vector<std::string>& failures);
// One run's block: when it ran and how it ended, the backup directory when it was read,
// every failure line in order, and an empty line that closes the block.
std::vector<std::string> journalBlock(const LocalTime& started, bool failed,
                                      const std::string& backupDirectory,
                                      const std::vector<std::string>& failures);

// The journal's lines with `block` appended; the oldest blocks are dropped whole so that
// the file, CR LF line ends included, stays below kJournalLimit bytes.
inline constexpr std::size_t kJournalLimit = 64 * 1024;
// The block itself cut to the limit: its first lines, then "... und N weitere Zeilen".
std::vector<std::string> fittedJournalBlock(const std::vector<std::string>& block);
std::vector<std::string> appendJournalBlock(const std::string& journal,
                                            const std::vector<std::string>& block);

// Appends a block to the journal in the Windows directory. The line that says why it could
// not be, empty when it was.
std::string addJournalBlock(FileSystem& files, const std::string& windowsDirectory,
                            const std::vector<std::string>& block);

// Appends the run's block to the journal. A journal that cannot be written is said in the
// details log and changes nothing else.
void writeJournal(RunContext& run, const LocalTime& started);

} // namespace talvek
