#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "options/fm_options.h"

namespace velmor::ui {

// The options dialog's widgets over FmOptions. The model owns the focus:
// the user's focus moves, typing, picks and clicks go to it, and sync()
// puts the real focus where the model says, so the dialog's focus rules
// hold on the real widgets.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(FmOptions& form, QWidget* parent);

    void sync();

    QComboBox* decimalList() const { return cbDec_; }
    QComboBox* thousandsList() const { return cbThs_; }
    QLineEdit* decimalBox() const { return txDec_; }
    QLineEdit* thousandsBox() const { return txThs_; }
    QLabel* sample() const { return lbSample_; }
    QPushButton* okButton() const { return cmOptExit_; }
    QPushButton* cancelButton() const { return cmOptCancel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QComboBox* makeList(const ComboBox& model, OptionsFocus id);
    QLineEdit* makeBox(TextBox& model, OptionsFocus id);
    QPushButton* makeButton(const CommandButton& model, OptionsFocus id);
    QWidget* widgetFor(OptionsFocus id) const;

    FmOptions& form_;
    QComboBox* cbDec_ = nullptr;
    QLineEdit* txDec_ = nullptr;
    QComboBox* cbThs_ = nullptr;
    QLineEdit* txThs_ = nullptr;
    QLabel* lbSample_ = nullptr;
    QPushButton* cmOptExit_ = nullptr;
    QPushButton* cmOptCancel_ = nullptr;
    bool syncing_ = false;
};

}  // namespace velmor::ui
