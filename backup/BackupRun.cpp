#include "backup/BackupRun.h"

#include <cstdint>

#include "backup/RunJournal.h"
#include "backup/RunMark.h"
#include "backup/Steps.h"
#include "config/Keys.h"

namespace talvek {

namespace {
const char* const kNoErrors = "Es sind keine Fehler aufgetreten.";
const char* const kNotDue = "Eine erneute Sicherung ist noch nicht nötig.";
const char* const kOtherRun = "Eine andere Sicherung läuft gerade; dieser Aufruf ändert nichts.";
const char* const kMissingCaption = "Ein Fehler ist aufgetreten!";
const char* const kDone = "Fertig.";
const char* const kErrorsLine = "Fehler sind aufgetreten.";
const char* const kErrorsCaption = "Fehler sind aufgetreten!";
const char* const kErrorsText =
    "Wärend des aktuellen Talvek-Aufrufs kam es zu Fehlern !\n\r"
    "Bitte informieren Sie sich über Details in diesem Fenster oder der Datei Protocol.txt !";
const int kDefaultWait = 3;
} // namespace

int BackupRun::waitSecondsFrom(int stored) {
    int seconds = static_cast<std::int8_t>(static_cast<std::uint8_t>(stored & 0xFF));
    return (seconds < 0 || seconds > 59) ? kDefaultWait : seconds;
}

void BackupRun::finishStep(int step) {
    if (run_.stepFailed) {
        run_.view.markStep(step, StepMark::Error);
        run_.view.setStatus(run_.errorText, StatusColor::Red);
        run_.runError = true;
    } else {
        run_.view.markStep(step, StepMark::Done);
        if (!run_.runError) run_.view.setStatus(kNoErrors, StatusColor::Green);
    }
    run_.stepFailed = false;
}

AppError BackupRun::run() {
    run_.runError = false;
    started_ = run_.platform.clock.now();
    const AppError error = runSteps();
    if (error) {
        // A refused write or an unreadable date ends the run where it stands; its reason
        // still reaches the details log and the journal before the error box shows it.
        run_.fail(error.text());
        writeJournal(run_, started_);
    }
    run_.runLock.reset();
    return error;
}

AppError BackupRun::runSteps() {
    run_.view.repaintNow();

    SettingsOutcome outcome = SettingsOutcome::ConfigurationMissing;
    TALVEK_TRY(loadSettings(run_, outcome));
    switch (outcome) {
    case SettingsOutcome::ConfigurationMissing:
        run_.view.markStep(1, StepMark::Error);
        // The journal keeps why: an autostart that outlived the configuration fails at
        // every Windows start.
        run_.failures.push_back(missingConfigurationMessage(run_.windowsDirectory));
        run_.journalLines.push_back(run_.failures.back());
        writeJournal(run_, started_);
        run_.view.showMessageBox(missingConfigurationMessage(run_.windowsDirectory),
                                 kMissingCaption);
        run_.view.quit();
        return AppError();
    case SettingsOutcome::OtherRun:
        // That run rotates and writes the journal: this start leaves everything to it.
        run_.view.markStep(1, StepMark::Done);
        run_.log(kOtherRun);
        run_.view.setStatus(kOtherRun, StatusColor::Green);
        finish(false);
        return AppError();
    case SettingsOutcome::NotDue:
        run_.view.markStep(1, StepMark::Done);
        run_.view.setStatus(kNotDue, StatusColor::Green);
        finish(false);
        return AppError();
    case SettingsOutcome::Due:
        break;
    }
    finishStep(1);
    addHeaderLines(run_);
    if (!run_.unfinishedRun.empty())
        run_.note("Der Lauf vom " + run_.unfinishedRun + " wurde nicht beendet.");

    createDirectories(run_);
    finishStep(2);
    TALVEK_TRY(backupFiles(run_));
    finishStep(3);
    TALVEK_TRY(removeOldRecordSets(run_));
    finishStep(4);
    TALVEK_TRY(writeProtocolAndBatch(run_));
    // The bookkeeping is done: no run is under way any more.
    TALVEK_TRY(writeRunMark(*run_.ini, RunMark{"", "", run_.leftovers}));
    // Row 5 shows a failed write of the protocol file or recovery batch like a failed step.
    if (run_.stepFailed)
        finishStep(5);
    else
        run_.view.markStep(5, StepMark::Done);
    // Row 6, "Datensätze aktualisieren", has no step of its own: step 4 ends by writing the
    // list of record sets once, the removed sets out and today's in, so that no cut between
    // two writes leaves a set too many or one unregistered.
    run_.view.markStep(6, StepMark::Done);

    finish(true);
    return AppError();
}

void BackupRun::finish(bool due) {
    if (due) writeJournal(run_, started_);
    int seconds = waitSecondsFrom(run_.settings.waitSeconds);
    run_.ini.reset();
    // The run's work is done: its box or closing wait keeps no other run out.
    run_.runLock.reset();
    run_.view.addLogLine(kDone);
    if (run_.runError) {
        run_.view.addLogLine(kErrorsLine);
        run_.view.showMessageBox(kErrorsText, kErrorsCaption);
        return;
    }
    closingWait(seconds);
    run_.view.quit();
}

void BackupRun::closingWait(int seconds) {
    Clock& clock = run_.platform.clock;
    const double end = secondsOf(clock.now()) + seconds;
    double now = 0;
    do {
        double remainingMs = (end - secondsOf(clock.now())) * 1000.0;
        unsigned wait = remainingMs < 1.0 ? 1u : static_cast<unsigned>(remainingMs) + 1u;
        run_.view.processPendingMessages(wait);
        now = secondsOf(clock.now());
    } while (now <= end);
}

} // namespace talvek
