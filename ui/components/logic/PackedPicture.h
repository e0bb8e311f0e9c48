// The pictures of the dialog are stored packed: an RLE picture with shading packs to less
// than half with LZSS, and the unpacker is a few dozen bytes of code.
#pragma once
#include <cstddef>
#include <string>

namespace talvek::ui {

// Unpacks what scripts/tools/pack_picture.py packed into `picture`. False for data that is
// cut short, refers back before its start, or is larger than a picture of ours can be.
bool unpackPicture(const unsigned char* packed, std::size_t size, std::string& picture);

} // namespace talvek::ui
