// A plug-in whose panel cannot be made is refused by main, and only that
// one: the next call of main starts afresh.
#include "effects/panner/panner_plugin.h"
#include "framework/module_state.h"
#include "framework/plug_editor.h"
#include "framework/plugin_entry.h"
#include "tests/panner/panner_test_support.h"

#include <doctest.h>

namespace {

// Panels still to be refused before makers succeed again.
int refusals = 0;
int plugInsMade = 0;

// Stands in for the panel: a plain editor, attached like the real one.
bool makeTestEditor(PannerPlugin& effect)
{
    if (refusals > 0) {
        --refusals;
        return false;
    }
    effect.attachEditor(new PlugEditor(&effect));
    return true;
}

} // namespace

PlugEffect* createEffect(HostCallback host)
{
    ++plugInsMade;
    return new PannerPlugin(host, makeTestEditor);
}

TEST_CASE("a plug-in whose panel fails is refused, and the next one is handed out")
{
    refusals = 1;
    plugInsMade = 0;
    CHECK(pluginMain(acceptingHost) == nullptr);
    CHECK(plugInsMade == 1);
    CHECK(constructionFailed == 1);

    EffectRecord* record = pluginMain(acceptingHost);
    CHECK(plugInsMade == 2);
    REQUIRE(record != nullptr);
    CHECK(constructionFailed == 0);
    CHECK(record->flags == (EditorFlag | MeterFlag | OverwriteFlag));
    CHECK(record->flags == 21);
    CHECK(record->dispatch(record, OpClose, 0, 0, nullptr, 0.0f) == 1);
}

TEST_CASE("several failures in a row refuse only their own plug-ins")
{
    refusals = 2;
    CHECK(pluginMain(acceptingHost) == nullptr);
    CHECK(pluginMain(acceptingHost) == nullptr);
    EffectRecord* first = pluginMain(acceptingHost);
    EffectRecord* second = pluginMain(acceptingHost);
    REQUIRE(first != nullptr);
    REQUIRE(second != nullptr);
    CHECK(first != second);
    first->dispatch(first, OpClose, 0, 0, nullptr, 0.0f);
    second->dispatch(second, OpClose, 0, 0, nullptr, 0.0f);
}

TEST_CASE("with a panel, every parameter change asks it to refresh")
{
    refusals = 0;
    EffectRecord* record = pluginMain(acceptingHost);
    REQUIRE(record != nullptr);
    PlugEditor* editor = PlugEffect::fromRecord(record)->attachedEditor();
    REQUIRE(editor != nullptr);
    CHECK_FALSE(editor->isRefreshPending());
    record->setParam(record, 3, 0.5f);
    CHECK(editor->isRefreshPending());
    record->dispatch(record, OpClose, 0, 0, nullptr, 0.0f);
}

TEST_CASE("with the maker of the builds without a panel, the plug-in has none")
{
    auto plugin = EffectPtr<PannerPlugin>(new PannerPlugin(acceptingHost));
    CHECK(constructionFailed == 0);
    CHECK(plugin->attachedEditor() == nullptr);
    CHECK(plugin->record()->flags == 20);
}
