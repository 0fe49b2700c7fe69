// SkinBitmap: one BITMAP resource of the module, shared by reference count
// between the panel and its controls. Every holder retains what it keeps
// and releases it when done; the last release destroys the bitmap. Drawn
// either plainly or with the transparency key (white) letting the
// background through; the mask for that is made on the first transparent
// draw and kept.
//
// Loading and drawing are the platform's (win32/, stub/); the count is here.
#pragma once

#include "toolkit/core/native_handles.h"
#include "toolkit/core/pixel_rect.h"

#include <cstdint>

class Painter;

class SkinBitmap {
public:
    // A resource that does not load gives no image and a size of 0 x 0.
    explicit SkinBitmap(std::int32_t resourceId);
    SkinBitmap(const SkinBitmap&) = delete;
    SkinBitmap& operator=(const SkinBitmap&) = delete;

    void retain();
    void release();

    std::int32_t width() const { return imageWidth; }
    std::int32_t height() const { return imageHeight; }
    std::int32_t resource() const { return resourceId; }
    std::int32_t referenceCount() const { return references; }
    bool isLoaded() const { return image != nullptr; }

    // The rectangle's size of the image from the source offset, to the
    // rectangle's top-left corner.
    void draw(Painter& painter, const PixelRect& destination, PixelPoint source);
    // As draw, but pixels of the transparency key show what was there.
    void drawTransparent(Painter& painter, const PixelRect& destination, PixelPoint source);

private:
    ~SkinBitmap();

    std::int32_t resourceId;
    NativeObject image = nullptr;
    NativeObject mask = nullptr;
    std::int32_t imageWidth = 0;
    std::int32_t imageHeight = 0;
    std::int32_t references = 1;
};
