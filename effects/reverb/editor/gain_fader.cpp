#include "effects/reverb/editor/gain_fader.h"

#include "effects/reverb/editor/value_text.h"

#include <cmath>

GainFader::GainFader(PanelSurface& target, const FaderSpec& layout) : surface(target), place(layout)
{
    draw();
}

void GainFader::setValue(float next)
{
    if (next < Minimum)
        next = Minimum;
    if (next > Maximum)
        next = Maximum;
    if (next != current) {
        current = next;
        draw();
    }
}

int GainFader::capPosition() const
{
    return static_cast<int>(std::trunc((240.0f - current) * 155.0f / (Maximum - Minimum)));
}

std::string GainFader::text() const
{
    return faderText(current);
}

bool GainFader::trackAt(int px, int py)
{
    const int dx = px - place.x;
    const int dy = py - place.y;
    if (dy < -15 || dy > 170 || dx < 0 || dx > 36)
        return false;
    setValue(240.0f - (Maximum - Minimum) * static_cast<float>(dy) / 155.0f);
    return true;
}

void GainFader::draw()
{
    const int x = place.x + place.trackOffset;
    const int y = place.y;
    const int pos = capPosition();
    if (pos >= 0 && pos <= 155) {
        // The track is drawn around the cap, so the cap never flickers.
        surface.drawSkin(place.cap, x + 9, y + pos - 16, 0, 0);
        surface.excludeClip({x + 9, y + pos - 16, x + 29, y + pos + 18});
        surface.drawSkin(place.track, x + 9, y - 18, 0, 0);
        surface.resetClip();
    }
    surface.drawSkin(SkinFaderReadout, place.x, y + 177, 0, 0);
    surface.drawText({place.x + 1, y + 181, place.x + 37, y + 199}, text().c_str());
}
