#include "tools/artwork/reverb_skin.h"

#include "effects/reverb/editor/panel_layout.h"
#include "tools/artwork/pixel_font.h"

#include <cstdint>
#include <cstdio>
#include <initializer_list>

namespace {

// The panel's colours: a dark slate face, cyan accents matching the bars'
// fill brush, beige readouts.
constexpr RgbColour FaceTop{50, 66, 82};
constexpr RgbColour FaceBottom{24, 33, 45};
constexpr RgbColour SectionFill{17, 25, 34};
constexpr RgbColour SectionEdge{82, 112, 134};
constexpr RgbColour LabelInk{200, 226, 236};
constexpr RgbColour AccentInk{133, 255, 255};
constexpr RgbColour DimInk{120, 150, 170};
constexpr RgbColour SlotFill{6, 11, 16};
constexpr RgbColour TrackFace{24, 33, 44};
constexpr RgbColour Black{0, 0, 0};
constexpr RgbColour White{255, 255, 255};

// A fixed pseudo-random sequence for the brushed-metal grain.
class Grain {
public:
    int next(int span)
    {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(span));
    }

private:
    std::uint32_t state = 20240611u;
};

TextStyle labelStyle()
{
    TextStyle s;
    s.colour = LabelInk;
    s.shadowAlpha = 170;
    return s;
}

TextStyle titleStyle()
{
    TextStyle s;
    s.colour = AccentInk;
    s.shadowAlpha = 200;
    s.letterSpacing = 2;
    return s;
}

TextStyle tinyStyle(RgbColour colour)
{
    TextStyle s;
    s.face = FontFace::Tiny;
    s.colour = colour;
    return s;
}

// A recessed section with rounded corners and a title on its top edge.
void section(Canvas& c, int left, int top, int right, int bottom, const char* title)
{
    c.roundedRect(left, top, right, bottom, 6, SectionEdge, 150);
    c.roundedRect(left + 1, top + 1, right - 1, bottom - 1, 5, SectionFill, 170);
    c.horizontalLine(left + 6, right - 6, bottom - 1, mix(SectionEdge, White, 60));
    if (title != nullptr) {
        const TextStyle style = titleStyle();
        drawText(c, left + 8, top + 6, title, style);
    }
}

// A small round key with a minus or plus sign, centred on (cx, cy).
void markKey(Canvas& c, int cx, int cy, bool plus)
{
    c.disc(cx * 2 + 1, cy * 2 + 1, 9, {70, 96, 116});
    c.disc(cx * 2 + 1, cy * 2 + 1, 7, {30, 42, 54});
    c.horizontalLine(cx - 2, cx + 3, cy, LabelInk);
    if (plus)
        c.verticalLine(cx, cy - 2, cy + 3, LabelInk);
}

void sliderRow(Canvas& c, const SliderSpec& s)
{
    // The bar (x + 7 .. x + 105, y .. y + 7) sits in a sunken slot.
    c.fillRect(s.x + 5, s.y - 2, s.x + 107, s.y + 9, {12, 18, 24});
    c.bevel(s.x + 5, s.y - 2, s.x + 107, s.y + 9, {8, 12, 16}, {96, 126, 148});
    c.fillRect(s.x + 6, s.y - 1, s.x + 106, s.y + 8, SlotFill);
    markKey(c, s.x + 3, s.y + 3, false);
    markKey(c, s.x + 110, s.y + 3, true);
    drawTextCentred(c, s.x + 56, s.y - 13, s.label, labelStyle());
    // A shadow under the readout box lifts it off the face.
    c.blendRect(s.x + 117, s.y - 11, s.x + 156, s.y + 9, Black, 90);
}

// Row of the meter bitmaps (0 at the top) where a level in dB lands.
int meterRowFor(int decibels)
{
    // Full scale lights 150 of 169 pixels; 3.04 pixels per dB.
    return MeterHeight - 150 - (decibels * 304) / 100;
}

void meterScale(Canvas& c)
{
    const int centre = (MeterLeftX + MeterWidth + MeterRightX) / 2;
    for (int db = 6; db >= -48; db -= 6) {
        const int y = MeterTop + meterRowFor(db);
        char text[8];
        std::snprintf(text, sizeof text, db > 0 ? "+%d" : "%d", db);
        const TextStyle style = tinyStyle(db > 0 ? RgbColour{255, 120, 100} : db == 0 ? AccentInk : DimInk);
        drawTextCentred(c, centre + 1, y - 2, text, style);
        c.setPixel(MeterLeftX + MeterWidth, y, DimInk);
        c.setPixel(MeterRightX - 1, y, DimInk);
    }
    drawTextCentred(c, centre + 1, MeterTop + MeterHeight + 6, "dB", tinyStyle(LabelInk));
    drawTextCentred(c, MeterLeftX + MeterWidth / 2, MeterTop + MeterHeight + 5, "L", labelStyle());
    drawTextCentred(c, MeterRightX + MeterWidth / 2, MeterTop + MeterHeight + 5, "R", labelStyle());
    for (int x : {MeterLeftX, MeterRightX}) {
        c.fillRect(x, MeterTop - 2, x + MeterWidth, MeterTop + MeterHeight + 2, {4, 6, 8});
        c.horizontalLine(x, x + MeterWidth, MeterTop + MeterHeight + 2, {96, 126, 148});
    }
}

void logo(Canvas& c, int left, int top, int right)
{
    TextStyle big;
    big.scale = 2;
    big.colour = AccentInk;
    const char* name = "MiralteaVerb";
    const int width = textWidth(name, big);
    const int x = (left + right - width) / 2;
    // A soft glow around the name, then its shadow and the name itself.
    TextStyle glow = big;
    glow.colour = {60, 170, 190};
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0) {
                Canvas halo(c);
                drawText(halo, x + dx, top + dy, name, glow);
                for (int yy = top - 2; yy < top + 20; ++yy)
                    for (int xx = x - 2; xx < x + width + 2; ++xx)
                        c.blendPixel(xx, yy, halo.pixel(xx, yy), 40);
            }
    TextStyle shadow = big;
    shadow.colour = Black;
    drawText(c, x + 2, top + 2, name, shadow);
    drawText(c, x, top, name, big);
    TextStyle sub = labelStyle();
    sub.colour = DimInk;
    drawTextCentred(c, (left + right) / 2, top + 22, "reverberaci\xF3n est\xE9reo", sub);
}

Canvas panelBackground()
{
    Canvas c(PanelWidth, PanelHeight, FaceBottom);
    c.verticalGradient(0, 0, PanelWidth, PanelHeight, FaceTop, FaceBottom);
    Grain grain;
    for (int y = 0; y < PanelHeight; ++y) {
        const int row = grain.next(7) - 3;
        for (int x = 0; x < PanelWidth; ++x) {
            const int amount = row + grain.next(3) - 1;
            c.shade(x, y, x + 1, y + 1, amount);
        }
    }
    c.bevel(0, 0, PanelWidth, PanelHeight, {110, 138, 158}, {8, 12, 18});

    section(c, 6, 6, 184, 212, "Reverb");
    section(c, 188, 6, 362, 150, "Puerta");
    section(c, 188, 154, 362, 194, nullptr);
    drawText(c, 198, QualitySpec.y + 6, "Calidad", titleStyle());
    section(c, 188, 198, 362, 250, nullptr);
    section(c, 366, 6, 506, 250, nullptr);

    for (const SliderSpec& s : SliderLayout)
        sliderRow(c, s);

    // The quality strip's frame and the numbers of combs it selects.
    c.bevel(QualitySpec.x - 2, QualitySpec.y - 2, QualitySpec.x + QualitySpec.width + 2,
            QualitySpec.y + QualitySpec.height + 2, {8, 12, 16}, {96, 126, 148});

    // The gate power key sits in a little well; its hit area is larger.
    const ButtonSpec& gate = GateButtonSpec;
    c.fillRect(gate.x - 1, gate.y - 1, gate.x + 25, gate.y + 18, {8, 12, 16});
    c.bevel(gate.x - 2, gate.y - 2, gate.x + 26, gate.y + 19, {8, 12, 16}, {96, 126, 148});

    for (const FaderSpec& f : FaderLayout) {
        const int centre = f.x + f.trackOffset + 19;
        drawTextCentred(c, centre, 12, f.label, labelStyle());
        c.blendRect(f.x + 2, f.y + 179, f.x + 39, f.y + 200, Black, 90);
    }
    meterScale(c);

    for (const ButtonSpec* b : {&MuteButtonSpec, &TailButtonSpec})
        c.blendRect(b->x + 2, b->y + 2, b->x + b->width + 2, b->y + b->height + 2, Black, 110);
    TextStyle credit = labelStyle();
    credit.colour = DimInk;
    drawTextCentred(c, 146, 225, "ZOV audio", credit);
    drawTextCentred(c, 146, 236, "VST 2", credit);

    logo(c, 188, 206, 362);
    return c;
}

// A readout window: beige glass with a dark rim, or dark when disabled.
Canvas readout(int width, int height, bool enabled)
{
    Canvas c(width, height, Black);
    if (enabled) {
        c.verticalGradient(1, 1, width - 1, height - 1, {242, 234, 206}, {214, 202, 168});
        c.horizontalLine(1, width - 1, 1, {252, 248, 232});
        c.bevel(0, 0, width, height, {70, 60, 46}, {120, 108, 86});
    } else {
        c.verticalGradient(1, 1, width - 1, height - 1, {44, 52, 60}, {30, 36, 44});
        c.bevel(0, 0, width, height, {16, 20, 24}, {70, 82, 94});
    }
    return c;
}

Canvas faderTrack(RgbColour accent)
{
    const SkinSize size = skinSize(SkinDryTrack);
    Canvas c(size.width, size.height, TrackFace);
    // The cap's centre line travels from row 19 (+24 dB) to row 174 (mute).
    c.fillRect(8, 14, 12, 180, {4, 7, 10});
    c.verticalLine(12, 14, 180, {70, 92, 110});
    c.verticalLine(7, 14, 180, {10, 14, 18});
    for (int step = 0; step <= 8; ++step) {
        const int value = 240 - step * 30; // every 6 dB
        const int row = 19 + (240 - value) * 155 / 240;
        const bool unity = value == 120;
        const RgbColour ink = unity ? accent : DimInk;
        c.horizontalLine(unity ? 0 : 2, 6, row, ink);
        c.horizontalLine(14, unity ? 20 : 18, row, ink);
    }
    return c;
}

Canvas faderCap(RgbColour line)
{
    const SkinSize size = skinSize(SkinDryCap);
    Canvas c(size.width, size.height, TrackFace);
    c.roundedRect(0, 0, size.width, size.height, 3, {20, 24, 28});
    c.roundedRect(1, 1, size.width - 1, size.height - 1, 2, {150, 160, 170});
    c.verticalGradient(2, 2, size.width - 2, 16, {214, 220, 226}, {140, 150, 160});
    c.verticalGradient(2, 18, size.width - 2, size.height - 2, {140, 150, 160}, {96, 104, 114});
    for (int y : {5, 9, 13, 22, 26, 30})
        c.horizontalLine(3, size.width - 3, y, {84, 92, 102});
    c.fillRect(1, 16, size.width - 1, 18, line);
    return c;
}

// LED segments, two lit rows and a dark one, coloured by level: green,
// yellow from -6 dB, red above full scale. The last column stays black.
Canvas meter(int height, bool lit)
{
    Canvas c(MeterWidth, height, Black);
    for (int row = 0; row < height; ++row) {
        const int fromBottom = MeterHeight - 1 - row;
        if (row % 3 == 2)
            continue;
        RgbColour led = fromBottom >= 150 ? RgbColour{255, 64, 44}
                        : fromBottom >= 132 ? RgbColour{255, 214, 48}
                                             : mix(RgbColour{40, 200, 90}, RgbColour{150, 240, 80}, fromBottom * 255 / 132);
        if (!lit)
            led = mix(RgbColour{14, 20, 24}, led, 46);
        for (int x = 1; x < MeterWidth - 2; ++x) {
            // Brighter in the middle, like a lens over the LEDs.
            const int edge = x < 8 ? 8 - x : x - 7;
            c.setPixel(x, row, mix(led, Black, edge * 14));
        }
    }
    return c;
}

Canvas keyButton(const char* text, RgbColour face, RgbColour ink, bool lit)
{
    const SkinSize size = skinSize(SkinMuteOn);
    Canvas c(size.width, size.height, {20, 28, 36});
    c.roundedRect(0, 0, size.width, size.height, 4, {8, 10, 12});
    c.roundedRect(1, 1, size.width - 1, size.height - 1, 3, mix(face, White, 70));
    c.verticalGradient(2, 2, size.width - 2, size.height - 2, mix(face, White, lit ? 60 : 30), mix(face, Black, 70));
    c.roundedRect(2, 2, size.width - 2, size.height - 2, 3, face, 110);
    if (lit)
        c.blendRect(6, 3, size.width - 6, 5, White, 70);
    TextStyle style;
    style.colour = ink;
    style.shadowAlpha = lit ? 90 : 0;
    drawTextCentred(c, size.width / 2, 8, text, style);
    return c;
}

Canvas powerKey(bool on)
{
    const SkinSize size = skinSize(SkinGateOn);
    Canvas c(size.width, size.height, {8, 12, 16});
    const RgbColour face = on ? RgbColour{255, 150, 30} : RgbColour{92, 98, 104};
    c.roundedRect(0, 0, size.width, size.height, 3, mix(face, White, 60));
    c.verticalGradient(1, 1, size.width - 1, size.height - 1, mix(face, White, on ? 50 : 20), mix(face, Black, 90));
    const RgbColour ink = on ? RgbColour{60, 24, 0} : RgbColour{40, 44, 48};
    // The power sign: an open ring with a bar through its gap.
    const int cx2 = size.width, cy2 = size.height + 1;
    c.disc(cx2, cy2, 12, ink);
    c.disc(cx2, cy2, 8, mix(face, Black, 40));
    c.fillRect(size.width / 2 - 2, 1, size.width / 2 + 2, size.height / 2, mix(face, Black, 30));
    c.fillRect(size.width / 2 - 1, 2, size.width / 2 + 1, size.height / 2 + 1, ink);
    return c;
}

// Segment k of the quality strip (1 .. 4) selects 4, 6, 8 or 10 combs.
Canvas qualityCell(int k, bool lit)
{
    const SkinSize size = skinSize(SkinQuality1);
    Canvas c(size.width, size.height, {6, 10, 14});
    const RgbColour face = lit ? RgbColour{133, 255, 255} : RgbColour{22, 52, 64};
    c.roundedRect(2, 2, size.width - 2, size.height - 2, 3, mix(face, Black, lit ? 60 : 20));
    c.roundedRect(3, 3, size.width - 3, size.height - 3, 2, face);
    if (lit)
        c.blendRect(5, 4, size.width - 5, 6, White, 110);
    char text[4];
    std::snprintf(text, sizeof text, "%d", 2 + 2 * k);
    TextStyle style;
    style.colour = lit ? RgbColour{4, 40, 52} : RgbColour{70, 110, 126};
    drawTextCentred(c, size.width / 2, 6, text, style);
    return c;
}

Canvas qualityStrip()
{
    const SkinSize size = skinSize(SkinQualityStrip);
    Canvas c(size.width, size.height, Black);
    for (int k = 1; k <= 4; ++k)
        c.paste(qualityCell(k, false), (k - 1) * (size.width / 4), 0);
    return c;
}

} // namespace

std::vector<SkinPicture> drawReverbSkin()
{
    std::vector<SkinPicture> skin;
    skin.push_back({SkinReadout, "readout.bmp", readout(39, 20, true)});
    skin.push_back({SkinMeterLit, "meter_lit.bmp", meter(169, true)});
    skin.push_back({SkinMeterUnlit, "meter_unlit.bmp", meter(170, false)});
    skin.push_back({SkinFaderReadout, "fader_readout.bmp", readout(37, 21, true)});
    skin.push_back({SkinDryCap, "dry_fader_cap.bmp", faderCap({40, 110, 255})});
    skin.push_back({SkinWetCap, "wet_fader_cap.bmp", faderCap({235, 40, 40})});
    skin.push_back({SkinDryTrack, "dry_fader_track.bmp", faderTrack({70, 140, 255})});
    skin.push_back({SkinWetTrack, "wet_fader_track.bmp", faderTrack({255, 80, 70})});
    skin.push_back({SkinMuteOn, "mute_on.bmp", keyButton("MUTE", {215, 30, 30}, White, true)});
    skin.push_back({SkinMuteOff, "mute_off.bmp", keyButton("MUTE", {96, 100, 106}, {44, 46, 50}, false)});
    skin.push_back({SkinTailOn, "cola_on.bmp", keyButton("COLA", {60, 220, 230}, {4, 40, 52}, true)});
    skin.push_back({SkinTailOff, "cola_off.bmp", keyButton("COLA", {96, 100, 106}, {44, 46, 50}, false)});
    skin.push_back({SkinGateOn, "gate_on.bmp", powerKey(true)});
    skin.push_back({SkinGateOff, "gate_off.bmp", powerKey(false)});
    skin.push_back({SkinQuality1, "quality_1.bmp", qualityCell(1, true)});
    skin.push_back({SkinQuality2, "quality_2.bmp", qualityCell(2, true)});
    skin.push_back({SkinQuality3, "quality_3.bmp", qualityCell(3, true)});
    skin.push_back({SkinQuality4, "quality_4.bmp", qualityCell(4, true)});
    skin.push_back({SkinQualityStrip, "quality_strip.bmp", qualityStrip()});
    skin.push_back({SkinReadoutDisabled, "readout_disabled.bmp", readout(39, 20, false)});
    skin.push_back({SkinPanel, "panel_background.bmp", panelBackground()});
    return skin;
}

std::string reverbSkinResourceScript()
{
    std::string script = "// The MiralteaVerb panel's skin, written by tools/artwork with the bitmaps.\n";
    for (const SkinPicture& p : drawReverbSkin())
        script += std::to_string(static_cast<int>(p.id)) + " BITMAP \"" + p.fileName + "\"\n";
    return script;
}

bool writeReverbSkin(const std::string& folder)
{
    for (const SkinPicture& p : drawReverbSkin())
        if (!writeFileBytes(folder + "/" + p.fileName, encodeBmp24(p.canvas.result())))
            return false;
    const std::string script = reverbSkinResourceScript();
    return writeFileBytes(folder + "/" + ReverbSkinScriptName, std::vector<std::uint8_t>(script.begin(), script.end()));
}
