#include "ui/main_window.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "ui/qt_convert.h"
#include "ui/svg_icon_engine.h"

namespace velmor::ui {
namespace {

constexpr QSize kClientSize{513, 241};

// Names a screen reader gives the rounding markers.
QString markerInWords(const std::u16string& marker) {
    if (marker == u"t") return QStringLiteral(", rounded up");
    if (marker == u"u") return QStringLiteral(", rounded down");
    return {};
}

QString unitName(int field) {
    return qt(unitText[static_cast<std::size_t>(field)].tooltip).trimmed();
}

}  // namespace

MainWindow::MainWindow(FmMain& form) : form_(form) {
    setWindowTitle(QStringLiteral(" Velmor v2.01"));
    setWindowIcon(velmorIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    makeMenu();

    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
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
    banner_->setAutoFillBackground(true);
    bannerText_ = new QLabel(banner_);

    // Last, so that it lies over the field it covers.
    entry_ = new EntryBox(form_, client);
    connect(entry_, &EntryBox::handled, this, &MainWindow::sync);

    flagTimer_.setSingleShot(true);
    connect(&flagTimer_, &QTimer::timeout, this, [this] {
        form_.cmFlag.tick();
        sync();
    });

    setFixedSize(sizeHint());
}

void MainWindow::makeMenu() {
    QMenuBar* bar = menuBar();
    const auto add = [&](MenuItem& item, QMenu* menu) {
        // In its item's state before it joins the bar: each later change of
        // an action's state lays the whole menu bar out again.
        auto* action = new QAction(qt(item.caption()), this);
        action->setEnabled(item.enabled());
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
    QMenu* help = bar->addMenu(qt(form_.mnuHelp.caption()));
    add(form_.mnuHelpHelp, help);
    add(form_.mnuHelpAbout, help);
}

void MainWindow::makeFields(QWidget* client) {
    for (int i = 0; i < kFieldCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        numbers_[at] = new PressableLabel(client);
        decimals_[at] = new PressableLabel(client);
        units_[at] = new PressableLabel(client);
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

QToolButton* MainWindow::makeOptionBox(QWidget* client, const CheckBox& model,
                                       const QString& picture, QSize pictureSize) {
    auto* box = new QToolButton(client);
    box->setCheckable(true);
    box->setFocusPolicy(Qt::NoFocus);
    const QRect geometry = pixels(model.geometry());
    box->setIcon(svgIcon(picture));
    box->setGeometry(geometry);
    box->setIconSize(pictureSize);
    box->setToolTip(qt(model.toolTip()));
    return box;
}

void MainWindow::makeOptionBoxes(QWidget* client) {
    // The pictures' own sizes, as their SVG files give them.
    constexpr QSize kDigitsPicture{44, 22};
    constexpr QSize kRoundingPicture{22, 22};
    for (int i = 0; i < FmMain::kDigitBoxes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        digitBoxes_[at] =
            makeOptionBox(client, form_.chDigit[at], QStringLiteral(":/velmor/digits%1.svg").arg(i),
                          kDigitsPicture);
        connect(digitBoxes_[at], &QToolButton::clicked, this, [this, at] {
            form_.chDigit[at].click();
            sync();
        });
    }
    const std::array<QString, FmMain::kRoundingBoxes> pictures{
        QStringLiteral(":/velmor/round_up.svg"), QStringLiteral(":/velmor/round_half_up.svg"),
        QStringLiteral(":/velmor/round_down.svg")};
    for (int i = 0; i < FmMain::kRoundingBoxes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        roundingBoxes_[at] = makeOptionBox(client, form_.chRnd[at], pictures[at], kRoundingPicture);
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
        box->setAccessibleName(box->toolTip().trimmed() + QStringLiteral(", key ") +
                               qt(form_.llHot[k].caption));
    }
}

QAction* MainWindow::menuAction(const QString& caption) const {
    for (const auto& [action, item] : actions_) {
        if (action->text() == caption) return action;
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
        digitBoxes_[i]->setEnabled(form_.chDigit[i].enabled());
    }
    for (std::size_t i = 0; i < roundingBoxes_.size(); ++i) {
        roundingBoxes_[i]->setChecked(form_.chRnd[i].checked());
        roundingBoxes_[i]->setEnabled(form_.chRnd[i].enabled());
    }
    for (const auto& [action, item] : actions_)
        action->setEnabled(item->enabled());

    banner_->setGeometry(pixels(form_.pcButtons.geometry));
    QPalette blue = banner_->palette();
    blue.setColor(QPalette::Window, qt(form_.pcButtons.back));
    banner_->setPalette(blue);
    banner_->setVisible(form_.pcButtons.visible);
    // Laid out only when shown: most starts never show the banner.
    if (form_.pcButtons.visible) syncLabel(*bannerText_, form_.lbMark);
    if (form_.cmFlag.enabled() && !flagTimer_.isActive()) flagTimer_.start(form_.cmFlag.interval());
    if (!form_.cmFlag.enabled()) flagTimer_.stop();

    entry_->sync();
    if (form_.txNum.hasFocus() && entry_->isVisible() && !entry_->hasFocus()) entry_->setFocus();
    entry_->raise();
    syncAccessibleNames();
    if (!form_.windowOpen && isVisible()) close();
}

void MainWindow::syncAccessibleNames() {
    entry_->setAccessibleName(QStringLiteral("entry in ") + unitName(form_.state.activeField));
    for (int i = 0; i < kFieldCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const QString value = qt(form_.lbNum[at].caption + form_.lbDec[at].caption);
        numbers_[at]->setAccessibleName(unitName(i) + QStringLiteral(": ") +
                                        (value.isEmpty() ? QStringLiteral("blank") : value) +
                                        markerInWords(form_.lbSign[at].caption));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    form_.unloadWindow();  // writes the settings; does nothing when already closed
    event->accept();
}

}  // namespace velmor::ui
