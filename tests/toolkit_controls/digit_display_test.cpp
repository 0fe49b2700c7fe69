// DigitDisplay: the digits of the value held within its range, each from
// its own row of the digit bitmap.
#include "tests/toolkit/toolkit_test_support.h"
#include "toolkit/core/mouse_buttons.h"
#include "toolkit/controls/digit_display.h"
#include "toolkit/core/skin_bitmap.h"

#include <doctest.h>

namespace {

const std::int32_t xs[] = {10, 22, 34, 46, 58, 70, 82, 94, 106};
const std::int32_t ys[] = {5, 5, 5, 5, 5, 5, 5, 5, 5};

std::vector<std::int32_t> digitsShown(const DigitDisplay& display)
{
    std::int32_t digits[DigitDisplay::MaxDigits];
    const std::int32_t count = display.shownDigits(digits);
    return std::vector<std::int32_t>(digits, digits + count);
}

} // namespace

TEST_CASE_FIXTURE(ToolkitFixture, "digit display: the digits of the value within 0 .. 10^digits - 1")
{
    struct Case {
        std::int32_t count;
        float value;
        std::vector<std::int32_t> digits;
    };
    const Case cases[] = {
        {3, 1234.0f, {9, 9, 9}},
        {3, 42.0f, {0, 4, 2}},
        {3, 7.9f, {0, 0, 7}},
        {3, -5.0f, {0, 0, 0}},
        {1, 8.0f, {8}},
        {4, 2026.0f, {2, 0, 2, 6}},
        {7, 1234567.0f, {1, 2, 3, 4, 5, 6, 7}},
        {9, 12345678.0f, {9, 9, 9, 9, 9, 9, 9}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.count);
        CAPTURE(c.value);
        Owned<DigitDisplay> display(
            new DigitDisplay({0, 0, 130, 30}, nullptr, 0, c.value, c.count, xs, ys, 12, 20, nullptr));
        CHECK(display->getValue() == c.value);
        CHECK(display->getMinimum() == 0.0f);
        CHECK(digitsShown(*display) == c.digits);
    }
}

TEST_CASE_FIXTURE(ToolkitFixture, "digit display: its range can move; the share of the maximum stays within 0 .. 1")
{
    Owned<DigitDisplay> display(new DigitDisplay({0, 0, 60, 30}, nullptr, 0, 50.0f, 3, xs, ys, 12, 20, nullptr));
    CHECK(display->getMaximum() == 999.0f);
    display->setMinimum(100.0f);
    CHECK(digitsShown(*display) == std::vector<std::int32_t>{1, 0, 0});
    struct Case {
        float value;
        float share;
    };
    const Case cases[] = {{0.0f, 0.0f}, {499.5f, 0.5f}, {999.0f, 1.0f}, {5000.0f, 1.0f}, {-3.0f, 0.0f}};
    for (const Case& c : cases) {
        display->setValue(c.value);
        CHECK(display->normalisedValue() == c.share);
    }
}

TEST_CASE_FIXTURE(ToolkitFixture, "digit display: each digit drawn at its place from its row")
{
    stub::defineBitmap(390, 12, 200);
    SkinBitmap* digits = new SkinBitmap(390);
    Owned<DigitDisplay> display(new DigitDisplay({0, 0, 60, 30}, nullptr, 0, 305.0f, 3, xs, ys, 12, 20, digits));
    digits->release();
    Painter painter(nullptr, reinterpret_cast<NativeSurface>(0x600), nullptr);
    display->redrawIfChanged(painter);
    auto drawn = stub::events("bitmap.draw");
    REQUIRE(drawn.size() == 3);
    CHECK(drawn[0].rect == PixelRect{10, 5, 22, 25});
    CHECK(drawn[0].point == PixelPoint{0, 60});
    CHECK(drawn[1].rect == PixelRect{22, 5, 34, 25});
    CHECK(drawn[1].point == PixelPoint{0, 0});
    CHECK(drawn[2].rect == PixelRect{34, 5, 46, 25});
    CHECK(drawn[2].point == PixelPoint{0, 100});
}
