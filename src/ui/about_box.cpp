#include "ui/about_box.h"

#include <QMouseEvent>

#include <algorithm>

#include "ui/field_widgets.h"
#include "ui/qt_convert.h"
#include "ui/svg_icon_engine.h"
#include "ui/velmor_style.h"

namespace velmor::ui {

AboutBox::AboutBox(FmAbout& form, QWidget* parent) : QDialog(parent), form_(form) {
    setPalette(velmorPalette());
    form_.Form_Load();
    setWindowTitle(qt(form_.caption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(pixels(5730), pixels(3360));
    setModal(true);

    auto* logo = new QLabel(this);
    logo->setGeometry(pixels(form_.Image1.geometry));
    logo->setPixmap(svgIcon(QStringLiteral(":/velmor/logo.svg"))
                        .pixmap(logo->size(), logo->devicePixelRatioF()));
    // Liberation Sans runs wider than the bitmap face the layout was drawn
    // for: a label keeps its place but grows to its text.
    const auto place = [this](const Label& model) {
        auto* label = new QLabel(this);
        syncLabel(*label, model);
        if (label->sizeHint().width() > label->width()) {
            label->resize(label->sizeHint().width(), label->height());
        }
        return label;
    };
    for (const Label* label :
         {&form_.Label1, &form_.lblTitle, &form_.lblVersion, &form_.lblDisclaimer}) {
        place(*label);
    }
    auto* description = new QLabel(this);
    description->setObjectName(QStringLiteral("description"));
    description->setWordWrap(true);
    syncLabel(*description, form_.lblDescription);
    // Liberation Sans wraps it into more lines than its height holds: it
    // widens, up to the rule's right end, until its lines fit.
    const Rect& rule = form_.Line1[0].geometry;
    const int widest = pixels(rule.left + rule.width) - description->x();
    while (description->heightForWidth(description->width()) > description->height() &&
           description->width() < widest) {
        description->resize(description->width() + 1, description->height());
    }
    for (const Label& line : form_.Line1) {
        auto* rule = new QWidget(this);
        rule->setObjectName(QStringLiteral("rule"));
        const QRect at = pixels(line.geometry);
        rule->setGeometry(at.x(), at.y(), at.width(), 1);  // a one-pixel line
        rule->setAutoFillBackground(true);
        QPalette colour = rule->palette();
        colour.setColor(QPalette::Window, qt(line.fore));
        rule->setPalette(colour);
    }

    // The bottom line reads on: Visit, the address, for other freewares.
    QLabel* visit = place(form_.Label3);
    link_ = place(form_.lblLink);
    QFont underlined = link_->font();
    underlined.setUnderline(true);
    link_->setFont(underlined);
    link_->move(std::max(link_->x(), visit->geometry().right() + 4), link_->y());
    link_->setCursor(Qt::PointingHandCursor);
    link_->installEventFilter(this);
    QLabel* rest = place(form_.Label5);
    rest->move(std::max(rest->x(), link_->geometry().right() + 4), rest->y());

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
