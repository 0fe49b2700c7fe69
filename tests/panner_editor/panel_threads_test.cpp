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

    const DWORD start = GetTickCount();
    unsigned step = 0;
    while (GetTickCount() - start < 1500) {
        ++step;
        open.setParam(static_cast<std::int32_t>(step % 8), static_cast<float>((step * 37) % 1000) / 1000.0f);
        if (step % 40 == 0)
            dispatch(effect, OpSetProgram, 0, static_cast<PlugInt>(step / 40 % 16));
        if (step % 5 == 0) {
            open.idle();
            pumpPending();
        }
    }
    dispatch(effect, OpSetProgram, 0, 0);
    open.idle();
    pumpPending();

    CHECK(audio.stop() > 0);
    CHECK(audio.outputFinite());
    CHECK(open.param(4) == 1.0f);
    CHECK(IsWindow(open.panel()));
}
