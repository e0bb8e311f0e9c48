// Makes one platform call of the fakes fail: the fault sweep runs a scenario once for each
// call number. Every call of FakeFileSystem and FakeProfile that shares the plan counts.
#pragma once
#include <string>
#include <vector>

namespace talvek::testing {

struct FaultPlan {
    int failAt = 0; // 1-based number of the call that fails; 0 lets every call succeed
    int calls = 0;
    std::vector<std::string> names; // what each call was, in order

    bool fails(const std::string& call) {
        names.push_back(call);
        return ++calls == failAt;
    }
};

inline bool injectedFault(FaultPlan* plan, const std::string& call) {
    return plan && plan->fails(call);
}

} // namespace talvek::testing
