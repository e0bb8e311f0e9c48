#include "backup/Crc32.h"

namespace talvek {

namespace {

// Made at the first checksum and kept for the process: the 1 KB live in memory, not in the
// program file (a zero-filled static would be stored there too).
const std::uint32_t* crcTable() {
    static std::uint32_t* table = nullptr;
    if (!table) {
        table = new std::uint32_t[256];
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    }
    return table;
}

} // namespace

std::uint32_t crc32Update(std::uint32_t state, const char* data, std::size_t size) {
    const std::uint32_t* const entry = crcTable();
    for (std::size_t i = 0; i < size; ++i)
        state = entry[(state ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (state >> 8);
    return state;
}

std::uint32_t crc32(const std::string& data) {
    return crc32Finish(crc32Update(kCrc32Start, data.data(), data.size()));
}

std::string crcText(std::uint32_t crc) {
    const char* const digits = "0123456789ABCDEF";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, crc >>= 4)
        text[static_cast<std::size_t>(i)] = digits[crc & 0xF];
    return text;
}

bool parseCrcText(const std::string& text, std::uint32_t& crc) {
    if (text.empty() || text.size() > 8) return false;
    crc = 0;
    for (char c : text) {
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                           : -1;
        if (digit < 0) return false;
        crc = crc << 4 | static_cast<std::uint32_t>(digit);
    }
    return true;
}

} // namespace talvek
