#include "config/Concat.h"

namespace talvek {

std::string concat(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (std::string_view piece : pieces)
        size += piece.size();
    std::string text;
    text.reserve(size);
    for (std::string_view piece : pieces)
        text.append(piece.data(), piece.size());
    return text;
}

} // namespace talvek
