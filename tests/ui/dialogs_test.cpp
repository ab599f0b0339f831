// The real dialogs: the options dialog's focus rules on real widgets and its
// round trip through the main window, and the About box.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include "test_support/scripted_platform.h"
#include "ui/about_box.h"
#include "ui/options_dialog.h"
#include "ui/velmor_application.h"
#include "while_modal.h"

using velmor::FmOptions;
using velmor::OptionsFocus;
using velmor::PendingMarks;
using velmor::ui::AboutBox;
using velmor::ui::OptionsDialog;
using velmor::ui::VelmorApplication;

class DialogsTest : public QObject {
    Q_OBJECT

private:
    // Opens the dialog on its own, as the main window would with these marks.
    std::unique_ptr<OptionsDialog> openDialog(std::u16string dec, std::u16string ths) {
        pending_ = PendingMarks{std::move(dec), std::move(ths)};
        form_->load();
        auto dialog = std::make_unique<OptionsDialog>(*form_, nullptr);
        dialog->show();
        dialog->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(dialog.get())); }();
        return dialog;
    }

    std::unique_ptr<velmor::test_support::ScriptedPlatform> platform_;
    PendingMarks pending_;
    std::unique_ptr<FmOptions> form_;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        platform_ = std::make_unique<velmor::test_support::ScriptedPlatform>();
        form_ = std::make_unique<FmOptions>(*platform_, pending_);
    }

    void opensOnTheMarksWithTheirSample() {
        const auto dialog = openDialog(u",", u"\u00A0");
        QCOMPARE(dialog->windowTitle(), QStringLiteral(" Config"));
        QCOMPARE(dialog->decimalList()->currentIndex(), 1);
        QCOMPARE(dialog->thousandsList()->currentIndex(), 3);
        QCOMPARE(dialog->sample()->text(), QStringLiteral(" 00 000,00 "));
        QVERIFY(!dialog->decimalBox()->isEnabled());
        QVERIFY(dialog->okButton()->isEnabled());
    }

    void pickingAndTypingUpdateTheSample() {
        const auto dialog = openDialog(u".", u",");
        dialog->thousandsList()->activated(8);  // as the user picks "other"
        QVERIFY(dialog->thousandsBox()->hasFocus());
        QTest::keyClicks(dialog->thousandsBox(), QStringLiteral("_"));
        QCOMPARE(dialog->sample()->text(), QStringLiteral(" 00_000.00 "));
        dialog->decimalList()->activated(1);
        QCOMPARE(dialog->sample()->text(), QStringLiteral(" 00_000,00 "));
    }

    void disablingTheFocusedBoxMovesTheFocusOn() {
        const auto dialog = openDialog(u".", u",");
        dialog->decimalList()->activated(8);
        QVERIFY(dialog->decimalBox()->hasFocus());
        QTest::keyClicks(dialog->decimalBox(), QStringLiteral(","));  // a listed mark
        QCOMPARE(dialog->decimalList()->currentIndex(), 1);
        QVERIFY(!dialog->decimalBox()->isEnabled());
        QVERIFY(dialog->thousandsList()->hasFocus());
        QVERIFY(!dialog->okButton()->isEnabled());  // "," twice
    }

    void aClickOnOkFromAnEmptiedBoxNeverReachesOk() {
        const auto dialog = openDialog(u".", u",");
        dialog->decimalList()->activated(8);
        QTest::keyClicks(dialog->decimalBox(), QStringLiteral("x"));
        QTest::keyClick(dialog->decimalBox(), Qt::Key_Backspace);
        QVERIFY(dialog->okButton()->isEnabled());
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QVERIFY(form_->isOpen());
        QVERIFY(!dialog->okButton()->isEnabled());
        QCOMPARE(dialog->decimalList()->palette().color(QPalette::Base), QColor(255, 192, 192));

        // Picking the entry already selected still runs the list's click,
        // which clears the warning and reopens the box with the focus in it,
        // its text selected.
        dialog->decimalList()->activated(8);
        QCOMPARE(dialog->decimalList()->palette().color(QPalette::Base), QColor(255, 255, 255));
        QVERIFY(dialog->decimalBox()->hasFocus());
        QCOMPARE(dialog->decimalBox()->selectedText(), QStringLiteral("x"));
    }

    void enterPressesOkOnlyWhileEnabledAndEscCancels() {
        const auto dialog = openDialog(u".", u".");
        QTest::keyClick(dialog->decimalList(), Qt::Key_Return);
        QVERIFY(form_->isOpen());
        QTest::keyClick(dialog->decimalList(), Qt::Key_Escape);
        QVERIFY(!form_->isOpen());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(pending_.pendDecMark, u"");
    }

    void okAppliesTheMarksAndWritesTheSettings() {
        QTemporaryDir folder;
        VelmorApplication app(folder.path().toStdU16String());
        app.start();
        QTest::keyClicks(app.mainWindow().entryBox(), QStringLiteral("1234"));
        whileModal<OptionsDialog>(
            [&] { app.mainWindow().menuAction(QStringLiteral("C&onfig"))->trigger(); },
            [&](OptionsDialog& dialog) {
                QCOMPARE(dialog.decimalList()->currentIndex(), 0);
                QCOMPARE(dialog.thousandsList()->currentIndex(), 1);
                dialog.decimalList()->activated(1);
                dialog.thousandsList()->activated(2);
                QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            });
        QCOMPARE(app.mainForm().state.decMark, u",");
        QCOMPARE(app.mainWindow().entryBox()->text(), QStringLiteral("1.234,0"));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("config.ini"))));

        whileModal<OptionsDialog>(
            [&] { app.mainWindow().menuAction(QStringLiteral("C&onfig"))->trigger(); },
            [&](OptionsDialog& dialog) {
                dialog.decimalList()->activated(2);
                QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
            });
        QCOMPARE(app.mainForm().state.decMark, u",");
    }

    void aboutBoxShowsItsTextsAndOpensTheLink() {
        QTemporaryDir folder;
        VelmorApplication app(folder.path().toStdU16String());
        QUrl opened;
        app.platform().openUrl = [&](const QUrl& url) { opened = url; };
        app.start();
        whileModal<AboutBox>(
            [&] { app.mainWindow().menuAction(QStringLiteral("&About"))->trigger(); },
            [&](AboutBox& box) {
                QCOMPARE(box.windowTitle(), QStringLiteral("About Velmor"));
                QStringList texts;
                for (const QLabel* label : box.findChildren<QLabel*>()) {
                    texts << label->text();
                }
                QVERIFY(texts.contains(QStringLiteral("version 2.0")));
                QVERIFY(texts.contains(QStringLiteral("Velmor")));
                QVERIFY(texts.contains(QStringLiteral("Freeware")));
                QTest::mouseClick(box.link(), Qt::LeftButton);
                QTest::keyClick(&box, Qt::Key_Escape);
            });
        QCOMPARE(opened, QUrl(QStringLiteral("https://velmor.example")));
        QVERIFY(app.mainWindow().isVisible());
    }

    void rendersTheDialogsForLooking() {
        const QString folder = qEnvironmentVariable("VELMOR_ARTIFACTS", QDir::tempPath());
        QDir().mkpath(folder);
        const auto dialog = openDialog(u",", u"x");
        QVERIFY(dialog->grab().save(folder + QStringLiteral("/velmor-options.png")));
        velmor::FmAbout about(*platform_);
        AboutBox box(about, nullptr);
        QVERIFY(box.grab().save(folder + QStringLiteral("/velmor-about.png")));
    }

    void guideOpensTheHtmlGuideBesideTheProgram() {
        QTemporaryDir folder;
        QDir(folder.path()).mkpath(QStringLiteral("guide"));
        QFile guide(folder.filePath(QStringLiteral("guide/index.html")));
        QVERIFY(guide.open(QIODevice::WriteOnly));
        guide.close();
        VelmorApplication app(folder.path().toStdU16String());
        QUrl opened;
        app.platform().openUrl = [&](const QUrl& url) { opened = url; };
        app.start();
        app.mainWindow().menuAction(QStringLiteral("&Guide"))->trigger();
        QCOMPARE(opened, QUrl::fromLocalFile(folder.filePath(QStringLiteral("guide/index.html"))));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
