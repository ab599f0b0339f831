// How Velmor's windows look whatever the desktop: every text readable under
// a dark system palette, shown whole, and the checked option box plain to
// see.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleOptionComboBox>
#include <QtTest>

#include <cmath>
#include <memory>

#include "ui/about_box.h"
#include "ui/options_dialog.h"
#include "ui/qt_convert.h"
#include "ui/translations.h"
#include "ui/velmor_style.h"
#include "velmor_under_test.h"

using velmor::ui::AboutBox;
using velmor::ui::OptionsDialog;

namespace {

// WCAG's relative luminance and contrast ratio.
double luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour a widget's text is drawn over: its own background when it
// fills one, else the nearest filled one beneath it, else its window's.
QColor backgroundBehind(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow()) {
            return w->palette().color(w->backgroundRole());
        }
    }
    return Qt::white;
}

// The pairs of text and background colours a widget paints with.
QList<std::pair<QColor, QColor>> textsOf(const QWidget* widget) {
    const QPalette& palette = widget->palette();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty()) return {};
        return {{palette.color(QPalette::WindowText), backgroundBehind(label)}};
    }
    if (qobject_cast<const QLineEdit*>(widget) != nullptr) {
        return {{palette.color(QPalette::Text), palette.color(QPalette::Base)}};
    }
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        const QPalette& popup = list->view()->palette();
        return {{palette.color(QPalette::ButtonText), palette.color(QPalette::Button)},
                {popup.color(QPalette::Text), popup.color(QPalette::Base)},
                {popup.color(QPalette::HighlightedText), popup.color(QPalette::Highlight)}};
    }
    if (qobject_cast<const QPushButton*>(widget) != nullptr) {
        return {{palette.color(QPalette::ButtonText), palette.color(QPalette::Button)}};
    }
    if (qobject_cast<const QMenuBar*>(widget) != nullptr) {
        return {{palette.color(QPalette::WindowText), palette.color(QPalette::Window)},
                {palette.color(QPalette::ButtonText), palette.color(QPalette::Button)}};
    }
    return {};
}

void expectReadableTexts(const QWidget& window) {
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled()) continue;
        for (const auto& [text, back] : textsOf(widget)) {
            QVERIFY2(contrast(text, back) >= 4.5,
                     qPrintable(QStringLiteral("%1 %2: %3 on %4")
                                    .arg(QString::fromLatin1(widget->metaObject()->className()),
                                         widget->objectName() + widget->accessibleName(),
                                         text.name(), back.name())));
        }
    }
}

// Every label's text fits its rectangle, and the label lies inside its
// window.
void expectWholeTexts(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        const QString what = label->text();
        if (label->wordWrap()) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(what));
        } else {
            QVERIFY2(label->sizeHint().width() <= label->width() + 1, qPrintable(what));
        }
        const QRect inWindow(label->mapTo(&window, QPoint(0, 0)), label->size());
        QVERIFY2(window.rect().contains(inWindow), qPrintable(what));
        if (label->parentWidget() != &window && !label->parentWidget()->isWindow()) {
            QVERIFY2(label->parentWidget()->rect().contains(label->geometry()), qPrintable(what));
        }
        // Nor does it run under a control beside it.
        for (const QWidget* sibling :
             label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling->isVisible() && (qobject_cast<const QAbstractButton*>(sibling) != nullptr ||
                                         qobject_cast<const QComboBox*>(sibling) != nullptr ||
                                         qobject_cast<const QLineEdit*>(sibling) != nullptr)) {
                QVERIFY2(!label->geometry().intersects(sibling->geometry()), qPrintable(what));
            }
        }
    }
    // Every entry of a list fits the list's field.
    for (const QComboBox* list : window.findChildren<QComboBox*>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.frame = true;
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) <= field.width(),
                     qPrintable(list->itemText(i)));
        }
    }
    // Every menu of a menu bar shows on the bar, none behind its overflow.
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        for (QAction* action : bar->actions()) {
            QVERIFY2(bar->rect().contains(bar->actionGeometry(action)), qPrintable(action->text()));
        }
    }
}

// The letter Alt takes to open a menu: the one after a single '&'.
QChar mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&') return caption[i + 1].toUpper();
            ++i;
        }
    }
    return {};
}

QPalette darkPalette() {
    QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::Link, QColor(53, 132, 228));
    return dark;
}

}  // namespace

void addLanguages() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    for (const char* language : velmor::ui::kShippedLanguages)
        QTest::newRow(language) << QString::fromLatin1(language);
}

class LookTest : public QObject {
    Q_OBJECT

private:
    velmor::ui::MainWindow& window() { return velmor_->app.mainWindow(); }
    velmor::FmMain& form() { return velmor_->app.mainForm(); }

    // Starts a fresh Velmor in the test's language and types a number.
    void start() {
        useLanguage(QTest::currentDataTag() != nullptr
                        ? QString::fromLatin1(QTest::currentDataTag())
                        : QStringLiteral("en"));
        velmor_ = std::make_unique<StartedVelmor>();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        QTest::keyClicks(window().entryBox(), QStringLiteral("1536"));
    }

    std::unique_ptr<StartedVelmor> velmor_;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        velmor::ui::useVelmorLook();
        // As a dark desktop theme sets it, before any window exists.
        QApplication::setPalette(darkPalette());
    }

    void cleanup() { velmor_.reset(); }

    void everyTextReadsUnderADarkPaletteAndShowsWholeInItsPlace_data() { addLanguages(); }
    void everyTextReadsUnderADarkPaletteAndShowsWholeInItsPlace() {
        start();
        // The banner too, which one start in twenty shows.
        for (int tries = 0; tries < 2000 && !form().cmFlag.enabled; ++tries)
            form().ShowFlag();
        form().cmFlag.tick();
        window().sync();
        QVERIFY(window().banner()->isVisible());
        expectReadableTexts(window());
        expectWholeTexts(window());
        for (int k = 0; k < static_cast<int>(form().llHot.size()); ++k) {
            const QString hint = window().background()->drawnHint(k);
            const QFontMetrics metrics(
                velmor::ui::qt(form().llHot[static_cast<std::size_t>(k)].font));
            QVERIFY2(
                window().background()->hintGeometry(k).width() >= metrics.horizontalAdvance(hint),
                qPrintable(hint));
        }
        whileModal<OptionsDialog>(
            [&] { form().mnuHelpConfig.click(); },
            [&](OptionsDialog& dialog) {
                expectReadableTexts(dialog);
                // A wide typed mark widens the sample to the left only.
                const int right = dialog.sample()->geometry().right();
                dialog.decimalList()->activated(dialog.decimalList()->count() - 1);
                QTest::keyClicks(dialog.decimalBox(), QStringLiteral("W"));
                QVERIFY(dialog.sample()->text().contains(u'W'));
                QCOMPARE(dialog.sample()->geometry().right(), right);
                expectWholeTexts(dialog);
            });
        whileModal<AboutBox>(
            [&] { form().mnuHelpAbout.click(); },
            [&](AboutBox& box) {
                expectReadableTexts(box);
                expectWholeTexts(box);
                const auto* description = box.findChild<QLabel*>(QStringLiteral("description"));
                for (const QWidget* rule : box.findChildren<QWidget*>(QStringLiteral("rule")))
                    QVERIFY(description->geometry().bottom() < rule->y());
            });
    }

    void menuMnemonicsLeaveTheKeyMapAlone_data() { addLanguages(); }
    void menuMnemonicsLeaveTheKeyMapAlone() {
        start();
        // Alt with a unit letter or a rounding letter is a command of the
        // key map, so no menu of the bar may take one.
        const QString keyMapLetters = QStringLiteral("BKMGTXYZ");
        QSet<QChar> onTheBar;
        for (const QAction* action : velmor_->app.mainWindow().menuBar()->actions()) {
            const QChar letter = mnemonic(action->text());
            QVERIFY2(
                !letter.isNull() && !keyMapLetters.contains(letter) && !onTheBar.contains(letter),
                qPrintable(action->text()));
            onTheBar.insert(letter);
            if (action->menu() == nullptr) continue;
            QSet<QChar> inTheMenu;
            for (const QAction* item : action->menu()->actions()) {
                const QChar itemLetter = mnemonic(item->text());
                QVERIFY2(!itemLetter.isNull() && !inTheMenu.contains(itemLetter),
                         qPrintable(item->text()));
                inTheMenu.insert(itemLetter);
            }
        }
    }

    void theCheckedOptionBoxStandsOut() {
        start();
        velmor::ui::MainWindow& window = velmor_->app.mainWindow();
        QVERIFY(window.digitBox(1)->isChecked() && !window.digitBox(2)->isChecked());
        const QImage checked = window.digitBox(1)->grab().toImage();
        const QImage unchecked = window.digitBox(2)->grab().toImage();
        // Inside the borders, in the image's own pixels.
        const QPoint inside = (QPointF(5, 5) * checked.devicePixelRatio()).toPoint();
        QVERIFY(contrast(checked.pixelColor(inside), unchecked.pixelColor(inside)) >= 1.5);
        QVERIFY(contrast(checked.pixelColor(0, 0), checked.pixelColor(inside)) >= 4.5);
    }
};

QTEST_MAIN(LookTest)
#include "look_test.moc"
