// The Corvelan skin generator: six 8-bit palette bitmaps of the sizes and
// colours the panel is laid out for, and the committed files equal to a
// fresh run, byte for byte.
#include "tools/artwork/panner_skin.h"

#include <doctest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

const PannerPicture& picture(const std::vector<PannerPicture>& skin, PannerSkinId id)
{
    for (const PannerPicture& p : skin)
        if (p.id == id)
            return p;
    FAIL("no picture " << static_cast<int>(id));
    return skin.front();
}

} // namespace

TEST_CASE("panner skin: six pictures with the resource numbers and sizes of the panel")
{
    const std::vector<PannerPicture> skin = drawPannerSkin();
    struct Case {
        PannerSkinId id;
        int width, height;
    };
    const Case cases[] = {
        {PanelBackgroundId, 514, 150}, {PanTrackId, 400, 18},   {PanHandleId, 10, 12},
        {GainTrackId, 80, 14},         {GainHandleId, 10, 14},  {AboutPictureId, 220, 120},
    };
    REQUIRE(skin.size() == 6);
    for (std::size_t i = 0; i < 6; ++i) {
        CAPTURE(i);
        CHECK(skin[i].id == cases[i].id);
        CHECK(static_cast<int>(cases[i].id) == 128 + static_cast<int>(i));
        CHECK(skin[i].canvas.width() == cases[i].width);
        CHECK(skin[i].canvas.height() == cases[i].height);
    }
}

TEST_CASE("panner skin: the colours of the table at known points")
{
    using namespace panner_colours;
    const std::vector<PannerPicture> skin = drawPannerSkin();
    struct Case {
        PannerSkinId id;
        int x, y;
        RgbColour colour;
    };
    const Case cases[] = {
        {PanelBackgroundId, 300, 75, {254, 221, 169}}, // beige
        {PanelBackgroundId, 0, 0, Dark},               // the border
        {PanelBackgroundId, 513, 149, Dark},
        {PanelBackgroundId, 16, 134, {255, 255, 255}}, // the question-mark box
        {PanelBackgroundId, 27, 143, Dark},            // the question mark's dot
        {PanTrackId, 20, 3, {147, 167, 229}},          // light blue cells
        {PanTrackId, 0, 9, Dark},                      // cell outlines
        {PanTrackId, 40, 9, Dark},
        {PanTrackId, 39, 9, Dark},
        {PanHandleId, 0, 0, Dark},
        {PanHandleId, 4, 7, {246, 168, 44}},           // orange, in the lower part
        {GainTrackId, 40, 3, {255, 153, 168}},         // pink
        {GainTrackId, 0, 0, Dark},
        {GainHandleId, 5, 4, {210, 211, 213}},         // light grey
        {GainHandleId, 1, 5, Grey},
        {GainHandleId, 0, 5, Dark},
        {AboutPictureId, 110, 100, CardGrey},
        {AboutPictureId, 2, 60, {255, 153, 168}},      // the pink frame
    };
    for (const Case& c : cases) {
        CAPTURE(static_cast<int>(c.id));
        CAPTURE(c.x);
        CAPTURE(c.y);
        CHECK(picture(skin, c.id).canvas.pixel(c.x, c.y) == c.colour);
    }
}

TEST_CASE("panner skin: the handles hold no white, so they cover the track wholly")
{
    const std::vector<PannerPicture> skin = drawPannerSkin();
    for (PannerSkinId id : {PanHandleId, GainHandleId}) {
        const Canvas& canvas = picture(skin, id).canvas;
        int white = 0;
        for (int y = 0; y < canvas.height(); ++y)
            for (int x = 0; x < canvas.width(); ++x)
                white += canvas.pixel(x, y) == RgbColour{255, 255, 255} ? 1 : 0;
        CHECK(white == 0);
    }
}

TEST_CASE("panner skin: the number of each output sits at the right end of its cell")
{
    // The skin outlives the reference into it.
    const std::vector<PannerPicture> skin = drawPannerSkin();
    const Canvas& track = picture(skin, PanTrackId).canvas;
    for (int cell = 0; cell < 10; ++cell) {
        CAPTURE(cell);
        int leftInk = 400;
        int rightInk = -1;
        for (int y = 2; y < 16; ++y)
            for (int x = cell * 40 + 1; x < cell * 40 + 39; ++x)
                if (track.pixel(x, y) == panner_colours::Dark) {
                    leftInk = std::min(leftInk, x - cell * 40);
                    rightInk = std::max(rightInk, x - cell * 40);
                }
        CHECK(rightInk >= 34);
        CHECK(rightInk <= 36);
        CHECK(leftInk >= 20);
    }
}

TEST_CASE("panner skin: palette pictures number colours in order of first appearance")
{
    Canvas canvas(3, 2, {9, 9, 9});
    canvas.setPixel(1, 0, {1, 2, 3});
    canvas.setPixel(0, 1, {1, 2, 3});
    canvas.setPixel(2, 1, {7, 7, 7});
    PalettePicture picture;
    REQUIRE(toPalettePicture(canvas, picture));
    CHECK(picture.palette.size() == 3);
    CHECK(picture.palette[0] == RgbColour{9, 9, 9});
    CHECK(picture.palette[1] == RgbColour{1, 2, 3});
    CHECK(picture.palette[2] == RgbColour{7, 7, 7});
    CHECK(picture.indices == std::vector<std::uint8_t>{0, 1, 0, 1, 0, 2});

    Canvas tooMany(300, 1, {0, 0, 0});
    for (int x = 0; x < 300; ++x)
        tooMany.setPixel(x, 0, {static_cast<std::uint8_t>(x % 256), static_cast<std::uint8_t>(x / 256), 0});
    CHECK_FALSE(toPalettePicture(tooMany, picture));
}

TEST_CASE("panner skin: a fresh run writes exactly the committed 8-bit bitmaps and resource script")
{
    char pattern[] = "/tmp/panner-skin-XXXXXX";
    const char* folder = mkdtemp(pattern);
    REQUIRE(folder != nullptr);
    REQUIRE(writePannerSkin(folder));
    std::vector<std::string> names{PannerSkinScriptName};
    for (const PannerPicture& p : drawPannerSkin())
        names.push_back(p.fileName);
    for (const std::string& name : names) {
        CAPTURE(name);
        const std::string fresh = std::string(folder) + "/" + name;
        const std::vector<std::uint8_t> written = readFile(fresh);
        const std::vector<std::uint8_t> committed = readFile(std::string(PANNER_RESOURCE_DIR) + "/" + name);
        CHECK(!written.empty());
        CHECK(written == committed);
        if (name != PannerSkinScriptName && written.size() > 54) {
            CHECK(written[28] == 8); // bits per pixel
            CHECK(le32(written, 46) <= 256);
        }
        std::remove(fresh.c_str());
    }
    std::remove(folder);
    const std::string script = pannerSkinResourceScript();
    CHECK(script.find("LANGUAGE 9, 1\n") != std::string::npos);
    CHECK(script.find("133 BITMAP \"about.bmp\"\n") != std::string::npos);
}
