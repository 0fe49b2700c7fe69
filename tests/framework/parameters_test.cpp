// Parameter changes made inside the effect, and how the host hears of them.
#include "tests/support/fake_host.h"
#include "tests/framework/test_effect.h"

#include <doctest.h>

TEST_CASE("setParamAndNotify sets the value, then tells the host")
{
    FakeHost::reset();
    TestEffect effect(FakeHost::callback);
    effect.setParamAndNotify(3, 500.0f);
    CHECK(effect.lastIndex == 3);
    CHECK(effect.lastValue == 500.0f);
    REQUIRE(FakeHost::instance().calls.size() == 1);
    const HostCall& call = FakeHost::instance().calls[0];
    CHECK(call.effect == effect.record());
    CHECK(call.opcode == HostAutomate);
    CHECK(call.index == 3);
    // The level-1 effect works in native units; the host records thousandths.
    CHECK(call.opt == (FrameworkLevel == 1 ? 0.5f : 500.0f));
}

TEST_CASE("setParamAndNotify without a host only sets the value")
{
    TestEffect effect(nullptr);
    effect.setParamAndNotify(1, 0.25f);
    CHECK(effect.lastValue == 0.25f);
}

TEST_CASE("basic host questions and their fallbacks")
{
    FakeHost::reset();
    TestEffect asking(FakeHost::callback);
    TestEffect alone(nullptr);

    CHECK(asking.askHostVersion() == 2400);
    FakeHost::instance().answers[HostVersion] = 0;
    CHECK(asking.askHostVersion() == 1);
    CHECK(alone.askHostVersion() == 1);

    FakeHost::instance().answers[HostCurrentId] = 77;
    CHECK(asking.askHostCurrentId() == 77);
    CHECK(alone.askHostCurrentId() == 0);
    CHECK(alone.askHostIdle() == 0);

    CHECK(asking.isInputWired(2));
    FakeHost::instance().answers[HostPinConnected] = 1;
    CHECK_FALSE(asking.isOutputWired(3));
    CHECK(alone.isInputWired(0));
    CHECK(alone.isOutputWired(0));

    const std::vector<HostCall>& calls = FakeHost::instance().calls;
    REQUIRE(calls.size() == 5);
    CHECK(calls[3].opcode == HostPinConnected);
    CHECK(calls[3].index == 2);
    CHECK(calls[3].value == 0);
    CHECK(calls[4].index == 3);
    CHECK(calls[4].value == 1);
}
