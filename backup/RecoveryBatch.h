// The recovery batch of a record set: a header box, then three lines for each listed file in
// the order of the list, which put the copy back over the original under MS-DOS 7.0.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace talvek {

class RecoveryBatch {
  public:
    // `files` gives the short paths MS-DOS needs; it must outlive the batch.
    RecoveryBatch(FileSystem& files, const std::string& dateText, const std::string& directory);

    // The restore lines of the next listed file: attributes off, the copy over the original,
    // then the original's attributes as they were.
    void add(const std::string& entry, const std::string& copy, std::uint32_t attributes);
    // The next listed file was not saved: its three lines stay empty.
    void skip();
    const std::vector<std::string>& lines() const { return lines_; }

  private:
    FileSystem& files_;
    std::vector<std::string> lines_;
    std::size_t entries_ = 0;
};

// A path as a batch line must hold it: each "%" doubled, else COMMAND.COM expands it.
std::string batchPath(const std::string& path);
// "+R -A +S +H ": the attribute text of a restore line, each part followed by a blank.
std::string attributeText(std::uint32_t attributes);

} // namespace talvek
