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

    playOnWindowThread(effect, 16, 25);
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
