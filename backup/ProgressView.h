// What a backup run shows, and how it waits: the progress window is one implementation.
#pragma once
#include <string>
#include <vector>

namespace talvek {

enum class StepMark { Done, Error };
enum class StatusColor { Green, Red };

class ProgressView {
  public:
    virtual ~ProgressView() = default;
    virtual void markStep(int step, StepMark mark) = 0;
    virtual void setStatus(const std::string& text, StatusColor color) = 0;
    // Adds a line to the details box. The box may show only the newest lines of a long run.
    virtual void addLogLine(const std::string& text) = 0;
    // The lines as the details box shows them: each broken where the box breaks it at its
    // width and font, its pieces in order.
    virtual std::vector<std::string> wrappedAsShown(const std::vector<std::string>& lines) = 0;
    virtual void showMessageBox(const std::string& text, const std::string& caption) = 0;
    // Paints the whole window at once; the run handles no messages until its finish.
    virtual void repaintNow() = 0;
    // Handles every waiting window message, blocking up to maxWaitMs for the first one.
    // A request to quit that arrives meanwhile is only noted.
    virtual void processPendingMessages(unsigned maxWaitMs) = 0;
    virtual void quit() = 0;
};

} // namespace talvek
