#include "toolkit/core/pixel_rect.h"

#include <algorithm>

PixelRect::PixelRect(PixelPoint corner, PixelPoint opposite)
    : left(std::min(corner.x, opposite.x)),
      top(std::min(corner.y, opposite.y)),
      right(std::max(corner.x, opposite.x)),
      bottom(std::max(corner.y, opposite.y))
{
}
