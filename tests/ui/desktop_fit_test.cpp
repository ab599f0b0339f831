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

namespace {

// Light backgrounds under dark texts, as Velmor's windows are drawn.
void expectLight(const QPalette& palette, const char* what) {
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        QVERIFY2(
            palette.color(role).lightness() > 160,
            qPrintable(QStringLiteral("%1: background %2").arg(what, palette.color(role).name())));
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        QVERIFY2(palette.color(role).lightness() < 96,
                 qPrintable(QStringLiteral("%1: text %2").arg(what, palette.color(role).name())));
    }
}

}  // namespace

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

    // Menus, list popups, a text box's own menu and tooltips keep Velmor's
    // light look under a dark theme.
    void everyPopupKeepsTheLightLook() {
        for (const QMenu* menu : window().findChildren<QMenu*>())
            expectLight(menu->palette(), "menu");
        std::unique_ptr<QMenu> entryMenu(window().entryBox()->createStandardContextMenu());
        expectLight(entryMenu->palette(), "the entry box's menu");
        const QPalette tip = QToolTip::palette();
        QVERIFY(tip.color(QPalette::ToolTipBase).lightness() > 160);
        QVERIFY(tip.color(QPalette::ToolTipText).lightness() < 96);
        whileModal<OptionsDialog>([&] { form().mnuHelpConfig.click(); },
                                  [&](OptionsDialog& dialog) {
                                      QComboBox* list = dialog.decimalList();
                                      list->showPopup();
                                      expectLight(list->view()->window()->palette(), "list popup");
                                      expectLight(list->view()->palette(), "list popup's view");
                                      list->hidePopup();
                                  });
    }

    // The window has one size: a maximize or full screen request leaves it.
    void aMaximizeOrFullScreenRequestLeavesTheWindowAsItWas() {
        const QSize size = window().size();
        for (const Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
            window().setWindowState(state);
            QTRY_COMPARE(window().windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen),
                         Qt::WindowStates());
            QCOMPARE(window().size(), size);
            QVERIFY(window().isVisible());
        }
    }

    // The start-up banner hides a field whole, its frame, number and
    // decimals, or leaves it whole in sight.
    void theBannerCoversWholeFieldsOrNone() {
        QTest::keyClicks(window().entryBox(), QStringLiteral("99999999999"));
        for (int tries = 0; tries < 2000 && !form().cmFlag.enabled; ++tries)
            form().ShowFlag();
        form().cmFlag.tick();
        window().sync();
        QVERIFY(window().banner()->isVisible());
        const QRect banner = window().banner()->geometry();
        int covered = 0;
        for (int i = 0; i < velmor::kFieldCount; ++i) {
            const QRect frame =
                velmor::ui::pixels(form().shNum[static_cast<std::size_t>(i)].geometry);
            for (const QRect part : {frame, window().numberLabel(i)->geometry(),
                                     window().decimalsLabel(i)->geometry()}) {
                QVERIFY2(banner.contains(part) == banner.contains(frame) &&
                             banner.intersects(part) == banner.contains(frame),
                         qPrintable(QStringLiteral("field %1").arg(i)));
            }
            covered += banner.contains(frame) ? 1 : 0;
        }
        QVERIFY(covered > 0);
        // The greeting shows whole inside it.
        QVERIFY(QRect(QPoint(0, 0), banner.size()).contains(window().bannerText()->geometry()));
    }
};

QTEST_MAIN(DesktopFitTest)
#include "desktop_fit_test.moc"
