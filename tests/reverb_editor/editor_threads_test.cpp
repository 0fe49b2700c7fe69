// The reverb's panel idling on the window thread while an audio thread runs
// blocks and the window thread changes parameters and programs, as a host
// does during playback. Nothing crashes and the audio stays finite.
#include "tests/gui_support/audio_thread.h"
#include "tests/reverb_editor/editor_test_host.h"

#include <doctest.h>

TEST_CASE("editor threads: parameters, programs and idle ticks while the audio thread runs")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    EffectRecord* effect = open.effect();
    AudioThread audio(effect);
    REQUIRE(audio.started());

    const DWORD start = GetTickCount();
    unsigned step = 0;
    while (GetTickCount() - start < 1500) {
        ++step;
        const std::int32_t index = static_cast<std::int32_t>(step % 16);
        effect->setParam(effect, index, static_cast<float>((step * 37) % 1000) / 1000.0f);
        if (step % 40 == 0)
            dispatch(effect, OpSetProgram, 0, static_cast<PlugInt>(step / 40 % 25));
        if (step % 5 == 0) {
            editorIdle(effect);
            pumpPending();
        }
    }
    dispatch(effect, OpSetProgram, 0, 5);
    editorIdle(effect);
    pumpPending();

    CHECK(audio.stop() > 0);
    CHECK(audio.outputFinite());
    // The programs are the live store: whatever the loop left, within range.
    const float roomSize = effect->getParam(effect, 2);
    CHECK(roomSize >= 3.0f);
    CHECK(roomSize <= 200.0f);
    CHECK(IsWindow(open.editor()));
}
