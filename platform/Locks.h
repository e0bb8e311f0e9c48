// Seam over named locks that every process of the user's session sees (named mutexes on
// Windows): the configuration file's accesses and the backup run hold one each, so that two
// processes never interleave what must stay whole.
#pragma once
#include <memory>
#include <string>

namespace talvek {

// A lock held; released when it goes.
class HeldLock {
  public:
    virtual ~HeldLock() = default;
};

class Locks {
  public:
    virtual ~Locks() = default;
    // Waits until no other process holds the lock and takes it. Null when the lock cannot
    // be made at all (then the caller goes on without it, as a single process would).
    virtual std::unique_ptr<HeldLock> hold(const std::string& name) = 0;
    // Takes the lock only when no other process holds it: null when another one does (or
    // when it cannot be made; `heldElsewhere` tells the two apart).
    virtual std::unique_ptr<HeldLock> tryHold(const std::string& name, bool& heldElsewhere) = 0;
    // Whether another process holds the lock now.
    virtual bool heldElsewhere(const std::string& name) = 0;
};

// The lock names the program uses.
namespace lock {
inline constexpr const char* kConfiguration = "Talvek95.ini";
inline constexpr const char* kBackupRun = "Talvek95 Sicherung";
} // namespace lock

} // namespace talvek
