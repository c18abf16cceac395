// Turning stored colour values into colours to paint with.
#include "window/colours.h"

namespace uragae {

namespace {
constexpr quint32 SystemColourBit = 0x80000000;
constexpr quint32 SystemButtonFace = 0x0F;
constexpr quint32 SystemButtonText = 0x12;
constexpr quint32 SystemWindow = 0x05;
constexpr quint32 SystemWindowText = 0x08;
}  // namespace

QColor ColourFromValue(quint32 value, const QPalette& palette)
{
    if ((value & SystemColourBit) != 0) {
        switch (value & 0xFFU) {
        case SystemButtonText: return palette.color(QPalette::ButtonText);
        case SystemWindow: return palette.color(QPalette::Base);
        case SystemWindowText: return palette.color(QPalette::Text);
        case SystemButtonFace:
        default: return palette.color(QPalette::Button);
        }
    }
    const auto channel = [value](int shift) { return static_cast<int>((value >> shift) & 0xFFU); };
    return {channel(0), channel(8), channel(16)};
}

}  // namespace uragae
