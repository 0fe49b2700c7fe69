// A small software canvas for drawing skin artwork: filled and graded
// rectangles, bevels, rounded panels, discs and lines, all in integer
// arithmetic so every platform draws the same bytes.
#pragma once

#include "tools/artwork/bmp_file.h"

class Canvas {
public:
    Canvas(int width, int height, RgbColour fill);

    int width() const { return picture.width; }
    int height() const { return picture.height; }
    const RgbPicture& result() const { return picture; }

    RgbColour pixel(int x, int y) const;
    // Writes are clipped to the canvas.
    void setPixel(int x, int y, RgbColour colour);
    // alpha 0 keeps the pixel, 255 replaces it.
    void blendPixel(int x, int y, RgbColour colour, int alpha);

    // Rectangles take right and bottom as exclusive edges.
    void fillRect(int left, int top, int right, int bottom, RgbColour colour);
    void blendRect(int left, int top, int right, int bottom, RgbColour colour, int alpha);
    void verticalGradient(int left, int top, int right, int bottom, RgbColour upper, RgbColour lower);
    void horizontalLine(int left, int right, int y, RgbColour colour);
    void verticalLine(int x, int top, int bottom, RgbColour colour);
    // A one-pixel frame: light on the top and left edges, dark on the others.
    void bevel(int left, int top, int right, int bottom, RgbColour light, RgbColour dark);
    // A filled rectangle with corners rounded by radius, edges smoothed.
    void roundedRect(int left, int top, int right, int bottom, int radius, RgbColour colour, int alpha = 255);
    // A disc centred on (cx, cy) in half pixels, edges smoothed.
    void disc(int cx2, int cy2, int radius2, RgbColour colour);
    // Darkens or lightens by amount (-255 .. 255) inside a rectangle.
    void shade(int left, int top, int right, int bottom, int amount);
    void paste(const Canvas& other, int x, int y);

private:
    RgbPicture picture;
};

RgbColour mix(RgbColour a, RgbColour b, int weightOfB /* 0 .. 255 */);
