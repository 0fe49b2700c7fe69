// The output meters: the timer's private message, a rise for a loud block
// and the fall after it, all read back from the screen.
#include "tests/reverb_editor/editor_test_host.h"

#include <doctest.h>

#include <vector>

namespace {

// The screen row of a meter's pixel that lights at a height of lit pixels.
int rowFor(int height)
{
    return 34 + 169 - height;
}

// Whether the meter at x shows its lit colour at the given height. Every
// third row of the LED bitmaps is a dark gap in both states: test the row
// below it.
bool lit(HWND editor, int x, int height)
{
    if ((169 - height) % 3 == 2)
        --height;
    const WindowPicture picture = WindowPicture::capture(editor);
    return picture.pixel(x, rowFor(height)) == skinPixel(133, x - 449 < 17 ? x - 449 : x - 480, 169 - height);
}

void playLoudBlock(EffectRecord* effect)
{
    const int frames = 256;
    std::vector<float> left(frames, 0.0f), right(frames, 0.0f), outLeft(frames), outRight(frames);
    // Impulses at full scale; the dry path at +4 dB keeps them loud at the output.
    for (int i = 0; i < frames; i += 32) {
        left[i] = 1.0f;
        right[i] = 1.0f;
    }
    float* inputs[] = {left.data(), right.data()};
    float* outputs[] = {outLeft.data(), outRight.data()};
    effect->processOverwriting(effect, inputs, outputs, frames);
}

} // namespace

TEST_CASE("editor meters: from full they fall to nothing in silence; a loud block lifts them; they fall again")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    EffectRecord* effect = open.effect();
    dispatch(effect, OpSetProgram, 0, 12); // "Inicial  (Insert)": dry at +4 dB
    dispatch(effect, OpSetSampleRate, 0, 0, nullptr, 44100.0f);
    dispatch(effect, OpPower, 0, 1);
    const HWND editor = open.editor();
    const int leftX = 449 + 8;
    const int rightX = 480 + 8;

    // A new effect's meters start full and fall at the timer's pace.
    CHECK(pumpUntil([&] { return lit(editor, leftX, 100); }, 5000));
    CHECK(pumpUntil([&] { return !lit(editor, leftX, 1) && !lit(editor, rightX, 1); }, 5000));

    playLoudBlock(effect);
    CHECK(pumpUntil([&] { return lit(editor, leftX, 120) && lit(editor, rightX, 120); }, 5000));
    CHECK(pumpUntil([&] { return !lit(editor, leftX, 1) && !lit(editor, rightX, 1); }, 5000));
}

TEST_CASE("editor meters: the private message WM_USER + 5 is one meter tick")
{
    OpenEditor open;
    REQUIRE(open.isOpen());
    EffectRecord* effect = open.effect();
    dispatch(effect, OpSetProgram, 0, 12);
    const HWND editor = open.editor();
    // Stop the timer so only our own messages tick, then let silence empty
    // the meters.
    KillTimer(editor, 1);
    pumpPending();
    for (int tick = 0; tick < 8; ++tick)
        CHECK(SendMessageA(editor, WM_USER + 5, 0, 0) == 0);
    CHECK_FALSE(lit(editor, 449 + 8, 1));

    playLoudBlock(effect);
    SendMessageA(editor, WM_USER + 5, 0, 0);
    CHECK(lit(editor, 449 + 8, 120));
    CHECK(lit(editor, 480 + 8, 120));
    // The peaks were cleared by that tick: the next one halves the bars.
    SendMessageA(editor, WM_USER + 5, 0, 0);
    CHECK_FALSE(lit(editor, 449 + 8, 120));
    CHECK(lit(editor, 449 + 8, 40));
    CHECK_FALSE(lit(editor, 480 + 8, 120));
}
