// The window's colors, written as the 32-bit &H00BBGGRR values the program stores and compares.
#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

namespace uragae {

// The high bit marks a system color: the low byte names which one (0x0F is the button face).
inline constexpr quint32 ButtonFaceColor = 0x8000000F;
inline constexpr quint32 LegalColor = 0x0080FF80;        // light green: the person may play here
inline constexpr quint32 ResetButtonColor = 0x00FF8080;  // light blue-violet
inline constexpr quint32 CountTextColor = 0x000000FF;    // red

// Resolves a stored color value against `palette` for painting.
QColor ColorFromValue(quint32 value, const QPalette& palette);

// The window's own palette: Qt's default light colors in every role, so that the squares' face, the
// stones and the count row read the same on a dark desktop as on a light one, as a real board keeps
// its colors whatever the room's.
QPalette BoardPalette();

}  // namespace uragae
