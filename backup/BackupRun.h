// BackupRun: the engine of one backup run behind a ProgressView.
#pragma once
#include "backup/RunContext.h"

namespace talvek {

class BackupRun {
  public:
    // `backupNow`: asked for by the user, so due whatever the interval.
    BackupRun(ProgressView& view, const RunPlatform& platform, bool backupNow = false)
        : run_(view, platform) {
        run_.backupNow = backupNow;
    }

    // The whole run sequence. An error of the configuration file or an unreadable date ends
    // it where it stands and comes back to the caller, which shows it.
    AppError run();
    // Closes steps 1 to 4: error or done mark, status line, step failure flag cleared.
    void finishStep(int step);

    RunContext& context() { return run_; }

    // The closing wait in seconds: the stored number cut to a signed 8-bit value, 3 when
    // that is below 0 or above 59.
    static int waitSecondsFrom(int stored);

  private:
    AppError runSteps();
    void finish(bool due);
    void closingWait(int seconds);

    RunContext run_;
    LocalTime started_;
};

} // namespace talvek
