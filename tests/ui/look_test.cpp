// How Velmor's windows look whatever the desktop and the language: every text
// readable under a dark system palette and shown whole, popups kept light,
// every menu command with a letter of its own, the checked option box plain
// to see, and the start-up banner over whole fields.
#include <QAbstractItemView>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionComboBox>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "ui/about_box.h"
#include "ui/options_dialog.h"
#include "ui/qt_convert.h"
#include "ui/translations.h"
#include "ui/velmor_style.h"
#include "velmor_under_test.h"

using velmor::ui::AboutBox;
using velmor::ui::OptionsDialog;

namespace {

// WCAG's contrast ratio.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// Every text a window shows reads against what it is drawn on, in the
// colours of every kind of control (a list's drop-down too), and shows
// whole: a label fits its rectangle inside the window, clear of the controls
// beside it, a list's every entry fits its field, every menu shows on the bar.
void expectReadableAndWhole(const QWidget& window) {
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        const auto* list = qobject_cast<const QComboBox*>(widget);
        const auto* label = qobject_cast<const QLabel*>(widget);
        const bool showsText = (label != nullptr && !label->text().isEmpty()) || list != nullptr ||
                               qobject_cast<const QLineEdit*>(widget) ||
                               qobject_cast<const QPushButton*>(widget) ||
                               qobject_cast<const QMenuBar*>(widget);
        for (const QPalette& colours :
             {widget->palette(), list != nullptr ? list->view()->palette() : widget->palette()}) {
            for (const auto& [text, back] : {std::pair{QPalette::WindowText, QPalette::Window},
                                             {QPalette::Text, QPalette::Base},
                                             {QPalette::ButtonText, QPalette::Button},
                                             {QPalette::HighlightedText, QPalette::Highlight}}) {
                QVERIFY2(!showsText || !widget->isEnabled() ||
                             contrast(colours.color(text), colours.color(back)) >= 4.5,
                         QByteArray(widget->metaObject()->className()) + ' ' +
                             colours.color(text).name().toUtf8());
            }
        }
        if (label != nullptr && showsText) {
            const QByteArray what = label->text().toUtf8();
            QVERIFY2(label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                       : label->sizeHint().width() <= label->width() + 1,
                     what);
            QVERIFY2(
                window.rect().contains(QRect(label->mapTo(&window, QPoint()), label->size())) &&
                    label->parentWidget()->rect().contains(label->geometry()),
                what);
            for (const QWidget* sibling :
                 label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(!sibling->isVisible() ||
                             !(qobject_cast<const QAbstractButton*>(sibling) ||
                               qobject_cast<const QComboBox*>(sibling) ||
                               qobject_cast<const QLineEdit*>(sibling)) ||
                             !label->geometry().intersects(sibling->geometry()),
                         what);
            }
        }
        if (list != nullptr) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            const int room = list->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, list)
                                 .width();
            for (int i = 0; i < list->count(); ++i)
                QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) <= room,
                         qPrintable(list->itemText(i)));
        }
        if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            for (QAction* action : bar->actions())
                QVERIFY2(bar->rect().contains(bar->actionGeometry(action)),
                         qPrintable(action->text()));
        }
    }
}

// Light backgrounds under dark texts, as Velmor's windows are drawn: a popup
// (a menu, a list's drop-down, a tooltip) keeps that look under a dark theme.
void expectLight(const QPalette& palette, const char* what) {
    for (const auto& [text, back] : {std::pair{QPalette::WindowText, QPalette::Window},
                                     {QPalette::Text, QPalette::Base},
                                     {QPalette::ButtonText, QPalette::Button},
                                     {QPalette::ToolTipText, QPalette::ToolTipBase}}) {
        QVERIFY2(
            palette.color(back).lightness() > 160 && palette.color(text).lightness() < 96,
            qPrintable(QStringLiteral("%1: %2 on %3")
                           .arg(what, palette.color(text).name(), palette.color(back).name())));
    }
}

QPalette darkTheme() {
    QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
    for (const auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        dark.setColor(role, QColor(238, 238, 236));
    for (const auto role : {QPalette::Base, QPalette::ToolTipBase})
        dark.setColor(role, QColor(45, 45, 45));
    dark.setColor(QPalette::Link, QColor(53, 132, 228));
    return dark;
}

// A widget's place in the main window's client area, where the background
// draws the hints.
QRect placeIn(velmor::ui::MainWindow& window, const QWidget* widget) {
    return {widget->mapTo(window.centralWidget(), QPoint(0, 0)), widget->size()};
}

// Every command among `actions` has a letter, and none shares it.
void expectOwnLetters(const QList<QAction*>& actions) {
    QList<QKeySequence> letters;
    for (const QAction* action : actions) {
        const QKeySequence letter = QKeySequence::mnemonic(action->text());
        QVERIFY2(!letter.isEmpty() && !letters.contains(letter), qPrintable(action->text()));
        letters.append(letter);
        if (action->menu() != nullptr) expectOwnLetters(action->menu()->actions());
    }
}

}  // namespace

class LookTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedVelmor> velmor_;

private slots:
    void initTestCase() {
        velmor::ui::useVelmorLook();
        // As a dark desktop theme sets it, before any window exists.
        QApplication::setPalette(darkTheme());
    }

    void cleanup() { velmor_.reset(); }

    void everyWindowLooksRightInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        for (const char* language : velmor::ui::kShippedLanguages)
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyWindowLooksRightInEveryLanguage() {
        QFETCH(QString, language);
        useLanguage(language);
        velmor_ = std::make_unique<StartedVelmor>();
        velmor::ui::MainWindow& window = velmor_->app.mainWindow();
        velmor::FmMain& form = velmor_->app.mainForm();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClicks(window.entryBox(), QStringLiteral("1536"));
        // The checked option box stands out from the others and from its own
        // border (inside which it is sampled, in the image's own pixels).
        QVERIFY(window.digitBox(1)->isChecked() && !window.digitBox(2)->isChecked());
        const QImage checked = window.digitBox(1)->grab().toImage();
        const QImage unchecked = window.digitBox(2)->grab().toImage();
        const QPoint inside = (QPointF(5, 5) * checked.devicePixelRatio()).toPoint();
        QVERIFY(contrast(checked.pixelColor(inside), unchecked.pixelColor(inside)) >= 1.5);
        QVERIFY(contrast(checked.pixelColor(0, 0), checked.pixelColor(inside)) >= 4.5);
        // The banner too, which one start in twenty shows.
        for (int tries = 0; tries < 2000 && !form.cmFlag.enabled; ++tries)
            form.ShowFlag();
        form.cmFlag.tick();
        window.sync();
        QVERIFY(window.banner()->isVisible());
        expectReadableAndWhole(window);
        // The banner hides a field whole, its frame, number and decimals, or
        // leaves it whole in sight; the greeting shows whole inside it.
        const QRect banner = window.banner()->geometry();
        int covered = 0;
        for (int i = 0; i < velmor::kFieldCount; ++i) {
            const QRect frame =
                velmor::ui::pixels(form.shNum[static_cast<std::size_t>(i)].geometry);
            for (const QRect part :
                 {frame, window.numberLabel(i)->geometry(), window.decimalsLabel(i)->geometry()}) {
                QVERIFY2(banner.contains(part) == banner.contains(frame) &&
                             banner.intersects(part) == banner.contains(frame),
                         qPrintable(QStringLiteral("field %1").arg(i)));
            }
            covered += banner.contains(frame) ? 1 : 0;
        }
        QVERIFY(covered > 0);
        QVERIFY(QRect(QPoint(0, 0), banner.size()).contains(window.bannerText()->geometry()));
        std::vector<QRect> boxes;
        for (int i = 0; i < velmor::FmMain::kDigitBoxes; ++i)
            boxes.push_back(placeIn(window, window.digitBox(i)));
        for (int i = 0; i < velmor::FmMain::kRoundingBoxes; ++i)
            boxes.push_back(placeIn(window, window.roundingBox(i)));
        for (int k = 0; k < static_cast<int>(form.llHot.size()); ++k) {
            const QRect hint = window.background()->hintGeometry(k);
            const QFontMetrics metrics(
                velmor::ui::qt(form.llHot[static_cast<std::size_t>(k)].font));
            QVERIFY(hint.width() >= metrics.horizontalAdvance(window.background()->drawnHint(k)));
            // Just beneath an option box, centred on it.
            QVERIFY2(std::any_of(boxes.begin(), boxes.end(),
                                 [&](const QRect& box) {
                                     return hint.top() > box.bottom() &&
                                            hint.top() - box.bottom() <= 8 &&
                                            std::abs(hint.center().x() - box.center().x()) <= 1;
                                 }),
                     qPrintable(window.background()->drawnHint(k)));
        }
        expectOwnLetters(window.menuBar()->actions());
        whileModal<OptionsDialog>(
            [&] { form.mnuHelpConfig.click(); },
            [&](OptionsDialog& dialog) {
                expectReadableAndWhole(dialog);
                // A wide typed mark widens the sample to the left only.
                const int right = dialog.sample()->geometry().right();
                dialog.decimalList()->activated(dialog.decimalList()->count() - 1);
                QTest::keyClicks(dialog.decimalBox(), QStringLiteral("W"));
                QVERIFY(dialog.sample()->text().contains(u'W'));
                QCOMPARE(dialog.sample()->geometry().right(), right);
                expectReadableAndWhole(dialog);
            });
        whileModal<AboutBox>(
            [&] { form.mnuHelpAbout.click(); },
            [&](AboutBox& box) {
                expectReadableAndWhole(box);
                const auto* description = box.findChild<QLabel*>(QStringLiteral("description"));
                for (const QWidget* rule : box.findChildren<QWidget*>(QStringLiteral("rule")))
                    QVERIFY(description->geometry().bottom() < rule->y());
            });
    }

    // Menus, list popups, a text box's own menu and tooltips keep Velmor's
    // light look under a dark theme, which the desktop sets as Qt starts.
    void everyPopupKeepsTheLightLook() {
        QApplication::setPalette(darkTheme());
        QToolTip::setPalette(darkTheme());
        velmor::ui::useVelmorLook();
        velmor_ = std::make_unique<StartedVelmor>();
        velmor::ui::MainWindow& window = velmor_->app.mainWindow();
        for (const QMenu* menu : window.findChildren<QMenu*>())
            expectLight(menu->palette(), "menu");
        std::unique_ptr<QMenu> entryMenu(window.entryBox()->createStandardContextMenu());
        expectLight(entryMenu->palette(), "the entry box's menu");
        expectLight(QToolTip::palette(), "tooltip");
        whileModal<OptionsDialog>([&] { velmor_->app.mainForm().mnuHelpConfig.click(); },
                                  [&](OptionsDialog& dialog) {
                                      QComboBox* list = dialog.decimalList();
                                      list->showPopup();
                                      expectLight(list->view()->window()->palette(), "list popup");
                                      expectLight(list->view()->palette(), "list popup's view");
                                      list->hidePopup();
                                  });
    }
};

QTEST_MAIN(LookTest)
#include "look_test.moc"
