// What a screen reader learns of Velmor's windows: the tree of accessible
// objects Qt hands to AT-SPI, its roles, names and states.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardPaths>
#include <QtTest>

#include <functional>
#include <memory>

#include "started_velmor.h"
#include "ui/about_box.h"
#include "ui/options_dialog.h"
#include "while_modal.h"

using velmor::ui::AboutBox;
using velmor::ui::OptionsDialog;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The names of an object's children, as a screen reader walks them.
QStringList childNames(QAccessibleInterface* parent) {
    QStringList names;
    for (int i = 0; i < parent->childCount(); ++i)
        names << parent->child(i)->text(QAccessible::Name);
    return names;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    velmor::ui::MainWindow& window() { return velmor_->app.mainWindow(); }

    std::unique_ptr<StartedVelmor> velmor_;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        velmor_ = std::make_unique<StartedVelmor>();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        // 1536 B in the kibibyte field: 1.5 KiB, and 1.536 kB shown as 1.5.
        QTest::keyClicks(window().entryBox(), QStringLiteral("1536"));
    }

    void cleanup() { velmor_.reset(); }

    void eachFieldIsOneObjectWithItsUnitValueAndRounding() {
        QAccessibleInterface* panel = accessible(window().centralWidget());
        const QStringList names = childNames(panel);
        QVERIFY2(names.contains(QStringLiteral("kibibyte: 1.5")), qPrintable(names.join('|')));
        QVERIFY(names.contains(QStringLiteral("kilobyte: 1.5, rounded down")));
        QVERIFY(names.contains(QStringLiteral("mebibyte: 0.0, rounded down")));
        // The decimals and unit labels are parts of their field, not objects.
        for (int field = 0; field < velmor::kFieldCount; ++field) {
            QCOMPARE(panel->indexOfChild(accessible(window().decimalsLabel(field))), -1);
            QCOMPARE(panel->indexOfChild(accessible(window().unitLabel(field))), -1);
        }
        QVERIFY(!names.contains(QStringLiteral(".5")));
        QAccessibleInterface* kibibyte = accessible(window().numberLabel(5));
        QCOMPARE(panel->indexOfChild(kibibyte) >= 0, true);
        QCOMPARE(kibibyte->text(QAccessible::Description),
                 QStringLiteral("1.5000 kibibytes (exact to four decimals)"));
        QCOMPARE(accessible(window().entryBox())->text(QAccessible::Name),
                 QStringLiteral("entry in byte"));
        QCOMPARE(accessible(window().entryBox())->text(QAccessible::Value), QStringLiteral("1536"));
    }

    void theOptionBoxesAreTwoGroupsOfRadioButtons() {
        QTest::keyClick(window().entryBox(), Qt::Key_Z);
        for (QAbstractButton* box : {static_cast<QAbstractButton*>(window().roundingBox(2)),
                                     static_cast<QAbstractButton*>(window().digitBox(1))}) {
            QAccessibleInterface* radio = accessible(box);
            QCOMPARE(radio->role(), QAccessible::RadioButton);
            QVERIFY(radio->state().checkable && radio->state().checked);
            QCOMPARE(radio->parent()->role(), QAccessible::Grouping);
        }
        QAccessibleInterface* up = accessible(window().roundingBox(0));
        QCOMPARE(up->text(QAccessible::Name), QStringLiteral("round up, key X"));
        QVERIFY(!up->state().checked);
        QCOMPARE(up->parent()->text(QAccessible::Name), QStringLiteral("rounding"));
        QCOMPARE(up->parent()->childCount(), 3);
        // Pressed through the reader, it is checked as a click would.
        up->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(window().roundingBox(0)->isChecked() && !window().roundingBox(2)->isChecked());
    }

    void everyControlOfTheOptionsDialogIsNamedOrLabelled() {
        whileModal<OptionsDialog>(
            [&] { window().menuAction(QStringLiteral("C&onfig"))->trigger(); },
            [&](OptionsDialog& dialog) {
                // The "other" boxes by their names; the lists, whose name Qt
                // makes their value on Linux, by the label before each.
                QStringList boxes;
                for (QLineEdit* box : dialog.findChildren<QLineEdit*>())
                    boxes << accessible(box)->text(QAccessible::Name);
                QCOMPARE(boxes, (QStringList{"other decimal mark", "other thousand separator"}));
                QStringList labels;
                for (QComboBox* list : dialog.findChildren<QComboBox*>()) {
                    const auto relations = accessible(list)->relations(QAccessible::Label);
                    QCOMPARE(relations.size(), 1);
                    labels << relations.at(0).first->text(QAccessible::Name);
                    QCOMPARE(list->accessibleName().isEmpty(), false);
                }
                QCOMPARE(labels, (QStringList{"decimal mark: ", "thousand separator: "}));
                QTest::keyClick(&dialog, Qt::Key_Escape);
            });
    }

    void theAboutBoxsLinkIsReachedAndOpenedByTheKeyboard() {
        QUrl opened;
        velmor_->app.platform().openUrl = [&](const QUrl& url) { opened = url; };
        whileModal<AboutBox>([&] { window().menuAction(QStringLiteral("&About"))->trigger(); },
                             [&](AboutBox& box) {
                                 // OK comes first, so that Enter stays OK's; Tab goes on to
                                 // the link, which takes the focus and shows it.
                                 QWidget* next = box.okButton()->nextInFocusChain();
                                 while (next->focusPolicy() == Qt::NoFocus)
                                     next = next->nextInFocusChain();
                                 QCOMPARE(next, box.link());
                                 QAccessibleInterface* link = accessible(box.link());
                                 QCOMPARE(link->role(), QAccessible::Link);
                                 QVERIFY(link->state().focusable);
                                 box.activateWindow();
                                 box.link()->setFocus(Qt::TabFocusReason);
                                 QTRY_VERIFY(box.link()->hasFocus());
                                 QVERIFY(box.link()->autoFillBackground());  // lit
                                 QTest::keyClick(box.link(), Qt::Key_Return);
                                 QVERIFY(box.isVisible());
                                 QTest::keyClick(box.link(), Qt::Key_Escape);
                             });
        QCOMPARE(opened, QUrl(QStringLiteral("https://velmor.example")));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
