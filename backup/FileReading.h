// Reading a user's files in pieces, so that no file is ever held whole in memory: a run's
// peak memory stays the same for a 5 MB SYSTEM.DAT on a PC with 8 MB and for a 1 GB file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/FileSystem.h"

namespace talvek {

inline constexpr std::size_t kReadPiece = 64 * 1024;

// Told between the pieces of a long read or write, so that a window can stay responsive and
// say how far the work has come.
class PieceProgress {
  public:
    virtual ~PieceProgress() = default;
    // `done` of the `total` bytes of `path` are through.
    virtual void advanced(const std::string& path, std::uint64_t done, std::uint64_t total) = 0;
};

// The CRC-32 of a file's content; false when it cannot be opened or read to its end.
bool fileChecksum(FileSystem& files, const std::string& path, std::uint32_t& crc,
                  PieceProgress* progress = nullptr);

// Copies `from` into the new file `to` in pieces, with the checksum of what it read; false
// when either cannot be opened, read or written (what was written then stays).
bool copyInPieces(FileSystem& files, const std::string& from, const std::string& to,
                  std::uint32_t& crc, PieceProgress* progress = nullptr);

enum class CopyResult { Copied, NotMade, SourceUnreadable };

// Copies `from` into the new file `to` in pieces, taking the source's CRC-32 on the way, so
// the source is read once. `sourceChanged` tells that another program wrote to the source
// meanwhile. NotMade when the source cannot be opened or the copy cannot be created (it is
// never made over an existing file) or written; SourceUnreadable when a piece of the source
// cannot be read. A copy left incomplete is deleted.
CopyResult copyWithChecksum(FileSystem& files, const std::string& from, const std::string& to,
                            std::uint32_t& crc, bool& sourceChanged);

enum class Sameness { Same, Different, FirstUnreadable, SecondUnreadable };

// Whether two files hold the same bytes, read side by side.
Sameness compareFiles(FileSystem& files, const std::string& first, const std::string& second);

} // namespace talvek
