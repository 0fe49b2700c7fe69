#include "toolkit/core/skin_bitmap.h"

void SkinBitmap::retain()
{
    ++references;
}

void SkinBitmap::release()
{
    if (--references == 0)
        delete this;
}
