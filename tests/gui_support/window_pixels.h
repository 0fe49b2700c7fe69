// What a window shows on the screen, copied into memory: pixels to test
// and a PNG file to look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class WindowPicture {
public:
    // Copies the window's client area from the screen.
    static WindowPicture capture(HWND window);

    int width() const { return pictureWidth; }
    int height() const { return pictureHeight; }
    // RGB(r, g, b) of the pixel, or CLR_INVALID outside the picture.
    COLORREF pixel(int x, int y) const;
    bool savePng(const std::string& path) const;

private:
    int pictureWidth = 0;
    int pictureHeight = 0;
    std::vector<std::uint8_t> rgb; // rows top down, three bytes a pixel
};

// A colour as "r,g,b", for readable test failures.
std::string colourText(COLORREF colour);
