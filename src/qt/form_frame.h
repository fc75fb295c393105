#pragma once

#include <QWidget>

#include "forms/form.h"

namespace qt {

// Gives a top-level widget the caption, client size, frame, buttons and icon of its form.
void ApplyFormFrame(QWidget& window, const forms::Form& form);

}  // namespace qt
