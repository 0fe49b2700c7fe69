#include "effects/reverb/editor/level_meter.h"

#include "effects/reverb/editor/panel_layout.h"

#include <cmath>

namespace {

// 60.8 as the single-precision constant widened to double.
constexpr double PixelsPerDecade = static_cast<double>(60.8f);

} // namespace

int meterTarget(float peak)
{
    if (!(peak > 0.0f))
        return 0;
    const double target = std::log10(static_cast<double>(peak) * 32768.0) * PixelsPerDecade - 124.0;
    if (target < 0.0)
        return 0;
    if (target > MeterHeight)
        return MeterHeight;
    return static_cast<int>(std::trunc(target));
}

std::int16_t nextMeterHeight(std::int16_t shown, int target)
{
    const int step = (shown - target) / 2 + 1;
    int next = target > shown ? target : shown - step;
    if (next < 0)
        next = 0;
    return static_cast<std::int16_t>(next);
}

void drawMeter(PanelSurface& surface, int x, int shown)
{
    if (shown < MeterHeight)
        surface.drawSkin(SkinMeterUnlit, x, MeterTop, MeterWidth, MeterHeight - shown);
    surface.excludeClip({x, MeterTop, x + MeterWidth - 1, MeterTop + MeterHeight - shown});
    surface.drawSkin(SkinMeterLit, x, MeterTop, 0, 0);
}
