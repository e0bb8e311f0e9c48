#include "ui/components/logic/PackedPicture.h"

namespace talvek::ui {

namespace {

constexpr unsigned kLengthBits = 5;
constexpr unsigned kMinMatch = 3;
// A resource picture of ours is far smaller; a larger size can only be damage.
constexpr std::size_t kLargestPicture = 4u << 20;

} // namespace

bool unpackPicture(const unsigned char* packed, std::size_t size, std::string& picture) {
    if (size < 4) return false;
    const std::size_t total =
        packed[0] | packed[1] << 8 | packed[2] << 16 | static_cast<std::size_t>(packed[3]) << 24;
    if (total > kLargestPicture) return false;
    picture.assign(total, '\0');
    std::size_t at = 4, done = 0;
    unsigned flags = 0, bit = 8;
    while (done < total) {
        if (bit == 8) {
            if (at == size) return false;
            flags = packed[at++];
            bit = 0;
        }
        if (flags >> bit++ & 1) {
            if (size - at < 2) return false;
            const unsigned value = packed[at] | packed[at + 1] << 8;
            at += 2;
            const std::size_t back = (value >> kLengthBits) + 1;
            std::size_t length = (value & ((1u << kLengthBits) - 1)) + kMinMatch;
            if (back > done || length > total - done) return false;
            // Byte by byte: a copy may overlap what it writes (a run of one colour).
            for (; length; --length, ++done)
                picture[done] = picture[done - back];
        } else {
            if (at == size) return false;
            picture[done++] = static_cast<char>(packed[at++]);
        }
    }
    return at == size;
}

} // namespace talvek::ui
