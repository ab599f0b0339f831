#include "ui/options_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>

#include "ui/field_widgets.h"
#include "ui/one_size.h"
#include "ui/qt_convert.h"
#include "ui/qt_keys.h"
#include "ui/translations.h"
#include "ui/velmor_style.h"

namespace velmor::ui {
namespace {

void setBack(QWidget& widget, Rgb rgb) {
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Base, qt(rgb));
    colours.setColor(QPalette::Button, qt(rgb));
    if (colours != widget.palette()) widget.setPalette(colours);
}

}  // namespace

OptionsDialog::OptionsDialog(FmOptions& form, QWidget* parent) : QDialog(parent), form_(form) {
    setPalette(velmorPalette());
    setWindowTitle(tr(" Config"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    fixWindowSize(*this, QSize(358, 137));
    setModal(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(112, 168, 216));
    setPalette(colours);

    cbDec_ = makeList(form_.cbDec, OptionsFocus::cbDec);
    txDec_ = makeBox(form_.txDec, OptionsFocus::txDec);
    cbThs_ = makeList(form_.cbThs, OptionsFocus::cbThs);
    txThs_ = makeBox(form_.txThs, OptionsFocus::txThs);
    // Each list is labelled by the text before it, and named for a screen
    // reader with its "other" box, rather than by the mark it shows.
    for (const auto& [model, list] :
         {std::pair{&form_.Label1, cbDec_}, std::pair{&form_.Label2, cbThs_}}) {
        auto* label = new QLabel(this);
        syncLabel(*label, *model);
        growToTheLeft(*label);
        label->setBuddy(list);
    }
    cbDec_->setAccessibleName(tr("decimal mark"));
    txDec_->setAccessibleName(tr("other decimal mark"));
    cbThs_->setAccessibleName(tr("thousand separator"));
    txThs_->setAccessibleName(tr("other thousand separator"));
    lbSample_ = new QLabel(this);
    lbSample_->setAutoFillBackground(true);
    lbSample_->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette sample = lbSample_->palette();
    sample.setColor(QPalette::Window, QColor(224, 232, 255));
    lbSample_->setPalette(sample);
    cmOptExit_ = makeButton(form_.cmOptExit, OptionsFocus::cmOptExit);
    cmOptCancel_ = makeButton(form_.cmOptCancel, OptionsFocus::cmOptCancel);
    setTabOrder(cbDec_, txDec_);
    setTabOrder(txDec_, cbThs_);
    setTabOrder(cbThs_, txThs_);
    setTabOrder(txThs_, cmOptExit_);
    setTabOrder(cmOptExit_, cmOptCancel_);

    form_.Form_Activate();  // the first activation sets the dialog up
    sync();
}

QComboBox* OptionsDialog::makeList(const ComboBox& model, OptionsFocus id) {
    auto* list = new QComboBox(this);
    for (int i = 0; i < model.listCount(); ++i)
        list->addItem(translated(model.list(i)));
    list->setGeometry(pixels(model.geometry));
    list->setFont(qt(model.font));
    list->setToolTip(translated(model.toolTip));
    list->installEventFilter(this);
    connect(list, &QComboBox::activated, this, [this, id](int index) {
        if (syncing_) return;
        form_.focusOn(id);
        (id == OptionsFocus::cbDec ? form_.cbDec : form_.cbThs).setListIndex(index);
        sync();
    });
    return list;
}

QLineEdit* OptionsDialog::makeBox(TextBox& model, OptionsFocus id) {
    auto* box = new QLineEdit(this);
    box->setGeometry(pixels(model.geometry));
    box->setFont(qt(model.font));
    box->setAlignment(qt(model.alignment));
    box->setToolTip(id == OptionsFocus::txDec ? tr(" Enter other decimal mark here ")
                                              : tr(" Enter other thousend separator mark here "));
    box->installEventFilter(this);
    connect(box, &QLineEdit::textEdited, this, [this, &model](const QString& text) {
        if (syncing_) return;
        model.replaceByUser(core(text));
        sync();
    });
    return box;
}

QPushButton* OptionsDialog::makeButton(const CommandButton& model, OptionsFocus id) {
    auto* button = new QPushButton(translated(model.caption), this);
    button->setGeometry(pixels(model.geometry));
    button->setFont(qt(model.font));
    button->setAutoDefault(false);
    QPalette colours = button->palette();
    colours.setColor(QPalette::Button, qt(model.back));
    button->setPalette(colours);
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, id] {
        if (syncing_) return;
        form_.clickButton(id);
        sync();
    });
    return button;
}

QWidget* OptionsDialog::widgetFor(OptionsFocus id) const {
    switch (id) {
        case OptionsFocus::cbDec:
            return cbDec_;
        case OptionsFocus::txDec:
            return txDec_;
        case OptionsFocus::cbThs:
            return cbThs_;
        case OptionsFocus::txThs:
            return txThs_;
        case OptionsFocus::cmOptExit:
            return cmOptExit_;
        case OptionsFocus::cmOptCancel:
            return cmOptCancel_;
    }
    return nullptr;
}

// The user's focus moves go to the model; Enter and Esc are the dialog's; a
// key held with Ctrl or Alt types nothing, as in the entry box: no mark in a
// box, no search in a list.
bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && !syncing_) {
        for (const OptionsFocus id :
             {OptionsFocus::cbDec, OptionsFocus::txDec, OptionsFocus::cbThs, OptionsFocus::txThs,
              OptionsFocus::cmOptExit, OptionsFocus::cmOptCancel}) {
            if (widgetFor(id) == watched) form_.focusOn(id);
        }
        sync();
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* pressed = static_cast<QKeyEvent*>(event);
        if (!pressed->text().isEmpty() && !typesWith(virtualKey(*pressed).modifiers)) {
            QKeyEvent editing = withoutText(*pressed);
            QCoreApplication::sendEvent(watched, &editing);
            return true;
        }
        const int key = pressed->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            form_.pressEnter();
            sync();
            return true;
        }
        if (key == Qt::Key_Escape) {
            form_.pressEscape();
            sync();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::reject() {
    // Esc reaching the dialog itself, as Cancel.
    if (form_.isOpen()) form_.pressEscape();
    sync();
}

void OptionsDialog::closeEvent(QCloseEvent* event) {
    if (form_.isOpen()) form_.closeBox();
    event->accept();
    sync();
}

void OptionsDialog::sync() {
    if (!form_.isOpen()) {
        if (isVisible()) done(QDialog::Accepted);
        return;
    }
    syncing_ = true;
    for (const auto& [list, model] :
         {std::pair{cbDec_, &form_.cbDec}, std::pair{cbThs_, &form_.cbThs}}) {
        list->setCurrentIndex(model->listIndex());
        setBack(*list, model->back);
    }
    for (const auto& [box, model] :
         {std::pair{txDec_, &form_.txDec}, std::pair{txThs_, &form_.txThs}}) {
        const QString text = qt(model->text());
        // A text set in code is never cut to the one typed character, and a
        // character beyond the first 65536 takes two code units: the model
        // refuses what is more than one character.
        box->setMaxLength(std::max<int>(2, static_cast<int>(text.size())));
        if (box->text() != text) box->setText(text);
        box->setEnabled(model->enabled);
        setBack(*box, model->back);
        if (model->selLength() > 0) {
            box->setSelection(model->selStart(), model->selLength());
        } else {
            box->setCursorPosition(model->selStart());
        }
    }
    syncLabel(*lbSample_, form_.lbSample);
    growToTheLeft(*lbSample_);
    cmOptExit_->setEnabled(form_.cmOptExit.enabled);
    if (QWidget* focused = widgetFor(form_.focus()); focused != nullptr && focused->isEnabled()) {
        focused->setFocus();
    }
    syncing_ = false;
}

}  // namespace velmor::ui
