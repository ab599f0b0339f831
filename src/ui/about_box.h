#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "shell/fm_about.h"

namespace velmor::ui {

// The About box's widgets over FmAbout.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(FmAbout& form, QWidget* parent);

    QLabel* link() const { return link_; }
    QPushButton* okButton() const { return ok_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    FmAbout& form_;
    QLabel* link_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace velmor::ui
