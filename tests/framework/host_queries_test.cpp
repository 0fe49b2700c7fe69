// The host questions of the extended effect: what each sends, how its answer
// is read, and what it answers when there is no host to ask.
#include "tests/support/fake_host.h"
#include "tests/framework/test_effect.h"

#include "framework/capability_names.h"

#include <doctest.h>

#include <functional>
#include <string>
#include <vector>

#if FRAMEWORK_LEVEL >= 2

namespace {

char sharedText[64];
int sharedObject;

struct Query {
    const char* name;
    std::function<PlugInt(TestEffect&)> ask;
    HostCall sent;         // effect is filled in by the test
    bool answerIsBoolean;  // true: the answer is read as "answer != 0"
    PlugInt fallback;      // what it returns without a host
};

std::vector<Query> queries()
{
    void* text = sharedText;
    void* object = &sharedObject;
    std::vector<Query> list = {
        {"askHostEvents", [](TestEffect& e) { return e.askHostEvents(5); }, {nullptr, 6, 0, 5, nullptr, 0}, false, 0},
        {"askHostTimeInfo", [](TestEffect& e) { return e.askHostTimeInfo(9); }, {nullptr, 7, 0, 9, nullptr, 0}, false, 0},
        {"askHostTempoAt", [](TestEffect& e) { return e.askHostTempoAt(44); }, {nullptr, 10, 0, 44, nullptr, 0}, false, 0},
        {"askHostAutomatableCount", [](TestEffect& e) { return e.askHostAutomatableCount(); }, {nullptr, 11, 0, 0, nullptr, 0}, false, 0},
        {"askHostParamQuantization", [](TestEffect& e) { return e.askHostParamQuantization(); }, {nullptr, 12, 0, 0, nullptr, 0}, false, 0},
        {"tellHostIoChanged", [](TestEffect& e) { return PlugInt(e.tellHostIoChanged()); }, {nullptr, 13, 0, 0, nullptr, 0}, true, 0},
        {"askHostNeedIdle", [](TestEffect& e) { return PlugInt(e.askHostNeedIdle()); }, {nullptr, 14, 0, 0, nullptr, 0}, true, 0},
        {"askHostResize", [](TestEffect& e) { return PlugInt(e.askHostResize(640, 480)); }, {nullptr, 15, 640, 480, nullptr, 0}, true, 0},
        {"askHostInputLatency", [](TestEffect& e) { return e.askHostInputLatency(); }, {nullptr, 18, 0, 0, nullptr, 0}, false, 0},
        {"askHostOutputLatency", [](TestEffect& e) { return e.askHostOutputLatency(); }, {nullptr, 19, 0, 0, nullptr, 0}, false, 0},
        {"askHostPreviousEffect", [](TestEffect& e) { return e.askHostPreviousEffect(3); }, {nullptr, 20, 0, 0, nullptr, 0}, false, 0},
        {"askHostNextEffect", [](TestEffect& e) { return e.askHostNextEffect(3); }, {nullptr, 21, 0, 0, nullptr, 0}, false, 0},
        {"askHostAddOrOverwrite", [](TestEffect& e) { return e.askHostAddOrOverwrite(); }, {nullptr, 22, 0, 0, nullptr, 0}, false, 0},
        {"askHostProcessLevel", [](TestEffect& e) { return e.askHostProcessLevel(); }, {nullptr, 23, 0, 0, nullptr, 0}, false, 0},
        {"askHostAutomationState", [](TestEffect& e) { return e.askHostAutomationState(); }, {nullptr, 24, 0, 0, nullptr, 0}, false, 0},
        {"askHostOfflineStart", [object](TestEffect& e) { return PlugInt(e.askHostOfflineStart(object, 4, 2)); }, {nullptr, 25, 2, 4, object, 0}, true, 0},
        {"askHostOfflineRead", [object](TestEffect& e) { return PlugInt(e.askHostOfflineRead(object, 6, true)); }, {nullptr, 26, 1, 6, object, 0}, true, 0},
        {"askHostOfflineWrite", [object](TestEffect& e) { return PlugInt(e.askHostOfflineWrite(object, 7)); }, {nullptr, 27, 0, 7, object, 0}, true, 0},
        {"askHostOfflinePass", [](TestEffect& e) { return PlugInt(e.askHostOfflinePass()); }, {nullptr, 28, 0, 0, nullptr, 0}, true, 0},
        {"askHostOfflineMetaPass", [](TestEffect& e) { return PlugInt(e.askHostOfflineMetaPass()); }, {nullptr, 29, 0, 0, nullptr, 0}, true, 0},
        {"tellHostOutputRate", [](TestEffect& e) { return e.tellHostOutputRate(22050.0f); }, {nullptr, 30, 0, 0, nullptr, 22050.0f}, false, 0},
        {"askHostVendor", [text](TestEffect& e) { return PlugInt(e.askHostVendor(static_cast<char*>(text))); }, {nullptr, 32, 0, 0, text, 0}, true, 0},
        {"askHostProduct", [text](TestEffect& e) { return PlugInt(e.askHostProduct(static_cast<char*>(text))); }, {nullptr, 33, 0, 0, text, 0}, true, 0},
        {"askHostVendorVersion", [](TestEffect& e) { return e.askHostVendorVersion(); }, {nullptr, 34, 0, 0, nullptr, 0}, false, 0},
        {"askHostVendorCall", [object](TestEffect& e) { return e.askHostVendorCall(3, 4, object, 1.5f); }, {nullptr, 35, 3, 4, object, 1.5f}, false, 0},
        {"askHostSupports", [](TestEffect& e) { return PlugInt(e.askHostSupports("sizeWindow")); }, {nullptr, 37, 0, 0, nullptr, 0}, true, 0},
        {"askHostLanguage", [](TestEffect& e) { return e.askHostLanguage(); }, {nullptr, 38, 0, 0, nullptr, 0}, false, 0},
        {"askHostOpenWindow", [object](TestEffect& e) { return e.askHostOpenWindow(object); }, {nullptr, 39, 0, 0, object, 0}, false, 0},
        {"askHostCloseWindow", [object](TestEffect& e) { return PlugInt(e.askHostCloseWindow(object)); }, {nullptr, 40, 0, 0, object, 0}, true, 0},
        {"askHostDirectory", [](TestEffect& e) { return e.askHostDirectory(); }, {nullptr, 41, 0, 0, nullptr, 0}, false, 0},
        {"tellHostRefresh", [](TestEffect& e) { return PlugInt(e.tellHostRefresh()); }, {nullptr, 42, 0, 0, nullptr, 0}, true, 0},
#if FRAMEWORK_LEVEL >= 3
        {"askHostOutputLayout", [](TestEffect& e) { return e.askHostOutputLayout(); }, {nullptr, 31, 0, 0, nullptr, 0}, false, 0},
        {"askHostInputLayout", [](TestEffect& e) { return e.askHostInputLayout(); }, {nullptr, 49, 0, 0, nullptr, 0}, false, 0},
        {"tellHostEditBegin", [](TestEffect& e) { return PlugInt(e.tellHostEditBegin(5)); }, {nullptr, 43, 5, 0, nullptr, 0}, true, 0},
        {"tellHostEditEnd", [](TestEffect& e) { return PlugInt(e.tellHostEditEnd(5)); }, {nullptr, 44, 5, 0, nullptr, 0}, true, 0},
        {"askHostOpenFileDialog", [object](TestEffect& e) { return PlugInt(e.askHostOpenFileDialog(object)); }, {nullptr, 45, 0, 0, object, 0}, true, 0},
#else
        {"askHostSpeakerLayouts", [object](TestEffect& e) { return PlugInt(e.askHostSpeakerLayouts(8, object)); }, {nullptr, 31, 0, 8, object, 0}, true, 0},
#endif
    };
    return list;
}

} // namespace

TEST_CASE("each host question sends one call with its arguments")
{
    for (const Query& query : queries()) {
        CAPTURE(query.name);
        FakeHost::reset();
        TestEffect effect(FakeHost::callback);
        const HostCall expected = query.sent;
        FakeHost::instance().answers[expected.opcode] = 42;
        const PlugInt answer = query.ask(effect);
        CHECK(answer == (query.answerIsBoolean ? 1 : 42));

        const std::vector<HostCall>& calls = FakeHost::instance().calls;
        REQUIRE(calls.size() == 1);
        CHECK(calls[0].effect == effect.record());
        CHECK(calls[0].opcode == expected.opcode);
        CHECK(calls[0].index == expected.index);
        CHECK(calls[0].value == expected.value);
        if (std::string(query.name) != "askHostSupports")
            CHECK(calls[0].ptr == expected.ptr);
        CHECK(calls[0].opt == expected.opt);

        FakeHost::instance().answers[expected.opcode] = 0;
        CHECK(query.ask(effect) == 0);
    }
}

TEST_CASE("without a host every question answers its fallback and calls nothing")
{
    for (const Query& query : queries()) {
        CAPTURE(query.name);
        TestEffect effect(nullptr);
        CHECK(query.ask(effect) == query.fallback);
    }
}

TEST_CASE("askHostSupports passes the name itself")
{
    FakeHost::reset();
    TestEffect effect(FakeHost::callback);
    effect.askHostSupports("sizeWindow");
    REQUIRE(FakeHost::instance().calls.size() == 1);
    CHECK(std::string(static_cast<const char*>(FakeHost::instance().calls[0].ptr)) == "sizeWindow");
}

TEST_CASE("the refresh questions store positive answers only")
{
    FakeHost::reset();
    TestEffect effect(FakeHost::callback);
    FakeHost::instance().answers[HostSampleRate] = 96000;
    FakeHost::instance().answers[HostBlockSize] = 256;
    CHECK(effect.refreshSampleRate() == 96000.0f);
    CHECK(effect.refreshBlockSize() == 256);
    FakeHost::instance().answers[HostSampleRate] = 0;
    FakeHost::instance().answers[HostBlockSize] = -5;
    CHECK(effect.refreshSampleRate() == 96000.0f);
    CHECK(effect.refreshBlockSize() == 256);
    CHECK(effect.sampleRate() == 96000.0f);

    TestEffect alone(nullptr);
    CHECK(alone.refreshSampleRate() == 44100.0f);
    CHECK(alone.refreshBlockSize() == 1024);
}

#if FRAMEWORK_LEVEL >= 3
TEST_CASE("a null file request is not sent")
{
    FakeHost::reset();
    TestEffect effect(FakeHost::callback);
    CHECK_FALSE(effect.askHostOpenFileDialog(nullptr));
    CHECK(FakeHost::instance().calls.empty());
}
#endif

TEST_CASE("the capability name lists, shorter at level 2")
{
    const NameList effectNames = effectCapabilityNames();
    const NameList hostNames = hostCapabilityNames();
    CHECK(effectNames.count == (FrameworkLevel == 2 ? 23u : 26u));
    CHECK(hostNames.count == (FrameworkLevel == 2 ? 13u : 17u));
    CHECK(std::string(effectNames.names[0]) == "sendVstEvents");
    CHECK(std::string(effectNames.names[22]) == "8in8out");
    CHECK(std::string(hostNames.names[8]) == "sizeWindow");
    CHECK(std::string(hostNames.names[12]) == "supportShell");
    if (FrameworkLevel == 3) {
        CHECK(std::string(effectNames.names[25]) == "bypass");
        CHECK(std::string(hostNames.names[16]) == "startStopProcess");
    }
}

#endif
