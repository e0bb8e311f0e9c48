#include <gtest/gtest.h>

#include "config/Error.h"
#include "config/IniFile.h"
#include "config/Keys.h"
#include "fakes/FakeProfile.h"
#include "fakes/FileProfile.h"

using namespace talvek;
using talvek::testing::FakeProfile;

namespace {

const char* const kPath = "C:\\WINDOWS\\Talvek95.ini";

struct IniFileTest : ::testing::Test {
    FakeProfile profile;
    TIniFile ini{profile, kPath};
};

TEST_F(IniFileTest, NumbersFollowTheStoredNumberRules) {
    const std::pair<const char*, int> cases[] = {
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"42", 42},
        {"-7", -7},
        {"+7", 7},
        {"0", 0},
        {"abc", -99},
        {"", -99},
        {"0x", -99},
        {"$", -99},
        {"0xZZ", -99},
        {"12a", -99},
        {"-", -99},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", -99},
        {"$FFFFFFFF", -1},
        {"$100000000", -99},
        {"1.5", -99},
        {"0x10", 16},
    };
    for (const auto& c : cases) {
        profile.write(kPath, "S", "K", c.first);
        EXPECT_EQ(ini.ReadNumber("S", "K", -99), c.second) << '"' << c.first << '"';
    }
    EXPECT_EQ(ini.ReadNumber("S", "missing", 5), 5);
}

TEST_F(IniFileTest, FlagsAreNumbersOtherThanZero) {
    profile.write(kPath, "S", "two", "2");
    profile.write(kPath, "S", "yes", "yes");
    profile.write(kPath, "S", "zero", "0");
    EXPECT_TRUE(ini.ReadFlag("S", "two", false));
    EXPECT_FALSE(ini.ReadFlag("S", "yes", false));
    EXPECT_TRUE(ini.ReadFlag("S", "yes", true));
    EXPECT_FALSE(ini.ReadFlag("S", "zero", true));
    EXPECT_TRUE(ini.ReadFlag("S", "missing", true));
    EXPECT_TRUE(ini.WriteFlag("S", "f", true).ok());
    EXPECT_TRUE(ini.WriteFlag("S", "g", false).ok());
    EXPECT_TRUE(ini.WriteNumber("S", "n", -12).ok());
    EXPECT_EQ(profile.text(kPath), "[S]\ntwo=2\nyes=yes\nzero=0\nf=1\ng=0\nn=-12\n");
}

TEST_F(IniFileTest, TextKeepsEmptyValuesAndCutsLongOnes) {
    profile.write(kPath, keys::kSettings, keys::kRecoveryDirectory, "");
    EXPECT_EQ(ini.ReadText(keys::kSettings, keys::kRecoveryDirectory, "C:\\Talvek95"), "");
    profile.write(kPath, "S", "long", std::string(1500, 'x'));
    EXPECT_EQ(ini.ReadText("S", "long", ""), std::string(1023, 'x'));
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndCreatesNothing) {
    EXPECT_EQ(ini.ReadText("S", "K", "def"), "def");
    EXPECT_EQ(ini.ReadNumber("S", "K", 3), 3);
    EXPECT_TRUE(ini.RemoveSection("Recovery Files").ok());
    EXPECT_FALSE(profile.exists(kPath));
    EXPECT_TRUE(ini.WriteText("S", "K", "v").ok());
    EXPECT_TRUE(profile.exists(kPath));
}

TEST_F(IniFileTest, NumberedListsEndAtGapsAndAtTheEndMarker) {
    profile.load(kPath, "[Recovery Files]\n0=C:\\A\n1=C:\\B\n3=C:\\D\n");
    EXPECT_EQ(ini.ReadList(keys::kFileList), (std::vector<std::string>{"C:\\A", "C:\\B"}));
    profile.load(kPath, "[L]\n0=a\n1=ERROR\n2=c\n");
    EXPECT_EQ(ini.ReadList("L"), (std::vector<std::string>{"a"}));
    profile.load(kPath, "[06.12.97]\nDatei1=x\nDatei2=y\nDatei4=z\n");
    EXPECT_EQ(ini.ReadList("06.12.97", "Datei", 1), (std::vector<std::string>{"x", "y"}));
}

TEST_F(IniFileTest, WritingAListReplacesItWholeInOneAccess) {
    profile.load(kPath, "[A]\nx=1\n[L]\n0=a\n1=b\n2=c\n7=old\n[B]\ny=2\n");
    int accesses = profile.accessCount;
    EXPECT_TRUE(ini.WriteList("L", {"p", "q"}).ok());
    EXPECT_EQ(profile.accessCount, accesses + 1) << "a failure half way would lose the list";
    EXPECT_EQ(profile.text(kPath), "[A]\nx=1\n[L]\n0=p\n1=q\n[B]\ny=2\n");
    EXPECT_TRUE(ini.WriteList("L", {}).ok());
    EXPECT_EQ(ini.ReadList("L"), std::vector<std::string>{});
}

TEST_F(IniFileTest, RefusedWritesRaiseTheWriteError) {
    profile.load(kPath, "[S]\nK=1\n");
    profile.setReadOnly(kPath, true);
    const std::string expected = std::string("nach ") + kPath + " kann nicht geschrieben werden";
    EXPECT_EQ(ini.WriteNumber("S", "K", 2).text(), std::string(expected));
    EXPECT_EQ(ini.RemoveSection("S").text(), expected);
    EXPECT_EQ(ini.WriteList("S", {"a"}).text(), expected);
    // Removing a section that is not there is no error, even from a protected file.
    EXPECT_TRUE(ini.RemoveSection("absent").ok());
    EXPECT_EQ(ini.ReadNumber("S", "K", 0), 1);
}

TEST(ConfigurationPath, IsTheWindowsDirectoryPlusTheFileName) {
    EXPECT_EQ(configurationPath("C:\\WINDOWS"), "C:\\WINDOWS\\Talvek95.ini");
}

} // namespace

namespace {

// The configuration file as the program keeps it: a file that is there but cannot be read is
// never written over from nothing, and what another program wrote is read at the next access.
TEST(ConfigurationStore, AnUnreadableFileIsNeverWrittenOverAndAnotherWriterIsSeen) {
    talvek::testing::FakeFileSystem files;
    talvek::testing::FileProfile profile(files);
    profile.load(kPath, "[S]\nk=1\n[T]\nj=2\n");
    TIniFile ini(profile, kPath);
    EXPECT_EQ(ini.ReadText("S", "k", ""), "1");
    files.heldOpen.insert(talvek::testing::FakeFileSystem::key(kPath));
    EXPECT_EQ(ini.ReadText("S", "k", "default"), "default");
    EXPECT_TRUE(ini.WriteText("S", "k", "2").failed());
    EXPECT_TRUE(ini.WriteList("T", {}).failed());
    files.heldOpen.clear();
    EXPECT_EQ(files.content(kPath), "[S]\r\nk=1\r\n[T]\r\nj=2\r\n");
    files.addFile(kPath, "[S]\r\nk=3\r\n");
    EXPECT_EQ(ini.ReadText("S", "k", ""), "3");
}

} // namespace
