// A push button painted flat in the color the program gives it, the same under every Qt style.
#pragma once

#include <QPushButton>

#include "window/form1_controls.h"

namespace uragae {

class ColorButton : public QPushButton {
    Q_OBJECT

public:
    explicit ColorButton(QWidget* parent = nullptr);

    // Reads back exactly the value last written (a system color stays 0x8000000F, not its RGB).
    [[nodiscard]] ColorValue BackColor() const { return backColor_; }
    void SetBackColor(ColorValue value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorValue backColor_ = ButtonFaceColor;
};

}  // namespace uragae
