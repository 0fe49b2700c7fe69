#include "toolkit/controls/filmstrip_view.h"

#include "toolkit/controls/filmstrip.h"
#include "toolkit/core/skin_bitmap.h"

FilmstripView::FilmstripView(const PixelRect& rect, ControlListener* owner, std::int32_t controlTag,
                             std::int32_t frames, std::int32_t height, SkinBitmap* strip, PixelPoint stripOffset)
    : Control(rect, owner, controlTag), frameCount(frames), frameHeight(height), filmstrip(strip), offset(stripOffset)
{
    if (filmstrip != nullptr)
        filmstrip->retain();
}

FilmstripView::~FilmstripView()
{
    if (filmstrip != nullptr)
        filmstrip->release();
}

void FilmstripView::draw(Painter& painter)
{
    drawFilmstripFrame(filmstrip, painter, rectangle, offset, frameHeight, filmstripViewFrame(value, frameCount));
    lastDrawnValue = value;
}
