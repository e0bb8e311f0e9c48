// Makes one platform call of the fakes fail, or every call after one: the fault and crash
// sweeps run a scenario once for each call number. Every call of FakeFileSystem and
// FakeProfile that shares the plan counts.
#pragma once
#include <string>
#include <vector>

namespace talvek::testing {

struct FaultPlan {
    int failAt = 0; // 1-based number of the call that fails; 0 lets every call succeed
    // The run stops dead after this call (power failure, reset): every later call fails
    // and changes nothing, as if it were never made. 0: never.
    int cutAfter = 0;
    // With a cut: the write the cut falls into (the call right after cutAfter) leaves its
    // file holding this share of the new text, in percent, as a file rewritten in place is
    // left; -1: the write does not happen at all.
    int tornPercent = -1;
    int calls = 0;
    std::vector<std::string> names; // what each call was, in order

    bool fails(const std::string& call) {
        names.push_back(call);
        ++calls;
        return calls == failAt || (cutAfter > 0 && calls > cutAfter);
    }
};

// The length of `text` a write cut short leaves, or npos when the call is not such a write.
inline std::size_t tornLength(const FaultPlan* plan, std::size_t size) {
    if (!plan || plan->tornPercent < 0 || plan->cutAfter <= 0 || plan->calls != plan->cutAfter + 1)
        return std::string::npos;
    return size * static_cast<std::size_t>(plan->tornPercent) / 100;
}

inline bool injectedFault(FaultPlan* plan, const std::string& call) {
    return plan && plan->fails(call);
}

} // namespace talvek::testing
