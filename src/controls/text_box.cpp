#include "controls/text_box.h"

#include <algorithm>

namespace velmor {

void TextBox::setText(std::u16string text) {
    const bool changed = text != text_;
    text_ = std::move(text);
    selStart_ = static_cast<int>(text_.size());
    selLength_ = 0;
    if (changed && onChange) onChange();
}

void TextBox::setSelection(int start, int length) {
    const int size = static_cast<int>(text_.size());
    selStart_ = std::clamp(start, 0, size);
    selLength_ = std::clamp(length, 0, size - selStart_);
}

void TextBox::replaceSelection(std::u16string_view with) {
    const auto start = static_cast<std::size_t>(selStart_);
    std::u16string edited = text_;
    edited.replace(start, static_cast<std::size_t>(selLength_), with);
    if (acceptsEdit && !acceptsEdit(edited)) return;
    const int caret = selStart_ + static_cast<int>(with.size());
    // The caret ends behind the edit, as it does when the user types.
    const bool changed = edited != text_;
    text_ = std::move(edited);
    selStart_ = caret;
    selLength_ = 0;
    if (changed && onChange) onChange();
}

void TextBox::typeCharacter(char16_t c) {
    const auto grownSize = text_.size() - static_cast<std::size_t>(selLength_) + 1;
    if (maxLength != kUnlimited && grownSize > static_cast<std::size_t>(maxLength)) return;
    replaceSelection(std::u16string_view(&c, 1));
}

void TextBox::backspace() {
    if (selLength_ == 0) {
        if (selStart_ == 0) return;
        setSelection(selStart_ - 1, 1);
    }
    replaceSelection({});
}

void TextBox::deleteForward() {
    if (selLength_ == 0) {
        if (selStart_ == static_cast<int>(text_.size())) return;
        setSelection(selStart_, 1);
    }
    replaceSelection({});
}

void TextBox::moveCaretLeft() {
    setSelection(selLength_ > 0 ? selStart_ : selStart_ - 1, 0);
}

void TextBox::moveCaretRight() {
    setSelection(selLength_ > 0 ? selStart_ + selLength_ : selStart_ + 1, 0);
}

}  // namespace velmor
