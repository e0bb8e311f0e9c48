// Named locks as named mutexes. A mutex is owned by a thread and can be taken again by it, so
// the program's own nested accesses never wait for themselves; one a process left behind at
// its end (abandoned) counts as free.
#pragma once
#include "platform/Locks.h"

namespace talvek {

class Win32Locks : public Locks {
  public:
    std::unique_ptr<HeldLock> hold(const std::string& name) override;
    std::unique_ptr<HeldLock> tryHold(const std::string& name, bool& heldElsewhere) override;
    bool heldElsewhere(const std::string& name) override;
};

} // namespace talvek
