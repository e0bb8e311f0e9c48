// The configuration file as the program reads and writes it whole, against the real
// private-profile functions: the same answers for odd files, the same bytes for the same
// changes, so that a file of an earlier version reads as before.
#include <gtest/gtest.h>

#include <algorithm>

#include "config/ConfigurationStore.h"
#include "config/IniFile.h"
#include "platform/win32/Win32Locks.h"
#include "platform/win32/Win32Platform.h"
#include "win32/Bench.h"

using namespace talvek;

namespace {

struct ConfigurationFile : ::testing::Test {
    void SetUp() override { TearDown(); }
    void TearDown() override {
        bench::removeAll(path);
        bench::removeAll(real);
        bench::removeAll(ConfigurationStore::newFileFor(path));
    }
    std::string path = bench::windowsDir() + "\\Talvek95-facade-test.ini";
    std::string real = bench::windowsDir() + "\\Talvek95-profile-test.ini";
    Win32FileSystem files;
    Win32Locks locks;
    ConfigurationStore profile{files, locks};
    TIniFile ini{profile, path};
};

TEST_F(ConfigurationFile, MissingFileReadsDefaultsAndIsCreatedByTheFirstWrite) {
    EXPECT_EQ(ini.ReadText("Einstellungen", "Recovery Directory", "C:\\Talvek95"), "C:\\Talvek95");
    EXPECT_EQ(ini.ReadNumber("Einstellungen", "AlleXTage", 1), 1);
    EXPECT_TRUE(ini.RemoveSection("Recovery Files").ok());
    EXPECT_FALSE(bench::exists(path));
    EXPECT_TRUE(ini.WriteList("Datensätze", {"06.12.97"}).ok());
    EXPECT_EQ(bench::readFile(path), "[Datens\xE4tze]\r\n0=06.12.97\r\n");
    EXPECT_FALSE(bench::exists(ConfigurationStore::newFileFor(path)));
}

TEST_F(ConfigurationFile, AWriteProtectedFileRaisesTheWriteErrorAndStaysWhole) {
    const std::string text = "[Einstellungen]\r\nAlleXTage=1\r\n";
    bench::writeFile(path, text);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string error = "nach " + path + " kann nicht geschrieben werden";
    EXPECT_EQ(ini.WriteNumber("Einstellungen", "AlleXTage", 2).text(), error);
    EXPECT_EQ(ini.RemoveSection("Einstellungen").text(), error);
    EXPECT_EQ(ini.WriteList("Einstellungen", {"x"}).text(), error);
    EXPECT_EQ(ini.ReadNumber("Einstellungen", "AlleXTage", 0), 1);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(bench::readFile(path), text);
    EXPECT_FALSE(bench::exists(ConfigurationStore::newFileFor(path)));
}

// A write cut by a reset leaves TALVEK95.NEU: complete once the old file is gone, else not.
TEST_F(ConfigurationFile, TheNextAccessFinishesOrDropsAWriteCutShort) {
    const std::string next = ConfigurationStore::newFileFor(path);
    bench::writeFile(next, "[A]\r\nk=new\r\n");
    EXPECT_EQ(ini.ReadText("A", "k", "none"), "new") << "renamed in place of the deleted file";
    EXPECT_FALSE(bench::exists(next));
    bench::writeFile(next, "[A]\r\nk=cu");
    EXPECT_EQ(ini.ReadText("A", "k", "none"), "new") << "a cut new file beside the old goes";
    EXPECT_FALSE(bench::exists(next));
}

std::string realRead(const std::string& file, const char* section, const char* key) {
    char value[TIniFile::kValueBuffer] = {};
    GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, file.c_str());
    return value;
}

std::vector<std::string> realSection(const std::string& file, const char* section) {
    std::vector<char> buffer(65536);
    DWORD got = GetPrivateProfileSectionA(section, buffer.data(), static_cast<DWORD>(buffer.size()),
                                          file.c_str());
    std::vector<std::string> lines;
    for (const char* p = buffer.data(); p < buffer.data() + got && *p; p += lines.back().size() + 1)
        lines.emplace_back(p);
    return lines;
}

TEST_F(ConfigurationFile, OddFilesReadAsTheProfileFunctionsReadThem) {
    const char* const texts[] = {
        "; a comment\r\nx=1\r\n[ S ]\r\n a = b \r\nnoeq\r\n\r\n;c=d\r\n[s]\r\nz=1\r\n"
        "[T]trail\r\nq='x'\r\nQ=second\r\n=e\r\n=f\r\n[U]",
        "[S]\na=lf only\n[T]\nq=no final line end",
        "x=before any section\r\n[S]\r\n  a  =  spaced value  \r\nA=dup\r\nz=\"quoted\"\r\n"
        "q=\"\r\n\t[T]\t\r\nq = ' both ' \r\n",
        "[Datens\xE4tze]\r\n0=06.12.97\r\n[DATENS\xC4TZE]\r\n1=x\r\n[S]\r\na==b=\r\n",
        "[S\r\na=not a header before\r\n[S]]\r\na=1\r\n",
        "",
    };
    const std::pair<const char*, const char*> queries[] = {
        {"S", "a"},
        {"s", "A"},
        {"S", "z"},
        {"S", "noeq"},
        {"S", ";c"},
        {"T", "q"},
        {"T", "Q"},
        {"", "x"},
        {"S", "q"},
        {"Datens\xE4tze", "1"},
        {"DATENS\xC4TZE", "0"},
        {"S]", "a"},
        {"U", "a"},
    };
    const char* const sections[] = {"S", "T", "U", "Datens\xE4tze", "S]", "none"};
    for (const char* text : texts) {
        bench::writeFile(path, text);
        bench::writeFile(real, text);
        for (const auto& q : queries)
            EXPECT_EQ(ini.ReadText(q.first, q.second, "<none>"), realRead(real, q.first, q.second))
                << "[" << q.first << "] " << q.second << " in:\n"
                << text;
        for (const char* section : sections) {
            std::vector<std::string> lines;
            profile.readSection(path, section, 0, lines);
            EXPECT_EQ(lines, realSection(real, section)) << "[" << section << "] in:\n" << text;
        }
    }
}

// The same changes through the profile functions and through the program leave the same bytes,
// from no file, from a file an earlier version of the program wrote and from an odd one.
TEST_F(ConfigurationFile, ChangesLeaveTheBytesTheProfileFunctionsLeave) {
    // A change with a key and a value writes it, with a key alone removes the key, with
    // neither removes the section; a value with "=" is a section's lines, split at "|".
    const struct {
        const char *section, *key, *value;
    } changes[] = {
        {"Einstellungen", "Aktiv", "1"},           {"Einstellungen", "Logname", "  A B "},
        {"Datens\xE4tze", "0", "06.12.97"},        {"datens\xC4tze", "0", "06.12.97"},
        {"Recovery Files", "", "0=C:\\A|1=C:\\B"}, {"Recovery Files", "0", nullptr},
        {"Einstellungen", nullptr, nullptr},
    };
    const std::string earlier = "[Einstellungen]\r\nmax. Anzahl der Datens\xE4tze=3\r\n"
                                "Recovery Directory=C:\\Talvek95\r\n[Recovery Files]\r\n"
                                "0=C:\\AUTOEXEC.BAT\r\n1=C:\\CONFIG.SYS\r\n"
                                "[Aktueller Datensatz]\r\nDatum=05.12.97\r\n";
    const std::string odd = "; kept\r\n[einstellungen]\r\n\r\nAktiv = 0\r\nnoeq\r\n[X]";
    for (const std::string& start : {std::string(), earlier, odd}) {
        SCOPED_TRACE("starting from:\n" + start);
        TearDown();
        if (!start.empty()) {
            bench::writeFile(path, start);
            bench::writeFile(real, start);
        }
        for (const auto& c : changes) {
            bool ours = false;
            if (c.key && !*c.key) {
                std::string lines = c.value, block = lines;
                std::replace(block.begin(), block.end(), '|', '\0');
                WritePrivateProfileSectionA(c.section, (block + '\0').c_str(), real.c_str());
                ours = profile.writeSection(
                    path, c.section,
                    {lines.substr(0, lines.find('|')), lines.substr(lines.find('|') + 1)});
            } else {
                WritePrivateProfileStringA(c.section, c.key, c.value, real.c_str());
                ours = !c.key     ? profile.removeSection(path, c.section)
                       : !c.value ? profile.removeKey(path, c.section, c.key)
                                  : profile.write(path, c.section, c.key, c.value);
            }
            EXPECT_TRUE(ours) << c.section;
            EXPECT_EQ(bench::readFile(path), bench::readFile(real))
                << "after [" << c.section << "] " << (c.key ? c.key : "") << "="
                << (c.value ? c.value : "");
        }
    }
}

// The list as key-by-key reading gives it: "0", "1", ... up to the first "ERROR".
std::vector<std::string> keyByKey(const std::string& path, const std::string& prefix, int first) {
    std::vector<std::string> entries;
    for (int i = first;; ++i) {
        std::string value = realRead(path, "L", (prefix + std::to_string(i)).c_str());
        if (value == "<none>" || value == "ERROR") return entries;
        entries.push_back(value);
    }
}

TEST_F(ConfigurationFile, ASectionReadGivesWhatKeyByKeyReadingGives) {
    std::string big; // beyond the 32,767 characters one section read of the platform returns
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
        const std::string text = "[A]\r\n0=other\r\n[L]\r\n" + c.body + "[B]\r\n5=z\r\n";
        bench::writeFile(path, text);
        bench::writeFile(real, text);
        EXPECT_EQ(ini.ReadList("L", c.prefix, c.first), keyByKey(real, c.prefix, c.first))
            << c.name;
    }
}

} // namespace
