// The cost of a due backup run of the real talvek.exe with 999 listed files of 4 KiB and 50
// registered record sets, against its floor: a small GUI program that opens a window and makes
// the same 999 copies with their attribute calls; and of a run that finds nothing due, against
// a program that shows an empty window. Both pairs alternate, best of several runs. Then the
// same due run's steps in this process without a window, to show where the time goes. Not a
// test that passes or fails on timing: scripts/bench_backup.sh runs it and prints the figures.
// A second one measures the peak memory of a due run from outside it, with ten small files and
// with one file of 256 MB added.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "backup/Steps.h"
#include "config/ConfigurationStore.h"
#include "config/DateText.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32Locks.h"
#include "platform/win32/Win32Platform.h"
#include "win32/Bench.h"

using namespace talvek;

namespace {

// Short names, as the system files have: no GetShortPathNameA in the restore lines.
const char* const kRoot = "C:\\TALVBNCH";
const int kFiles = 999;
const int kRecordSets = 50;
const int kFilesPerOldSet = 10;

using bench::nowMs;

std::string sourcePath(int i) {
    return std::string(kRoot) + "\\src\\F" + std::to_string(i) + ".DAT";
}

std::vector<std::string> sourcePaths(int n) {
    std::vector<std::string> paths;
    for (int i = 0; i < n; ++i)
        paths.push_back(sourcePath(i));
    return paths;
}

Date today() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return Date{st.wYear, st.wMonth, st.wDay};
}

// The configuration of a due run over the files, with that many record sets of earlier days
// (oldest first) with their directories and as many as the maximum, so the run also removes
// the oldest one; the timing runs have 999 files and 50 sets.
void prepareConfiguration(const std::vector<std::string>& sources = sourcePaths(kFiles),
                          int recordSets = kRecordSets, int waitSeconds = 0) {
    std::string backup = std::string(kRoot) + "\\backup";
    CreateDirectoryA(backup.c_str(), nullptr);
    std::string ini = "[Einstellungen]\r\nmax. Anzahl der Datens\xE4tze=" +
                      std::to_string(std::max(recordSets, 1)) + "\r\nRecovery Directory=" + backup +
                      "\r\nBatchfile=1\r\nBatchname=RECOVERY.BAT\r\nLogfile=1\r\n"
                      "Logname=PROTOCOL.TXT\r\nAlleXTage=1\r\nSekunden warten=" +
                      std::to_string(waitSeconds) +
                      "\r\n[Aktueller Datensatz]\r\nDatum=" + formatDateText(addDays(today(), -1)) +
                      "\r\n[Recovery Files]\r\n";
    for (std::size_t i = 0; i < sources.size(); ++i)
        ini += std::to_string(i) + "=" + sources[i] + "\r\n";
    std::string list = "[Datens\xE4tze]\r\n";
    for (int n = 0; n < recordSets; ++n) {
        Date day = addDays(today(), -(recordSets - n));
        std::string dir = backup + "\\" + compactDateText(day);
        CreateDirectoryA(dir.c_str(), nullptr);
        ini += "[" + formatDateText(day) + "]\r\nDirectory=" + dir +
               "\r\nDatum=" + formatDateText(day) + "\r\n";
        for (int i = 0; i < kFilesPerOldSet; ++i) {
            bench::writeFile(dir + "\\F" + std::to_string(i) + ".DAT", "old");
            ini += "Datei" + std::to_string(i + 1) + "=" + sources[i] + "\r\n";
        }
        bench::writeFile(dir + "\\PROTOCOL.TXT", "old");
        bench::writeFile(dir + "\\RECOVERY.BAT", "old");
        ini += "LogFile=PROTOCOL.TXT\r\nRecFile=RECOVERY.BAT\r\n";
        list += std::to_string(n) + "=" + formatDateText(day) + "\r\n";
    }
    bench::writeFile(bench::iniPath(), ini + list);
}

// A view without a window: the engine's own cost.
struct NullView : ProgressView {
    std::vector<std::string> log;
    void markStep(int, StepMark) override {}
    void setStatus(const std::string&, StatusColor) override {}
    void addLogLine(const std::string& text) override { log.push_back(text); }
    std::vector<std::string> wrappedAsShown(const std::vector<std::string>& lines) override {
        return lines;
    }
    void showMessageBox(const std::string&, const std::string&) override {}
    void repaintNow() override {}
    void processPendingMessages(unsigned) override {}
    void quit() override {}
};

// Time spent in each kind of platform call, by decorating the real platform.
struct Timer {
    double ms = 0;
    int calls = 0;
};
struct Timed {
    explicit Timed(Timer& t) : timer(t), start(nowMs()) {}
    ~Timed() {
        timer.ms += nowMs() - start;
        ++timer.calls;
    }
    Timer& timer;
    double start;
};

struct TimedProfile : ProfileStore {
    Win32FileSystem realFiles;
    Win32Locks locks;
    ConfigurationStore real{realFiles, locks};
    Timer reads, writes, removals;
    std::string read(const std::string& f, const std::string& s, const std::string& k,
                     const std::string& d, std::size_t n) override {
        Timed t(reads);
        return real.read(f, s, k, d, n);
    }
    bool write(const std::string& f, const std::string& s, const std::string& k,
               const std::string& v) override {
        Timed t(writes);
        return real.write(f, s, k, v);
    }
    bool removeSection(const std::string& f, const std::string& s) override {
        Timed t(removals);
        return real.removeSection(f, s);
    }
    bool removeKey(const std::string& f, const std::string& s, const std::string& k) override {
        return real.removeKey(f, s, k);
    }
    bool hasSection(const std::string& f, const std::string& s) override {
        return real.hasSection(f, s);
    }
    bool readSection(const std::string& f, const std::string& s, std::size_t n,
                     std::vector<std::string>& lines) override {
        Timed t(reads);
        return real.readSection(f, s, n, lines);
    }
    bool writeSection(const std::string& f, const std::string& s,
                      const std::vector<std::string>& lines) override {
        Timed t(writes);
        return real.writeSection(f, s, lines);
    }
};

struct TimedFiles : Win32FileSystem {
    Timer opens, attributeCalls, shortPaths, deletes, writes;
    std::unique_ptr<FileWriter> createNew(const std::string& p) override {
        Timed t(opens);
        return Win32FileSystem::createNew(p);
    }
    std::uint32_t attributes(const std::string& p) override {
        Timed t(attributeCalls);
        return Win32FileSystem::attributes(p);
    }
    bool setAttributes(const std::string& p, std::uint32_t a) override {
        Timed t(attributeCalls);
        return Win32FileSystem::setAttributes(p, a);
    }
    std::string shortPath(const std::string& p) override {
        Timed t(shortPaths);
        return Win32FileSystem::shortPath(p);
    }
    bool deleteFile(const std::string& p) override {
        Timed t(deletes);
        return Win32FileSystem::deleteFile(p);
    }
    bool writeTextFile(const std::string& p, const std::vector<std::string>& l,
                       CodePage c) override {
        Timed t(writes);
        return Win32FileSystem::writeTextFile(p, l, c);
    }
};

// The 999 copies alone, in this process: how much of the floor is the copying itself.
double copyLoopMs() {
    const std::string base = std::string(kRoot) + "\\base";
    bench::removeAll(base);
    CreateDirectoryA(base.c_str(), nullptr);
    double start = nowMs();
    int copied = 0;
    for (int i = 0; i < kFiles; ++i) {
        std::string to = base + "\\F" + std::to_string(i) + ".DAT";
        copied += CopyFileA(sourcePath(i).c_str(), to.c_str(), TRUE) ? 1 : 0;
    }
    double ms = nowMs() - start;
    EXPECT_EQ(copied, kFiles);
    return ms;
}

// Wall time of a program run from its start to its end; negative when it did not end.
double timedProgram(const std::string& exe, const std::string& args, DWORD* exitCode) {
    double start = nowMs();
    bench::Process p = bench::startProgram(exe, args);
    if (!p.waitExit(600000, exitCode)) return -1;
    return nowMs() - start;
}

struct Best {
    double ms = 0;
    void add(double sample) {
        if (sample > 0 && (ms == 0 || sample < ms)) ms = sample;
    }
};

void writeNotDueConfiguration() {
    bench::writeFile(bench::iniPath(), "[Einstellungen]\r\nSekunden warten=0\r\n"
                                       "[Aktueller Datensatz]\r\nDatum=" +
                                           formatDateText(today()) + "\r\n");
}

TEST(BackupBench, DISABLED_DueRunAgainstCopyBaseline) {
    bench::removeAll(kRoot);
    bench::removeAll(bench::iniPath());
    CreateDirectoryA(kRoot, nullptr);
    CreateDirectoryA((std::string(kRoot) + "\\src").c_str(), nullptr);
    const std::string block(4096, 'x');
    for (int i = 0; i < kFiles; ++i)
        bench::writeFile(sourcePath(i), block);
    const double loopMs = copyLoopMs();

    // Each program against its floor, alternating, so that both meet the same state of the
    // machine; the best of each counts.
    const int runs = bench::benchRuns(3);
    const std::string base = std::string(kRoot) + "\\base";
    const std::string copyArgs =
        "copy " + std::string(kRoot) + "\\src " + base + " " + std::to_string(kFiles);
    Best emptyFloor, notDue, copyFloor, due;
    for (int r = 0; r < runs; ++r) {
        DWORD code = 99;
        emptyFloor.add(timedProgram(bench::floorPath(), "show", &code));
        EXPECT_EQ(code, 0u) << "the empty-window floor";
        writeNotDueConfiguration();
        notDue.add(timedProgram(bench::talvekPath(), "-s", &code));
        EXPECT_EQ(code, 0u) << "the run that is not due";

        bench::removeAll(base);
        CreateDirectoryA(base.c_str(), nullptr);
        copyFloor.add(timedProgram(bench::floorPath(), copyArgs, &code));
        EXPECT_EQ(code, 0u) << "the copying floor made every copy";
        bench::removeAll(std::string(kRoot) + "\\backup");
        prepareConfiguration();
        due.add(timedProgram(bench::talvekPath(), "-s", &code));
        EXPECT_EQ(code, 0u) << "the due run";
        std::string protocol = bench::readFile(std::string(kRoot) + "\\backup\\" +
                                               compactDateText(today()) + "\\PROTOCOL.TXT");
        EXPECT_NE(protocol.find("999 Datei(en) zu sichern."), std::string::npos);
        EXPECT_NE(protocol.find("wurde gel\xF6scht !"), std::string::npos)
            << "one record set removed";
        EXPECT_EQ(protocol.find("konnte nicht"), std::string::npos);
    }
    ASSERT_GT(due.ms, 0) << "the due run did not end";

    // The same run once more, step by step in this process, without the window.
    bench::removeAll(std::string(kRoot) + "\\backup");
    prepareConfiguration();
    TimedFiles files;
    TimedProfile profile;
    Win32Clock clock;
    Win32Locks locks;
    NullView view;
    RunContext run(view, RunPlatform{files, profile, clock, locks});
    double stepMs[6];
    stepMs[0] = nowMs();
    SettingsOutcome outcome = SettingsOutcome::NotDue;
    ASSERT_TRUE(loadSettings(run, outcome).ok());
    ASSERT_EQ(outcome, SettingsOutcome::Due);
    addHeaderLines(run);
    stepMs[1] = nowMs();
    createDirectories(run);
    stepMs[2] = nowMs();
    ASSERT_TRUE(backupFiles(run).ok());
    stepMs[3] = nowMs();
    ASSERT_TRUE(removeOldRecordSets(run).ok());
    stepMs[4] = nowMs();
    ASSERT_TRUE(writeProtocolAndBatch(run).ok());
    stepMs[5] = nowMs();
    EXPECT_FALSE(run.runError || run.stepFailed) << run.errorText;
    const double engineMs = stepMs[5] - stepMs[0];

    run.ini.reset();

    std::printf("backup bench: 999 files of 4 KiB, 50 registered record sets (maximum 50), "
                "best of %d alternating runs\n",
                runs);
    std::printf("  floor, empty window shown and closed:        %7.0f ms\n", emptyFloor.ms);
    std::printf("  talvek.exe -s, not due (start to end):       %7.0f ms\n", notDue.ms);
    std::printf("  ratio not due / empty-window floor:          %7.2f   (target at most 1.15)\n",
                notDue.ms / emptyFloor.ms);
    std::printf("  floor, window + 999 copies and attributes:   %7.0f ms\n", copyFloor.ms);
    std::printf("  talvek.exe -s, due run (start to end):       %7.0f ms\n", due.ms);
    std::printf("  ratio due run / copying floor:               %7.2f   (target at most 1.30)\n",
                due.ms / copyFloor.ms);
    std::printf("  999 CopyFileA alone, in a loop:              %7.0f ms\n", loopMs);
    std::printf("  the due run's shares of its %.0f ms:\n", due.ms);
    std::printf("    %-40s %7.0f ms %5.1f %%\n", "the copying floor", copyFloor.ms,
                100 * copyFloor.ms / due.ms);
    std::printf("    %-40s %7.0f ms %5.1f %%\n", "our own (run - floor)", due.ms - copyFloor.ms,
                100 * (due.ms - copyFloor.ms) / due.ms);
    std::printf("  the same run in-process, no window:          %7.0f ms\n", engineMs);
    const char* names[] = {"settings", "directories", "file backup", "removal", "protocol+batch"};
    for (int i = 0; i < 5; ++i)
        std::printf("    step %d %-15s %7.0f ms %5.1f %%\n", i + 1, names[i],
                    stepMs[i + 1] - stepMs[i], 100 * (stepMs[i + 1] - stepMs[i]) / engineMs);
    auto show = [](const char* what, const Timer& t) {
        std::printf("    %-30s %5d calls %7.0f ms\n", what, t.calls, t.ms);
    };
    std::printf("  platform calls of the in-process run:\n");
    show("CreateFileA of the copies", files.opens);
    show("Get/SetFileAttributesA", files.attributeCalls);
    show("GetShortPathNameA", files.shortPaths);
    show("DeleteFileA", files.deletes);
    show("text files", files.writes);
    show("configuration reads", profile.reads);
    show("configuration writes", profile.writes);
    show("configuration section removals", profile.removals);
    std::printf("  configuration accesses of the in-process run: %5d\n",
                profile.reads.calls + profile.writes.calls + profile.removals.calls);

    bench::removeAll(kRoot);
    bench::removeAll(bench::iniPath());
}

// Under Wine a Windows process is a Linux process, and Linux keeps its peak resident memory as
// VmHWM in /proc/<pid>/status, which Wine's drive Z: shows. Wine gives the process the Windows
// command line, so the program's path as its first argument finds it. Empty while none runs.
std::string linuxProcessFolder(const std::string& exe) {
    WIN32_FIND_DATAA found;
    FindHandle find(FindFirstFileA("Z:\\proc\\*", &found));
    if (!find) return std::string();
    do {
        if (found.cFileName[0] < '1' || found.cFileName[0] > '9') continue;
        const std::string folder = std::string("Z:\\proc\\") + found.cFileName;
        const std::string command = bench::readFile(folder + "\\cmdline");
        if (lstrcmpiA(command.c_str(), exe.c_str()) == 0) return folder;
    } while (FindNextFileA(find.get(), &found));
    return std::string();
}

// Runs talvek.exe -s and follows the peak memory of its process until it ends, in KiB (0 when
// it was not found). The mark only grows, and the run's closing wait keeps the process alive
// after its work, so the last look holds the whole run's peak.
long peakMemoryOfRun(DWORD* exitCode) {
    bench::Process run = bench::startTalvek("-s");
    std::string folder;
    long peak = 0;
    const DWORD start = GetTickCount();
    while (!run.waitExit(10, exitCode)) {
        if (GetTickCount() - start > 600000) {
            run.kill();
            return 0;
        }
        if (folder.empty()) folder = linuxProcessFolder(bench::talvekPath());
        const std::string status =
            folder.empty() ? std::string() : bench::readFile(folder + "\\status");
        const std::size_t at = status.find("VmHWM:");
        if (at != std::string::npos) peak = std::max(peak, std::atol(status.c_str() + at + 6));
    }
    return peak;
}

TEST(BackupBench, DISABLED_DueRunPeakMemory) {
    struct RemovedAtEnd {
        ~RemovedAtEnd() {
            bench::removeAll(kRoot);
            bench::removeAll(bench::iniPath());
        }
    } removedAtEnd;
    bench::removeAll(kRoot);
    CreateDirectoryA(kRoot, nullptr);
    CreateDirectoryA((std::string(kRoot) + "\\src").c_str(), nullptr);
    const std::vector<std::string> small = sourcePaths(10);
    for (const std::string& path : small)
        bench::writeFile(path, std::string(4096, 'x'));
    // As large as a whole registry of a full PC and more, made at once: a file that ends far
    // after its last write holds no blocks up to there.
    const std::string big = std::string(kRoot) + "\\src\\BIG.DAT";
    const LONG bigSize = 256L << 20;
    {
        FileHandle file(CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file &&
                    SetFilePointer(file.get(), bigSize, nullptr, FILE_BEGIN) ==
                        static_cast<DWORD>(bigSize) &&
                    SetEndOfFile(file.get()));
    }
    std::vector<std::string> withBig = small;
    withBig.push_back(big);

    const int runs = bench::benchRuns(3);
    long highest[2] = {0, 0};
    for (int r = 0; r < runs; ++r) {
        for (int c = 0; c < 2; ++c) {
            const std::vector<std::string>& files = c == 0 ? small : withBig;
            bench::removeAll(std::string(kRoot) + "\\backup");
            prepareConfiguration(files, 0, 1);
            DWORD code = 99;
            const long peak = peakMemoryOfRun(&code);
            EXPECT_EQ(code, 0u) << "the due run over " << files.size() << " files";
            EXPECT_GT(peak, 0) << "its Linux process was not found under Z:\\proc";
            std::string protocol = bench::readFile(std::string(kRoot) + "\\backup\\" +
                                                   compactDateText(today()) + "\\PROTOCOL.TXT");
            EXPECT_NE(protocol.find("Die Datei " + files.back() + " wurde erfolgreich gesichert."),
                      std::string::npos)
                << protocol;
            highest[c] = std::max(highest[c], peak);
        }
    }
    ASSERT_GT(highest[0], 0);
    ASSERT_GT(highest[1], 0);
    std::printf("backup bench: peak memory of a due run (VmHWM of its process, highest of %d "
                "alternating runs)\n",
                runs);
    std::printf("  10 files of 4 KiB:                           %7ld KiB\n", highest[0]);
    std::printf("  the same and one file of 256 MB:             %7ld KiB\n", highest[1]);
    std::printf("  difference:                                  %7ld KiB   (target under 1024)\n",
                highest[1] - highest[0]);
}

} // namespace
