// What a backup run shows, and how it waits: the progress window is one implementation.
#pragma once
#include <string>

namespace talvek {

enum class StepMark { Done, Error };
enum class StatusColor { Green, Red };

class ProgressView {
  public:
    virtual ~ProgressView() = default;
    virtual void markStep(int step, StepMark mark) = 0;
    virtual void setStatus(const std::string& text, StatusColor color) = 0;
    virtual void addLogLine(const std::string& text) = 0;
    // The details log as the box shows it: wrapped pieces of a long line count as lines.
    virtual int logLineCount() = 0;
    virtual std::string logLine(int index) = 0;
    virtual void showMessageBox(const std::string& text, const std::string& caption) = 0;
    // Paints the whole window at once; the run handles no messages until its finish.
    virtual void repaintNow() = 0;
    // Handles every waiting window message, blocking up to maxWaitMs for the first one.
    // A request to quit that arrives meanwhile is only noted.
    virtual void processPendingMessages(unsigned maxWaitMs) = 0;
    virtual void quit() = 0;
};

} // namespace talvek
