// Whole backup runs of the real talvek.exe on the Wine prefix's C: drive: what it leaves in
// the configuration file and the record set directories, and what the user sees.
#include <gtest/gtest.h>

#include <cstdlib>

#include "backup/Crc32.h"
#include "backup/PathRules.h"
#include "backup/Restore.h"
#include "config/ConfigurationStore.h"
#include "config/DateText.h"
#include "config/IniFile.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Locks.h"
#include "platform/win32/Win32Platform.h"
#include "ui/progress/Form1.h"
#include "win32/Bench.h"

using namespace talvek;

namespace {

const char* const kBackupDir = "C:\\Talvek95";
const DWORD kSysAttrs = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The ten system files of a first setup; the first five are made by the test on C:\, the
// two ini files are the prefix's own, the last three do not exist.
const char* const kSystemFiles[] = {
    "C:\\AUTOEXEC.BAT",
    "C:\\CONFIG.SYS",
    "C:\\IO.SYS",
    "C:\\COMMAND.COM",
    "C:\\MSDOS.SYS",
    "C:\\WINDOWS\\WIN.INI",
    "C:\\WINDOWS\\SYSTEM.INI",
    "C:\\WINDOWS\\PROTOCOL.INI",
    "C:\\WINDOWS\\SYSTEM.DAT",
    "C:\\WINDOWS\\USER.DAT",
};
const int kMadeFiles = 5;
const int kMissingFrom = 7;
const char* const kAside = ".talvek-test-aside";

Date today() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return Date{st.wYear, st.wMonth, st.wDay};
}

std::string dayText(int daysBack) {
    return formatDateText(addDays(today(), -daysBack));
}
std::string recordDir(int daysBack) {
    return std::string(kBackupDir) + "\\" + compactDateText(addDays(today(), -daysBack));
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) {
            lines.push_back(text.substr(at));
            break;
        }
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

// The configuration file as sections and keys: its non-empty lines.
std::vector<std::string> iniLines() {
    std::vector<std::string> lines;
    for (const std::string& l : splitLines(bench::readFile(bench::iniPath())))
        if (!l.empty()) lines.push_back(l);
    return lines;
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines)
        text += l + "\r\n";
    return text;
}

std::string attributeText(DWORD a) {
    std::string t;
    t += (a & FILE_ATTRIBUTE_READONLY) ? "+R " : "-R ";
    t += (a & FILE_ATTRIBUTE_ARCHIVE) ? "+A " : "-A ";
    t += (a & FILE_ATTRIBUTE_SYSTEM) ? "+S " : "-S ";
    t += (a & FILE_ATTRIBUTE_HIDDEN) ? "+H " : "-H ";
    return t;
}

const std::vector<std::string> kSettings = {
    "[Einstellungen]",
    "max. Anzahl der Datens\xE4tze=3",
    "Recovery Directory=C:\\Talvek95",
    "Batchfile=1",
    "Batchname=RECOVERY.BAT",
    "Logfile=1",
    "Logname=PROTOCOL.TXT",
    "AlleXTage=1",
    "Talvek-Version=1.1",
    "Aktiv=1",
    "firstrun=1",
};

struct BackupEndToEnd : ::testing::Test {
    void SetUp() override {
        bench::removeAll(bench::iniPath());
        bench::removeAll(journalPath());
        bench::removeAll(kBackupDir);
        // The files a first run must miss: stand-ins that `run.sh -s` made go aside meanwhile.
        for (int i = kMissingFrom; i < 10; ++i)
            MoveFileA(kSystemFiles[i], (std::string(kSystemFiles[i]) + kAside).c_str());
        for (int i = 0; i < kMadeFiles; ++i)
            madeByTest[i] = !bench::exists(kSystemFiles[i]);
        for (int i = 0; i < kMadeFiles; ++i) {
            if (!madeByTest[i]) continue;
            bench::writeFile(kSystemFiles[i], std::string("REM ") + kSystemFiles[i] + "\r\n");
            if (i == 2 || i == 4) {
                // Wine keeps hidden and system beside the file, which an ordinary user can no
                // longer do once the file is read-only: those two first.
                SetFileAttributesA(kSystemFiles[i], FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
                SetFileAttributesA(kSystemFiles[i], kSysAttrs);
            }
        }
    }
    void TearDown() override {
        process.kill();
        bench::removeAll(bench::iniPath());
        bench::removeAll(journalPath());
        bench::removeAll(kBackupDir);
        for (int i = 0; i < kMadeFiles; ++i)
            if (madeByTest[i]) bench::removeAll(kSystemFiles[i]);
        for (const std::string& extra : extras)
            bench::removeAll(extra);
        for (int i = kMissingFrom; i < 10; ++i)
            MoveFileA((std::string(kSystemFiles[i]) + kAside).c_str(), kSystemFiles[i]);
    }

    static std::string journalPath() { return bench::windowsDir() + "\\Talvek95.log"; }
    // The configuration of a first setup with "Datum" two days back.
    std::vector<std::string> setupConfiguration() {
        std::vector<std::string> lines = kSettings;
        lines.push_back("[Aktueller Datensatz]");
        lines.push_back("Datum=" + dayText(2));
        lines.push_back("[Recovery Files]");
        for (int i = 0; i < 10; ++i)
            lines.push_back(std::to_string(i) + "=" + kSystemFiles[i]);
        return lines;
    }

    HWND start() {
        process = bench::startTalvek("-s");
        return bench::waitForWindow(process.pid(), "TForm1", "Talvek 95", bench::kProgramTimeout);
    }
    // The details log as the window holds it.
    static std::string memoText(HWND form) {
        HWND memo = GetDlgItem(form, ui::TForm1::kMemo1);
        return memo ? bench::text(memo) : std::string();
    }
    // Confirms the box of a run with errors; the window must then wait for "&Ende".
    void expectErrorsBoxThenEnde(HWND form, const char* screenshot) {
        HWND box = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(bench::text(box), "Fehler sind aufgetreten!");
        EXPECT_EQ(bench::messageBoxText(box),
                  "W\xE4rend des aktuellen Talvek-Aufrufs kam es zu Fehlern !\n\r"
                  "Bitte informieren Sie sich \xFC"
                  "ber Details in diesem Fenster oder der Datei Protocol.txt !");
        bench::answerMessageBox(box, IDOK);
        bench::pump(1500);
        EXPECT_TRUE(process.running()) << "the window stays open after errors";
        shownLog = memoText(form);
        bench::screenshot(form, screenshot);
        bench::click(GetDlgItem(form, ui::TForm1::kEndeb));
        DWORD code = 99;
        ASSERT_TRUE(process.waitExit(bench::kProgramTimeout, &code));
        EXPECT_EQ(code, 0u);
    }

    bench::Process process;
    bool madeByTest[kMadeFiles] = {};
    std::vector<std::string> extras;
    std::string shownLog; // the details box's text when the run had ended
};

TEST_F(BackupEndToEnd, TheFirstDueRunAfterSetupThenASecondStartTheSameDay) {
    bench::writeFile(bench::iniPath(), crlf(setupConfiguration()));
    HWND form = start();
    ASSERT_NE(form, nullptr);
    expectErrorsBoxThenEnde(form, "backup-first-run");

    const std::string t = dayText(0), dir = recordDir(0);
    std::vector<std::string> expectedIni = setupConfiguration();
    expectedIni[12] = "Datum=" + t;
    expectedIni.push_back("[" + t + "]");
    expectedIni.push_back("Directory=" + dir);
    expectedIni.push_back("Datum=" + t);
    for (int i = 0; i < kMissingFrom; ++i) {
        expectedIni.push_back("Datei" + std::to_string(i + 1) + "=" + kSystemFiles[i]);
        expectedIni.push_back("CRC" + std::to_string(i + 1) + "=" +
                              crcText(crc32(bench::readFile(kSystemFiles[i]))));
        expectedIni.push_back("Attr" + std::to_string(i + 1) + "=" +
                              std::to_string(GetFileAttributesA(kSystemFiles[i]) & 0x27));
    }
    expectedIni.push_back("LogFile=PROTOCOL.TXT");
    expectedIni.push_back("RecFile=RECOVERY.BAT");
    expectedIni.push_back("[Datens\xE4tze]");
    expectedIni.push_back("0=" + t);
    EXPECT_EQ(iniLines(), expectedIni);

    // The copies, without attributes (Wine reports a file without any as archive).
    for (int i = 0; i < kMissingFrom; ++i) {
        std::string name =
            std::string(kSystemFiles[i]).substr(std::string(kSystemFiles[i]).rfind('\\') + 1);
        std::string copy = dir + "\\" + name;
        ASSERT_TRUE(bench::exists(copy)) << copy;
        EXPECT_EQ(GetFileAttributesA(copy.c_str()) & kSysAttrs, 0u) << copy;
        EXPECT_EQ(bench::readFile(copy), bench::readFile(kSystemFiles[i])) << copy;
    }
    EXPECT_EQ(GetFileAttributesA("C:\\MSDOS.SYS") & kSysAttrs, kSysAttrs)
        << "the source keeps them";

    std::vector<std::string> protocol = {
        "Talvek 95  -  Sicherung der Systemdateien bei jedem Windows-Start",
        "Datum: " + t,
        "Windows Verzeichnis: " + bench::windowsDir(),
        "Verzeichnis f\xFCr Datens\xE4tze: C:\\Talvek95",
        "Verzeichnis f\xFCr Datens\xE4tze erfolgreich erstellt.",
        "Heutiges Verzeichnis: " + dir,
        "Heutiges Verzeichnis erfolgreich erstellt.",
        "10 Datei(en) zu sichern.",
    };
    for (int i = 0; i < 10; ++i)
        protocol.push_back(std::string("Die Datei ") + kSystemFiles[i] +
                           (i < kMissingFrom ? " wurde erfolgreich gesichert."
                                             : " konnte nicht gesichert werden."));
    protocol.push_back("Die Datens\xE4tze wurden aktualisiert.");
    EXPECT_EQ(splitLines(bench::readFile(dir + "\\PROTOCOL.TXT")), protocol);

    std::vector<std::string> batch = {
        "@echo off",
        "ECHO .",
        "ECHO " + std::string(63, '*'),
        "ECHO **  Diese Datei wurde automatisch erstellt von Talvek 95  **",
        "ECHO **  Talvek 95 - Sicherung Ihrer Windows-Systemdateien        **",
        // In the OEM code page, as DOS reads it.
        "ECHO **  Vor dem \x9A"
        "berschreiben wird jeweils nachgefragt.       **",
        "ECHO **  DIESE DATEI NUR UNTER MS-DOS 7.0 (oder h\x94her) AUSF\x9AHREN! **",
        "ECHO " + std::string(63, '*'),
        "ECHO .",
        "ECHO Dieser Datensatz wurde am " + t + " erstellt.",
        "ECHO Dieser Datensatz wurde in " + dir + " gesichert.",
    };
    for (int i = 0; i < 10; ++i) {
        std::string entry = kSystemFiles[i];
        if (i >= kMissingFrom) {
            batch.insert(batch.end(), 3, "");
            continue;
        }
        batch.push_back("ATTRIB -R -A -S -H " + entry);
        batch.push_back("COPY /-Y " + dir + "\\" + entry.substr(entry.rfind('\\') + 1) + " " +
                        entry + " /V");
        batch.push_back("ATTRIB " + attributeText(GetFileAttributesA(entry.c_str())) + entry);
    }
    std::string batchText = bench::readFile(dir + "\\RECOVERY.BAT");
    EXPECT_EQ(splitLines(batchText), batch);
    EXPECT_EQ(batchText.substr(batchText.size() - 6), "\r\n\r\n\r\n") << "CR LF line ends";
    EXPECT_EQ(batch[17], "ATTRIB -R -A -S -H C:\\IO.SYS");

    // A second start the same day: not due, nothing changes, and it ends by itself.
    std::string iniBefore = bench::readFile(bench::iniPath());
    std::string protocolBefore = bench::readFile(dir + "\\PROTOCOL.TXT");
    form = start();
    ASSERT_NE(form, nullptr);
    // Its closing wait of three seconds shows the log.
    bench::waitUntil([&] { return memoText(form) == "Fertig." || !IsWindow(form); },
                     bench::kProgramTimeout);
    EXPECT_EQ(memoText(form), "Fertig.");
    bench::screenshot(form, "backup-not-due");
    DWORD code = 99;
    ASSERT_TRUE(process.waitExit(bench::kProgramTimeout, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(bench::readFile(bench::iniPath()), iniBefore);
    EXPECT_EQ(bench::readFile(dir + "\\PROTOCOL.TXT"), protocolBefore);
}

// Record sets of earlier days as earlier runs left them: directory, copies, protocol and
// batch, section and list entry.
struct Rotation : BackupEndToEnd {
    void addRecordSet(int daysBack, std::vector<std::string>& ini, std::vector<std::string>& list) {
        std::string dir = recordDir(daysBack);
        CreateDirectoryA(kBackupDir, nullptr);
        CreateDirectoryA(dir.c_str(), nullptr);
        for (const char* name : {"AUTOEXEC.BAT", "CONFIG.SYS", "PROTOCOL.TXT", "RECOVERY.BAT"})
            bench::writeFile(dir + "\\" + name, "old\r\n");
        ini.insert(ini.end(),
                   {"[" + dayText(daysBack) + "]", "Directory=" + dir, "Datum=" + dayText(daysBack),
                    "Datei1=C:\\AUTOEXEC.BAT", "Datei2=C:\\CONFIG.SYS", "LogFile=PROTOCOL.TXT",
                    "RecFile=RECOVERY.BAT"});
        list.push_back(std::to_string(list.size() - 1) + "=" + dayText(daysBack));
    }
    std::vector<std::string> baseConfiguration() {
        std::vector<std::string> ini = kSettings;
        ini.insert(ini.end(), {"Sekunden warten=0", "[Aktueller Datensatz]", "Datum=" + dayText(1),
                               "[Recovery Files]", "0=C:\\AUTOEXEC.BAT", "1=C:\\CONFIG.SYS"});
        return ini;
    }
};

TEST_F(Rotation, AFileInUseIsSavedAndTheMaximumThreeRemovesTheOldestRecordSet) {
    std::vector<std::string> ini = baseConfiguration(), list = {"[Datens\xE4tze]"};
    for (int back : {3, 2, 1})
        addRecordSet(back, ini, list);
    ini.insert(ini.end(), list.begin(), list.end());
    bench::writeFile(bench::iniPath(), crlf(ini));
    // Held open for writing by another program, as Windows holds its registry files: a reader
    // that does not share writing is refused.
    FileHandle inUse(CreateFileA("C:\\CONFIG.SYS", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                 nullptr));
    ASSERT_TRUE(inUse);

    // Without a closing wait the window may be gone before anyone sees it: the end tells.
    start();
    DWORD code = 99;
    ASSERT_TRUE(process.waitExit(bench::kProgramTimeout, &code))
        << "a run without errors ends by itself\n"
        << bench::readFile(journalPath());
    EXPECT_EQ(code, 0u);
    EXPECT_NE(bench::readFile(journalPath()).find(" ohne Fehler\r\n"), std::string::npos)
        << bench::readFile(journalPath());

    const std::string old = recordDir(3);
    std::vector<std::string> protocol =
        splitLines(bench::readFile(recordDir(0) + "\\PROTOCOL.TXT"));
    ASSERT_EQ(protocol.size(), 17u)
        << bench::readFile(recordDir(0) + "\\PROTOCOL.TXT") << bench::readFile(bench::iniPath());
    EXPECT_EQ(protocol[8], "Die Datei C:\\CONFIG.SYS wurde erfolgreich gesichert.");
    std::vector<std::string> removal(protocol.begin() + 9, protocol.end());
    EXPECT_EQ(removal, (std::vector<std::string>{
                           "L\xF6sche Datensatz vom: " + dayText(3),
                           "Verzeichnis :" + old,
                           " Die Datei " + old + "\\AUTOEXEC.BAT wurde gel\xF6scht.",
                           " Die Datei " + old + "\\CONFIG.SYS wurde gel\xF6scht.",
                           "Die Datei " + old + "\\PROTOCOL.TXT wurde gel\xF6scht",
                           "Die Datei " + old + "\\RECOVERY.BAT wurde gel\xF6scht",
                           "Das Verzeichnis " + old + " wurde gel\xF6scht !",
                           "Die Datens\xE4tze wurden aktualisiert.",
                       }));
    EXPECT_FALSE(bench::exists(old));
    for (int back : {2, 1})
        EXPECT_EQ(bench::readFile(recordDir(back) + "\\CONFIG.SYS"), "old\r\n") << back;

    std::vector<std::string> lines = iniLines();
    auto has = [&](const std::string& l) {
        return std::find(lines.begin(), lines.end(), l) != lines.end();
    };
    EXPECT_FALSE(has("[" + dayText(3) + "]"));
    EXPECT_TRUE(has("[" + dayText(2) + "]"));
    const std::string config = bench::readFile("C:\\CONFIG.SYS");
    EXPECT_TRUE(has("CRC2=" + crcText(crc32(config)))) << "the file in use, in today's section";
    EXPECT_EQ(bench::readFile(recordDir(0) + "\\CONFIG.SYS"), config);
    // The list is rewritten in place, in one access.
    auto at = std::find(lines.begin(), lines.end(), "[Datens\xE4tze]");
    ASSERT_LE(at + 4, lines.end());
    EXPECT_EQ(std::vector<std::string>(at, at + 4),
              (std::vector<std::string>{"[Datens\xE4tze]", "0=" + dayText(2), "1=" + dayText(1),
                                        "2=" + dayText(0)}));
}

TEST_F(Rotation, HandEditedBookkeepingDeletesNothingOutsideARecordSet) {
    // A decoy in the Windows directory and one on C:\ stand for what must never go.
    const std::string decoy = bench::windowsDir() + "\\TALVEKT.INI";
    const std::string rootDecoy = "C:\\TALVEKT.BAT";
    extras = {decoy, rootDecoy};
    bench::writeFile(decoy, "keep\r\n");
    bench::writeFile(rootDecoy, "keep\r\n");

    std::vector<std::string> ini = baseConfiguration();
    ini[1] = "max. Anzahl der Datens\xE4tze=1";
    std::vector<std::string> list = {"[Datens\xE4tze]"};
    ini.insert(ini.end(), {"[" + dayText(5) + "]", "Directory=" + bench::windowsDir(),
                           "Datum=" + dayText(5), "Datei1=" + decoy, "LogFile=TALVEKT.INI"});
    list.push_back("0=" + dayText(5));
    addRecordSet(4, ini, list);
    ini[ini.size() - 2] = "LogFile=..\\..\\AUTOEXEC.BAT";
    ini.back() = "RecFile=..\\..\\TALVEKT.BAT";
    const std::string autoexec = bench::readFile("C:\\AUTOEXEC.BAT");
    ini.insert(ini.end(), list.begin(), list.end());
    bench::writeFile(bench::iniPath(), crlf(ini));

    HWND form = start();
    ASSERT_NE(form, nullptr);
    expectErrorsBoxThenEnde(form, "backup-bad-bookkeeping");

    EXPECT_EQ(bench::readFile(decoy), "keep\r\n");
    EXPECT_EQ(bench::readFile(rootDecoy), "keep\r\n");
    EXPECT_EQ(bench::readFile("C:\\AUTOEXEC.BAT"), autoexec);
    EXPECT_NE(shownLog.find(" Die Datei " + recordDir(4) +
                            "\\..\\..\\AUTOEXEC.BAT wird nicht gel\xF6scht"),
              std::string::npos)
        << shownLog;
    EXPECT_TRUE(bench::exists(bench::windowsDir() + "\\win.ini"));
    const std::string refusedDir = "Das Verzeichnis " + bench::windowsDir() +
                                   " ist kein Datensatzverzeichnis und wird nicht gel\xF6scht !";
    const std::string refusedName = " Die Datei " + recordDir(4) +
                                    "\\..\\..\\TALVEKT.BAT wird nicht gel\xF6scht, da sie au\xDF"
                                    "erhalb des Datensatzes liegt.";
    EXPECT_NE(shownLog.find(refusedDir + "\r\n"), std::string::npos) << shownLog;
    EXPECT_NE(shownLog.find(refusedName + "\r\n"), std::string::npos) << shownLog;
    // The protocol holds the lines as the box shows them: the long one wrapped.
    std::string protocol = bench::readFile(recordDir(0) + "\\PROTOCOL.TXT");
    EXPECT_NE(protocol.find(refusedDir + "\r\n"), std::string::npos) << protocol;
    EXPECT_EQ(protocol.find(refusedName), std::string::npos) << protocol;
    std::string joined;
    for (const std::string& line : splitLines(protocol))
        joined += line;
    EXPECT_NE(joined.find(refusedName), std::string::npos) << protocol;
    // The copies of the second record set went; its batch stays, and with it the directory.
    EXPECT_FALSE(bench::exists(recordDir(4) + "\\AUTOEXEC.BAT"));
    EXPECT_TRUE(bench::exists(recordDir(4) + "\\RECOVERY.BAT"));
}

TEST_F(Rotation, AStartWhileAnotherRunHoldsItsMutexChangesNothing) {
    std::vector<std::string> ini = baseConfiguration(), list = {"[Datens\xE4tze]"};
    ini[11] = "Sekunden warten=3"; // its closing wait shows the log
    for (int back : {3, 2, 1})
        addRecordSet(back, ini, list);
    ini.insert(ini.end(), list.begin(), list.end());
    bench::writeFile(bench::iniPath(), crlf(ini));
    const std::string before = bench::readFile(bench::iniPath());
    // The test plays the run under way ("Jetzt sichern" or the autostart's).
    KernelHandle otherRun(CreateMutexA(nullptr, TRUE, "Talvek95 Sicherung"));
    HWND form = start();
    ASSERT_NE(form, nullptr);
    const std::string said = "Eine andere Sicherung läuft gerade; dieser Aufruf ändert nichts.";
    EXPECT_TRUE(bench::waitUntil([&] { return memoText(form) == said + "\r\nFertig."; },
                                 bench::kProgramTimeout))
        << memoText(form);
    bench::screenshot(form, "backup-other-run");
    ASSERT_TRUE(process.waitExit(bench::kProgramTimeout));
    EXPECT_EQ(bench::readFile(bench::iniPath()), before) << "the three sets stay, none is added";
    EXPECT_FALSE(bench::exists(recordDir(0)) || bench::exists(journalPath()));
}

// The size of a file as the directory lists it (the file is not opened), or -1.
long long listedSize(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(path.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return -1;
    FindClose(find);
    return static_cast<long long>(found.nFileSizeLow);
}

// A reset while the run writes the configuration, played by killing the process as soon as a
// write of it shows (the file changing size or a new file beside it), after a delay that moves
// through the run (TALVEK_KILLS kills, 8 unless set): the configuration is never empty, cut or
// without a registered set, and the next start finishes the day. Then two starts at once: one
// runs, the other changes nothing, and the maximum of three sets is kept.
TEST_F(Rotation, ARunKilledWhileItWritesAndTwoRunsAtOnceLoseNothing) {
    std::vector<std::string> ini = baseConfiguration(), list = {"[Datens\xE4tze]"};
    for (int back : {3, 2, 1})
        addRecordSet(back, ini, list);
    ini.insert(ini.end(), list.begin(), list.end());
    // Padding makes every write of the file long enough for a kill to fall into.
    ini.push_back("[Notizen]");
    for (int i = 0; i < 20000; ++i)
        ini.push_back("Notiz" + std::to_string(i) + "=" + std::string(40, 'n'));
    const std::string prepared = crlf(ini);
    const std::string next = ConfigurationStore::newFileFor(bench::iniPath());
    Win32FileSystem files;
    Win32Locks locks;
    ConfigurationStore store(files, locks);
    auto expectWhole = [&](const std::string& when) {
        TIniFile file(store, bench::iniPath());
        EXPECT_EQ(file.ReadText("Einstellungen", "Recovery Directory", ""), kBackupDir) << when;
        EXPECT_EQ(file.ReadList("Recovery Files").size(), 2u) << when;
        EXPECT_EQ(file.ReadText("Notizen", "Notiz19999", ""), std::string(40, 'n')) << when;
        std::vector<std::string> sets = file.ReadList("Datens\xE4tze");
        EXPECT_GE(sets.size(), 2u) << when;
        for (const std::string& date : sets)
            EXPECT_TRUE(bench::exists(file.ReadText(date, "Directory", "?"))) << when << date;
    };
    auto prepare = [&] {
        bench::removeAll(kBackupDir);
        std::vector<std::string> unused = ini, unusedList = list;
        for (int back : {3, 2, 1})
            addRecordSet(back, unused, unusedList);
        bench::removeAll(journalPath());
        bench::removeAll(next);
        bench::writeFile(bench::iniPath(), prepared);
    };
    prepare();
    double startedAt = bench::nowMs();
    start();
    ASSERT_TRUE(process.waitExit(bench::kProgramTimeout));
    const double runMs = bench::nowMs() - startedAt;
    const char* wanted = std::getenv("TALVEK_KILLS");
    const int kills = wanted && *wanted ? std::atoi(wanted) : 8;
    int inWrite = 0;
    for (int i = 0; i < kills; ++i) {
        const DWORD delay = static_cast<DWORD>(runMs * i / kills);
        SCOPED_TRACE("killed at a write after " + std::to_string(delay) + " of " +
                     std::to_string(static_cast<int>(runMs)) + " ms");
        prepare();
        const long long size = listedSize(bench::iniPath());
        process = bench::startTalvek("-s");
        Sleep(delay);
        while (process.running() && listedSize(bench::iniPath()) == size && !bench::exists(next))
            ;
        process.kill();
        inWrite += listedSize(bench::iniPath()) != size || bench::exists(next) ? 1 : 0;
        expectWhole("after the kill");
        start();
        ASSERT_TRUE(process.waitExit(bench::kProgramTimeout));
        expectWhole("after the next start");
        EXPECT_EQ(TIniFile(store, bench::iniPath()).ReadList("Datens\xE4tze"),
                  (std::vector<std::string>{dayText(2), dayText(1), dayText(0)}));
    }
    EXPECT_GT(inWrite, 0) << "no kill fell into a write";

    prepare();
    bench::Process first = bench::startTalvek("-s"), second = bench::startTalvek("-s");
    ASSERT_TRUE(first.waitExit(bench::kProgramTimeout) && second.waitExit(bench::kProgramTimeout));
    expectWhole("after two runs at once");
    EXPECT_EQ(TIniFile(store, bench::iniPath()).ReadList("Datens\xE4tze"),
              (std::vector<std::string>{dayText(2), dayText(1), dayText(0)}));
}

// A run that cannot start shows why in a box, stays open until "Ende" and changes nothing.
TEST_F(BackupEndToEnd, AnErrorAtTheStartIsShownAndChangesNothing) {
    const struct {
        const char* what;
        const char* dateLine;
        bool readOnly;
        std::string box, memo;
    } cases[] = {
        {"backup-unreadable-date", "Datum=31.02.97", false,
         "'31.02.97' ist kein g\xFCltiges Datum.", "'31.02.97' ist kein g\xFCltiges Datum"},
        {"backup-write-protected", nullptr, true,
         "nach " + bench::windowsDir() + "\\Talvek95.ini kann nicht geschrieben werden.", ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> config = setupConfiguration();
        if (c.dateLine) config[12] = c.dateLine;
        bench::writeFile(bench::iniPath(), crlf(config));
        if (c.readOnly) SetFileAttributesA(bench::iniPath().c_str(), FILE_ATTRIBUTE_READONLY);
        const std::string before = bench::readFile(bench::iniPath());
        HWND form = start();
        ASSERT_NE(form, nullptr) << c.what;
        HWND box = bench::waitForMessageBox(process.pid(), bench::kProgramTimeout);
        ASSERT_NE(box, nullptr) << c.what;
        EXPECT_EQ(bench::text(box), "Talvek 95") << c.what;
        EXPECT_EQ(bench::messageBoxText(box), c.box) << c.what;
        bench::screenshot(box, c.what);
        bench::answerMessageBox(box, IDOK);
        bench::pump(1500);
        EXPECT_TRUE(process.running()) << c.what;
        if (!c.memo.empty()) {
            EXPECT_EQ(memoText(form), c.memo) << c.what;
        }
        bench::click(GetDlgItem(form, ui::TForm1::kEndeb));
        ASSERT_TRUE(process.waitExit(bench::kProgramTimeout)) << c.what;
        SetFileAttributesA(bench::iniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(bench::readFile(bench::iniPath()), before) << c.what;
        EXPECT_FALSE(bench::exists(kBackupDir)) << c.what << ": the run ended before any directory";
    }
}

TEST_F(BackupEndToEnd, AMissingBackupDriveLeavesItsReasonInTheJournal) {
    std::vector<std::string> config = setupConfiguration();
    config[2] = "Recovery Directory=Q:\\Talvek95";
    config.resize(16); // AUTOEXEC.BAT and CONFIG.SYS
    bench::writeFile(bench::iniPath(), crlf(config));
    bench::writeFile(journalPath(), "earlier\r\n\r\n");
    HWND form = start();
    ASSERT_NE(form, nullptr);
    expectErrorsBoxThenEnde(form, "backup-missing-drive");

    std::vector<std::string> journal = splitLines(bench::readFile(journalPath()));
    ASSERT_EQ(journal.size(), 9u) << bench::readFile(journalPath());
    EXPECT_EQ(journal[0], "earlier") << "earlier blocks stay";
    EXPECT_EQ(journal[2].substr(0, 9), dayText(0) + " ");
    EXPECT_EQ(journal[2].substr(14), " mit Fehlern");
    EXPECT_EQ(std::vector<std::string>(journal.begin() + 3, journal.end()),
              (std::vector<std::string>{
                  "Verzeichnis f\xFCr Datens\xE4tze: Q:\\Talvek95",
                  "Das Verzeichnis f\xFCr die Datens\xE4tze konnte nicht erstellt werden!",
                  "Das Verzeichnis f\xFCr den heutigen Datensatz konnte nicht erstellt werden!",
                  "Die Datei C:\\AUTOEXEC.BAT konnte nicht gesichert werden.",
                  "Die Datei C:\\CONFIG.SYS konnte nicht gesichert werden.", ""}));
    EXPECT_NE(shownLog.find("Das Verzeichnis f\xFCr die Datens\xE4tze konnte nicht erstellt"),
              std::string::npos)
        << "the details log has what the status line showed";
}

} // namespace

namespace {

std::string shortPathOf(const std::string& path) {
    char buffer[MAX_PATH] = {};
    DWORD got = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return got > 0 && got < MAX_PATH ? std::string(buffer, got) : std::string();
}

// A path as the batch should name it: short, with each "%" doubled.
std::string batchPathOf(const std::string& path) {
    std::string dos = isShortPath(path) ? path : shortPathOf(path), text;
    for (char c : dos)
        text += c == '%' ? std::string("%%") : std::string(1, c);
    return text;
}

// Runs a batch with the platform's cmd, output into `logPath` (a pipe would wait for the helper
// processes Wine starts), and answers each overwrite prompt with its first choice, one at a
// time: at a prompt Wine's cmd takes everything waiting on standard input, and at the end of
// the input it asks again forever. Returns the number of prompts answered.
int runBatchAnsweringYes(const std::string& batch, const std::string& logPath) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE log = CreateFileA(logPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, CREATE_ALWAYS, 0, nullptr);
    HANDLE input = nullptr, answers = nullptr;
    if (log == INVALID_HANDLE_VALUE || !CreatePipe(&input, &answers, &inherit, 0)) return -1;
    SetHandleInformation(answers, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = input;
    si.hStdOutput = log;
    si.hStdError = log;
    std::string line = "cmd.exe /c " + batch;
    PROCESS_INFORMATION pi{};
    BOOL started =
        CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, "C:\\", &si, &pi);
    CloseHandle(input);
    CloseHandle(log);
    int answered = 0;
    if (started) {
        CloseHandle(pi.hThread);
        bench::Process cmd(pi.hProcess, pi.dwProcessId);
        DWORD begin = GetTickCount();
        while (!cmd.waitExit(100)) {
            if (GetTickCount() - begin > bench::kProgramTimeout) {
                cmd.kill();
                break;
            }
            // A prompt ends "? (Yes|No)", in the language of the prefix.
            std::string shown = bench::readFile(logPath);
            int prompts = 0;
            char choice = 'Y';
            for (std::size_t at = shown.find("? (");
                 at != std::string::npos && at + 3 < shown.size(); at = shown.find("? (", at + 3)) {
                ++prompts;
                choice = shown[at + 3];
            }
            if (prompts > answered) {
                std::string answer = std::string(1, choice) + "\r\n";
                DWORD written = 0;
                WriteFile(answers, answer.data(), static_cast<DWORD>(answer.size()), &written,
                          nullptr);
                ++answered;
            }
        }
    }
    CloseHandle(answers);
    return answered;
}

TEST_F(BackupEndToEnd, TheRecoveryBatchRestoresEveryFileUnderCmd) {
    const std::string folder = "C:\\Talvek Langer Ordner", umlauts = "C:\\\xDC"
                                                                     "bung";
    extras = {folder, umlauts};
    CreateDirectoryA(folder.c_str(), nullptr);
    CreateDirectoryA(umlauts.c_str(), nullptr);
    struct Entry {
        std::string path;
        bool deleted; // else changed; a long name comes back only over its file
    };
    const std::vector<Entry> entries = {
        {"C:\\CONFIG.SYS", false},
        {folder + "\\Eine lange Datei.ini", false},
        {umlauts + "\\Gr\xF6\xDF"
                   "e.ini",
         false},
        {umlauts + "\\M\xE4\xDF"
                   "ig.ini",
         true},
        {umlauts + "\\100%.INI", true},
    };
    std::vector<std::string> config = kSettings, originals;
    config.insert(config.end(), {"Sekunden warten=0", "[Aktueller Datensatz]",
                                 "Datum=" + dayText(1), "[Recovery Files]"});
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& path = entries[i].path;
        if (i > 0) bench::writeFile(path, "[" + path + "]\r\n");
        originals.push_back(bench::readFile(path));
        config.push_back(std::to_string(i) + "=" + path);
    }
    bench::writeFile(bench::iniPath(), crlf(config));
    start();
    ASSERT_TRUE(process.waitExit(bench::kProgramTimeout)) << "a run without errors ends by itself";

    const std::string dir = recordDir(0);
    const std::string batchFile = dir + "\\RECOVERY.BAT";
    std::string batchText = bench::readFile(batchFile);
    // DOS reads the batch in its OEM code page: "\xE4\xDF" is 84 E1 there.
    EXPECT_NE(batchText.find("M\x84\xE1ig.ini"), std::string::npos) << batchText;
    EXPECT_EQ(batchText.find('\xE4'), std::string::npos) << batchText;
    OemToCharBuffA(&batchText[0], &batchText[0], static_cast<DWORD>(batchText.size()));
    std::vector<std::string> batch = splitLines(batchText);
    ASSERT_EQ(batch.size(), 11 + 3 * entries.size()) << batchText;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& path = entries[i].path;
        std::string target = batchPathOf(path);
        std::string copy = batchPathOf(dir + "\\" + path.substr(path.rfind('\\') + 1));
        EXPECT_TRUE(isShortPath(target) && isShortPath(copy)) << target << " " << copy;
        EXPECT_EQ(batch[11 + 3 * i], "ATTRIB -R -A -S -H " + target);
        EXPECT_EQ(batch[12 + 3 * i], "COPY /-Y " + copy + " " + target + " /V");
        EXPECT_EQ(batch[13 + 3 * i],
                  "ATTRIB " + attributeText(GetFileAttributesA(path.c_str())) + target);
    }
    EXPECT_EQ(batch[24], "COPY /-Y " + dir + "\\100%%.INI " + umlauts + "\\100%%.INI /V");
    // The log and the bookkeeping keep the long names.
    std::string protocol = bench::readFile(dir + "\\PROTOCOL.TXT");
    EXPECT_NE(protocol.find("Die Datei " + entries[1].path + " wurde erfolgreich gesichert."),
              std::string::npos)
        << protocol;

    int changed = 0;
    for (const Entry& e : entries) {
        if (e.deleted) {
            DeleteFileA(e.path.c_str());
        } else {
            bench::writeFile(e.path, "changed\r\n");
            ++changed;
        }
    }
    const std::string log = std::string(kBackupDir) + "\\restore.log";
    EXPECT_EQ(runBatchAnsweringYes(batchFile, log), changed) << bench::readFile(log);
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(bench::readFile(entries[i].path), originals[i]) << entries[i].path << "\n"
                                                                  << bench::readFile(log);
}

// Every user's registry: the Windows directory's USER.DAT and a profile's are both saved (the
// second in a folder of its own), check out whole, are only reported from Windows, which holds
// them, and come back byte for byte under cmd; an old set goes with its copies' folder.
TEST_F(BackupEndToEnd, EveryUsersRegistryIsSavedCheckedRotatedAndRestoredUnderCmd) {
    const std::string windows = bench::windowsDir(), profiles = windows + "\\Profiles";
    const std::string dats[] = {windows + "\\USER.DAT", profiles + "\\Anna\\USER.DAT"};
    extras = {dats[0], dats[1]};
    if (CreateDirectoryA(profiles.c_str(), nullptr)) extras.push_back(profiles);
    CreateDirectoryA((profiles + "\\Anna").c_str(), nullptr);
    const std::string old = recordDir(3), dir = recordDir(0), date = dayText(3);
    for (const std::string& folder : {std::string(kBackupDir), old, old + "\\DATEI2"})
        CreateDirectoryA(folder.c_str(), nullptr);
    std::vector<std::string> config = kSettings;
    config[1] = "max. Anzahl der Datens\xE4tze=1";
    config.insert(config.end(),
                  {"Sekunden warten=0", "[Aktueller Datensatz]", "Datum=" + date,
                   "[Recovery Files]", "0=" + dats[0], "1=" + dats[1], "[Datens\xE4tze]",
                   "0=" + date, "[" + date + "]", "Directory=" + old, "Datum=" + date,
                   "Datei1=" + dats[0], "Datei2=" + dats[1], "Kopie2=DATEI2\\USER.DAT"});
    for (const std::string& file :
         {dats[0], dats[1], old + "\\USER.DAT", old + "\\DATEI2\\USER.DAT"})
        bench::writeFile(file, "registry of " + file + "\r\n");
    bench::writeFile(bench::iniPath(), crlf(config));
    start();
    ASSERT_TRUE(process.waitExit(bench::kProgramTimeout)) << bench::readFile(journalPath());
    EXPECT_FALSE(bench::exists(old)) << bench::readFile(dir + "\\PROTOCOL.TXT");

    Win32FileSystem files;
    Win32Locks locks;
    ConfigurationStore store(files, locks);
    TIniFile ini(store, bench::iniPath());
    const RecordSet set = readRecordSet(ini, dayText(0));
    EXPECT_EQ(set.copyPath(set.copies.at(1)), dir + "\\DATEI2\\USER.DAT");
    EXPECT_EQ(checkRecordSet(files, set), std::vector<std::string>{});
    Restore restore{files, ini, windows, Win32Clock().now(), {}, {}};
    for (const std::string& dat : dats)
        bench::writeFile(dat, "changed\r\n");
    ASSERT_TRUE(restoreCopies(restore, set).ok());
    ASSERT_EQ(restore.failures.size(), 2u);
    for (const std::string& line : restore.failures)
        EXPECT_NE(line.find(" ist in Benutzung und kann nur unter MS-DOS"), std::string::npos);
    const std::string log = std::string(kBackupDir) + "\\restore.log";
    EXPECT_EQ(runBatchAnsweringYes(dir + "\\RECOVERY.BAT", log), 2) << bench::readFile(log);
    for (const std::string& dat : dats)
        EXPECT_EQ(bench::readFile(dat), "registry of " + dat + "\r\n") << bench::readFile(log);
}

} // namespace
