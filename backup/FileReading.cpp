#include "backup/FileReading.h"

#include "backup/Crc32.h"

namespace talvek {

namespace {

// Reads the file piece by piece to its end, each piece added to the checksum and handed to
// `use`.
template <typename Use>
bool readPieces(FileSystem& files, const std::string& path, std::uint32_t& crc,
                PieceProgress* progress, Use use) {
    std::unique_ptr<FileReader> reader = files.openForReading(path);
    if (!reader) return false;
    const std::uint64_t total = progress ? reader->size() : 0;
    std::uint64_t done = 0;
    std::uint32_t state = kCrc32Start;
    std::string piece;
    do {
        if (!reader->read(piece, kReadPiece) || !use(piece)) return false;
        state = crc32Update(state, piece.data(), piece.size());
        done += piece.size();
        if (progress && !piece.empty()) progress->advanced(path, done, total);
    } while (!piece.empty());
    crc = crc32Finish(state);
    return true;
}

} // namespace

bool fileChecksum(FileSystem& files, const std::string& path, std::uint32_t& crc,
                  PieceProgress* progress) {
    return readPieces(files, path, crc, progress, [](const std::string&) { return true; });
}

bool copyInPieces(FileSystem& files, const std::string& from, const std::string& to,
                  std::uint32_t& crc, PieceProgress* progress) {
    std::unique_ptr<FileWriter> writer = files.createNew(to);
    return writer &&
           readPieces(files, from, crc, progress,
                      [&](const std::string& piece) { return writer->write(piece); }) &&
           writer->close();
}

CopyResult copyWithChecksum(FileSystem& files, const std::string& from, const std::string& to,
                            std::uint32_t& crc, bool& sourceChanged) {
    std::unique_ptr<FileReader> source = files.openForReading(from);
    if (!source) return CopyResult::NotMade;
    std::unique_ptr<FileWriter> copy = files.createNew(to);
    if (!copy) return CopyResult::NotMade;
    CopyResult result = CopyResult::Copied;
    std::uint32_t state = kCrc32Start;
    std::string piece;
    do {
        if (!source->read(piece, kReadPiece)) {
            result = CopyResult::SourceUnreadable;
            break;
        }
        state = crc32Update(state, piece.data(), piece.size());
        if (!piece.empty() && !copy->write(piece)) {
            result = CopyResult::NotMade;
            break;
        }
    } while (!piece.empty());
    if (!copy->close() && result == CopyResult::Copied) result = CopyResult::NotMade;
    // The copy was made new by us: a part of a file is no backup.
    if (result != CopyResult::Copied) {
        files.deleteFile(to);
        return result;
    }
    crc = crc32Finish(state);
    sourceChanged = source->changedSinceOpened();
    return result;
}

namespace {

// Fills `piece` with up to kReadPiece bytes: a reader may answer with less than it was asked
// for, so both sides are compared in pieces of the same length.
bool readFull(FileReader& reader, std::string& piece, std::string& more) {
    piece.clear();
    do {
        if (!reader.read(more, kReadPiece - piece.size())) return false;
        piece += more;
    } while (!more.empty() && piece.size() < kReadPiece);
    return true;
}

} // namespace

Sameness compareFiles(FileSystem& files, const std::string& first, const std::string& second) {
    std::unique_ptr<FileReader> a = files.openForReading(first);
    if (!a) return Sameness::FirstUnreadable;
    std::unique_ptr<FileReader> b = files.openForReading(second);
    if (!b) return Sameness::SecondUnreadable;
    std::string pieceA, pieceB, more;
    do {
        if (!readFull(*a, pieceA, more)) return Sameness::FirstUnreadable;
        if (!readFull(*b, pieceB, more)) return Sameness::SecondUnreadable;
        if (pieceA != pieceB) return Sameness::Different;
    } while (!pieceA.empty());
    return Sameness::Same;
}

} // namespace talvek
