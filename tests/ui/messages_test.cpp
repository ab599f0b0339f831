// What Velmor tells its user and a screen reader when something cannot be
// done or read: the message boxes the core asks for, in the user's language;
// a failed save that the session's end only reports; the entry and the
// fields as a screen reader reads them.
#include <QAccessible>
#include <QMessageBox>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>

#include "engine/field_display.h"
#include "shell/fm_main.h"
#include "ui/qt_convert.h"
#include "velmor_under_test.h"

using namespace velmor;
using namespace velmor::ui;

namespace {

QString accessible(QWidget* widget, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

// Makes every save of `velmor` fail: its own folder holds a directory where
// config.ini goes, and the user's folder lies below a plain file.
void breakSaves(StartedVelmor& velmor, QTemporaryDir& home) {
    QVERIFY(QDir(velmor.folder.path()).mkdir(QStringLiteral("config.ini")));
    QFile file(home.filePath(QStringLiteral("file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    qputenv("HOME", home.filePath(QStringLiteral("file/home")).toUtf8());
}

}  // namespace

class MessagesTest : public QObject {
    Q_OBJECT

    QByteArray home_ = qgetenv("HOME");

private slots:
    void cleanup() {
        qputenv("HOME", home_);
        useLanguage(QStringLiteral("en"));
    }

    void whatNoProgramOpensIsNamedInTheUsersLanguage() {
        useLanguage(QStringLiteral("de"));
        StartedVelmor velmor;
        QUrl handed;
        velmor.app.platform().openUrl = [&](const QUrl& url) {
            handed = url;
            return false;
        };
        whileModal<QMessageBox>(
            [&] { velmor.app.mainForm().mnuHelpHelp.click(); },
            [&](QMessageBox& box) {
                QCOMPARE(box.parentWidget(), &velmor.app.mainWindow());
                QCOMPARE(box.text(), QStringLiteral("Kein Programm gefunden, das %1 öffnet.")
                                         .arg(handed.toLocalFile()));
            });
        QVERIFY(handed.isLocalFile());
    }

    void aFailedSaveIsToldAtTheUsersCloseAndOnlyReportedAtASignal() {
        const QString reason = QString::fromLocal8Bit(std::strerror(ENOTDIR));
        QTemporaryDir home;
        {
            StartedVelmor velmor;
            breakSaves(velmor, home);
            whileModal<QMessageBox>(
                [&] { velmor.app.mainWindow().close(); },
                [&](QMessageBox& box) {
                    QVERIFY2(box.text().contains(QStringLiteral("/file/home/.qttest/config/")),
                             qPrintable(box.text()));
                    QVERIFY2(box.text().contains(reason), qPrintable(box.text()));
                });
            QVERIFY(!velmor.app.mainForm().windowOpen);
        }
        StartedVelmor velmor;
        breakSaves(velmor, home);
        velmor.app.endOnTerminationSignals();
        // A message would wait for an answer that a logout never gives.
        bool asked = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                asked = true;
                box->close();
            }
        });
        answer.start(10);
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(
                QStringLiteral("^velmor: Velmor could not save its settings in .*/config\\.ini: ") +
                QRegularExpression::escape(reason) + QStringLiteral("\\.$")));
        ::raise(SIGTERM);
        QTRY_VERIFY(!velmor.app.mainWindow().isVisible());
        QVERIFY(!asked);
    }

    void aScreenReaderReadsWhatTheWindowShows() {
        StartedVelmor velmor;
        MainWindow& window = velmor.app.mainWindow();
        FmMain& form = velmor.app.mainForm();
        QTest::keyClicks(window.entryBox(), QStringLiteral("k1.96"));
        QTest::keyClick(window.entryBox(), Qt::Key_F3);
        QCOMPARE(window.numberLabel(0)->text(), QStringLiteral("1,960"));
        QCOMPARE(accessible(window.numberLabel(0), QAccessible::Name),
                 QStringLiteral("byte: 1,960"));

        QTest::keyClick(window.entryBox(), Qt::Key_T, Qt::ShiftModifier);
        window.entryBox()->selectAll();
        QTest::keyClicks(window.entryBox(), QStringLiteral("1000"));
        QCOMPARE(window.numberLabel(0)->text(), qt(kOverflowText));
        QCOMPARE(accessible(window.numberLabel(0), QAccessible::Name),
                 QStringLiteral("byte: too large to show"));
        QCOMPARE(accessible(window.entryBox(), QAccessible::Description), QString());

        form.txNum.replaceByUser(u"1.2.3");
        window.sync();
        QVERIFY(!form.state.entryValid);
        QCOMPARE(accessible(window.entryBox(), QAccessible::Name),
                 QStringLiteral("entry in tebibyte"));
        QCOMPARE(accessible(window.entryBox(), QAccessible::Description),
                 QStringLiteral("cannot be read"));
    }
};

QTEST_MAIN(MessagesTest)
#include "messages_test.moc"
