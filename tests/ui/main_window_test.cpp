// The real main window: what only the widgets can show. Each test starts a
// fresh Velmor in a temporary program folder.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPainter>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>
#include <memory>

#include "started_velmor.h"
#include "ui/qt_convert.h"
#include "ui/termination_signals.h"
#include "ui/velmor_style.h"

using velmor::FmMain;
using velmor::ui::BackgroundWidget;
using velmor::ui::pixels;
using velmor::ui::qt;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    FmMain& form() { return velmor_->app.mainForm(); }
    velmor::ui::MainWindow& window() { return velmor_->app.mainWindow(); }
    QLineEdit* entry() { return window().entryBox(); }
    QString settingsFile() const { return velmor_->folder.filePath(QStringLiteral("config.ini")); }

    // Every text shows whole, in the font it is drawn with.
    void expectWholeTexts() {
        for (const QLabel* label : window().centralWidget()->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty()) continue;
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->text()));
        }
        for (std::size_t k = 0; k < form().llHot.size(); ++k) {
            const QString hint = window().background()->drawnHint(static_cast<int>(k));
            QCOMPARE(hint, qt(form().llHot[k].caption));
            const QFontMetrics metrics(qt(form().llHot[k].font));
            QVERIFY2(window().background()->hintGeometry(static_cast<int>(k)).width() >=
                         metrics.horizontalAdvance(hint),
                     qPrintable(hint));
        }
    }

    static int inkedPixels(const QImage& image) {
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                inked += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
        return inked;
    }

    std::unique_ptr<StartedVelmor> velmor_;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        velmor::ui::useVelmorLook();
    }

    void init() {
        velmor_ = std::make_unique<StartedVelmor>();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }

    void cleanup() { velmor_.reset(); }

    void typedDigitsShowInEveryField() {
        QTest::keyClicks(entry(), QStringLiteral("1536"));
        QCOMPARE(entry()->text(), QStringLiteral("1536"));
        QCOMPARE(window().numberLabel(5)->text(), QStringLiteral("1"));
        QCOMPARE(window().decimalsLabel(5)->text(), QStringLiteral(".5"));
        QCOMPARE(window().numberLabel(0)->text(), QStringLiteral("1,536"));
        QVERIFY(!window().numberLabel(0)->isVisible());  // under the entry box
    }

    void keysMoveTheEntryBoxOverTheirField() {
        const auto expectOver = [&](int field) {
            QCOMPARE(form().state.activeField, field);
            const QRect frame = pixels(form().shNum[static_cast<std::size_t>(field)].geometry);
            QCOMPARE(entry()->geometry(), QRect(frame.x(), frame.y() - 1, frame.width(), 21));
            QVERIFY(window().background()->drawnFrame(field).isEmpty());
        };
        QTest::keyClick(entry(), Qt::Key_Tab);
        expectOver(1);
        QTest::keyClick(entry(), Qt::Key_Backtab, Qt::ShiftModifier);
        expectOver(0);
        QTest::keyClick(entry(), Qt::Key_Up, Qt::ShiftModifier);
        expectOver(5);
        QTest::keyClick(entry(), Qt::Key_Down);
        expectOver(0);
        QTest::keyClick(entry(), Qt::Key_G, Qt::ShiftModifier);
        expectOver(7);
        QTest::keyClick(entry(), Qt::Key_Left, Qt::ControlModifier);
        expectOver(3);
        QTest::keyClick(entry(), Qt::Key_T, Qt::AltModifier);
        expectOver(4);
        QCOMPARE(window().background()->drawnFrame(3), pixels(form().shNum[3].geometry));
    }

    void aLetterThatMovesTheBoxTypesNothing() {
        QTest::keyClicks(entry(), QStringLiteral("5"));
        QTest::keyClicks(entry(), QStringLiteral("k"));
        QCOMPARE(form().state.activeField, 1);
        QCOMPARE(entry()->text(), QStringLiteral("5"));
        QTest::keyClicks(entry(), QStringLiteral("a-"));
        QCOMPARE(entry()->text(), QStringLiteral("5"));
    }

    void editingKeysStayTheBoxs() {
        QTest::keyClicks(entry(), QStringLiteral("123"));
        QTest::keyClick(entry(), Qt::Key_Backspace);
        QTest::keyClick(entry(), Qt::Key_Home);
        QTest::keyClick(entry(), Qt::Key_Delete);
        QCOMPARE(entry()->text(), QStringLiteral("2"));
        QCOMPARE(form().txNum.text(), u"2");
        QCOMPARE(window().numberLabel(0)->text(), QStringLiteral("2"));
    }

    void aCtrlPressOnAFieldKeepsTheDigits() {
        QTest::keyClicks(entry(), QStringLiteral("5"));
        QTest::mouseClick(window().numberLabel(2), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(form().state.activeField, 2);
        QCOMPARE(entry()->text(), QStringLiteral("5"));
        QCOMPARE(window().numberLabel(0)->text(), QStringLiteral("5,000,000"));
        QTest::mouseClick(window().unitLabel(1), Qt::RightButton);
        QCOMPARE(form().state.activeField, 1);
        QCOMPARE(entry()->text(), QStringLiteral("5,000"));
    }

    void aPressOnAFrameReachesTheBackgroundButOneOnAMarkerDoesNot() {
        BackgroundWidget* background = window().background();
        QSignalSpy presses(background, &BackgroundWidget::pressed);
        const QRect marker = pixels(form().lbSign[2].geometry);
        QTest::mouseClick(background, Qt::LeftButton, {}, marker.center());
        QCOMPARE(presses.count(), 0);
        // The frame's edge, beside the number label that lies on it.
        const QRect frame = background->drawnFrame(2);
        QVERIFY(!window().numberLabel(2)->geometry().contains(frame.topLeft()));
        QTest::mouseClick(background, Qt::LeftButton, {}, frame.topLeft());
        QCOMPARE(presses.count(), 1);
    }

    void escClosesAndWritesTheSettings() {
        QTest::keyClicks(entry(), QStringLiteral("42"));
        QTest::keyClick(entry(), Qt::Key_Escape);
        QVERIFY(!window().isVisible());
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().endsWith("\"42\",0\r\n"));
    }

    void copyAndPasteGoThroughTheClipboard() {
        QTest::keyClick(entry(), Qt::Key_K);
        QTest::keyClicks(entry(), QStringLiteral("1,234.5"));
        window().menuAction(QStringLiteral("&Copy"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1234.5"));
        QCOMPARE(entry()->palette().color(QPalette::Text), QColor(128, 128, 128));

        QGuiApplication::clipboard()->setText(QStringLiteral("0.25"));
        QTest::keyClicks(entry(), QStringLiteral("7"));
        QAction* paste = window().menuAction(QStringLiteral("&Paste"));
        QVERIFY(paste->isEnabled());
        paste->trigger();
        QCOMPARE(entry()->text(), QStringLiteral("0.2"));

        // A picture is nothing to paste.
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(picture);
        QTest::keyClicks(entry(), QStringLiteral("7"));
        QVERIFY(!paste->isEnabled());
    }

    void optionKeysTickTheirBoxes() {
        QTest::keyClick(entry(), Qt::Key_F3);
        QVERIFY(window().digitBox(2)->isChecked());
        QVERIFY(!window().digitBox(1)->isChecked());
        QTest::keyClick(entry(), Qt::Key_X);
        QVERIFY(window().roundingBox(0)->isChecked());
        QTest::mouseClick(window().roundingBox(0), Qt::LeftButton);
        QVERIFY(window().roundingBox(0)->isChecked());  // a click never unchecks
        QCOMPARE(form().state.rndMode, 0);
    }

    void theWidgetsShowExactlyWhatTheModelsHold() {
        QTest::keyClicks(entry(), QStringLiteral("1536"));
        QTest::keyClick(entry(), Qt::Key_M);
        QTest::keyClick(entry(), Qt::Key_F4);
        QTest::mouseClick(entry(), Qt::LeftButton);
        for (int i = 0; i < velmor::kFieldCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            QCOMPARE(window().background()->drawnFrame(i),
                     form().shNum[at].visible ? pixels(form().shNum[at].geometry) : QRect());
            QCOMPARE(window().numberLabel(i)->text(), qt(form().lbNum[at].caption));
            QCOMPARE(window().numberLabel(i)->isVisible(), form().lbNum[at].visible);
            QCOMPARE(window().numberLabel(i)->geometry(), pixels(form().lbNum[at].geometry));
            QCOMPARE(window().decimalsLabel(i)->text(), qt(form().lbDec[at].caption));
            QCOMPARE(window().decimalsLabel(i)->isVisible(), form().lbDec[at].visible);
            QCOMPARE(window().background()->drawnMarker(i),
                     form().lbSign[at].visible ? qt(form().lbSign[at].caption) : QString());
            QCOMPARE(window().unitLabel(i)->text(), qt(form().lbUnit[at].caption));
            QCOMPARE(window().unitLabel(i)->toolTip(), qt(form().lbUnit[at].toolTip));
        }
        QCOMPARE(entry()->text(), qt(form().txNum.text()));
        QCOMPARE(entry()->geometry(), pixels(form().txNum.geometry));
        QCOMPARE(entry()->palette().color(QPalette::Base), qt(form().txNum.back));
        QCOMPARE(entry()->palette().color(QPalette::Base), QColor(128, 128, 224));  // latched
        for (int i = 0; i < FmMain::kDigitBoxes; ++i) {
            QCOMPARE(window().digitBox(i)->isChecked(),
                     form().chDigit[static_cast<std::size_t>(i)].checked());
        }
        for (int i = 0; i < FmMain::kRoundingBoxes; ++i) {
            QCOMPARE(window().roundingBox(i)->isChecked(),
                     form().chRnd[static_cast<std::size_t>(i)].checked());
        }
        QCOMPARE(window().menuAction(QStringLiteral("&Undo"))->isEnabled(), form().mnuUndo.enabled);
        QCOMPARE(window().menuAction(QStringLiteral("&Redo"))->isEnabled(), form().mnuRedo.enabled);
        QCOMPARE(window().banner()->isVisible(), form().pcButtons.visible);
        expectWholeTexts();
        QCOMPARE(window().numberLabel(0)->accessibleName(),
                 QStringLiteral("byte: 1,536,000,000.000"));
        QCOMPARE(window().numberLabel(6)->accessibleName(),
                 QStringLiteral("mebibyte: 1,464.844, rounded up"));
        // What the rounding hides, on hover and for a screen reader.
        QCOMPARE(window().numberLabel(6)->toolTip(),
                 QStringLiteral("1,464.8438 mebibytes (exact to four decimals)"));
        QCOMPARE(window().numberLabel(6)->accessibleDescription(),
                 window().numberLabel(6)->toolTip());
        QCOMPARE(window().roundingBox(0)->accessibleName(), QStringLiteral("round up, key X"));
        QCOMPARE(window().digitBox(3)->accessibleName(),
                 QStringLiteral("round to 3 decimals, key F4"));
    }

    void aTerminationSignalClosesTheWindowAndSaves() {
        new velmor::ui::TerminationSignals(window());
        QTest::keyClicks(entry(), QStringLiteral("42"));
        ::raise(SIGTERM);
        QTRY_VERIFY(!window().isVisible());
        QFile file(settingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().endsWith("\"42\",0\r\n"));
    }

    void theWindowHasItsFixedSizeAndCaption() {
        QCOMPARE(window().windowTitle(), QStringLiteral(" Velmor v2.01"));
        QCOMPARE(window().centralWidget()->size(), QSize(513, 241));
        QCOMPARE(window().minimumSize(), window().maximumSize());
        expectWholeTexts();  // as started, before any event
    }

    void optionPicturesAreDrawnAtTheScreensDensity() {
        const QIcon picture = window().digitBox(1)->icon();
        const QImage sharp = picture.pixmap(QSize(44, 22), 2.0).toImage();
        QCOMPARE(sharp.size(), QSize(88, 44));
        QVERIFY(inkedPixels(sharp) > 0);
        const QImage greyed = picture.pixmap(QSize(44, 22), 1.0, QIcon::Disabled).toImage();
        QVERIFY(greyed != picture.pixmap(QSize(44, 22), 1.0).toImage());
    }

    void optionPicturesSitCentredInsideTheirBoxes() {
        std::vector<QToolButton*> boxes;
        for (int i = 0; i < FmMain::kDigitBoxes; ++i)
            boxes.push_back(window().digitBox(i));
        for (int i = 0; i < FmMain::kRoundingBoxes; ++i)
            boxes.push_back(window().roundingBox(i));
        for (QToolButton* box : boxes) {
            const QImage picture = box->icon().pixmap(box->iconSize(), 2.0).toImage();
            QRect inked;
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x)
                    if (qAlpha(picture.pixel(x, y)) > 0) inked |= QRect(x, y, 1, 1);
            }
            QVERIFY2(QRect(QPoint(1, 1), picture.size() - QSize(2, 2)).contains(inked),
                     qPrintable(box->toolTip()));
            QVERIFY2(qAbs(inked.left() - (picture.width() - 1 - inked.right())) <= 1,
                     qPrintable(box->toolTip()));
        }
    }

    void theWindowIconOffersTheSizesDrawnForSmallPanels() {
        const QIcon icon = window().windowIcon();
        const auto shown = [&](int size) {
            return icon.pixmap(QSize(size, size), 1.0)
                .toImage()
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        for (int size : {16, 24, 32, 48, 64, 128}) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
            QCOMPARE(shown(size).size(), QSize(size, size));
            QVERIFY(inkedPixels(shown(size)) > size * size / 2);
        }
        // The small sizes are drawn on the pixel grid, not the large picture
        // shrunk: their frame's left edge is solid navy.
        const auto solidEdge = [](const QImage& image) {
            const int middle = image.height() / 2;
            return image.pixel(0, middle) == qRgb(0, 0, 128) ||
                   image.pixel(1, middle) == qRgb(0, 0, 128);
        };
        for (int size : {16, 24, 32, 48})
            QVERIFY(solidEdge(shown(size)));
        QVERIFY(!solidEdge(icon.pixmap(QSize(128, 128)).toImage().scaled(16, 16)));
    }

    void theMenuBarsOverflowArrowIsDrawn() {
        const QIcon arrow =
            window().style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(inkedPixels(arrow.pixmap(16, 16).toImage()) > 0);
    }

    void rendersTheWindowForLooking() {
        QTest::keyClicks(entry(), QStringLiteral("1536"));
        QTest::keyClick(entry(), Qt::Key_K);
        const QString folder = qEnvironmentVariable("VELMOR_ARTIFACTS", QDir::tempPath());
        QDir().mkpath(folder);
        const QImage image = window().grab().toImage();
        QCOMPARE(image.devicePixelRatio(), 1.0);
        QVERIFY(image.save(folder + QStringLiteral("/velmor-window.png")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
