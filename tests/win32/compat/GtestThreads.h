// GoogleTest's Windows port names std::mutex and std::condition_variable, which the win32
// thread model of mingw-w64 lacks. Our Windows-side tests run on one thread, so a critical
// section and a polling wait are enough. Force-included into the test build only.
#pragma once
#include <mutex>

#if !defined(_GLIBCXX_HAS_GTHREADS)
#include <windows.h>

namespace std {

class mutex {
  public:
    mutex() { InitializeCriticalSection(&cs_); }
    ~mutex() { DeleteCriticalSection(&cs_); }
    mutex(const mutex&) = delete;
    mutex& operator=(const mutex&) = delete;
    void lock() { EnterCriticalSection(&cs_); }
    bool try_lock() { return TryEnterCriticalSection(&cs_) != FALSE; }
    void unlock() { LeaveCriticalSection(&cs_); }

  private:
    CRITICAL_SECTION cs_;
};

class condition_variable {
  public:
    void notify_one() {}
    void notify_all() {}
    template <typename Predicate> void wait(unique_lock<mutex>& lock, Predicate ready) {
        while (!ready()) {
            lock.unlock();
            Sleep(1);
            lock.lock();
        }
    }
};

} // namespace std
#endif
