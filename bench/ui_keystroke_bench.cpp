// One typed digit through the real main window: the key event, the core's
// handling and every widget brought up to date (painting excluded).
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/velmor_application.h"

class KeystrokeBenchmark : public QObject {
    Q_OBJECT

private slots:
    void typedDigit() {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir folder;
        velmor::ui::VelmorApplication app(folder.path().toStdU16String());
        app.start();
        QLineEdit* entry = app.mainWindow().entryBox();
        QTest::keyClicks(entry, QStringLiteral("1234.5678"));
        QTest::keyClick(entry, Qt::Key_M);
        bool one = true;
        QBENCHMARK {
            entry->selectAll();  // each digit replaces the entry, so every one changes it
            QTest::keyClick(entry, one ? Qt::Key_1 : Qt::Key_2);
            one = !one;
        }
        QVERIFY(app.mainForm().state.entryValid);
    }
};

QTEST_MAIN(KeystrokeBenchmark)
#include "ui_keystroke_bench.moc"
