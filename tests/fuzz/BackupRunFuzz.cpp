// Fuzz target: a whole backup run over the fakes, driven by a fuzzed configuration file, on
// a drive with record sets, sources and decoys. Whatever the file says, the run must keep the
// rules of RunInvariants.
#include <cstdint>

#include "backup/BackupRun.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeLocks.h"
#include "fakes/FakeProfile.h"
#include "fakes/FakeProgressView.h"
#include "fakes/RunInvariants.h"
#include "fuzz/FuzzSupport.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

const char* const kIni = "C:\\WINDOWS\\Talvek95.ini";
const std::uint32_t kSystem = attr::kReadOnly | attr::kHidden | attr::kSystem;

void prepareDrive(FakeFileSystem& files) {
    files.addFile(kIni, "");
    files.addFile("C:\\AUTOEXEC.BAT", "@ECHO OFF");
    files.addFile("C:\\CONFIG.SYS", "FILES=40", 0);
    files.addFile("C:\\WINDOWS\\WIN.INI", "[windows]");
    files.addFile("C:\\WINDOWS\\SYSTEM.INI", "[boot]", kSystem);
    files.addFile("C:\\Eigene Dateien\\Gr\xF6\xDF"
                  "e.ini",
                  "[Gr\xF6\xDF"
                  "e]");
    files.shortNames["c:\\eigene dateien\\gr\xf6\xdf"
                     "e.ini"] = "C:\\EIGENE~1\\GR\xD6\xDF"
                                "E.INI";
    // Record sets of earlier days, one with a read-only copy and a folder of its own.
    for (const char* day : {"031297", "041297", "051297"}) {
        std::string dir = std::string("C:\\Talvek95\\") + day;
        files.addFile(dir + "\\AUTOEXEC.BAT", "@ECHO OFF", 0);
        files.addFile(dir + "\\PROTOCOL.TXT", "Datum");
        files.addFile(dir + "\\RECOVERY.BAT", "@echo off");
    }
    files.addFile("C:\\Talvek95\\041297\\CONFIG.SYS", "FILES=30", attr::kReadOnly);
    files.addFile("C:\\Talvek95\\041297\\Alt\\NOTIZ.TXT", "keep");
    // Decoys: six-digit folders and files outside the backup directory.
    files.addFile("C:\\Talvek95\\LIESMICH.TXT", "keep");
    files.addFile("C:\\Wichtig\\011297\\DATEN.TXT", "keep");
    files.addFile("C:\\WINDOWS\\051297\\AUTOEXEC.BAT", "keep");
    files.addFile("D:\\Talvek95\\031297\\RECOVERY.BAT", "keep");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeClock clock;
    FakeFileSystem files;
    FakeProfile profile;
    FakeLocks locks;
    FakeProgressView view{&clock};
    prepareDrive(files);
    const std::string configuration(reinterpret_cast<const char*>(data), size);
    profile.load(kIni, configuration);

    RunInvariants invariants(files, profile, kIni, dateOf(clock.now()));
    BackupRun run(view, RunPlatform{files, profile, clock, locks});
    if (std::optional<std::string> raised = fuzz::runToTheEnd(run))
        view.showMessageBox(*raised, "Talvek 95");

    std::string broken;
    for (const std::string& v : invariants.violations(files, profile, view))
        broken += "\n  " + v;
    fuzz::require(broken.empty(), "the run" + broken + "\nconfiguration:\n" + configuration);
    return 0;
}
