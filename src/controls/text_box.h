#pragma once

#include <functional>
#include <string>

#include "controls/font.h"
#include "controls/geometry.h"

namespace velmor {

// A one-line text box. Every change of its text, by the user's editing or by
// code, raises the change handler before the change returns; the handler
// asks `enabled` to tell the two apart where code disables the box first.
// The text and selection have accessors, since changing them raises the
// handler or keeps them consistent; the rest is plain data.
class TextBox {
public:
    static constexpr int kUnlimited = 0;
    // A selection start or length past the end of any text the boxes hold:
    // setSelection clamps it, so (0, kToTheEnd) selects everything and
    // (kToTheEnd, 0) puts the caret after the last character.
    static constexpr int kToTheEnd = 99;

    const std::u16string& text() const { return text_; }
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }

    // Code sets the text: the caret goes to its end with nothing selected.
    void setText(std::u16string text);
    // Selects as code or the mouse would: both values are clamped to the text.
    void setSelection(int start, int length);

    // The user's own editing. A typed character replaces the selection unless
    // the text would grow past maxLength.
    void typeCharacter(char16_t c);
    void backspace();
    void deleteForward();
    void moveCaretHome() { setSelection(0, 0); }
    void moveCaretEnd() { setSelection(static_cast<int>(text_.size()), 0); }
    void moveCaretLeft();
    void moveCaretRight();
    // The box's own paste or cut replaces the whole text, unfiltered but for
    // acceptsEdit.
    void replaceByUser(std::u16string text) {
        if (!acceptsEdit || acceptsEdit(text)) setText(std::move(text));
    }

    Rect geometry;
    Rgb back{255, 255, 255};
    Rgb fore;
    Font font;
    Alignment alignment = Alignment::Left;
    int maxLength = kUnlimited;
    // When set, the user's own editing is dropped wherever it would leave a
    // text this refuses; text set in code is taken as it is.
    std::function<bool(std::u16string_view)> acceptsEdit;
    bool enabled = true;
    bool visible = true;
    bool focused = false;  // the keyboard's focus, given by code

    std::function<void()> onChange;

private:
    void replaceSelection(std::u16string_view with);

    std::u16string text_;
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace velmor
