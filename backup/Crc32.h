// CRC-32 as zip and PNG compute it, to tell a good copy from a damaged one.
#pragma once
#include <cstdint>
#include <string>

namespace talvek {

// Reflected polynomial 0xEDB88320, initial value and final xor 0xFFFFFFFF.
std::uint32_t crc32(const std::string& data);

// The checksum as a record set section stores it: eight upper-case hex digits.
std::string crcText(std::uint32_t crc);

} // namespace talvek
