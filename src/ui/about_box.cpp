#include "ui/about_box.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

#include "ui/accessibility.h"
#include "ui/field_widgets.h"
#include "ui/one_size.h"
#include "ui/picture_icon_engine.h"
#include "ui/qt_convert.h"
#include "ui/translations.h"
#include "ui/velmor_style.h"

namespace velmor::ui {
namespace {

// The link's background while it has the keyboard's focus.
constexpr QColor kFocusedLink{255, 232, 128};

}  // namespace

AboutBox::AboutBox(FmAbout& form, QWidget* parent) : QDialog(parent), form_(form) {
    setPalette(velmorPalette());
    form_.Form_Load();
    setWindowTitle(translated(form_.caption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    fixWindowSize(*this, QSize(pixels(5730), pixels(3360)));
    setModal(true);

    auto* logo = new QLabel(this);
    markAsShowing(*logo, &form_.Image1);
    logo->setGeometry(pixels(form_.Image1.geometry));
    logo->setPixmap(pictureIcon(logoPicture()).pixmap(logo->size(), logo->devicePixelRatioF()));
    // Liberation Sans runs wider than the bitmap face the layout was drawn
    // for: a label keeps its place but grows to its text.
    const auto place = [this](const Label& model, bool isLink = false) {
        auto* label = new QLabel(this);
        if (isLink) markAsLink(*label);
        syncLabel(*label, model);
        if (label->sizeHint().width() > label->width()) {
            label->resize(label->sizeHint().width(), label->height());
        }
        return label;
    };
    for (const Label* label : {&form_.Label1, &form_.lblTitle, &form_.lblDisclaimer}) {
        place(*label);
    }
    // "version 2.0": the words translated, the number the core's.
    QLabel* version = place(form_.lblVersion);
    version->setText(tr("version %1").arg(qt(form_.lblVersion.caption).section(u' ', 1)));
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
        markAsShowing(*rule, &line);
        const QRect at = pixels(line.geometry);
        rule->setGeometry(at.x(), at.y(), at.width(), 1);  // a one-pixel line
        rule->setAutoFillBackground(true);
        QPalette colour = rule->palette();
        colour.setColor(QPalette::Window, qt(line.fore));
        rule->setPalette(colour);
    }

    // Made before the link, so that OK comes first in the tab order and has
    // the focus when the box opens: Enter stays OK's, Tab reaches the link.
    ok_ = new QPushButton(translated(form_.cmdOK.caption), this);
    ok_->setGeometry(pixels(form_.cmdOK.geometry));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    // The bottom line reads on: Visit, the address, for other freewares.
    QLabel* visit = place(form_.Label3);
    link_ = place(form_.lblLink, true);
    QFont underlined = link_->font();
    underlined.setUnderline(true);
    link_->setFont(underlined);
    link_->move(std::max(link_->x(), visit->geometry().right() + 4), link_->y());
    link_->setCursor(Qt::PointingHandCursor);
    // Reached by Tab and opened by Enter or Space too, lit while it has the
    // focus.
    link_->setFocusPolicy(Qt::StrongFocus);
    link_->setAccessibleName(link_->text());
    link_->installEventFilter(this);
    QLabel* rest = place(form_.Label5);
    rest->move(std::max(rest->x(), link_->geometry().right() + 4), rest->y());
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != link_) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            form_.lblLink_Click();
            return true;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) break;
            form_.lblLink_Click();
            return true;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            QPalette colours = link_->palette();
            colours.setColor(QPalette::Window, kFocusedLink);
            link_->setPalette(colours);
            link_->setAutoFillBackground(event->type() == QEvent::FocusIn);
            break;
        }
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

// OK, Enter, Esc and the close box all end here.
void AboutBox::done(int result) {
    form_.cmdOK_Click();
    QDialog::done(result);
}

}  // namespace velmor::ui
