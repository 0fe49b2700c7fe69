#include "tests/gui_support/window_pixels.h"

#include <stb/stb_image_write.h>

WindowPicture WindowPicture::capture(HWND window)
{
    WindowPicture picture;
    RECT client = {};
    GetClientRect(window, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return picture;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();

    picture.pictureWidth = width;
    picture.pictureHeight = height;
    picture.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    const auto* source = static_cast<const std::uint8_t*>(bits);
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
        picture.rgb[i * 3] = source[i * 4 + 2];
        picture.rgb[i * 3 + 1] = source[i * 4 + 1];
        picture.rgb[i * 3 + 2] = source[i * 4];
    }

    SelectObject(memory, previous);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return picture;
}

COLORREF WindowPicture::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= pictureWidth || y >= pictureHeight)
        return CLR_INVALID;
    const std::size_t at = (static_cast<std::size_t>(y) * pictureWidth + x) * 3;
    return RGB(rgb[at], rgb[at + 1], rgb[at + 2]);
}

bool WindowPicture::savePng(const std::string& path) const
{
    if (rgb.empty())
        return false;
    return stbi_write_png(path.c_str(), pictureWidth, pictureHeight, 3, rgb.data(), pictureWidth * 3) != 0;
}

std::string colourText(COLORREF colour)
{
    return std::to_string(GetRValue(colour)) + "," + std::to_string(GetGValue(colour)) + "," +
           std::to_string(GetBValue(colour));
}
