// main: it asks the host's version first, and refuses an effect whose
// construction failed.
#include "tests/support/fake_host.h"
#include "tests/framework/test_effect.h"

#include "framework/module_state.h"
#include "framework/plugin_entry.h"

#include <doctest.h>

namespace {
int effectsCreated = 0;
bool failNextConstruction = false;
} // namespace

PlugEffect* createEffect(HostCallback host)
{
    ++effectsCreated;
    auto* effect = new TestEffect(host);
    if (failNextConstruction)
        constructionFailed = 1;
    return effect;
}

TEST_CASE("main hands out a new record per call to a host that answers its version")
{
    FakeHost::reset();
    effectsCreated = 0;
    EffectRecord* first = pluginMain(FakeHost::callback);
    EffectRecord* second = pluginMain(FakeHost::callback);
    REQUIRE(first != nullptr);
    REQUIRE(second != nullptr);
    CHECK(first != second);
    CHECK(effectsCreated == 2);
    REQUIRE(!FakeHost::instance().calls.empty());
    const HostCall& versionCall = FakeHost::instance().calls[0];
    CHECK(versionCall.effect == nullptr);
    CHECK(versionCall.opcode == HostVersion);
    CHECK(first->dispatch(first, OpClose, 0, 0, nullptr, 0.0f) == 1);
    CHECK(second->dispatch(second, OpClose, 0, 0, nullptr, 0.0f) == 1);
}

TEST_CASE("main refuses a host that answers 0, and a null callback")
{
    FakeHost::reset();
    FakeHost::instance().answers[HostVersion] = 0;
    effectsCreated = 0;
    CHECK(pluginMain(FakeHost::callback) == nullptr);
    CHECK(pluginMain(nullptr) == nullptr);
    CHECK(effectsCreated == 0);
}

TEST_CASE("main destroys an effect whose construction failed and answers null")
{
    FakeHost::reset();
    lifeCounts() = {};
    failNextConstruction = true;
    CHECK(pluginMain(FakeHost::callback) == nullptr);
    CHECK(lifeCounts().effectsDestroyed == 1);
    failNextConstruction = false;
    constructionFailed = 0;
}
