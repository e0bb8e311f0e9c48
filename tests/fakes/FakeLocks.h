// Named locks of one process, with locks another process holds set by the test.
#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>

#include "config/TextCase.h"
#include "platform/Locks.h"

namespace talvek::testing {

class FakeLocks : public Locks {
  public:
    std::unique_ptr<HeldLock> hold(const std::string& name) override {
        ++holds[name];
        return std::make_unique<Held>(*this, name);
    }
    std::unique_ptr<HeldLock> tryHold(const std::string& name, bool& elsewhere) override {
        elsewhere = heldByOthers.count(name) != 0;
        return elsewhere ? nullptr : hold(name);
    }
    bool heldElsewhere(const std::string& name) override { return heldByOthers.count(name) != 0; }

    std::set<std::string> heldByOthers; // names another process holds now
    std::map<std::string, int> holds;   // how often each lock was taken
    std::map<std::string, int> heldNow; // how many of this process's holds are not released

  private:
    struct Held : HeldLock {
        Held(FakeLocks& locks, std::string name) : locks_(locks), name_(std::move(name)) {
            ++locks_.heldNow[name_];
        }
        ~Held() override { --locks_.heldNow[name_]; }
        FakeLocks& locks_;
        std::string name_;
    };
};

} // namespace talvek::testing
