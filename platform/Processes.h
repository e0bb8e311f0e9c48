// Seam over starting a program in a process of its own and learning when it has ended.
#pragma once
#include <functional>
#include <string>

namespace talvek {

class Processes {
  public:
    virtual ~Processes() = default;
    // Starts the command line (the program's path first) as a process of its own. `ended`
    // runs on the GUI thread from its message loop, never inside another handler, once that
    // process has ended. False when it cannot be started.
    virtual bool start(const std::string& commandLine, std::function<void()> ended) = 0;
    // Starts the program at that path, and no other, with one argument, and leaves it to
    // run on its own. False when it cannot be started.
    virtual bool startProgram(const std::string& program, const std::string& argument) = 0;
};

} // namespace talvek
