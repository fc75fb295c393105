#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include "forms/bitmap.h"
#include "forms/colour.h"
#include "forms/control.h"
#include "forms/font.h"

// How the model's values look on the Qt side.
namespace qt {

QColor ToQColor(forms::Colour colour);

// The font that stands in for a model font, sized in logical pixels so that text keeps its
// place in the fixed layout whatever the screen's dots per inch.
QFont ToQFont(const forms::Font& font);

QImage ToQImage(const forms::Bitmap& bitmap);

QRect PixelRect(const forms::Control& control);

}  // namespace qt
