// A push button painted flat in the colour the program gives it, the same under every Qt style.
#pragma once

#include <QPushButton>

#include "window/colours.h"

namespace uragae {

class ColourButton : public QPushButton {
    Q_OBJECT

public:
    explicit ColourButton(QWidget* parent = nullptr);

    // Reads back exactly the value last written (a system colour stays 0x8000000F, not its RGB).
    [[nodiscard]] quint32 BackColor() const { return backColor_; }
    void SetBackColor(quint32 value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 backColor_ = ButtonFaceColor;
};

}  // namespace uragae
