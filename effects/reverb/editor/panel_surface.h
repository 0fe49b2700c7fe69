// PanelSurface: what the reverb panel's widgets and meters need from a
// drawing surface. The Windows editor implements it on a device context
// with the module's shared skin; tests implement it with a recorder. The
// widgets never create or delete drawing objects: they name skins and
// brushes, the surface owns nothing of them either.
#pragma once

#include "effects/reverb/editor/skin_ids.h"

// Right and bottom edges are exclusive, as FillRect takes them.
struct PanelRect {
    int left;
    int top;
    int right;
    int bottom;
};

inline bool operator==(const PanelRect& a, const PanelRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The three solid brushes of the slider bars.
enum class BarBrush { Fill, Remainder, DisabledFill };

class PanelSurface {
public:
    virtual ~PanelSurface() = default;

    virtual void fillBar(const PanelRect& rect, BarBrush brush) = 0;
    // A skin bitmap at (x, y); a width or height of 0 takes the bitmap's own.
    virtual void drawSkin(SkinId skin, int x, int y, int width, int height) = 0;
    // Black text in the panel font, centred in rect, on a transparent background.
    virtual void drawText(const PanelRect& rect, const char* text) = 0;
    // Takes rect out of where drawing reaches, until resetClip.
    virtual void excludeClip(const PanelRect& rect) = 0;
    virtual void resetClip() = 0;
};
