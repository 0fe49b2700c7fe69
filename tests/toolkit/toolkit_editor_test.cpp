// ToolkitEditor: rectangle, open, idle with its 50 ms gate, and the
// parameter-change hook.
#include "tests/toolkit/toolkit_test_support.h"

#include <doctest.h>

#include <cstdint>

namespace {

struct EditorFixture : ToolkitFixture {
    Owned<QuietEffect> effect{new QuietEffect};
    CountingEditor* editor = nullptr;

    // The editor is made at the given time; the effect destroys it.
    void makeEditorAt(std::uint32_t now)
    {
        stub::setTickCount(now);
        editor = new CountingEditor(effect.get());
    }

    std::size_t hostIdles() const
    {
        std::size_t n = 0;
        for (const HostCall& call : FakeHost::instance().calls)
            n += call.opcode == HostIdle ? 1 : 0;
        return n;
    }
};

} // namespace

TEST_CASE_FIXTURE(EditorFixture, "toolkit editor: attaches itself and sets the editor flag")
{
    CHECK((effect->record()->flags & EditorFlag) == 0);
    makeEditorAt(0);
    CHECK(effect->attachedEditor() == editor);
    CHECK((effect->record()->flags & EditorFlag) == EditorFlag);
}

TEST_CASE_FIXTURE(EditorFixture, "toolkit editor: the host gets the editor's own rectangle")
{
    makeEditorAt(0);
    EditorRect* rect = nullptr;
    CHECK(effect->dispatch(OpEditorRect, 0, 0, &rect, 0.0f) == 1);
    REQUIRE(rect != nullptr);
    EditorRect* again = nullptr;
    CHECK(editor->queryRect(&again) == 1);
    CHECK(again == rect);
}

TEST_CASE_FIXTURE(EditorFixture, "toolkit editor: open stores the parent, posts a refresh and answers 0")
{
    makeEditorAt(0);
    CHECK(editor->openWindow(reinterpret_cast<void*>(0x1234)) == 0);
    CHECK(editor->parentWindow() == reinterpret_cast<void*>(0x1234));
    CHECK(editor->isRefreshPending());
    editor->idleTick();
    CHECK(editor->refreshes == 1);
}

TEST_CASE_FIXTURE(EditorFixture, "toolkit editor: doIdle runs at most one pass per 50 ms")
{
    struct Case {
        const char* name;
        std::uint32_t made;
        std::uint32_t calls[4];
        int callCount;
        std::size_t passes;
    };
    const Case cases[] = {
        {"right after construction", 1000, {1000, 1010, 1049}, 3, 0},
        {"50 ms after construction", 1000, {1050}, 1, 1},
        {"10 ms apart after the gate", 1000, {1100, 1110}, 2, 1},
        {"60 ms apart", 1000, {1100, 1160}, 2, 2},
        {"exactly 50 ms apart", 1000, {1100, 1150, 1199}, 3, 2},
        // In the last 50 ms before the wrap the sum wraps first: runs at once.
        {"before the wrap", 0xFFFFFFE0u, {0xFFFFFFE1u, 0xFFFFFFF0u}, 2, 2},
        {"after the wrap the gate works as usual", 0xFFFFFFF0u, {0xFFFFFFF5u, 0x00000010u, 0x00000027u, 0x00000040u}, 4, 2},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        effect.reset(new QuietEffect);
        FakeHost::reset();
        makeEditorAt(c.made);
        for (int i = 0; i < c.callCount; ++i) {
            stub::setTickCount(c.calls[i]);
            editor->doIdle();
        }
        CHECK(hostIdles() == c.passes);
    }
}

TEST_CASE_FIXTURE(EditorFixture, "toolkit editor: an idle pass runs the pending refresh, redraws the panel, then asks the host")
{
    makeEditorAt(0);
    PanelWindow* panel = editor->makePanel({0, 0, 100, 100});
    panel->addWidget(new RecordingWidget("w", {0, 0, 10, 10}));
    panel->paintWith(reinterpret_cast<NativeSurface>(0x40));
    editor->parameterChanged(3, 0.25f);
    journal().clear();

    stub::setTickCount(60);
    editor->doIdle();
    CHECK(editor->refreshes == 1);
    CHECK(journal() == std::vector<std::string>{"w redraw"});
    REQUIRE(FakeHost::instance().calls.size() == 1);
    CHECK(FakeHost::instance().calls[0].opcode == HostIdle);
    CHECK(FakeHost::instance().calls[0].effect == effect->record());
    CHECK(editor->lastIdle() == 60);
    editor->dropPanel();
}

TEST_CASE_FIXTURE(EditorFixture, "toolkit editor: many parameter changes between idles make one refresh")
{
    makeEditorAt(0);
    struct Case {
        int changes;
        int refreshesAfterTwoIdles;
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{8, 1}}) {
        editor->refreshes = 0;
        for (int i = 0; i < c.changes; ++i)
            editor->parameterChanged(i, 0.5f);
        editor->idleTick();
        editor->idleTick();
        CHECK(editor->refreshes == c.refreshesAfterTwoIdles);
    }
}

TEST_CASE_FIXTURE(EditorFixture, "toolkit editor: idle before any panel only runs the refresh")
{
    makeEditorAt(0);
    editor->postRefresh();
    effect->dispatch(OpEditorIdle, 0, 0, nullptr, 0.0f);
    CHECK(editor->refreshes == 1);
    CHECK(stub::events("surface.acquire").empty());
}

TEST_CASE_FIXTURE(EditorFixture, "toolkit editor: draw all paints the whole panel when there is one")
{
    makeEditorAt(0);
    editor->drawAll(nullptr);
    CHECK(journal().empty());
    PanelWindow* panel = editor->makePanel({0, 0, 100, 100});
    panel->addWidget(new RecordingWidget("w", {0, 0, 10, 10}));
    EditorRect ignored{1, 2, 3, 4};
    editor->drawAll(&ignored);
    CHECK(journal() == std::vector<std::string>{"w draw"});
    editor->dropPanel();
}
