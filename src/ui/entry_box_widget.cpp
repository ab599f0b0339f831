#include "ui/entry_box_widget.h"

#include <QKeyEvent>

#include "ui/qt_convert.h"
#include "ui/qt_keys.h"

namespace velmor::ui {

EntryBoxWidget::EntryBoxWidget(FmMain& form, QWidget* parent) : QLineEdit(parent), form_(form) {
    setFrame(true);
    setMaxLength(form_.txNum.maxLength);
    connect(this, &QLineEdit::textEdited, this, &EntryBoxWidget::takeEdit);
    connect(this, &QLineEdit::selectionChanged, this, &EntryBoxWidget::takeSelection);
    connect(this, &QLineEdit::cursorPositionChanged, this, &EntryBoxWidget::takeSelection);
}

bool EntryBoxWidget::event(QEvent* event) {
    // Tab and Shift+Tab are commands of the key map, not focus moves.
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QLineEdit::event(event);
}

void EntryBoxWidget::keyPressEvent(QKeyEvent* event) {
    // The box's own editing (caret moves, Delete, Backspace, its shortcuts)
    // is Qt's, but what a key types is the core's alone: the box gets the
    // key without its text, so that a key the core left to it, a letter
    // held with Alt or Ctrl among them, types nothing.
    if (form_.deliverKey(virtualKey(*event)) == KeyOutcome::LeftToTheBox) {
        QKeyEvent editing = withoutText(*event);
        QLineEdit::keyPressEvent(&editing);
    }
    event->accept();
    emit handled();
}

// A click is a press and a release; the release that ends a double click
// is no second click.
void EntryBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    takeSelection();
    if (!releaseEndsDoubleClick_) form_.txNum_Click();
    releaseEndsDoubleClick_ = false;
    emit handled();
}

void EntryBoxWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    releaseEndsDoubleClick_ = true;
    form_.txNum_DblClick();
    emit handled();
}

void EntryBoxWidget::takeEdit(const QString& text) {
    if (syncing_) return;
    form_.txNum.replaceByUser(core(text));
    takeSelection();
    emit handled();
}

void EntryBoxWidget::takeSelection() {
    if (syncing_) return;
    if (hasSelectedText()) {
        form_.txNum.setSelection(selectionStart(), static_cast<int>(selectedText().size()));
    } else {
        form_.txNum.setSelection(cursorPosition(), 0);
    }
}

void EntryBoxWidget::sync() {
    syncing_ = true;
    const TextBox& model = form_.txNum;
    const QString text = qt(model.text());
    if (this->text() != text) setText(text);
    if (model.selLength() > 0) {
        setSelection(model.selStart(), model.selLength());
    } else {
        setCursorPosition(model.selStart());
    }
    setGeometry(pixels(model.geometry));
    setVisible(model.visible);
    setEnabled(model.enabled);
    QFont font = qt(model.font);
    if (this->font() != font) setFont(font);
    setAlignment(qt(model.alignment));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, qt(model.back));
    colours.setColor(QPalette::Text, qt(model.fore));
    if (colours != palette()) setPalette(colours);
    syncing_ = false;
}

}  // namespace velmor::ui
