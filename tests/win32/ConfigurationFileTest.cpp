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

namespace {

// The list as key-by-key reading gives it: "0", "1", ... up to the first "ERROR".
std::vector<std::string> keyByKey(const std::string& path, const std::string& prefix, int first) {
    std::vector<std::string> entries;
    for (int i = first;; ++i) {
        char value[TIniFile::kValueBuffer] = {};
        GetPrivateProfileStringA("L", (prefix + std::to_string(i)).c_str(), "ERROR", value,
                                 sizeof value, path.c_str());
        if (std::string(value) == "ERROR") return entries;
        entries.emplace_back(value);
    }
}

TEST_F(ConfigurationFile, ASectionReadGivesWhatKeyByKeyReadingGives) {
    std::string big; // beyond the 32,767 characters one section read may return
    for (int i = 0; i < 400; ++i)
        big += std::to_string(i) + "=C:\\" + std::string(90, 'x') + std::to_string(i) + "\r\n";
    const struct {
        const char* name;
        std::string body;
        const char* prefix;
        int first;
    } cases[] = {
        {"gap", "0=a\r\n1=b\r\n3=d\r\n", "", 0},
        {"ERROR ends it", "0=a\r\n1=ERROR\r\n2=c\r\n", "", 0},
        {"quoted ERROR", "0=a\r\n1=\"ERROR\"\r\n", "", 0},
        {"duplicate key: the first counts", "0=a\r\n0=b\r\n1=c\r\n", "", 0},
        {"blanks and quotes", "0 =  a b  \r\n 1=\"q\"\r\n2='s'\r\n3=\"x'\r\n4=\r\n", "", 0},
        {"keys in any order and case", "DATEI2=y\r\ndatei1=x\r\n", "Datei", 1},
        {"comments and other keys", ";0=no\r\nx=1\r\n0=a\r\n", "", 0},
        {"a value beyond the buffer", "0=" + std::string(1500, 'v') + "\r\n", "", 0},
        {"a section beyond 32,767 characters", big, "", 0},
        {"empty", "", "", 0},
    };
    for (const auto& c : cases) {
        bench::writeFile(path, "[A]\r\n0=other\r\n[L]\r\n" + c.body + "[B]\r\n5=z\r\n");
        EXPECT_EQ(ini.ReadList("L", c.prefix, c.first), keyByKey(path, c.prefix, c.first))
            << c.name;
    }
    EXPECT_EQ(ini.ReadList("L").size(), 0u);
    bench::writeFile(path, "[L]\r\n" + big);
    EXPECT_EQ(ini.ReadList("L").size(), 400u) << "a long section is never cut";
}

} // namespace
