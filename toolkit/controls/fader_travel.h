// The arithmetic of a fader along its one axis: where the handle is drawn
// for a value, and what value a drag gives for a cursor position. Positions
// are pixels along the axis: x for a horizontal fader, y for a vertical one.
//
// minPos and maxPos are the travel of the handle's leading edge in panel
// coordinates; the handle is drawn in control coordinates, kept from
// starting before minPos and clipped (not moved) at maxPos + handle length.
#pragma once

#include <cstdint>

struct HandleSpan {
    std::int32_t leading;
    std::int32_t trailing;
};

struct FaderTravel {
    std::int32_t minPos;
    std::int32_t maxPos;
    std::int32_t handleLength;
    std::int32_t controlStart;

    std::int32_t range() const { return maxPos - minPos; }
    std::int32_t lowerLimit() const { return minPos - controlStart; }
    std::int32_t upperLimit() const { return maxPos + handleLength - controlStart; }

    // Control coordinates of the handle for the drawn fraction (the value,
    // or 1 - value when drawn reversed), shifted by the handle offset.
    HandleSpan span(float fraction, std::int32_t offset) const;

    // The value for the cursor at a panel position, grip pixels behind the
    // handle's leading edge. reversed maps the far end to 0; fine moves a
    // tenth as fast from the reference value. Always within 0 .. 1.
    float dragValue(std::int32_t cursor, std::int32_t grip, bool reversed, bool fine, float reference) const;
};
