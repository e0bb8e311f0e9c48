#include "platform/win32/Win32Locks.h"

#include <windows.h>

#include "platform/win32/Handles.h"

namespace talvek {

namespace {

class HeldMutex : public HeldLock {
  public:
    explicit HeldMutex(KernelHandle mutex) : mutex_(std::move(mutex)) {}
    ~HeldMutex() override { ReleaseMutex(mutex_.get()); }

  private:
    KernelHandle mutex_;
};

// Waits for the mutex at most `ms` milliseconds: the lock when it was taken (or abandoned
// by a process that ended holding it), null otherwise.
std::unique_ptr<HeldLock> take(const std::string& name, DWORD ms, bool& heldElsewhere) {
    heldElsewhere = false;
    KernelHandle mutex(CreateMutexA(nullptr, FALSE, name.c_str()));
    if (!mutex) return nullptr;
    DWORD got = WaitForSingleObject(mutex.get(), ms);
    if (got == WAIT_OBJECT_0 || got == WAIT_ABANDONED)
        return std::make_unique<HeldMutex>(std::move(mutex));
    heldElsewhere = got == WAIT_TIMEOUT;
    return nullptr;
}

} // namespace

std::unique_ptr<HeldLock> Win32Locks::hold(const std::string& name) {
    bool elsewhere = false;
    return take(name, INFINITE, elsewhere);
}

std::unique_ptr<HeldLock> Win32Locks::tryHold(const std::string& name, bool& heldElsewhere) {
    return take(name, 0, heldElsewhere);
}

bool Win32Locks::heldElsewhere(const std::string& name) {
    bool elsewhere = false;
    take(name, 0, elsewhere);
    return elsewhere;
}

} // namespace talvek
