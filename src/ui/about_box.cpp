#include "ui/about_box.h"

#include <QMouseEvent>

#include "ui/field_widgets.h"
#include "ui/qt_convert.h"
#include "ui/svg_picture.h"

namespace velmor::ui {

AboutBox::AboutBox(FmAbout& form, QWidget* parent) : QDialog(parent), form_(form) {
    form_.Form_Load();
    setWindowTitle(qt(form_.caption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(pixels(5730), pixels(3360));
    setModal(true);

    auto* logo = new QLabel(this);
    logo->setGeometry(pixels(form_.Image1.geometry));
    logo->setPixmap(svgPicture(QStringLiteral(":/velmor/logo.svg"), logo->size()));
    for (const Label* label : {&form_.Label1, &form_.lblTitle, &form_.lblVersion,
                               &form_.lblDisclaimer, &form_.Label3, &form_.Label5}) {
        syncLabel(*new QLabel(this), *label);
    }
    auto* description = new QLabel(this);
    description->setWordWrap(true);
    syncLabel(*description, form_.lblDescription);
    for (const Label& line : form_.Line1) {
        auto* rule = new QWidget(this);
        const QRect at = pixels(line.geometry);
        rule->setGeometry(at.x(), at.y(), at.width(), 1);  // a one-pixel line
        rule->setAutoFillBackground(true);
        QPalette colour = rule->palette();
        colour.setColor(QPalette::Window, qt(line.fore));
        rule->setPalette(colour);
    }

    link_ = new QLabel(this);
    syncLabel(*link_, form_.lblLink);
    QFont underlined = link_->font();
    underlined.setUnderline(true);
    link_->setFont(underlined);
    link_->setCursor(Qt::PointingHandCursor);
    link_->installEventFilter(this);

    ok_ = new QPushButton(qt(form_.cmdOK.caption), this);
    ok_->setGeometry(pixels(form_.cmdOK.geometry));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == link_ && event->type() == QEvent::MouseButtonRelease) {
        form_.lblLink_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// OK, Enter, Esc and the close box all end here.
void AboutBox::done(int result) {
    form_.cmdOK_Click();
    QDialog::done(result);
}

}  // namespace velmor::ui
