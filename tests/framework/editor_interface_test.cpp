// How an attached editor is reached through the dispatcher, and how the
// refresh flag hands parameter changes to the idle tick.
#include "tests/framework/test_effect.h"

#include <doctest.h>

#include <initializer_list>

TEST_CASE("without an editor the editor opcodes answer 0 and touch nothing")
{
    TestEffect effect(nullptr);
    CHECK((effect.record()->flags & EditorFlag) == 0);
    EditorRect* untouched = reinterpret_cast<EditorRect*>(&effect);
    CHECK(dispatchTo(effect, OpEditorRect, 0, 0, &untouched) == 0);
    CHECK(untouched == reinterpret_cast<EditorRect*>(&effect));
    int window = 0;
    CHECK(dispatchTo(effect, OpEditorOpen, 0, 0, &window) == 0);
    CHECK(dispatchTo(effect, OpEditorClose) == 0);
    CHECK(dispatchTo(effect, OpEditorIdle) == 0);
    for (std::int32_t opcode : {OpKeyDown, OpKeyUp, OpKnobStyle})
        CHECK(dispatchTo(effect, opcode, 65, 1) == 0);
}

TEST_CASE("the editor opcodes reach an attached editor")
{
    lifeCounts() = {};
    auto* effect = new TestEffect(nullptr);
    auto* editor = new TestEditor(effect);
    effect->attachEditor(editor);
    CHECK((effect->record()->flags & EditorFlag) == EditorFlag);

    EditorRect* rect = nullptr;
    CHECK(dispatchTo(*effect, OpEditorRect, 0, 0, &rect) == 1);
    REQUIRE(rect != nullptr);
    CHECK(rect->bottom == 256);
    CHECK(rect->right == 512);
    int window = 0;
    CHECK(dispatchTo(*effect, OpEditorOpen, 0, 0, &window) == 1);
    CHECK(editor->parentWindow() == &window);
    CHECK(dispatchTo(*effect, OpEditorClose) == 0);
    CHECK(editor->closes == 1);
    for (std::int32_t opcode : {16, 17, 18, 20, 21})
        CHECK(dispatchTo(*effect, opcode) == 0);
#if FRAMEWORK_LEVEL >= 3
    CHECK(dispatchTo(*effect, OpKeyDown, 'a', 0x141, nullptr, 3.0f) == 7);
    CHECK(editor->lastKey.character == 'a');
    CHECK(editor->lastKey.virtualKey == 0x41);
    CHECK(editor->lastKey.modifiers == 3);
    CHECK(dispatchTo(*effect, OpKeyUp, 'b', 2, nullptr, 1e9f) == 8);
    CHECK(editor->lastKey.modifiers == 0);
    CHECK(dispatchTo(*effect, OpKnobStyle, 0, 2) == 102);
    CHECK(effect->editor() == editor);
#else
    CHECK(dispatchTo(*effect, OpKeyDown, 'a', 0x41) == 0);
#endif
    effect->destroy();
    CHECK(lifeCounts().editorsDestroyed == 1);
}

TEST_CASE("postRefresh calls between idle ticks cause one refresh")
{
    TestEffect effect(nullptr);
    auto* editor = new TestEditor(&effect);
    effect.attachEditor(editor);
    editor->postRefresh();
    editor->postRefresh();
    CHECK(editor->isRefreshPending());
    dispatchTo(effect, OpEditorIdle);
    dispatchTo(effect, OpEditorIdle);
    CHECK(editor->refreshes == 1);
    CHECK_FALSE(editor->isRefreshPending());
}

TEST_CASE("attaching null detaches and clears the editor flag")
{
    TestEffect effect(nullptr);
    TestEditor editor(&effect);
    effect.attachEditor(&editor);
    CHECK((effect.record()->flags & EditorFlag) == EditorFlag);
    effect.attachEditor(nullptr);
    CHECK((effect.record()->flags & EditorFlag) == 0);
    CHECK(effect.attachedEditor() == nullptr);
}

TEST_CASE("the base editor answers no rectangle and opens nothing")
{
    struct BaseEditor : PlugEditor {
        using PlugEditor::PlugEditor;
    };
    TestEffect effect(nullptr);
    auto* editor = new BaseEditor(&effect);
    effect.attachEditor(editor);
    EditorRect dummy{};
    EditorRect* rect = &dummy;
    CHECK(dispatchTo(effect, OpEditorRect, 0, 0, &rect) == 0);
    CHECK(rect == nullptr);
    int window = 0;
    CHECK(dispatchTo(effect, OpEditorOpen, 0, 0, &window) == 0);
    CHECK(editor->parentWindow() == &window);
}
