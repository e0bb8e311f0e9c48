// The record set model: what a section says, what the page checks and compares against it.
#include "StepTestFixture.h"
#include "backup/Crc32.h"
#include "backup/RecordSetChecks.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

using RecordSetTest = StepTest;

TEST_F(RecordSetTest, ASectionReadsBackAsItWasWrittenWhateverItsGaps) {
    load("[04.12.97]\nDirectory=C:\\Talvek95\\041297\nDatum=04.12.97\nDatei0=C:\\HAND.TXT\n"
         "Datei1=C:\\A.TXT\nCRC1=0000ABCD\nAttr1=39\nDatei3=C:\\DOS\\B.TXT\nDatei12=..\n"
         "LogFile=PROTOCOL.TXT\nBehalten=1\n");
    TIniFile file(profile, kIni);
    RecordSet set = readRecordSet(file, "04.12.97");
    EXPECT_TRUE(set.exists);
    EXPECT_TRUE(set.kept);
    EXPECT_EQ(set.recFile, "");
    // "Datei0" is never written by a run: no copy of this set.
    ASSERT_EQ(set.copies.size(), 3u);
    EXPECT_EQ(set.copies[0].attributes, 39u);
    EXPECT_EQ(set.copies[1].attributes, attr::kInvalid);
    EXPECT_EQ(set.copies[1].number, 3);
    EXPECT_EQ(set.copyPath(set.copies[1]), "C:\\Talvek95\\041297\\B.TXT");
    EXPECT_EQ(set.copyPath(set.copies[2]), "") << "a name that leaves the directory";
    set.date = "05.12.97";
    set.copies.pop_back();
    EXPECT_TRUE(writeRecordSet(file, set).ok());
    EXPECT_EQ(ini().substr(ini().find("[05.12.97]")),
              "[05.12.97]\nDirectory=C:\\Talvek95\\041297\nDatum=04.12.97\nDatei1=C:\\A.TXT\n"
              "CRC1=0000ABCD\nAttr1=39\nDatei3=C:\\DOS\\B.TXT\nLogFile=PROTOCOL.TXT\n"
              "Behalten=1\n");
    EXPECT_FALSE(readRecordSet(file, "06.12.97").exists);
}

TEST_F(RecordSetTest, ChecksComparesAndKeepsTheCopiesOfASet) {
    files.addFile("C:\\A.TXT", "copy");
    addRecordSet("04.12.97", {"C:\\A.TXT", "C:\\B.TXT", "C:\\C.TXT", "C:\\D.TXT"});
    set("04.12.97", "CRC1", crcText(crc32("copy")));
    set("04.12.97", "CRC2", crcText(crc32("copy")));
    set("04.12.97", "CRC4", "zz");
    files.addFile("C:\\Talvek95\\041297\\B.TXT", "damaged", 0);
    files.deleteFile("C:\\Talvek95\\041297\\C.TXT");
    // Windows holds the copy's text of WIN.INI, newer than its disk.
    files.addFile("C:\\WINDOWS\\WIN.INI", "old");
    files.profileCache["c:\\windows\\win.ini"] = "copy";
    addRecordSet("05.12.97", {"C:\\A.TXT", "C:\\WINDOWS\\WIN.INI"});
    TIniFile ini(profile, kIni);
    EXPECT_EQ(checkRecordSet(files, readRecordSet(ini, "04.12.97")),
              (std::vector<std::string>{"Die Kopie C:\\Talvek95\\041297\\B.TXT ist besch\xE4"
                                        "digt.",
                                        "Die Kopie C:\\Talvek95\\041297\\C.TXT fehlt.",
                                        "Die Pr\xFC"
                                        "fsumme der Kopie C:\\Talvek95\\041297\\D.TXT "
                                        "ist unlesbar."}));
    auto states = [&](const char* date) {
        std::vector<std::string> texts;
        for (CopyState state : copyStates(files, readRecordSet(ini, date)))
            texts.push_back(copyStateText(state));
        return texts;
    };
    EXPECT_EQ(states("04.12.97"),
              (std::vector<std::string>{"unver\xE4ndert", "beschädigt", "Kopie fehlt",
                                        "Pr\xFC"
                                        "fsumme unlesbar"}));
    EXPECT_EQ(states("05.12.97").back(), "unver\xE4ndert");
    EXPECT_TRUE(keepRecordSet(ini, "04.12.97", true).ok());
    std::vector<RecordSetSummary> sets = listRecordSets(ini);
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0].date, "05.12.97") << "newest first";
    EXPECT_TRUE(sets[1].kept);
    EXPECT_EQ(sets[1].files, 4u);
    EXPECT_TRUE(keepRecordSet(ini, "04.12.97", false).ok());
    EXPECT_EQ(get("04.12.97", "Behalten"), "<none>");
}

} // namespace
