// The setup form's controls in memory. Like the real controls its text fields fire their change
// notification when the program changes a value, its check boxes do not, and its spin fields
// hold their bounds.
#pragma once
#include <string>
#include <vector>

#include "ui/setup/logic/SetupLogic.h"
#include "config/Settings.h"

namespace talvek::testing {

class FakeSetupView : public SetupView {
  public:
    SetupLogic* logic = nullptr; // receives the notifications

    int maxRecordSets() override { return maxRecordSets_; }
    void setMaxRecordSets(int v) override {
        maxRecordSets_ = kMaxRecordSetsRange.clamp(v);
        notify();
    }
    std::string backupDirectory() override { return backupDirectory_; }
    void setBackupDirectory(const std::string& t) override {
        backupDirectory_ = t;
        notify();
    }
    bool batchFile() override { return batchFile_; }
    void setBatchFile(bool c) override { batchFile_ = c; }
    std::string batchName() override { return batchName_; }
    void setBatchName(const std::string& t) override {
        batchName_ = t;
        notify();
    }
    void setBatchNameEnabled(bool e) override { batchNameEnabled = e; }
    bool logFile() override { return logFile_; }
    void setLogFile(bool c) override { logFile_ = c; }
    std::string logName() override { return logName_; }
    void setLogName(const std::string& t) override {
        logName_ = t;
        notify();
    }
    void setLogNameEnabled(bool e) override { logNameEnabled = e; }
    int everyXDays() override { return everyXDays_; }
    void setEveryXDays(int v) override {
        everyXDays_ = kEveryXDaysRange.clamp(v);
        notify();
    }
    bool active() override { return active_; }
    void setActive(bool c) override { active_ = c; }

    std::vector<std::string> files() override { return lines; }
    bool appendFile(const std::string& path) override {
        if (lines.size() >= capacity) return false;
        lines.push_back(path);
        return true;
    }
    int selectedFile() override { return selected; }
    void removeFile(int index) override {
        lines.erase(lines.begin() + index);
        selected = -1;
    }

    bool okEnabled() override { return ok; }
    void setOkEnabled(bool e) override { ok = e; }
    void setDatePanel(const std::string& t) override { datePanel = t; }
    void setHint(const std::string& t) override { hint = t; }
    void restartBanner() override { ++bannerRestarts; }

    std::vector<std::string> lines;
    std::size_t capacity = static_cast<std::size_t>(-1);
    int selected = -1;
    bool ok = true; // a fresh button is enabled until the load disables it
    bool batchNameEnabled = true, logNameEnabled = true;
    std::string datePanel = "Talvek 95";
    std::string hint;
    int bannerRestarts = 0;

  private:
    void notify() {
        if (logic) logic->changed();
    }
    int maxRecordSets_ = 0;
    std::string backupDirectory_;
    bool batchFile_ = false;
    std::string batchName_;
    bool logFile_ = false;
    std::string logName_;
    int everyXDays_ = 0;
    bool active_ = false;
};

} // namespace talvek::testing
