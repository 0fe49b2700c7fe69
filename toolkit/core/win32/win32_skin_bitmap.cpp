// SkinBitmap on GDI: BITMAP resources of the module, drawn with BitBlt, and
// the key colour made transparent through a monochrome mask.
#include "framework/module_state.h"
#include "toolkit/core/paint_colour.h"
#include "toolkit/core/painter.h"
#include "toolkit/core/skin_bitmap.h"

#include <windows.h>

namespace {

HDC dc(NativeSurface surface)
{
    return static_cast<HDC>(surface);
}

// The image's size in the logical units of the target.
POINT logicalSize(HDC target, HGDIOBJ image)
{
    BITMAP description{};
    GetObjectA(image, sizeof description, &description);
    POINT size{description.bmWidth, description.bmHeight};
    DPtoLP(target, &size, 1);
    return size;
}

// A memory device context holding one bitmap, given back on the way out.
class Holder {
public:
    Holder(HDC compatibleWith, HGDIOBJ bitmap)
        : context(CreateCompatibleDC(compatibleWith)), previous(SelectObject(context, bitmap))
    {
    }
    ~Holder()
    {
        SelectObject(context, previous);
        DeleteDC(context);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

    HDC context;

private:
    HGDIOBJ previous;
};

// One bit per pixel: 1 where the image has the key colour, 0 elsewhere.
HBITMAP makeMask(HDC target, HGDIOBJ image, PaintColour key)
{
    Holder imageHolder(target, image);
    const POINT size = logicalSize(target, image);
    HBITMAP mask = CreateBitmap(size.x, size.y, 1, 1, nullptr);
    {
        Holder maskHolder(target, mask);
        SetMapMode(imageHolder.context, GetMapMode(target));
        const COLORREF previous = SetBkColor(imageHolder.context, RGB(key.red, key.green, key.blue));
        BitBlt(maskHolder.context, 0, 0, size.x, size.y, imageHolder.context, 0, 0, SRCCOPY);
        SetBkColor(imageHolder.context, previous);
    }
    return mask;
}

} // namespace

SkinBitmap::SkinBitmap(std::int32_t id) : resourceId(id)
{
    HBITMAP loaded = LoadBitmapA(static_cast<HINSTANCE>(moduleHandle), MAKEINTRESOURCEA(id & 0xFFFF));
    if (loaded == nullptr)
        return;
    image = loaded;
    BITMAP description{};
    GetObjectA(loaded, sizeof description, &description);
    imageWidth = description.bmWidth;
    imageHeight = description.bmHeight;
}

SkinBitmap::~SkinBitmap()
{
    if (image != nullptr)
        DeleteObject(image);
    if (mask != nullptr)
        DeleteObject(mask);
}

void SkinBitmap::draw(Painter& painter, const PixelRect& destination, PixelPoint source)
{
    if (image == nullptr)
        return;
    HDC target = dc(painter.surface());
    Holder imageHolder(target, image);
    BitBlt(target, destination.left, destination.top, destination.width(), destination.height(),
           imageHolder.context, source.x, source.y, SRCCOPY);
}

void SkinBitmap::drawTransparent(Painter& painter, const PixelRect& destination, PixelPoint source)
{
    if (image == nullptr)
        return;
    HDC target = dc(painter.surface());
    if (mask == nullptr)
        mask = makeMask(target, image, transparencyKey);

    const POINT size = logicalSize(target, image);
    const int w = size.x;
    const int h = size.y;
    const int x = destination.left + source.x;
    const int y = destination.top + source.y;

    HBITMAP inverted = CreateBitmap(w, h, 1, 1, nullptr);
    HBITMAP work = CreateCompatibleBitmap(target, w, h);
    HBITMAP saved = CreateCompatibleBitmap(target, w, h);
    {
        Holder imageHolder(target, image);
        Holder maskHolder(target, mask);
        Holder invertedHolder(target, inverted);
        Holder workHolder(target, work);
        Holder savedHolder(target, saved);
        HDC i = imageHolder.context;
        HDC m = maskHolder.context;
        HDC n = invertedHolder.context;
        HDC wk = workHolder.context;
        HDC s = savedHolder.context;

        BitBlt(s, 0, 0, w, h, i, 0, 0, SRCCOPY);
        BitBlt(n, 0, 0, w, h, m, 0, 0, NOTSRCCOPY);
        // The background under the image, kept only where the key is.
        BitBlt(wk, 0, 0, w, h, target, x, y, SRCCOPY);
        BitBlt(wk, 0, 0, w, h, m, 0, 0, SRCAND);
        // The image with its key pixels black, laid over it. This changes the
        // shared image until it is put back below.
        BitBlt(i, 0, 0, w, h, n, 0, 0, SRCAND);
        BitBlt(wk, 0, 0, w, h, i, 0, 0, SRCPAINT);
        BitBlt(target, x, y, destination.width(), destination.height(), wk, source.x, source.y, SRCCOPY);
        BitBlt(i, 0, 0, w, h, s, 0, 0, SRCCOPY);
    }
    DeleteObject(inverted);
    DeleteObject(work);
    DeleteObject(saved);
}
