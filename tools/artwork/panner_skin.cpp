#include "tools/artwork/panner_skin.h"

#include "tools/artwork/pixel_font.h"

#include <map>

namespace {

using namespace panner_colours;

// A one-pixel outline inside the rectangle (right and bottom exclusive).
void outline(Canvas& canvas, int left, int top, int right, int bottom, RgbColour colour)
{
    canvas.horizontalLine(left, right, top, colour);
    canvas.horizontalLine(left, right, bottom - 1, colour);
    canvas.verticalLine(left, top, bottom, colour);
    canvas.verticalLine(right - 1, top, bottom, colour);
}

// Draws a glyph given as rows ('#' ink, '|' between rows), each font pixel
// scale x scale, top-left at (x, y). For the signs the label font lacks.
void drawGlyph(Canvas& canvas, int x, int y, int scale, const char* rows, RgbColour colour)
{
    int row = 0;
    int column = 0;
    for (const char* c = rows; *c != '\0'; ++c) {
        if (*c == '|') {
            ++row;
            column = 0;
            continue;
        }
        if (*c == '#')
            canvas.fillRect(x + column * scale, y + row * scale, x + (column + 1) * scale, y + (row + 1) * scale,
                            colour);
        ++column;
    }
}

const char* const QuestionMark = ".###.|#...#|....#|...#.|..#..|.....|..#..";
const char* const EqualsSign = "....|....|####|....|####|....|....";
constexpr int EqualsWidth = 4;

// The label font, with '=' drawn in between runs of its own glyphs.
void drawLabel(Canvas& canvas, int x, int y, const std::string& text, const TextStyle& style)
{
    std::string run;
    const auto flush = [&] {
        if (run.empty())
            return;
        drawText(canvas, x, y, run, style);
        x += textWidth(run, style) + style.letterSpacing * style.scale;
        run.clear();
    };
    for (char ch : text) {
        if (ch != '=') {
            run += ch;
            continue;
        }
        flush();
        drawGlyph(canvas, x, y, style.scale, EqualsSign, style.colour);
        x += (EqualsWidth + style.letterSpacing) * style.scale;
    }
    flush();
}

// 514 x 150: beige with a dark border, and the white question-mark box the
// about box's hot area (12, 130) - (42, 155) lies over.
Canvas drawBackground()
{
    Canvas canvas(514, 150, Beige);
    outline(canvas, 0, 0, 514, 150, Dark);
    canvas.fillRect(14, 132, 40, 148, White);
    outline(canvas, 14, 132, 40, 148, Dark);
    drawGlyph(canvas, 25, 137, 1, QuestionMark, Dark);
    return canvas;
}

// 400 x 18: ten 40-pixel cells, one per output, numbered at their right end.
Canvas drawPanTrack()
{
    Canvas canvas(400, 18, LightBlue);
    TextStyle digits;
    digits.colour = Dark;
    for (int cell = 0; cell < 10; ++cell) {
        const int left = cell * 40;
        outline(canvas, left, 0, left + 40, 18, Dark);
        const std::string number = std::to_string(cell + 1);
        drawText(canvas, left + 40 - 3 - textWidth(number, digits), 8, number, digits);
    }
    return canvas;
}

// 10 x 12: a dark block with an orange box in its lower part, the part
// that shows over the track. No white pixel: it covers the track wholly.
Canvas drawPanHandle()
{
    Canvas canvas(10, 12, Dark);
    canvas.fillRect(2, 5, 8, 10, Orange);
    return canvas;
}

// 80 x 14: a pink bar in a dark frame.
Canvas drawGainTrack()
{
    Canvas canvas(80, 14, Pink);
    outline(canvas, 0, 0, 80, 14, Dark);
    canvas.horizontalLine(3, 77, 7, Dark);
    return canvas;
}

// 10 x 14: light grey with a grey inner and a dark outer frame.
Canvas drawGainHandle()
{
    Canvas canvas(10, 14, LightGrey);
    outline(canvas, 0, 0, 10, 14, Dark);
    outline(canvas, 1, 1, 9, 13, Grey);
    canvas.horizontalLine(3, 7, 7, Grey);
    return canvas;
}

// 220 x 120: a grey card in a pink frame with the product name and how to
// use the panel.
Canvas drawAboutPicture()
{
    Canvas canvas(220, 120, CardGrey);
    outline(canvas, 0, 0, 220, 120, Dark);
    for (int inset = 1; inset <= 4; ++inset)
        outline(canvas, inset, inset, 220 - inset, 120 - inset, Pink);
    outline(canvas, 5, 5, 215, 115, Dark);

    TextStyle title;
    title.scale = 2;
    title.colour = Dark;
    drawTextCentred(canvas, 110, 16, "Vexilo4-10", title);
    canvas.horizontalLine(20, 200, 36, Pink);
    canvas.horizontalLine(20, 200, 37, Pink);

    TextStyle body;
    body.colour = Dark;
    const char* const lines[] = {"4 in to 10 out panning", "blue sliders=pan/crossfade", "pink sliders=input gain"};
    int y = 50;
    for (const char* line : lines) {
        drawLabel(canvas, 18, y, line, body);
        y += 18;
    }
    return canvas;
}

} // namespace

std::vector<PannerPicture> drawPannerSkin()
{
    std::vector<PannerPicture> skin;
    skin.push_back({PanelBackgroundId, "panel_background.bmp", drawBackground()});
    skin.push_back({PanTrackId, "pan_track.bmp", drawPanTrack()});
    skin.push_back({PanHandleId, "pan_handle.bmp", drawPanHandle()});
    skin.push_back({GainTrackId, "gain_track.bmp", drawGainTrack()});
    skin.push_back({GainHandleId, "gain_handle.bmp", drawGainHandle()});
    skin.push_back({AboutPictureId, "about.bmp", drawAboutPicture()});
    return skin;
}

bool toPalettePicture(const Canvas& canvas, PalettePicture& picture)
{
    const RgbPicture& rgb = canvas.result();
    picture = PalettePicture{};
    picture.width = rgb.width;
    picture.height = rgb.height;
    std::map<std::uint32_t, std::uint8_t> numbers;
    for (const RgbColour& colour : rgb.pixels) {
        const std::uint32_t key = (colour.r << 16) | (colour.g << 8) | colour.b;
        auto found = numbers.find(key);
        if (found == numbers.end()) {
            if (picture.palette.size() == 256)
                return false;
            found = numbers.emplace(key, static_cast<std::uint8_t>(picture.palette.size())).first;
            picture.palette.push_back(colour);
        }
        picture.indices.push_back(found->second);
    }
    return true;
}

std::string pannerSkinResourceScript()
{
    std::string script = "// The Corvelan panel's bitmaps, written by tools/artwork with them.\n";
    script += "LANGUAGE 9, 1\n";
    for (const PannerPicture& p : drawPannerSkin())
        script += std::to_string(static_cast<int>(p.id)) + " BITMAP \"" + p.fileName + "\"\n";
    return script;
}

bool writePannerSkin(const std::string& folder)
{
    for (const PannerPicture& p : drawPannerSkin()) {
        PalettePicture picture;
        if (!toPalettePicture(p.canvas, picture))
            return false;
        if (!writeFileBytes(folder + "/" + p.fileName, encodeBmp8(picture)))
            return false;
    }
    const std::string script = pannerSkinResourceScript();
    return writeFileBytes(folder + "/" + PannerSkinScriptName, std::vector<std::uint8_t>(script.begin(), script.end()));
}
