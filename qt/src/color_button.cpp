// Painting a colored button by hand: style sheets and palettes leave some styles' gradients.
#include "qt/color_button.h"

#include <QPainter>

#include "qt/colors.h"

namespace uragae {

ColorButton::ColorButton(QWidget* parent) : QPushButton(parent) {}

void ColorButton::SetBackColor(ColorValue value)
{
    if (value != backColor_) {
        backColor_ = value;
        update();
    }
}

void ColorButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect area = rect();
    const QPalette& colors = palette();
    painter.fillRect(area, ColorFromValue(backColor_, colors));

    // A dark outline (neighbouring squares overlap by one pixel, so they share it) and an inner
    // bevel, raised at rest and sunk while pressed, as on a classic graphical button.
    const bool sunken = isDown();
    painter.setPen(colors.color(QPalette::Shadow));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    const QRect inner = area.adjusted(1, 1, -2, -2);
    painter.setPen(colors.color(sunken ? QPalette::Mid : QPalette::Light));
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(colors.color(sunken ? QPalette::Light : QPalette::Mid));
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());

    painter.setPen(colors.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(font());
    const int shift = sunken ? 1 : 0;
    painter.drawText(area.translated(shift, shift), Qt::AlignCenter, text());

    if (hasFocus()) {
        // Dark enough to stand out on the button face and on the light green alike.
        painter.setPen(QPen(colors.color(QPalette::Highlight).darker(150), 2));
        painter.drawRect(area.adjusted(4, 4, -4, -4));
    }
}

}  // namespace uragae
