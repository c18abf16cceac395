// Turning stored color values into colors to paint with.
#include "window/colors.h"

namespace uragae {

QColor ColorFromValue(quint32 value, const QPalette& palette)
{
    constexpr quint32 SystemColorBit = 0x80000000;
    // The only system color the program stores is the button face (0x0F).
    if ((value & SystemColorBit) != 0) {
        return palette.color(QPalette::Button);
    }
    const auto channel = [value](int shift) { return static_cast<int>((value >> shift) & 0xFFU); };
    return {channel(0), channel(8), channel(16)};
}

}  // namespace uragae
