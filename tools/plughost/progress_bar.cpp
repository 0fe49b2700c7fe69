#include "tools/plughost/progress_bar.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int BarWidth = 30;

} // namespace

std::string progressLine(double fraction, const std::string& detail)
{
    if (fraction < 0.0)
        return detail;
    fraction = std::min(fraction, 1.0);
    const int filled = static_cast<int>(fraction * BarWidth);
    char percent[8];
    std::snprintf(percent, sizeof percent, "%3d%%", static_cast<int>(fraction * 100.0));
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(BarWidth - filled), '-') + "] " + percent +
           (detail.empty() ? "" : "  " + detail);
}

bool ProgressBar::wouldDraw(double elapsedSeconds) const
{
    return enabled && elapsedSeconds >= DelaySeconds && (!drawn || elapsedSeconds - lastDrawn >= IntervalSeconds);
}

void ProgressBar::update(double fraction, const std::string& detail, double elapsedSeconds)
{
    if (!wouldDraw(elapsedSeconds))
        return;
    const std::string line = progressLine(fraction, detail);
    // Pad over a longer previous line.
    out << '\r' << line << std::string(lastWidth > line.size() ? lastWidth - line.size() : 0, ' ') << std::flush;
    lastWidth = line.size();
    lastDrawn = elapsedSeconds;
    drawn = true;
}

void ProgressBar::finish()
{
    if (drawn)
        out << '\r' << std::string(lastWidth, ' ') << '\r' << std::flush;
    drawn = false;
}
