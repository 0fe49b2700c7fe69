#include "effects/panner/panner_effect.h"
#include "framework/plug_editor.h"
#include "tests/panner/panner_test_support.h"

#include <doctest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

const char* const Untouched = "untouched";

// A host buffer, pre-filled so that an untouched one can be told apart.
struct HostBuffer {
    char text[64];
    HostBuffer() { std::strcpy(text, Untouched); }
    std::string str() const { return text; }
};

std::string programName(PannerEffect& effect)
{
    HostBuffer buffer;
    effect.dispatch(OpGetProgramName, 0, 0, buffer.text, 0.0f);
    return buffer.str();
}

void selectProgram(PannerEffect& effect, int number)
{
    effect.dispatch(OpSetProgram, 0, number, nullptr, 0.0f);
}

void renameProgram(PannerEffect& effect, const char* name)
{
    std::vector<char> text(name, name + std::strlen(name) + 1);
    effect.dispatch(OpSetProgramName, 0, 0, text.data(), 0.0f);
}

} // namespace

TEST_CASE("parameter names and labels are byte-exact")
{
    struct Texts {
        const char* name;
        const char* label;
    };
    const Texts expected[PannerEffect::ParamCount] = {
        {" pan1 ", " pan1"},     {" pan2 ", " pan2  "},   {" pan3 ", " pan3  "},   {" pan4 ", " pan4  "},
        {" Main1 ", " Main1 "}, {" Main2 ", " Main2 "}, {" Main3 ", " Main3 "}, {" Main4 ", " Main4 "},
    };
    auto effect = makeEffect();
    for (int index = 0; index < PannerEffect::ParamCount; ++index) {
        CAPTURE(index);
        HostBuffer name;
        HostBuffer label;
        CHECK(effect->dispatch(OpGetParamTitle, index, 0, name.text, 0.0f) == 0);
        CHECK(effect->dispatch(OpGetParamUnit, index, 0, label.text, 0.0f) == 0);
        CHECK(name.str() == expected[index].name);
        CHECK(label.str() == expected[index].label);
    }
}

TEST_CASE("value texts are the stored value as a padded number, without scaling")
{
    struct ValueCase {
        int index;
        float value;
        const char* text;
    };
    const ValueCase cases[] = {
        {0, 0.0f, "0.000000"},  {1, 0.5f, "0.500000"},   {5, 0.5f, "0.500000"},   {4, 1.0f, "1.000000"},
        {2, 0.7f, "0.699999"},  {3, -0.05f, "-0.05000"}, {6, 2.0f, "2.000000"},   {7, 123.456f, "123.4560"},
        {7, 1e9f, " Huge!  "},
    };
    auto effect = makeEffect();
    for (const ValueCase& c : cases) {
        CAPTURE(c.index);
        CAPTURE(c.value);
        effect->setParam(c.index, c.value);
        CHECK(effect->getParam(c.index) == c.value);
        HostBuffer text;
        CHECK(effect->dispatch(OpGetParamText, c.index, 0, text.text, 0.0f) == 0);
        CHECK(text.str() == c.text);
    }
}

TEST_CASE("a fresh instance reads pans 0, gains 1 and a meter of 0")
{
    auto effect = makeEffect();
    for (int index = 0; index < PannerEffect::ParamCount; ++index) {
        CAPTURE(index);
        CHECK(effect->getParam(index) == (index < 4 ? 0.0f : 1.0f));
    }
    CHECK(effect->meterLevel() == 0.0f);
    CHECK(effect->dispatch(OpGetMeter, 0, 0, nullptr, 0.0f) == 0);
    effect->setParam(0, 0.5f);
    CHECK(effect->meterLevel() == 0.0f);
}

TEST_CASE("indices outside 0..7 change nothing and leave the host's buffer as it was")
{
    auto effect = makeEffect();
    for (int index : {8, 9, -1, 1000}) {
        CAPTURE(index);
        effect->setParam(index, 0.3f);
        CHECK(effect->getParam(index) == 0.0f);
        for (int op : {int(OpGetParamTitle), int(OpGetParamUnit), int(OpGetParamText)}) {
            CAPTURE(op);
            HostBuffer text;
            effect->dispatch(op, index, 0, text.text, 0.0f);
            CHECK(text.str() == Untouched);
        }
    }
    for (int index = 0; index < PannerEffect::ParamCount; ++index)
        CHECK(effect->getParam(index) == (index < 4 ? 0.0f : 1.0f));
}

TEST_CASE("programs read Init and their number until renamed")
{
    auto effect = makeEffect();
    CHECK(effect->dispatch(OpGetProgram, 0, 0, nullptr, 0.0f) == 0);
    CHECK(programName(*effect) == "Init 1");
    for (int number = 0; number < PannerEffect::ProgramCount; ++number) {
        selectProgram(*effect, number);
        CHECK(effect->dispatch(OpGetProgram, 0, 0, nullptr, 0.0f) == number);
        CHECK(programName(*effect) == "Init " + std::to_string(number + 1));
    }

    selectProgram(*effect, 3);
    renameProgram(*effect, "Room");
    CHECK(programName(*effect) == "Room");
    for (int number = 0; number < PannerEffect::ProgramCount; ++number) {
        CAPTURE(number);
        selectProgram(*effect, number);
        CHECK(programName(*effect) == (number == 3 ? std::string("Room") : "Init " + std::to_string(number + 1)));
    }
}

TEST_CASE("renaming keeps at most 23 characters; only the exact name Init is numbered")
{
    struct RenameCase {
        const char* given;
        const char* reads;
    };
    const RenameCase cases[] = {
        {"Room", "Room"},
        {"Init", "Init 6"},
        {"Init ", "Init "},
        {"init", "init"},
        {"Init 2", "Init 2"},
        {"", ""},
        {"ABCDEFGHIJKLMNOPQRSTUVW", "ABCDEFGHIJKLMNOPQRSTUVW"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", "ABCDEFGHIJKLMNOPQRSTUVW"},
    };
    auto effect = makeEffect();
    selectProgram(*effect, 5);
    for (const RenameCase& c : cases) {
        CAPTURE(c.given);
        renameProgram(*effect, c.given);
        CHECK(programName(*effect) == c.reads);
    }
}

TEST_CASE("selecting a program restores its values")
{
    auto effect = makeEffect();
    effect->setParam(2, 0.7f);
    effect->setParam(5, 0.3f);
    CHECK(effect->getParam(2) == 0.7f);
    selectProgram(*effect, 0);
    CHECK(effect->getParam(2) == 0.0f);
    CHECK(effect->getParam(5) == 1.0f);
    for (int n = 0; n < PannerOutputs; ++n)
        CHECK(effect->weight(2, n) == 0.0f);

    effect->setParam(0, 0.5f);
    selectProgram(*effect, 9);
    CHECK(effect->dispatch(OpGetProgram, 0, 0, nullptr, 0.0f) == 9);
    CHECK(effect->getParam(0) == 0.0f);
    CHECK(effect->weight(0, 4) == 0.0f);
}

TEST_CASE("program numbers outside 0..15 are ignored")
{
    auto effect = makeEffect();
    selectProgram(*effect, 2);
    effect->setParam(1, 0.4f);
    for (int number : {16, -1, 100}) {
        CAPTURE(number);
        selectProgram(*effect, number);
        effect->selectProgram(number);
        CHECK(effect->currentProgram() == 2);
        CHECK(effect->getParam(1) == 0.4f);
    }
}

namespace {

// Records the calls that reach the virtual setParam.
class RecordingPanner : public PannerEffect {
public:
    using PannerEffect::PannerEffect;
    std::vector<std::pair<int, float>> calls;

    void setParam(std::int32_t index, float value) override
    {
        calls.emplace_back(index, value);
        PannerEffect::setParam(index, value);
    }
};

} // namespace

TEST_CASE("selectProgram applies all eight values in index order through the virtual setParam")
{
    auto effect = makeEffect<RecordingPanner>();
    CHECK(effect->calls.empty()); // construction used PannerEffect's own setParam
    effect->selectProgram(7);
    const std::vector<std::pair<int, float>> expected = {{0, 0.0f}, {1, 0.0f}, {2, 0.0f}, {3, 0.0f},
                                                         {4, 1.0f}, {5, 1.0f}, {6, 1.0f}, {7, 1.0f}};
    CHECK(effect->calls == expected);
}

TEST_CASE("every parameter change, known index or not, asks an attached editor to refresh")
{
    auto effect = makeEffect();
    auto* editor = new PlugEditor(effect.get());
    effect->attachEditor(editor);
    for (int index : {0, 5, 9}) {
        CAPTURE(index);
        editor->idleTick();
        REQUIRE_FALSE(editor->isRefreshPending());
        effect->setParam(index, 0.5f);
        CHECK(editor->isRefreshPending());
    }
}

TEST_CASE("vendor and product texts")
{
    auto effect = makeEffect();
    HostBuffer vendor;
    HostBuffer product;
    CHECK(effect->dispatch(OpVendorText, 0, 0, vendor.text, 0.0f) == 1);
    CHECK(effect->dispatch(OpProductText, 0, 0, product.text, 0.0f) == 1);
    CHECK(vendor.str() == "Ilvaro @ Tarnovik");
    CHECK(product.str() == "Vexilo4-10");
}
