// The registry seam on the real registry: keys are opened, never created, values are stored
// as REG_SZ with their terminating zero counted, and deleting a missing value reports it.
#include <gtest/gtest.h>

#include "platform/win32/Win32Registry.h"

namespace {

const char* const kTestKey = "SOFTWARE\\TalvekSetupRegistryTest";

struct SetupRegistry : ::testing::Test {
    void SetUp() override { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kTestKey); }
    void TearDown() override { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kTestKey); }
    talvek::Win32Registry registry;
};

TEST_F(SetupRegistry, AMissingKeyIsNotCreatedByOpening) {
    EXPECT_EQ(registry.openLocalMachine(std::string("\\") + kTestKey), nullptr);
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST_F(SetupRegistry, StringsAreStoredWithTheirZeroAndDeletedAgain) {
    HKEY created = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &created, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(created);
    {
        auto key = registry.openLocalMachine(std::string("\\") + kTestKey);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->setString("Talvek95", "C:\\TALVEK\\TALVEK.EXE -s"));
        EXPECT_TRUE(key->setString("Talvek95", "C:\\NEU.EXE -s")) << "replaces the earlier one";
        std::string data;
        EXPECT_TRUE(key->getString("TALVEK95", data) && data == "C:\\NEU.EXE -s") << data;
    } // closed here

    HKEY read = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, KEY_READ, &read), ERROR_SUCCESS);
    char data[64] = {};
    DWORD size = sizeof data, type = 0;
    ASSERT_EQ(
        RegQueryValueExA(read, "Talvek95", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
        ERROR_SUCCESS);
    RegCloseKey(read);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, sizeof("C:\\NEU.EXE -s"));
    EXPECT_STREQ(data, "C:\\NEU.EXE -s");

    auto key = registry.openLocalMachine(std::string("\\") + kTestKey);
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(key->deleteValue("TALVEK95")) << "value names ignore case";
    EXPECT_FALSE(key->deleteValue("Talvek95")) << "already gone";
}

} // namespace
