#pragma once

#include "forms/bitmap.h"

namespace assets {

// The About window's picture, 108 x 143: a shot rising from a cannon towards a target under a
// night sky.
const forms::Bitmap& AboutPicture();

}  // namespace assets
