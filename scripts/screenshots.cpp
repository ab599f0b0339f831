// Draws the pictures of Velmor's windows the README shows, offscreen:
//   cmake --build build --target velmor_screenshots
//   QT_QPA_PLATFORM=offscreen LC_ALL=C build/tests/ui/velmor_screenshots docs/images
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ui/about_box.h"
#include "ui/options_dialog.h"
#include "ui/velmor_application.h"
#include "ui/velmor_style.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    velmor::ui::useVelmorLook();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QTemporaryDir programFolder;
    velmor::ui::VelmorApplication velmor(programFolder.path().toStdU16String());
    velmor.start();
    // 1536 typed into the kilobyte field.
    QTest::keyClick(velmor.mainWindow().entryBox(), Qt::Key_K);
    QTest::keyClicks(velmor.mainWindow().entryBox(), QStringLiteral("1536"));
    bool saved = velmor.mainWindow().grab().save(folder + QStringLiteral("/velmor-window.png"));
    // Each dialog as it opens, grabbed while it is up.
    const auto grabModal = [&](const QString& file) {
        QTimer::singleShot(0, [&, file] {
            QWidget* dialog = QApplication::activeModalWidget();
            saved = saved && dialog->grab().save(folder + file);
            dialog->close();
        });
    };
    grabModal(QStringLiteral("/velmor-options.png"));
    velmor.mainForm().mnuHelpConfig.click();
    grabModal(QStringLiteral("/velmor-about.png"));
    velmor.mainForm().mnuHelpAbout.click();
    return saved ? 0 : 1;
}
