// What reaches the settings file from the real program: the options
// dialog's real boxes.
#include <QStandardPaths>
#include <QtTest>

#include "options/fm_options.h"
#include "test_support/scripted_platform.h"
#include "ui/options_dialog.h"

class SavingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // An input method hands over a character beyond the first 65536 as one
    // text of two code units; the box keeps it whole.
    void theTypedMarkBoxKeepsACharacterOfTwoCodeUnitsWhole() {
        velmor::test_support::ScriptedPlatform platform;
        velmor::PendingMarks pending{u".", u","};
        velmor::FmOptions form(platform, pending);
        form.load();
        velmor::ui::OptionsDialog dialog(form, nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.decimalList()->activated(8);  // "other"
        QVERIFY(dialog.decimalBox()->hasFocus());
        const QString emoji = QString::fromUtf16(u"\U0001F600");
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, emoji);
        QApplication::sendEvent(dialog.decimalBox(), &typed);
        QCOMPARE(dialog.decimalBox()->text(), emoji);
        QVERIFY(form.txDec.text() == u"\U0001F600");
        QVERIFY(dialog.okButton()->isEnabled());
    }
};

QTEST_MAIN(SavingTest)
#include "saving_test.moc"
