// The process seam on CreateProcessA; the message loop waits for the process's end.
#pragma once
#include <windows.h>

#include "platform/Processes.h"
#include "platform/win32/Handles.h"

namespace talvek {

class Win32Processes : public Processes {
  public:
    // Hands the started process's handle to the message loop, which runs `ended` once the
    // handle is signalled and then closes it.
    using Watch = void (*)(KernelHandle process, std::function<void()> ended);
    explicit Win32Processes(Watch watch) : watch_(watch) {}
    bool start(const std::string& commandLine, std::function<void()> ended) override;
    bool startProgram(const std::string& program, const std::string& argument) override;

  private:
    Watch watch_;
};

} // namespace talvek
