#include <gtest/gtest.h>

#include "backup/PathRules.h"

using namespace talvek;

namespace {

TEST(FileNamePart, IsTheTextAfterTheLastSeparatorOrColon) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\WINDOWS\\WIN.INI", "WIN.INI"}, {"C:WIN.INI", "WIN.INI"}, {"WIN.INI", "WIN.INI"},
        {"C:/WINDOWS/WIN.INI", "WIN.INI"},   {"C:\\WINDOWS\\", ""},    {"C:\\a\\..", ".."},
        {"\\\\srv\\share\\x.dat", "x.dat"},  {"C:\\a/b\\c", "c"},      {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fileNamePart(c.first), c.second) << c.first;
    EXPECT_EQ(resolvedNamePart("C:\\Daten\\PROTOCOL.TXT. ."), "PROTOCOL.TXT")
        << "as Windows has it";
}

TEST(PlainFileName, RefusesNamesThatLeaveTheDirectory) {
    for (const char* good : {"PROTOCOL.TXT", "recovery.bat", "a b.txt", "...x", "x.."})
        EXPECT_TRUE(isPlainFileName(good)) << good;
    for (const char* bad : {"", ".", "..", "..\\..\\AUTOEXEC.BAT", "a/b", "C:x", "\\x", "sub\\x"})
        EXPECT_FALSE(isPlainFileName(bad)) << bad;
}

TEST(RecordSetDirectory, OnlyAbsoluteSixDigitDirectoriesQualify) {
    for (const char* good :
         {"C:\\Talvek95\\061297", "c:\\061297", "D:\\Sich\\Talvek 95\\311299",
          "\\\\server\\share\\Talvek95\\010100", "C:/Talvek95/061297", "C:\\Talvek95\\\\061297"})
        EXPECT_TRUE(isRecordSetDirectory(good)) << good;
    for (const char* bad : {"C:\\WINDOWS",
                            "C:\\",
                            "C:",
                            "",
                            "nicht gefunden!",
                            "061297",
                            "\\061297",
                            "ERROR\\061297",
                            "C:061297",
                            "C:\\Talvek95\\061297\\",
                            "C:\\Talvek95\\0612970",
                            "C:\\Talvek95\\06129",
                            "C:\\Talvek95\\06.12.97",
                            "C:\\Talvek95\\..\\061297",
                            "C:\\Talvek95\\061297\\..",
                            "C:\\.\\061297",
                            "C:\\Talvek95\\06129a",
                            "\\\\server\\061297",
                            "\\\\\\share\\061297",
                            "\\\\?\\C:\\061297",
                            "C:\\*\\061297",
                            "1:\\061297"})
        EXPECT_FALSE(isRecordSetDirectory(bad)) << bad;
}

TEST(ShortPath, TellsWhichPathsDosCanUseAsTheyStand) {
    for (const char* good : {"C:\\MSDOS.SYS", "C:\\Talvek95\\061297\\MSDOS.SYS", "C:\\AUTOEXEC.BAT",
                             "C:\\WINDOWS\\SYSTEM.DAT", "c:\\windows\\win.ini", "C:\\A\\X",
                             "C:\\PROGRA~1\\X.INI", "ERROR\\061297\\X.INI", "C:\\Ä\\Ö.TXT"})
        EXPECT_TRUE(isShortPath(good)) << good;
    for (const char* bad : {"C:\\Program Files\\x.ini", "C:\\LONGNAME9\\X.INI", "C:\\X.TEXT",
                            "C:\\A.B.C", "C:\\X.", "C:\\.X", "C:/WINDOWS/WIN.INI", "C:\\A+B.TXT",
                            "C:\\A;B", "", "C:\\A\\\\B", "\\\\srv\\share\\X"})
        EXPECT_FALSE(isShortPath(bad)) << bad;
}

} // namespace
