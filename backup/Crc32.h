// CRC-32 as zip and PNG compute it, to tell a good copy from a damaged one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace talvek {

// Reflected polynomial 0xEDB88320, initial value and final xor 0xFFFFFFFF.
std::uint32_t crc32(const std::string& data);

// The same in pieces: start with kCrc32Start, feed every piece, finish once.
inline constexpr std::uint32_t kCrc32Start = 0xFFFFFFFFu;
std::uint32_t crc32Update(std::uint32_t state, const char* data, std::size_t size);
inline std::uint32_t crc32Finish(std::uint32_t state) {
    return state ^ 0xFFFFFFFFu;
}

// The checksum as a record set section stores it: eight upper-case hex digits.
std::string crcText(std::uint32_t crc);
// A stored checksum read back: one to eight hex digits in either case. False for any other
// text, which checks no copy.
bool parseCrcText(const std::string& text, std::uint32_t& crc);

} // namespace talvek
