#include "effects/reverb/editor/quality_selector.h"

namespace {

constexpr SkinId SegmentSkins[4] = {SkinQuality1, SkinQuality2, SkinQuality3, SkinQuality4};

} // namespace

QualitySelector::QualitySelector(PanelSurface& target, const SelectorSpec& layout) : surface(target), spec(layout)
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
    const int dy = py - spec.y;
    if (dy < 0 || dy > spec.height)
        return false;
    const int dx = px - spec.x;
    const int d = spec.width / 4;
    for (int segment = 1; segment <= 4; ++segment)
        if (dx > (segment - 1) * d && dx < segment * d) {
            setState(static_cast<std::uint8_t>(segment));
            return true;
        }
    return false;
}

void QualitySelector::draw()
{
    const int d = spec.width / 4;
    surface.drawSkin(SkinQualityStrip, spec.x, spec.y, spec.width, spec.height);
    for (int k = 1; k <= litSegments && k <= 4; ++k)
        surface.drawSkin(SegmentSkins[k - 1], spec.x + (k - 1) * d, spec.y, 0, 0);
}
