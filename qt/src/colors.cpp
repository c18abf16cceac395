// Turning stored color values into colors to paint with, and the palette the window paints in.
#include "qt/colors.h"

#include <array>

namespace uragae {

QColor ColorFromValue(ColorValue value, const QPalette& palette)
{
    constexpr ColorValue SystemColorBit = 0x80000000;
    // The only system color the program stores is the button face (0x0F).
    if ((value & SystemColorBit) != 0) {
        return palette.color(QPalette::Button);
    }
    const auto channel = [value](int shift) { return static_cast<int>((value >> shift) & 0xFFU); };
    return {channel(0), channel(8), channel(16)};
}

QPalette BoardPalette()
{
    struct RoleColors {
        QPalette::ColorRole role;
        QRgb normal;  // active and inactive
        QRgb disabled;
    };
    // Every role set, so that no role falls back to the desktop's palette when it changes.
    static constexpr std::array<RoleColors, 20> Roles{{
        {QPalette::WindowText, 0xff000000, 0xffbebebe},
        {QPalette::Button, 0xffefefef, 0xffefefef},
        {QPalette::Light, 0xffffffff, 0xffffffff},
        {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
        {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text, 0xff000000, 0xffbebebe},
        {QPalette::BrightText, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe},
        {QPalette::Base, 0xffffffff, 0xffefefef},
        {QPalette::Window, 0xffefefef, 0xffefefef},
        {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
        {QPalette::Highlight, 0xff308cc6, 0xff919191},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link, 0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
        {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
        {QPalette::ToolTipText, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    }};
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, QRgb normal, QRgb disabled) {
        palette.setColor(QPalette::All, role, QColor::fromRgba(normal));
        palette.setColor(QPalette::Disabled, role, QColor::fromRgba(disabled));
    };
    for (const RoleColors& colors : Roles) {
        set(colors.role, colors.normal, colors.disabled);
    }
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    set(QPalette::Accent, 0xff308cc6, 0xff919191);  // newer Qt styles mark focus and selection with it
#endif
    return palette;
}

}  // namespace uragae
