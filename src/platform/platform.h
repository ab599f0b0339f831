#pragma once

#include <optional>
#include <string>

namespace velmor {

// The system's regional number format, as the desktop reports it.
struct RegionalMarks {
    std::u16string decimalMark;
    std::u16string groupSeparator;  // empty when the system groups no digits
};

// Everything Velmor needs from outside its own process. The Qt layer
// implements it for real; tests and the scenario runner script it.
class Platform {
public:
    virtual ~Platform() = default;

    virtual RegionalMarks regionalMarks() const = 0;

    // The clipboard's plain text; nullopt when it holds no text at all.
    virtual std::optional<std::u16string> clipboardText() const = 0;
    virtual void setClipboardText(const std::u16string& text) = 0;

    // A pseudo-random source: seeded from the clock, then drawn in [0, 1).
    virtual void seedRandomFromClock() = 0;
    virtual double randomDraw() = 0;

    // The main window has closed: the program ends.
    virtual void endProgram() = 0;
};

}  // namespace velmor
