#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/toolkit/Component.h"

using namespace talvek::ui;

namespace {

std::vector<std::string> trail;

struct Probe : TComponent {
    Probe(TComponent* owner, std::string name, std::string loadError = "")
        : TComponent(owner), loadError_(std::move(loadError)) {
        SetName(name);
    }
    ~Probe() override { trail.push_back("free " + Name()); }
    talvek::AppError Loaded() override {
        EndLoading();
        trail.push_back("loaded " + Name());
        return loadError_.empty() ? talvek::AppError() : talvek::AppError(loadError_);
    }
    std::string loadError_;
};

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
    trail.clear();
    {
        Probe form(nullptr, "form");
        new Probe(&form, "a");
        Probe* b = new Probe(&form, "b");
        new Probe(b, "b1");
        new Probe(&form, "c");
        EXPECT_EQ(form.ComponentCount(), 3);
        EXPECT_EQ(form.Components(1), b);
        EXPECT_EQ(b->Owner(), &form);
    }
    // The form's own destructor body runs first, then the base frees what it owns.
    EXPECT_EQ(trail,
              (std::vector<std::string>{"free form", "free c", "free b", "free b1", "free a"}));
}

TEST(Component, AComponentFreedEarlyLeavesItsOwner) {
    trail.clear();
    {
        Probe form(nullptr, "form");
        Probe* a = new Probe(&form, "a");
        new Probe(&form, "b");
        delete a;
        EXPECT_EQ(form.ComponentCount(), 1);
    }
    EXPECT_EQ(trail, (std::vector<std::string>{"free a", "free form", "free b"}));
}

TEST(Component, LoadingEndsWithEachComponentsLoadedInOrder) {
    trail.clear();
    Probe a(nullptr, "a"), b(nullptr, "b");
    EXPECT_FALSE(LoadComponents({&a, &b}, [&] {
        EXPECT_TRUE(a.Loading());
        EXPECT_TRUE(b.Loading());
        trail.push_back("apply");
        return talvek::AppError();
    }));
    EXPECT_FALSE(a.Loading());
    EXPECT_FALSE(b.Loading());
    EXPECT_EQ(trail, (std::vector<std::string>{"apply", "loaded a", "loaded b"}));
}

TEST(Component, AFailedEndOfLoadingLetsTheOthersLoadAndGivesTheFirstError) {
    trail.clear();
    Probe a(nullptr, "a", "a kaputt"), b(nullptr, "b", "b kaputt"), c(nullptr, "c");
    EXPECT_EQ(LoadComponents({&a, &b, &c}, [] { return talvek::AppError(); }).text(), "a kaputt");
    EXPECT_EQ(trail, (std::vector<std::string>{"loaded a", "loaded b", "loaded c"}));
}

TEST(Component, AFailedLoadLeavesNoComponentLoading) {
    trail.clear();
    Probe a(nullptr, "a");
    const talvek::AppError error = LoadComponents({&a}, [] { return talvek::AppError("bad"); });
    EXPECT_EQ(error.text(), "bad");
    EXPECT_FALSE(a.Loading());
    EXPECT_TRUE(trail.empty()); // its own end of loading does not act on half-applied state
}

} // namespace
