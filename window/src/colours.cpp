// Turning stored colour values into colours to paint with.
#include "window/colours.h"

namespace uragae {

QColor ColourFromValue(quint32 value, const QPalette& palette)
{
    constexpr quint32 SystemColourBit = 0x80000000;
    // The only system colour the program stores is the button face (0x0F).
    if ((value & SystemColourBit) != 0) {
        return palette.color(QPalette::Button);
    }
    const auto channel = [value](int shift) { return static_cast<int>((value >> shift) & 0xFFU); };
    return {channel(0), channel(8), channel(16)};
}

}  // namespace uragae
