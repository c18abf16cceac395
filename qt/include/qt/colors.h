// The stored color values resolved for Qt, and the palette the board keeps on any desktop.
#pragma once

#include <QColor>
#include <QPalette>

#include "window/form1_controls.h"

namespace uragae {

// Resolves a stored color value against `palette` for painting.
QColor ColorFromValue(ColorValue value, const QPalette& palette);

// The window's own palette: Qt's default light colors in every role, so that the squares' face, the
// stones and the count row read the same on a dark desktop as on a light one, as a real board keeps
// its colors whatever the room's.
QPalette BoardPalette();

}  // namespace uragae
