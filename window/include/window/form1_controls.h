// The window's controls as the turn flow drives them, under their design names; each front end
// implements them over its toolkit's widgets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace uragae {

// Colors as the program stores and compares them: 32-bit &H00BBGGRR values. The high bit marks a
// system color, named by the low byte (0x0F, the button face); a front end resolves it to paint.
using ColorValue = std::uint32_t;
inline constexpr ColorValue ButtonFaceColor = 0x8000000F;
inline constexpr ColorValue LegalColor = 0x0080FF80;  // light green: the person may play here

// The count boxes: "●" stones, "○" stones, empty squares.
enum class CountBox { Text1, Text2, Text3 };

// Texts are UTF-8. Square indexes are 0..63; an implementation throws std::out_of_range outside them.
class Form1Controls {
public:
    Form1Controls() = default;
    Form1Controls(const Form1Controls&) = delete;
    Form1Controls& operator=(const Form1Controls&) = delete;
    Form1Controls(Form1Controls&&) = delete;
    Form1Controls& operator=(Form1Controls&&) = delete;
    virtual ~Form1Controls() = default;

    // Command1(square), the squares. A back color reads back exactly as it was written: a system
    // color as its system-color value, never as the red, green and blue it resolves to.
    [[nodiscard]] virtual std::string Command1Caption(int square) const = 0;
    virtual void SetCommand1Caption(int square, std::string_view caption) = 0;
    [[nodiscard]] virtual ColorValue Command1BackColor(int square) const = 0;
    virtual void SetCommand1BackColor(int square, ColorValue color) = 0;
    virtual void FocusCommand1(int square) = 0;

    [[nodiscard]] virtual std::string Text(CountBox box) const = 0;
    virtual void SetText(CountBox box, std::string_view text) = 0;
    virtual void FocusText1() = 0;

    // Command2, パス. It holds the focus when the window's focus is on it, even while a message box
    // is active above the window.
    virtual void SetCommand2Enabled(bool enabled) = 0;
    [[nodiscard]] virtual bool Command2HasFocus() const = 0;

    // A modal box titled ウラガエ with the text, one OK and no icon, over the window; returns once
    // the person has closed it, and no click reaches the window meanwhile.
    virtual void MsgBox(std::string_view text) = 0;
    // Puts what the controls hold on the screen before it returns; toolkits otherwise paint only
    // between events, and the computer's pause is no event.
    virtual void PaintNow() = 0;
    // Ends the program with status 0, asking nothing; the flow does nothing after it.
    virtual void EndProgram() = 0;
};

}  // namespace uragae
