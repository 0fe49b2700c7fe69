#include "effects/reverb/editor/quality_selector.h"

namespace {

constexpr SkinId SegmentSkins[4] = {SkinQuality1, SkinQuality2, SkinQuality3, SkinQuality4};

} // namespace

QualitySelector::QualitySelector(PanelSurface& target, const SelectorSpec& layout) : surface(target), place(layout)
{
    draw();
}

void QualitySelector::setState(std::uint8_t lit)
{
    if (lit != litSegments) {
        litSegments = lit;
        draw();
    }
}

bool QualitySelector::trackAt(int px, int py)
{
    const int dy = py - place.y;
    if (dy < 0 || dy > place.height)
        return false;
    const int dx = px - place.x;
    const int d = place.width / 4;
    for (int segment = 1; segment <= 4; ++segment)
        if (dx > (segment - 1) * d && dx < segment * d) {
            setState(static_cast<std::uint8_t>(segment));
            return true;
        }
    return false;
}

void QualitySelector::draw()
{
    const int d = place.width / 4;
    surface.drawSkin(SkinQualityStrip, place.x, place.y, place.width, place.height);
    for (int k = 1; k <= litSegments && k <= 4; ++k)
        surface.drawSkin(SegmentSkins[k - 1], place.x + (k - 1) * d, place.y, 0, 0);
}
