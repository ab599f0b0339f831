// The Qt view over the core: every control model of the three windows shows
// in the widget made from it, every widget event reaches the core, and what
// only real widgets do (the system clipboard, the focus, the pictures, the
// termination signals, the message boxes, what a screen reader is told beyond
// what the desktop suite reads).
#include <QAccessible>
#include <QClipboard>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>

#include "engine/field_display.h"
#include "test_support/scripted_platform.h"
#include "ui/about_box.h"
#include "ui/options_dialog.h"
#include "ui/qt_convert.h"
#include "ui/termination_signals.h"
#include "ui/translations.h"
#include "velmor_under_test.h"

using namespace velmor;
using namespace velmor::ui;

namespace {

QByteArray name(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    return QByteArray(widget->metaObject()->className()) + ' ' +
           (label != nullptr ? label->text() : widget->toolTip()).toUtf8();
}

// A font's face, size and weight, which the models give (a link adds its
// underline).
QString face(const QFont& font) {
    return QStringLiteral("%1 %2 %3").arg(font.family()).arg(font.pointSizeF()).arg(font.bold());
}

// A widget stands where its model says: exactly, or grown sideways to hold
// its text, keeping its top, its height and at least one of its edges or
// following the text before it within its model's span.
void expectPlace(const QWidget* widget, const Rect& model, QWidget* window) {
    const QRect at = pixels(model);
    // Inside the model that holds it, if any, else inside the window.
    QWidget* holder = widget->parentWidget();
    while (holder != window && !holder->property("velmorModel").isValid())
        holder = holder->parentWidget();
    const QRect is(widget->mapTo(holder, QPoint(0, 0)), widget->size());
    QVERIFY2(is.top() == at.top(), name(widget));
    if (model.width == 0) {
        QVERIFY2(is.left() == at.left(), name(widget));
        return;
    }
    QVERIFY2(is.height() == at.height() && is.width() >= at.width(), name(widget));
    QVERIFY2(is.left() == at.left() || is.right() == at.right() ||
                 (is.left() > at.left() && is.left() < at.right()),
             name(widget));
}

// A fixed text (a heading, a unit, a dialog's words) always shows; a number
// comes and goes with its model.
void expectLabel(QWidget* window, const Label& model, bool fixed = true) {
    auto* label = qobject_cast<QLabel*>(widgetShowing(*window, &model));
    QVERIFY2(label != nullptr, qPrintable(qt(model.caption)));
    QVERIFY2(label->isVisibleTo(window) == model.visible && (model.visible || !fixed), name(label));
    QCOMPARE(label->text(), translated(model.caption));
    QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), qt(model.fore));
    QCOMPARE(label->alignment(), qt(model.alignment));
    if (!model.toolTip.empty()) QCOMPARE(label->toolTip(), translated(model.toolTip));
    QCOMPARE(face(label->font()), face(qt(model.font)));
    expectPlace(label, model.geometry, window);
}

void expectTextBox(QLineEdit* box, const TextBox& model, QWidget* window) {
    QCOMPARE(box->text(), qt(model.text()));
    QCOMPARE(box->isVisibleTo(window), model.visible);
    QCOMPARE(box->isEnabled(), model.enabled);
    QCOMPARE(box->palette().color(QPalette::Base), qt(model.back));
    QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask,
             qt(model.alignment) & Qt::AlignHorizontal_Mask);
    QCOMPARE(face(box->font()), face(qt(model.font)));
    QCOMPARE(box->geometry(), pixels(model.geometry));
}

std::vector<std::pair<QToolButton*, CheckBox*>> optionBoxes(MainWindow& window, FmMain& form) {
    std::vector<std::pair<QToolButton*, CheckBox*>> boxes;
    for (int i = 0; i < FmMain::kDigitBoxes; ++i)
        boxes.emplace_back(window.digitBox(i), &form.chDigit[static_cast<std::size_t>(i)]);
    for (int i = 0; i < FmMain::kRoundingBoxes; ++i)
        boxes.emplace_back(window.roundingBox(i), &form.chRnd[static_cast<std::size_t>(i)]);
    return boxes;
}

void expectMainWindow(MainWindow& window, FmMain& form) {
    QWidget* client = window.centralWidget();
    const BackgroundWidget* back = window.background();
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        expectLabel(client, form.lbNum[i], false);
        expectLabel(client, form.lbDec[i], false);
        expectLabel(client, form.lbUnit[i]);
        const int field = static_cast<int>(i);
        QCOMPARE(back->drawnFrame(field),
                 form.shNum[i].visible ? pixels(form.shNum[i].geometry) : QRect());
        QCOMPARE(back->drawnMarker(field),
                 form.lbSign[i].visible ? qt(form.lbSign[i].caption) : QString());
    }
    for (std::size_t k = 0; k < form.llHot.size(); ++k) {
        QCOMPARE(back->drawnHint(static_cast<int>(k)), qt(form.llHot[k].caption));
        QCOMPARE(back->hintGeometry(static_cast<int>(k)), pixels(form.llHot[k].geometry));
    }
    expectLabel(client, form.lbDecimalHeading);
    expectLabel(client, form.lbBinaryHeading);
    QCOMPARE(window.banner()->isVisibleTo(client), form.pcButtons.visible);
    QCOMPARE(window.banner()->palette().color(QPalette::Window), qt(form.pcButtons.back));
    if (form.pcButtons.visible) {
        expectPlace(window.banner(), form.pcButtons.geometry, client);
        expectLabel(client, form.lbMark, false);
    }
    expectTextBox(window.entryBox(), form.txNum, client);
    QCOMPARE(window.entryBox()->palette().color(QPalette::Text), qt(form.txNum.fore));
    for (const auto& [box, model] : optionBoxes(window, form)) {
        QCOMPARE(box->isChecked(), model->checked());
        QCOMPARE(box->isEnabled(), model->enabled);
        QCOMPARE(box->toolTip(), translated(model->toolTip));
        expectPlace(box, model->geometry, client);
    }
    for (const MenuItem* item : menuItems(form)) {
        QAction* action = window.menuAction(qt(item->caption));
        QVERIFY2(action != nullptr && action->text() == translated(item->caption),
                 qPrintable(qt(item->caption)));
        QCOMPARE(action->isEnabled(), item->enabled);
    }
    QCOMPARE(window.menuBar()->actions().last()->text(), translated(form.mnuHelp.caption));
}

void expectOptionsDialog(OptionsDialog& dialog, FmOptions& form) {
    for (const Label* label : {&form.Label1, &form.Label2, &form.lbSample})
        expectLabel(&dialog, *label);
    for (const auto& [list, model] :
         {std::pair{dialog.decimalList(), &form.cbDec}, {dialog.thousandsList(), &form.cbThs}}) {
        QCOMPARE(list->count(), model->listCount());
        for (int i = 0; i < list->count(); ++i)
            QCOMPARE(list->itemText(i), translated(model->list(i)));
        QCOMPARE(list->currentIndex(), model->listIndex());
        QCOMPARE(list->palette().color(QPalette::Base), qt(model->back));
        QCOMPARE(list->toolTip(), translated(model->toolTip));
        QCOMPARE(list->geometry(), pixels(model->geometry));
        QCOMPARE(face(list->font()), face(qt(model->font)));
    }
    expectTextBox(dialog.decimalBox(), form.txDec, &dialog);
    expectTextBox(dialog.thousandsBox(), form.txThs, &dialog);
    for (const auto& [button, model] : {std::pair{dialog.okButton(), &form.cmOptExit},
                                        {dialog.cancelButton(), &form.cmOptCancel}}) {
        QCOMPARE(button->text(), translated(model->caption));
        QCOMPARE(button->isEnabled(), model->enabled);
        QCOMPARE(button->palette().color(QPalette::Button), qt(model->back));
        QCOMPARE(button->geometry(), pixels(model->geometry));
        QCOMPARE(face(button->font()), face(qt(model->font)));
    }
}

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

class ViewTest : public QObject {
    Q_OBJECT

private:
    MainWindow& window() { return velmor_->app.mainWindow(); }
    FmMain& form() { return velmor_->app.mainForm(); }

    // Starts Velmor afresh, in `language`.
    void restart(const QString& language) {
        velmor_.reset();
        useLanguage(language);
        velmor_ = std::make_unique<StartedVelmor>();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }

    std::unique_ptr<StartedVelmor> velmor_;
    const QByteArray home_ = qgetenv("HOME");

private slots:
    void init() { restart(QStringLiteral("en")); }

    void cleanup() {
        velmor_.reset();
        qputenv("HOME", home_);
        useLanguage(QStringLiteral("en"));
    }

    void theMainWindowShowsEveryModelAndHandsEveryEventToTheCore() {
        expectMainWindow(window(), form());
        int commands = 0;
        for (MenuItem* item : menuItems(form())) {
            item->enabled = true;
            item->onClick = [&commands] { ++commands; };
            window().sync();
            window().menuAction(qt(item->caption))->trigger();
            QCOMPARE(std::exchange(commands, 0), 1);
        }
        // A press on a field's label makes it the active one, taking the
        // number it shows, or with Ctrl held keeping the digits typed.
        int mods = 0;  // every combination of Shift, Ctrl and Alt in turn
        for (int i = 0; i < kFieldCount; ++i) {
            for (PressableLabel* label :
                 {window().numberLabel(i), window().decimalsLabel(i), window().unitLabel(i)}) {
                form().SetField((i + 1) % kFieldCount, true, true, u"7");
                window().sync();
                if (!label->isVisible()) continue;  // the byte field's decimals
                mods = (mods + 1) % 8;
                QSignalSpy presses(label, &PressableLabel::pressed);
                QTest::mouseClick(label, Qt::LeftButton, qtModifiers(mods));
                QCOMPARE(presses.value(0).value(1).toInt(), mods);
                QCOMPARE(form().state.activeField, i);
                QCOMPARE(form().txNum.text() == u"7", (mods & kCtrlBit) != 0);
                expectMainWindow(window(), form());
            }
        }
        // Pressed with the mouse, or by a screen reader's press action.
        bool byReader = false;
        for (const auto& [box, model] : optionBoxes(window(), form())) {
            if ((byReader = !byReader)) {
                QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
            } else {
                QTest::mouseClick(box, Qt::LeftButton);
            }
            QVERIFY(model->checked());
            expectMainWindow(window(), form());
        }
        QTest::mouseClick(window().entryBox(), Qt::LeftButton);
        QVERIFY(form().stickyCtrl);
        QTest::mouseDClick(window().entryBox(), Qt::LeftButton);
        QCOMPARE(form().txNum.selLength(), static_cast<int>(form().txNum.text().size()));
        // A press on the background gives the entry box the focus back; one
        // on a rounding marker, a label, reaches no handler.
        form().txNum.focused = false;
        const QRect marker = pixels(form().lbSign[6].geometry);
        QTest::mouseClick(window().background(), Qt::LeftButton, {}, marker.center());
        QVERIFY(!form().txNum.focused);
        QTest::mouseClick(window().background(), Qt::LeftButton, {}, QPoint(1, 1));
        QVERIFY(form().txNum.focused);
        // The banner, shown at one start in twenty.
        for (int tries = 0; tries < 2000 && !form().cmFlag.enabled; ++tries)
            form().ShowFlag();
        form().cmFlag.tick();
        window().sync();
        QVERIFY(form().pcButtons.visible);
        expectMainWindow(window(), form());
    }

    void theDialogsShowEveryModelAndHandEveryEventToTheCore() {
        test_support::ScriptedPlatform platform;
        PendingMarks pending{u",", u"\u00A0"};
        FmOptions options(platform, pending);
        options.load();
        OptionsDialog dialog(options, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        expectOptionsDialog(dialog, options);
        for (QComboBox* list : {dialog.decimalList(), dialog.thousandsList()}) {
            for (int i = 0; i < list->count(); ++i) {
                list->activated(i);  // as the user picks it
                QCOMPARE(list == dialog.decimalList() ? options.cbDec.listIndex()
                                                      : options.cbThs.listIndex(),
                         i);
                expectOptionsDialog(dialog, options);
            }
        }
        QVERIFY(dialog.thousandsBox()->hasFocus());  // "other" opens its box
        // The box holds one character: the next one typed takes its place,
        // and a pasted text of two is refused.
        QTest::keyClicks(dialog.thousandsBox(), QStringLiteral(";_"));
        QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
        QTest::keyClick(dialog.thousandsBox(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(options.txThs.text(), u"_");
        expectOptionsDialog(dialog, options);
        // An input method hands over a character beyond the first 65536 as
        // one text of two code units; the box keeps it whole.
        const QString emoji = QString::fromUtf16(u"\U0001F600");
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, emoji);
        dialog.thousandsBox()->selectAll();
        QApplication::sendEvent(dialog.thousandsBox(), &typed);
        QVERIFY(options.txThs.text() == u"\U0001F600");
        expectOptionsDialog(dialog, options);
        // A listed mark typed in the box selects it: the box closes, and the
        // focus moves on to the next list.
        dialog.decimalList()->activated(dialog.decimalList()->count() - 1);
        QVERIFY(dialog.decimalBox()->hasFocus());
        QTest::keyClicks(dialog.decimalBox(), QStringLiteral(","));
        QVERIFY(!dialog.decimalBox()->isEnabled() && dialog.thousandsList()->hasFocus());
        QCOMPARE(options.focus(), OptionsFocus::cbThs);
        expectOptionsDialog(dialog, options);
        int clicks = 0;
        options.cmOptCancel.onClick = options.cmOptExit.onClick = [&clicks] { ++clicks; };
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        QCOMPARE(std::exchange(clicks, 0), 2);
        // Either Enter key presses OK, which closes the dialog, but only while
        // OK is enabled.
        for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
            for (const bool enabled : {false, true}) {
                options.cmOptExit.enabled = enabled;
                dialog.sync();
                QTest::keyClick(dialog.thousandsList(), enter);
                QCOMPARE(options.isOpen(), !enabled);
            }
            options.load();
            dialog.show();
        }

        FmAbout about(platform);
        AboutBox box(about, nullptr);
        box.show();
        QCOMPARE(box.windowTitle(), translated(about.caption));
        for (const Label* label :
             {&about.Label1, &about.lblTitle, &about.lblVersion, &about.lblDescription,
              &about.lblDisclaimer, &about.Label3, &about.lblLink, &about.Label5})
            expectLabel(&box, *label);
        for (const Label* picture : {&about.Image1, &about.Line1[0], &about.Line1[1]}) {
            QWidget* widget = widgetShowing(box, picture);
            QVERIFY(widget != nullptr && widget->isVisibleTo(&box) == picture->visible);
            QCOMPARE(widget->pos(), pixels(picture->geometry).topLeft());
        }
        QCOMPARE(box.okButton()->text(), translated(about.cmdOK.caption));
        QCOMPARE(box.okButton()->geometry(), pixels(about.cmdOK.geometry));
        QTest::mouseClick(box.link(), Qt::LeftButton);
        QCOMPARE(platform.shellTarget, about.lblLink.caption);
        QTest::mouseClick(box.okButton(), Qt::LeftButton);
        QVERIFY(!about.isOpen());
    }

    void copyAndPasteGoThroughTheSystemClipboard() {
        QTest::keyClicks(window().entryBox(), QStringLiteral("k1234.5"));
        form().mnuEditCopy.click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1234.5"));
        QGuiApplication::clipboard()->setText(QStringLiteral("25"));
        QTest::keyClicks(window().entryBox(), QStringLiteral("7"));
        window().menuAction(qt(form().mnuEditPaste.caption))->trigger();
        QCOMPARE(form().state.entryValue, Quantity::fromUnits(25));
        QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
        QTest::keyClicks(window().entryBox(), QStringLiteral("7"));  // nothing to paste
        QVERIFY(!window().menuAction(qt(form().mnuEditPaste.caption))->isEnabled());
    }

    // Reaching the end of this test is its check: a termination signal that
    // is not ignored ends the test program.
    void terminationSignalsAreIgnoredOnceClosingHasBegun_data() {
        QTest::addColumn<bool>("bySignal");
        QTest::newRow("closed by a signal") << true;
        QTest::newRow("closed by the close box") << false;
    }
    void terminationSignalsAreIgnoredOnceClosingHasBegun() {
        QFETCH(bool, bySignal);
        for (const int number : {SIGTERM, SIGINT, SIGHUP})
            ::signal(number, SIG_DFL);  // as the program starts
        QWidget window;
        window.show();
        auto* watcher = new TerminationSignals(window);
        if (bySignal) {
            ::raise(SIGTERM);
        } else {
            window.close();
        }
        QTRY_VERIFY(!window.isVisible());
        delete watcher;  // as when the window goes at the end
        for (const int number : {SIGTERM, SIGINT, SIGHUP})
            ::raise(number);
    }

    void picturesAreDrawnCentredAtTheScreensDensityAndTheIconInEverySize() {
        const auto inked = [](const QImage& image) {
            QRect ink;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) > 0) ink |= QRect(x, y, 1, 1);
            return ink;
        };
        for (const auto& [box, model] : optionBoxes(window(), form())) {
            const QImage sharp = box->icon().pixmap(box->iconSize(), 2.0).toImage();
            QCOMPARE(sharp.size(), box->iconSize() * 2);
            const QRect ink = inked(sharp);
            QVERIFY2(QRect(QPoint(1, 1), sharp.size() - QSize(2, 2)).contains(ink), name(box));
            QVERIFY2(qAbs(ink.left() - (sharp.width() - 1 - ink.right())) <= 1, name(box));
            QVERIFY(box->icon().pixmap(box->iconSize(), 1.0, QIcon::Disabled).toImage() !=
                    box->icon().pixmap(box->iconSize(), 1.0).toImage());
        }
        // The small sizes are drawn on the pixel grid, a solid navy edge, not
        // the large picture shrunk.
        for (int size : {16, 24, 32, 48, 64, 128}) {
            const QImage shown = window()
                                     .windowIcon()
                                     .pixmap(QSize(size, size), 1.0)
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(shown.size(), QSize(size, size));
            QVERIFY(inked(shown).width() * inked(shown).height() > size * size / 2);
            QCOMPARE(shown.pixel(0, size / 2) == qRgb(0, 0, 128) ||
                         shown.pixel(1, size / 2) == qRgb(0, 0, 128),
                     size <= 48);
        }
    }

    // Paste follows what the clipboard offers as the desktop announces each
    // change, without its text being fetched.
    void pasteOffersFollowTheClipboardsAnnouncements() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        QtPlatform& platform = velmor_->app.platform();
        clipboard->setText(QStringLiteral("42"));
        QVERIFY(platform.clipboardOffersText());
        auto* picture = new QMimeData;
        picture->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
        clipboard->setMimeData(picture);
        QVERIFY(!platform.clipboardOffersText());
        clipboard->setText(QStringLiteral("7"));
        QVERIFY(platform.clipboardOffersText());
    }

    void whatNoProgramOpensIsNamedInTheUsersLanguage() {
        restart(QStringLiteral("de"));
        QUrl handed;
        velmor_->app.platform().openUrl = [&](const QUrl& url) {
            handed = url;
            return false;
        };
        whileModal<QMessageBox>(
            [&] { form().mnuHelpHelp.click(); },
            [&](QMessageBox& box) {
                QCOMPARE(box.parentWidget(), &window());
                QCOMPARE(box.text(), QStringLiteral("Kein Programm gefunden, das %1 öffnet.")
                                         .arg(handed.toLocalFile()));
            });
        QVERIFY(handed.isLocalFile());
    }

    void aFailedSaveIsToldAtTheUsersCloseAndOnlyReportedAtASignal() {
        const QString reason = QString::fromLocal8Bit(std::strerror(ENOTDIR));
        QTemporaryDir home;
        breakSaves(*velmor_, home);
        whileModal<QMessageBox>(
            [&] { window().close(); },
            [&](QMessageBox& box) {
                QVERIFY2(box.text().contains(QStringLiteral("/file/home/.qttest/config/")),
                         qPrintable(box.text()));
                QVERIFY2(box.text().contains(reason), qPrintable(box.text()));
            });
        QVERIFY(!form().windowOpen);

        restart(QStringLiteral("en"));
        breakSaves(*velmor_, home);
        velmor_->app.endOnTerminationSignals();
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
        QTRY_VERIFY(!window().isVisible());
        QVERIFY(!asked);
    }

    // A screen reader finds a field as one object, its number label, that
    // says how the number is rounded and tells the exact value.
    void aScreenReaderReadsWhatTheWindowShows() {
        QTest::keyClicks(window().entryBox(), QStringLiteral("1536"));
        QCOMPARE(accessible(window().numberLabel(1), QAccessible::Name),
                 QStringLiteral("kilobyte: 1.5, rounded down"));
        QCOMPARE(accessible(window().numberLabel(1), QAccessible::Description),
                 QStringLiteral("1.5360 kilobytes (exact to four decimals)"));
        QAccessibleInterface* panel =
            QAccessible::queryAccessibleInterface(window().centralWidget());
        for (QWidget* part : {window().decimalsLabel(1), window().unitLabel(1)})
            QCOMPARE(panel->indexOfChild(QAccessible::queryAccessibleInterface(part)), -1);

        window().entryBox()->clear();
        QTest::keyClicks(window().entryBox(), QStringLiteral("k1.96"));
        QTest::keyClick(window().entryBox(), Qt::Key_F3);
        QCOMPARE(window().numberLabel(0)->text(), QStringLiteral("1,960"));
        QCOMPARE(accessible(window().numberLabel(0), QAccessible::Name),
                 QStringLiteral("byte: 1,960"));

        QTest::keyClick(window().entryBox(), Qt::Key_T, Qt::ShiftModifier);
        window().entryBox()->selectAll();
        QTest::keyClicks(window().entryBox(), QStringLiteral("1000"));
        QCOMPARE(window().numberLabel(0)->text(), qt(kOverflowText));
        QCOMPARE(accessible(window().numberLabel(0), QAccessible::Name),
                 QStringLiteral("byte: too large to show"));
        QCOMPARE(accessible(window().entryBox(), QAccessible::Description), QString());

        form().txNum.replaceByUser(u"1.2.3");
        window().sync();
        QVERIFY(!form().state.entryValid);
        QCOMPARE(accessible(window().entryBox(), QAccessible::Name),
                 QStringLiteral("entry in tebibyte"));
        QCOMPARE(accessible(window().entryBox(), QAccessible::Description),
                 QStringLiteral("cannot be read"));
    }
};

QTEST_MAIN(ViewTest)
#include "view_test.moc"
