#include "ui/components/logic/PackedPicture.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace talvek::ui {
namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool unpack(const std::vector<unsigned char>& packed, std::string& picture) {
    return unpackPicture(packed.data(), packed.size(), picture);
}

// The packer of the build and this unpacker must agree to the byte, or the dialog shows a
// garbled picture.
TEST(PackedPicture, TheBuildsPicturesUnpackToTheirBitmaps) {
    for (const char* name : {"logo", "title"}) {
        const std::string packed = fileBytes(std::string(TALVEK_PICTURES_DIR "/") + name + ".lz");
        const std::string bmp =
            fileBytes(std::string(TALVEK_SOURCE_DIR "/resources/") + name + ".bmp");
        ASSERT_GT(bmp.size(), 14u) << name;
        std::string picture;
        ASSERT_TRUE(unpackPicture(reinterpret_cast<const unsigned char*>(packed.data()),
                                  packed.size(), picture))
            << name;
        EXPECT_EQ(picture, bmp.substr(14)) << name;
    }
}

// Damaged resource data must give no picture, never a read or write outside the buffers.
TEST(PackedPicture, DamagedDataGivesNoPicture) {
    const struct {
        const char* what;
        std::vector<unsigned char> packed;
        bool ok;
        std::string picture;
    } cases[] = {
        {"a run copied over itself", {5, 0, 0, 0, 0x02, 'a', 0x01, 0x00}, true, "aaaaa"},
        {"nothing", {0, 0, 0, 0}, true, ""},
        {"no size", {5, 0}, false, ""},
        {"cut short in a literal", {3, 0, 0, 0, 0x00, 'a'}, false, ""},
        {"cut short in a copy", {5, 0, 0, 0, 0x02, 'a', 0x01}, false, ""},
        {"a copy from before the start", {3, 0, 0, 0, 0x01, 0x20, 0x00}, false, ""},
        {"a copy beyond the size", {3, 0, 0, 0, 0x02, 'a', 0x01, 0x00}, false, ""},
        {"bytes left over", {1, 0, 0, 0, 0x00, 'a', 'b'}, false, ""},
        {"an absurd size", {0, 0, 0, 0x40}, false, ""},
    };
    for (const auto& c : cases) {
        std::string picture;
        EXPECT_EQ(unpack(c.packed, picture), c.ok) << c.what;
        if (c.ok) {
            EXPECT_EQ(picture, c.picture) << c.what;
        }
    }
}

} // namespace
} // namespace talvek::ui
