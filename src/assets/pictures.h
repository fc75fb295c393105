#pragma once

#include "forms/bitmap.h"

// The pictures of the playfield, made once and kept for the life of the program.
namespace assets {

const forms::Bitmap& OvalTarget();    // 18 x 20
const forms::Bitmap& SquareTarget();  // 18 x 20
const forms::Bitmap& Cannon();        // 38 x 24
const forms::Bitmap& Shot();          // 2 x 3
const forms::Bitmap& WindowIcon();    // 32 x 32, sixteen colours and a transparency mask

}  // namespace assets
