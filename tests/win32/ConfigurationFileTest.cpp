// The configuration facade over the real private-profile functions.
#include <gtest/gtest.h>

#include "config/IniFile.h"
#include "platform/win32/Win32Platform.h"
#include "win32/Bench.h"

using namespace talvek;

namespace {

struct ConfigurationFile : ::testing::Test {
    void SetUp() override { bench::removeAll(path); }
    void TearDown() override { bench::removeAll(path); }
    std::string path = bench::windowsDir() + "\\Talvek95-facade-test.ini";
    Win32Profile profile;
    TIniFile ini{profile, path};
};

TEST_F(ConfigurationFile, MissingFileReadsDefaultsAndIsCreatedByTheFirstWrite) {
    EXPECT_EQ(ini.ReadText("Einstellungen", "Recovery Directory", "C:\\Talvek95"), "C:\\Talvek95");
    EXPECT_EQ(ini.ReadNumber("Einstellungen", "AlleXTage", 1), 1);
    EXPECT_TRUE(ini.RemoveSection("Recovery Files").ok());
    EXPECT_FALSE(bench::exists(path));
    EXPECT_TRUE(ini.WriteList("Datensätze", {"06.12.97"}).ok());
    EXPECT_EQ(bench::readFile(path), "[Datens\xE4tze]\r\n0=06.12.97\r\n");
}

TEST_F(ConfigurationFile, StoredTextFollowsThePlatformRules) {
    bench::writeFile(path, "[Einstellungen]\r\nAlleXTage=0x1F\r\nmax=$1F\r\nBatchfile=2\r\n"
                           "Logfile=yes\r\nRecovery Directory=\r\nbad=abc\r\n"
                           "long=" +
                               std::string(1500, 'x') +
                               "\r\n"
                               "[Recovery Files]\r\n0=C:\\A\r\n1=C:\\B\r\n3=C:\\D\r\n");
    EXPECT_EQ(ini.ReadNumber("Einstellungen", "AlleXTage", 1), 31);
    EXPECT_EQ(ini.ReadNumber("Einstellungen", "max", 1), 31);
    EXPECT_EQ(ini.ReadNumber("Einstellungen", "bad", 7), 7);
    EXPECT_TRUE(ini.ReadFlag("Einstellungen", "Batchfile", false));
    EXPECT_FALSE(ini.ReadFlag("Einstellungen", "Logfile", false));
    EXPECT_EQ(ini.ReadText("Einstellungen", "Recovery Directory", "C:\\Talvek95"), "");
    EXPECT_EQ(ini.ReadText("Einstellungen", "long", ""), std::string(1023, 'x'));
    EXPECT_EQ(ini.ReadList("Recovery Files"), (std::vector<std::string>{"C:\\A", "C:\\B"}));
    EXPECT_TRUE(ini.WriteList("Recovery Files", {"C:\\X"}).ok());
    EXPECT_EQ(ini.ReadList("Recovery Files"), std::vector<std::string>{"C:\\X"});
    EXPECT_EQ(ini.ReadText("Recovery Files", "3", "ERROR"), "ERROR");
}

TEST_F(ConfigurationFile, AWriteProtectedFileRaisesTheWriteError) {
    bench::writeFile(path, "[Einstellungen]\r\nAlleXTage=1\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string error = "nach " + path + " kann nicht geschrieben werden";
    EXPECT_EQ(ini.WriteNumber("Einstellungen", "AlleXTage", 2).text(), error);
    EXPECT_EQ(ini.RemoveSection("Einstellungen").text(), error);
    EXPECT_EQ(ini.WriteList("Einstellungen", {"x"}).text(), error) << "the section stays whole";
    EXPECT_EQ(ini.ReadNumber("Einstellungen", "AlleXTage", 0), 1);
}

} // namespace
