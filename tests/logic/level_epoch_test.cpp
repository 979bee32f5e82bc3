// One level epoch for every call out to scripts: a level loaded from inside a
// script call stops the caller's remaining scripts, whichever call it was, and
// the containers the load released stay alive until the call returns. Run under
// AddressSanitizer these show that nothing released is touched.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "logic/script_registry.h"
#include "logic_fixture.h"
#include "objects/level_epoch.h"

namespace {

using LogicTest::log;
using Strings = std::vector<std::string>;

// Which call of the "Loader" script loads the next level ("" for none).
std::string loadFrom;

// Loads "MapData//Next.xml" from the call `loadFrom` names, once, and logs as a Recorder.
class Loader : public LogicTest::Recorder {
public:
    explicit Loader(Engine::GameObj* owner = nullptr) : Recorder(owner, "Loader") {}
    Scripts* Clone(Engine::GameObj* newOwner) override { return new Loader(newOwner); }
    void Init() override { Call("init"); }
    void AlwaysUpdate(float) override { Call("always"); }
    void OnCollisionEnter(Engine::GameObj*) override { Call("enter"); }

private:
    void Call(const std::string& call) {
        Log(call);
        if (call != loadFrom) return;
        loadFrom.clear();
        Engine::GameObjectFactory::instance->LoadLevel("MapData//Next.xml");
    }
};
REGISTER_SCRIPT("Loader", Loader);

// The second script of the loader's container: nothing of it may run after the load.
class Follower : public LogicTest::Recorder {
public:
    explicit Follower(Engine::GameObj* owner = nullptr) : Recorder(owner, "Follower") {}
    Scripts* Clone(Engine::GameObj* newOwner) override { return new Follower(newOwner); }
    void OnCollisionEnter(Engine::GameObj*) override { Log("enter"); }
};
REGISTER_SCRIPT("Follower", Follower);

// A dynamic box with the loader and its follower resting on a floor, and a second
// object whose scripts come after the loader's container.
const char* kFirstLevel = R"(<Level>
    <G Name="Host"><I><Transform><Position X="0" Y="1" L="0"/></Transform>
        <Rigid_Body><isStatic s="1"/></Rigid_Body><Collider/>
        <Scripts><Loader/><Follower/></Scripts></I></G>
    <G Name="Floor"><I><Transform><Position X="0" Y="0" L="0"/><Scale X="20" Y="1"/></Transform>
        <Rigid_Body><isStatic s="0"/></Rigid_Body><Collider/></I></G>
    <G Name="Later"><I><Scripts><Follower/></Scripts></I></G>
</Level>)";

// The same pooled objects come back for the new level, active again.
const char* kNextLevel = R"(<Level>
    <G Name="Guest"><I><Scripts><Recorder/></Scripts></I></G>
    <G Name="Guest2"><I><Scripts><Recorder/></Scripts></I></G>
    <G Name="Guest3"><I><Scripts><Recorder/></Scripts></I></G>
</Level>)";

struct LoadCase {
    const char* from;        // the Loader call that loads the level
    const char* loaderCall;  // what the loader logs for it
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.from; }

class LevelLoadedInsideAScriptCall : public LogicFixture, public ::testing::WithParamInterface<LoadCase> {
protected:
    void SetUp() override {
        dir.Write("MapData/First.xml", kFirstLevel);
        dir.Write("MapData/Next.xml", kNextLevel);
        loadFrom.clear();
        Start();
        logic().boot = false;
    }
    void TearDown() override { loadFrom.clear(); }
};

TEST_P(LevelLoadedInsideAScriptCall, StopsTheCallersRemainingScripts) {
    const LoadCase& c = GetParam();
    loadFrom = c.from;
    log.clear();
    factory().LoadLevel("MapData//First.xml");
    // The first step's second pass loads from AlwaysUpdate; the contact starts in
    // the first step and its enter comes with the second.
    engine->Step(2);

    EXPECT_EQ(factory().currentLevelPath, "MapData//Next.xml");
    EXPECT_TRUE(loadFrom.empty()) << "the loader never reached its call";
    const auto loaded = std::find(log.begin(), log.end(), std::string("Host.Loader.") + c.loaderCall);
    ASSERT_NE(loaded, log.end());
    // After the load only the new level's scripts are heard: no follower of the old
    // level's containers, neither the loader's own nor the later object's, even
    // though the loader's pooled object is active again in the new level.
    for (auto it = loaded + 1; it != log.end(); ++it) {
        EXPECT_EQ(it->find("Follower"), std::string::npos) << *it;
        EXPECT_EQ(it->find("Loader"), std::string::npos) << *it;
    }
    EXPECT_NE(std::find(log.begin(), log.end(), "Guest.Recorder.init"), log.end()) << "the new level started";
    // The released containers were freed once the call returned.
    EXPECT_EQ(factory().epoch.PendingCount(), 0u);
    EXPECT_EQ(factory().epoch.OpenScopes(), 0);
    // The new level runs on normally (once the update pass has seen the change).
    engine->Step();
    log.clear();
    engine->Step();
    EXPECT_EQ(log, (Strings{"Guest.Recorder.update", "Guest2.Recorder.update", "Guest3.Recorder.update",
                            "Guest.Recorder.always", "Guest2.Recorder.always", "Guest3.Recorder.always"}));
}

INSTANTIATE_TEST_SUITE_P(Calls, LevelLoadedInsideAScriptCall,
                         ::testing::Values(LoadCase{"always", "always"}, LoadCase{"init", "init"},
                                           LoadCase{"enter", "enter"}),
                         [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.from); });

// A component stands in for a released script container.
class Watched : public Engine::Components {
public:
    explicit Watched(bool& freed) : Components(Engine::kScriptsKind), freed_(freed) {}
    ~Watched() override { freed_ = true; }

private:
    bool& freed_;
};

TEST(LevelEpoch, RetiredComponentsWaitForTheOutermostScopeAndLevelChangesAreSeenInside) {
    Engine::LevelEpoch epoch;
    bool freedOutside = false;
    epoch.Retire(std::make_unique<Watched>(freedOutside));
    EXPECT_TRUE(freedOutside) << "outside any call a released component goes at once";

    bool freedInside = false;
    {
        Engine::ScriptCallScope outer(&epoch);
        {
            Engine::ScriptCallScope inner(&epoch);
            EXPECT_EQ(epoch.OpenScopes(), 2);
            epoch.Advance();
            epoch.Retire(std::make_unique<Watched>(freedInside));
            EXPECT_TRUE(inner.LevelChanged());
        }
        EXPECT_FALSE(freedInside) << "the outer call is still on the stack";
        EXPECT_EQ(epoch.PendingCount(), 1u);
        EXPECT_TRUE(outer.LevelChanged());
        Engine::ScriptCallScope later(&epoch);
        EXPECT_FALSE(later.LevelChanged()) << "a scope opened after the change measures from then";
    }
    EXPECT_TRUE(freedInside);
    EXPECT_EQ(epoch.OpenScopes(), 0);
}

TEST(LevelEpoch, AChangeStaysPendingForTheUpdatePassUntilAcknowledged) {
    Engine::LevelEpoch epoch;
    epoch.Advance();
    EXPECT_TRUE(epoch.LevelChangePending());
    {
        Engine::ScriptCallScope sinceOpening(&epoch);
        Engine::ScriptCallScope sincePass(&epoch, Engine::ScriptCallScope::Since::kAcknowledged);
        EXPECT_FALSE(sinceOpening.LevelChanged());
        EXPECT_TRUE(sincePass.LevelChanged());
    }
    epoch.Acknowledge();
    EXPECT_FALSE(epoch.LevelChangePending());
    Engine::ScriptCallScope sincePass(&epoch, Engine::ScriptCallScope::Since::kAcknowledged);
    EXPECT_FALSE(sincePass.LevelChanged());
}

TEST(LevelEpochDeathTest, ScopesClosedOutOfOrderAreCaughtInDebugBuilds) {
    Engine::LevelEpoch epoch;
    auto outer = std::make_unique<Engine::ScriptCallScope>(&epoch);
    auto inner = std::make_unique<Engine::ScriptCallScope>(&epoch);
    EXPECT_DEBUG_DEATH(outer.reset(), "out of order");
    inner.reset();
    outer.reset();
}

}  // namespace
