// A ProgressView that records what a run shows; its message waits move a fake clock.
#pragma once
#include <string>
#include <vector>

#include "backup/ProgressView.h"
#include "fakes/FakeClock.h"

namespace talvek::testing {

class FakeProgressView : public ProgressView {
  public:
    struct Mark {
        int step;
        StepMark mark;
    };
    struct Box {
        std::string text, caption;
    };

    explicit FakeProgressView(FakeClock* clock = nullptr) : clock_(clock) {}

    void markStep(int step, StepMark mark) override { marks.push_back({step, mark}); }
    void setStatus(const std::string& text, StatusColor color) override {
        status = text;
        statusColor = color;
        ++statusChanges;
    }
    void addLogLine(const std::string& text) override {
        log.push_back(text); // Windows 95's details box drops what passes 65,535 bytes
        box = (box + text + "\r\n").substr(0, kBoxLimit);
    }
    std::vector<std::string> wrappedAsShown(const std::vector<std::string>& lines) override {
        return lines;
    }
    void showMessageBox(const std::string& text, const std::string& caption) override {
        boxes.push_back({text, caption});
    }
    void repaintNow() override { ++repaints; }
    void processPendingMessages(unsigned maxWaitMs) override {
        ++messagePasses;
        waitedMs += maxWaitMs;
        if (clock_) clock_->advanceMs(static_cast<long>(maxWaitMs));
    }
    void quit() override { ++quits; }

    // The mark of a step as last set, or -1 when never marked.
    int markOf(int step) const {
        int result = -1;
        for (const Mark& m : marks)
            if (m.step == step) result = static_cast<int>(m.mark);
        return result;
    }

    std::vector<Mark> marks;
    std::string status;
    StatusColor statusColor = StatusColor::Red;
    int statusChanges = 0;
    static constexpr std::size_t kBoxLimit = 65535;
    std::vector<std::string> log;
    std::string box; // what the details box holds
    std::vector<Box> boxes;
    int repaints = 0, messagePasses = 0, quits = 0;
    unsigned long waitedMs = 0;

  private:
    FakeClock* clock_;
};

} // namespace talvek::testing
