// The Corvelan panel idling on the window thread while an audio thread runs
// blocks and the window thread changes parameters and programs, as a host
// does during playback. Nothing crashes and the audio stays finite.
#include "tests/gui_support/audio_thread.h"
#include "tests/panner_editor/panel_test_host.h"

#include <doctest.h>

TEST_CASE("panel threads: parameters, programs and idle ticks while the audio thread runs")
{
    OpenPanel open;
    REQUIRE(open.isOpen());
    EffectRecord* effect = open.effect();
    AudioThread audio(effect);
    REQUIRE(audio.started());

    playOnWindowThread(effect, 8, 16);
    dispatch(effect, OpSetProgram, 0, 0);
    open.idle();
    pumpPending();

    CHECK(audio.stop() > 0);
    CHECK(audio.outputFinite());
    CHECK(open.param(4) == 1.0f);
    CHECK(IsWindow(open.panel()));
}
