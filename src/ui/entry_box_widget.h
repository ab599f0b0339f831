#pragma once

#include <QLineEdit>

#include "shell/fm_main.h"

namespace velmor::ui {

// The entry box's widget. Every key goes to the main window's key map
// first, Tab included; characters reach the box only through the core's
// filter, while caret, selection and the box's own editing keys stay Qt's.
// Whatever the widget changes by itself goes back to the model.
class EntryBoxWidget : public QLineEdit {
    Q_OBJECT
public:
    EntryBoxWidget(FmMain& form, QWidget* parent);

    // Copies the model into the widget without echoing it back.
    void sync();

signals:
    void handled();  // an event reached the core: the window should sync

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void takeSelection();
    void takeEdit(const QString& text);

    FmMain& form_;
    bool syncing_ = false;
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace velmor::ui
