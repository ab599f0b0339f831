#include "ui/main_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMenuBar>
#include <QWindow>

#include "engine/field_display.h"
#include "shell/fm_about.h"
#include "ui/accessibility.h"
#include "ui/one_size.h"
#include "ui/option_box.h"
#include "ui/picture_icon_engine.h"
#include "ui/qt_convert.h"
#include "ui/translations.h"
#include "ui/velmor_style.h"

namespace velmor::ui {
namespace {

constexpr QSize kClientSize{513, 241};

// Each unit's full name, singular and plural, for screen readers and the
// exact value's tooltip; the unit labels' tooltips keep their own short
// forms.
constexpr std::array<const char*, kFieldCount> kUnitNames{
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "byte"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "kilobyte"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "megabyte"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "gigabyte"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "terabyte"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "kibibyte"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "mebibyte"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "gibibyte"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "tebibyte")};
constexpr std::array<const char*, kFieldCount> kUnitPlurals{
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "bytes"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "kilobytes"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "megabytes"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "gigabytes"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "terabytes"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "kibibytes"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "mebibytes"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "gibibytes"),
    QT_TRANSLATE_NOOP("velmor::ui::MainWindow", "tebibytes")};

QString unitName(int field) {
    return MainWindow::tr(kUnitNames[static_cast<std::size_t>(field)]);
}

// A field as a screen reader says it: "kibibyte: 1,500.0, rounded down",
// what the field shows, the decimals only where they are shown.
QString fieldInWords(int field, const Label& number, const Label& decimals,
                     const std::u16string& marker) {
    if (number.caption == kOverflowText)
        return MainWindow::tr("%1: too large to show").arg(unitName(field));
    const QString value = qt(number.caption + (decimals.visible ? decimals.caption : u""));
    if (value.isEmpty()) return MainWindow::tr("%1: blank").arg(unitName(field));
    if (marker == u"t") return MainWindow::tr("%1: %2, rounded up").arg(unitName(field), value);
    if (marker == u"u") return MainWindow::tr("%1: %2, rounded down").arg(unitName(field), value);
    return MainWindow::tr("%1: %2").arg(unitName(field), value);
}

}  // namespace

MainWindow::MainWindow(FmMain& form) : form_(form) {
    setPalette(velmorPalette());
    setWindowTitle(qt(mainWindowCaption()));
    setWindowIcon(velmorIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    makeMenu();

    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    markAsFieldsPanel(*client);
    setCentralWidget(client);
    background_ = new BackgroundWidget(client);
    background_->setGeometry(QRect(QPoint(0, 0), kClientSize));
    connect(background_, &BackgroundWidget::pressed, this, [this] {
        form_.pcBack_GotFocus();
        sync();
    });

    decimalHeading_ = new QLabel(client);
    binaryHeading_ = new QLabel(client);
    makeFields(client);
    makeOptionBoxes(client);

    banner_ = new QWidget(client);
    markAsShowing(*banner_, &form_.pcButtons);
    banner_->setAutoFillBackground(true);
    bannerText_ = new QLabel(banner_);

    // Last, so that it lies over the field it covers.
    entry_ = new EntryBoxWidget(form_, client);
    connect(entry_, &EntryBoxWidget::handled, this, &MainWindow::sync);

    flagTimer_.setSingleShot(true);
    connect(&flagTimer_, &QTimer::timeout, this, [this] {
        form_.cmFlag.tick();
        sync();
    });

    fixWindowSize(*this, sizeHint());
}

void MainWindow::makeMenu() {
    QMenuBar* bar = menuBar();
    const auto add = [&](MenuItem& item, QMenu* menu) {
        // In its item's state before it joins the bar: each later change of
        // an action's state lays the whole menu bar out again.
        auto* action = new QAction(translated(item.caption), this);
        action->setEnabled(item.enabled);
        if (menu != nullptr) {
            menu->addAction(action);
        } else {
            bar->addAction(action);
        }
        connect(action, &QAction::triggered, this, [this, &item] {
            item.click();
            sync();
        });
        actions_.emplace_back(action, &item);
    };
    add(form_.mnuExit, nullptr);
    add(form_.mnuEditCopy, nullptr);
    add(form_.mnuEditPaste, nullptr);
    add(form_.mnuUndo, nullptr);
    add(form_.mnuRedo, nullptr);
    add(form_.mnuHelpConfig, nullptr);
    QMenu* help = bar->addMenu(translated(form_.mnuHelp.caption));
    add(form_.mnuHelpHelp, help);
    add(form_.mnuHelpAbout, help);
}

void MainWindow::makeFields(QWidget* client) {
    for (int i = 0; i < kFieldCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        numbers_[at] = new PressableLabel(client);
        decimals_[at] = new PressableLabel(client);
        units_[at] = new PressableLabel(client);
        // A field is one object for a screen reader: its number label.
        markAsPartOfField(*decimals_[at]);
        markAsPartOfField(*units_[at]);
        connect(numbers_[at], &PressableLabel::pressed, this, [this, i](int button, int mods) {
            form_.lbNum_MouseDown(i, button, mods);
            sync();
        });
        connect(decimals_[at], &PressableLabel::pressed, this, [this, i](int button, int mods) {
            form_.lbDec_MouseDown(i, button, mods);
            sync();
        });
        connect(units_[at], &PressableLabel::pressed, this, [this, i](int button, int mods) {
            form_.lbUnit_MouseDown(i, button, mods);
            sync();
        });
    }
}

// A group of option boxes in a widget of its own, as radio groups are for a
// screen reader. It covers no more than its boxes: a press between them
// reaches the background as before.
QWidget* MainWindow::makeOptionGroup(QWidget* client, std::span<const CheckBox> boxes,
                                     const QString& name) {
    QRect area;
    QRegion covered;
    for (const CheckBox& box : boxes) {
        area |= pixels(box.geometry);
        covered += pixels(box.geometry);
    }
    auto* group = new QWidget(client);
    markAsRadioGroup(*group);
    group->setGeometry(area);
    group->setMask(covered.translated(-area.topLeft()));
    group->setAccessibleName(name);
    return group;
}

QToolButton* MainWindow::makeOptionBox(QWidget* group, const CheckBox& model,
                                       const Picture& picture) {
    auto* box = new OptionBox(group);
    box->setCheckable(true);
    box->setFocusPolicy(Qt::NoFocus);
    const QRect geometry = pixels(model.geometry).translated(-group->pos());
    box->setIcon(pictureIcon(picture));
    box->setGeometry(geometry);
    box->setIconSize(picture.size);
    box->setToolTip(translated(model.toolTip));
    return box;
}

void MainWindow::makeOptionBoxes(QWidget* client) {
    QWidget* digits = makeOptionGroup(client, form_.chDigit, tr("decimals"));
    QWidget* rounding = makeOptionGroup(client, form_.chRnd, tr("rounding"));
    for (int i = 0; i < FmMain::kDigitBoxes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        digitBoxes_[at] = makeOptionBox(digits, form_.chDigit[at], decimalsPicture(i));
        connect(digitBoxes_[at], &QToolButton::clicked, this, [this, at] {
            form_.chDigit[at].click();
            sync();
        });
    }
    for (int i = 0; i < FmMain::kRoundingBoxes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        roundingBoxes_[at] = makeOptionBox(rounding, form_.chRnd[at], roundingPicture(i));
        connect(roundingBoxes_[at], &QToolButton::clicked, this, [this, at] {
            form_.chRnd[at].click();
            sync();
        });
    }
    // The key hints are drawn on the background, out of a screen reader's
    // reach: each box's name tells its key instead.
    for (std::size_t k = 0; k < form_.llHot.size(); ++k) {
        QToolButton* box =
            k < roundingBoxes_.size() ? roundingBoxes_[k] : digitBoxes_[k - roundingBoxes_.size()];
        box->setAccessibleName(
            tr("%1, key %2").arg(box->toolTip().trimmed(), qt(form_.llHot[k].caption)));
    }
}

QAction* MainWindow::menuAction(const QString& caption) const {
    for (const auto& [action, item] : actions_) {
        if (qt(item->caption) == caption) return action;
    }
    return nullptr;
}

void MainWindow::sync() {
    background_->sync(form_.shNum, form_.lbSign, form_.llHot);
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        numbers_[i]->sync(form_.lbNum[i]);
        decimals_[i]->sync(form_.lbDec[i]);
        units_[i]->sync(form_.lbUnit[i]);
    }
    syncLabel(*decimalHeading_, form_.lbDecimalHeading);
    syncLabel(*binaryHeading_, form_.lbBinaryHeading);
    for (std::size_t i = 0; i < digitBoxes_.size(); ++i) {
        digitBoxes_[i]->setChecked(form_.chDigit[i].checked());
        digitBoxes_[i]->setEnabled(form_.chDigit[i].enabled);
    }
    for (std::size_t i = 0; i < roundingBoxes_.size(); ++i) {
        roundingBoxes_[i]->setChecked(form_.chRnd[i].checked());
        roundingBoxes_[i]->setEnabled(form_.chRnd[i].enabled);
    }
    for (const auto& [action, item] : actions_)
        action->setEnabled(item->enabled);

    banner_->setGeometry(pixels(form_.pcButtons.geometry));
    QPalette blue = banner_->palette();
    blue.setColor(QPalette::Window, qt(form_.pcButtons.back));
    banner_->setPalette(blue);
    banner_->setVisible(form_.pcButtons.visible);
    // Laid out only when shown: most starts never show the banner.
    if (form_.pcButtons.visible) {
        syncLabel(*bannerText_, form_.lbMark);
        // The greeting in Liberation Sans runs past the box drawn for it:
        // the box grows to the right to hold it whole, leaving twice the
        // text's top offset as a margin after it.
        const int needed = bannerText_->geometry().right() + 1 + bannerText_->y() * 2;
        if (needed > banner_->width()) banner_->resize(needed, banner_->height());
    }
    if (form_.cmFlag.enabled && !flagTimer_.isActive()) flagTimer_.start(form_.cmFlag.interval);
    if (!form_.cmFlag.enabled) flagTimer_.stop();

    entry_->sync();
    if (form_.txNum.focused && entry_->isVisible() && !entry_->hasFocus()) entry_->setFocus();
    entry_->raise();
    syncAccessibleNames();
    if (!form_.windowOpen && isVisible()) close();
}

void MainWindow::syncAccessibleNames() {
    const int active = form_.state.activeField;
    entry_->setAccessibleName(tr("entry in %1").arg(unitName(active)));
    // What the red box tells the eye. (Qt 6.4 has no invalid-entry state.)
    const QString unreadable = form_.state.entryValid ? QString() : tr("cannot be read");
    if (entry_->accessibleDescription() != unreadable) entry_->setAccessibleDescription(unreadable);
    for (int i = 0; i < kFieldCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const QString name =
            fieldInWords(i, form_.lbNum[at], form_.lbDec[at], form_.lbSign[at].caption);
        if (numbers_[at]->accessibleName() != name) numbers_[at]->setAccessibleName(name);
        // What the rounding hides, on hover and for a screen reader.
        const QString exact = qt(ExactFieldValue(form_.state, i));
        const QString tip = exact.isEmpty()
                                ? QString()
                                : tr("%1 %2 (exact to four decimals)")
                                      .arg(exact, tr(kUnitPlurals[static_cast<std::size_t>(i)]));
        if (numbers_[at]->toolTip() != tip) {
            numbers_[at]->setToolTip(tip);
            numbers_[at]->setAccessibleDescription(tip);
        }
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    form_.unloadWindow();  // writes the settings; does nothing when already closed
    event->accept();
}

// Watches for the first exposure: by then the window manager has framed
// the window, and the frame's full size is known.
void MainWindow::showEvent(QShowEvent* event) {
    if (!framed_ && windowHandle() != nullptr) windowHandle()->installEventFilter(this);
    QMainWindow::showEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() && !framed_ &&
        windowHandle()->isExposed()) {
        framed_ = true;
        windowHandle()->removeEventFilter(this);
        form_.windowFramed();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace velmor::ui
