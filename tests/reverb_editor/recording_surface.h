// A PanelSurface that writes down every drawing call as a line of text, so
// tests can compare what a widget draws with the panel's geometry.
#pragma once

#include "effects/reverb/editor/panel_surface.h"

#include <string>
#include <vector>

class RecordingSurface : public PanelSurface {
public:
    std::vector<std::string> calls;

    void fillBar(const PanelRect& r, BarBrush brush) override
    {
        const char* name = brush == BarBrush::Fill ? "fill" : brush == BarBrush::Remainder ? "remainder" : "disabled";
        calls.push_back(std::string(name) + " " + rect(r));
    }
    void drawSkin(SkinId skin, int x, int y, int width, int height) override
    {
        calls.push_back("skin " + std::to_string(static_cast<int>(skin)) + " at " + std::to_string(x) + "," +
                        std::to_string(y) + " size " + std::to_string(width) + "x" + std::to_string(height));
    }
    void drawText(const PanelRect& r, const char* text) override
    {
        calls.push_back("text " + rect(r) + " \"" + text + "\"");
    }
    void excludeClip(const PanelRect& r) override { calls.push_back("exclude " + rect(r)); }
    void resetClip() override { calls.push_back("reset clip"); }

    std::vector<std::string> take()
    {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }

private:
    static std::string rect(const PanelRect& r)
    {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
               std::to_string(r.bottom);
    }
};
