#include <gtest/gtest.h>

#include "backup/Crc32.h"

using namespace talvek;

namespace {

TEST(Crc32, GivesTheChecksumOfZipAndPng) {
    const std::pair<std::string, const char*> vectors[] = {
        {"", "00000000"},
        {"a", "E8B7BE43"},
        {"123456789", "CBF43926"},
        {std::string("\xFF\x00", 2), "D2FDEF8D"}};
    for (const auto& [data, crc] : vectors) {
        EXPECT_EQ(crcText(crc32(data)), crc) << data;
        // Fed in pieces of any length, the same.
        std::uint32_t state = kCrc32Start;
        for (char c : data)
            state = crc32Update(state, &c, 1);
        EXPECT_EQ(crcText(crc32Finish(state)), crc) << data;
    }
}

} // namespace
