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
    int calls = 0;
    std::vector<std::string> names; // what each call was, in order

    bool fails(const std::string& call) {
        names.push_back(call);
        ++calls;
        return calls == failAt || (cutAfter > 0 && calls > cutAfter);
    }
};

inline bool injectedFault(FaultPlan* plan, const std::string& call) {
    return plan && plan->fails(call);
}

} // namespace talvek::testing
