#include "backup/Crc32.h"

namespace talvek {

namespace {

struct Table {
    std::uint32_t entry[256];
};

// Built by the compiler: no start-up code and no guard for a static.
constexpr Table makeTable() {
    Table table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table.entry[n] = c;
    }
    return table;
}

constexpr Table kTable = makeTable();

} // namespace

std::uint32_t crc32Update(std::uint32_t state, const char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        state = kTable.entry[(state ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (state >> 8);
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
