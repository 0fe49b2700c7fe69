// QualitySelector: a strip of four segments lit from the left, one to four,
// for 4, 6, 8 or 10 comb pairs. A press inside a segment (not on a boundary
// between two) selects it.
#pragma once

#include "effects/reverb/editor/panel_layout.h"
#include "effects/reverb/editor/panel_surface.h"

#include <cstdint>

class QualitySelector {
public:
    // Draws itself at once, with all four segments lit.
    QualitySelector(PanelSurface& surface, const SelectorSpec& place);

    // Draws when the number of lit segments (0 .. 4) changes.
    void setState(std::uint8_t lit);
    bool trackAt(int px, int py);
    void draw();

    std::uint8_t state() const { return litSegments; }

private:
    PanelSurface& surface;
    const SelectorSpec& place;
    std::uint8_t litSegments = 4;
};
