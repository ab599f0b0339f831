// How Velmor's window fits whatever desktop it runs on: the clipboard as the
// desktop announces it, popups under a dark theme, a maximize request, and
// the start-up banner over the fields.
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QToolTip>

#include <memory>

#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/qt_convert.h"
#include "ui/velmor_style.h"
#include "velmor_under_test.h"

using velmor::ui::OptionsDialog;

class DesktopFitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<StartedVelmor> velmor_;
    velmor::ui::MainWindow& window() { return velmor_->app.mainWindow(); }
    velmor::FmMain& form() { return velmor_->app.mainForm(); }

private slots:
    void initTestCase() {
        // A dark desktop theme sets the program's palette before Velmor
        // chooses its look.
        QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
        dark.setColor(QPalette::Text, QColor(238, 238, 236));
        dark.setColor(QPalette::Base, QColor(45, 45, 45));
        QApplication::setPalette(dark);
        QToolTip::setPalette(dark);
        velmor::ui::useVelmorLook();
    }

    void init() {
        velmor_ = std::make_unique<StartedVelmor>();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    void cleanup() { velmor_.reset(); }

    // Paste follows what the clipboard offers as the desktop announces each
    // change, without its text being fetched.
    void pasteOffersFollowTheClipboardsAnnouncements() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        velmor::ui::QtPlatform& platform = velmor_->app.platform();
        clipboard->setText(QStringLiteral("42"));
        QVERIFY(platform.clipboardOffersText());
        auto* picture = new QMimeData;
        picture->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
        clipboard->setMimeData(picture);
        QVERIFY(!platform.clipboardOffersText());
        clipboard->setText(QStringLiteral("7"));
        QVERIFY(platform.clipboardOffersText());
    }

};

QTEST_MAIN(DesktopFitTest)
#include "desktop_fit_test.moc"
