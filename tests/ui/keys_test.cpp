// The entry box's key translation: every key Velmor knows, and a sample of
// others, with every combination of Shift, Ctrl and Alt, pressed on the real
// widget does what the same key handed straight to the core does; a menu
// letter takes only keys the core leaves alone; what the box's own editing
// adds on top never types a character; a lone Alt leaves the keys with the
// box; and the options dialog's boxes and lists keep the same rule.
#include <QClipboard>
#include <QMenuBar>

#include <memory>
#include <vector>

#include "test_support/scripted_platform.h"
#include "ui/options_dialog.h"
#include "ui/velmor_style.h"
#include "velmor_under_test.h"

using namespace velmor;

namespace {

// A key as the desktop sends it, and the code and character the core should
// get for it.
struct KeyCase {
    int qtKey;
    QString text;
    int code;
    char16_t character;
};

std::vector<KeyCase> keyCases() {
    std::vector<KeyCase> cases;
    // Letters, digits and a sample of signs type themselves; a letter or a
    // digit also has its capital's code.
    for (const char16_t c : std::u16string_view(u"abcdefghijklmnopqrstuvwxyz0123456789 .,-")) {
        const char16_t capital = QChar(c).toUpper().unicode();
        cases.push_back({capital, QChar(c), QChar(c).isLetterOrNumber() ? capital : 0, c});
    }
    // Pairs of a key the core knows by name and its code; those that type a
    // control character pass it on. The last three the core never sees.
    const int named[] = {Qt::Key_Tab,       kKeyTab,
                         Qt::Key_Return,    kKeyEnter,
                         Qt::Key_Enter,     kKeyEnter,
                         Qt::Key_Escape,    kKeyEscape,
                         Qt::Key_Backspace, kKeyBackspace,
                         Qt::Key_Delete,    kKeyDelete,
                         Qt::Key_Home,      kKeyHome,
                         Qt::Key_End,       kKeyEnd,
                         Qt::Key_Left,      kKeyLeft,
                         Qt::Key_Up,        kKeyUp,
                         Qt::Key_Right,     kKeyRight,
                         Qt::Key_Down,      kKeyDown,
                         Qt::Key_PageUp,    0,
                         Qt::Key_Insert,    0,
                         Qt::Key_F13,       0};
    for (std::size_t i = 0; i < std::size(named); i += 2) {
        const int code = named[i + 1];
        const char16_t control = code > 0 && code < kFirstPrintable ? code : 0;
        cases.push_back({named[i],
                         named[i] == Qt::Key_Delete ? QStringLiteral("\x7f") : QString(control),
                         code, control});
    }
    for (int i = 0; i < 12; ++i)
        cases.push_back({Qt::Key_F1 + i, {}, kKeyF1 + i, 0});
    cases.push_back({Qt::Key_unknown, QStringLiteral("\U0001F600"), 0, 0});  // two code units
    return cases;
}

struct Seen {  // what a key did that a user can see
    int field, digits, rounding;
    bool open;
    QString text;
    friend bool operator==(const Seen&, const Seen&) = default;
};

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT

private:
    FmMain& form() { return velmor_->app.mainForm(); }

    void start() {
        velmor_ = std::make_unique<StartedVelmor>();
        QVERIFY(QTest::qWaitForWindowActive(&velmor_->app.mainWindow()));
        // The menu bar's commands count their runs instead of acting.
        for (MenuItem* item : menuItems(form()))
            item->onClick = [this] { ++commands_; };
    }

    // Two starting points, so that no key finds its field or box chosen
    // already in both.
    Seen reset(int from) {
        if (!form().windowOpen) start();
        if (auto* popup = QApplication::activePopupWidget()) popup->close();
        QGuiApplication::clipboard()->clear();
        form().SetDigit(from == 0 ? 1 : 3);
        form().SetRnd(from == 0 ? 1 : 2);
        form().SetField(from == 0 ? 1 : 6, true, true, from == 0 ? u"12" : u"7");
        velmor_->app.mainWindow().sync();
        return seen();
    }

    Seen seen() {
        return {form().state.activeField, form().state.digits, form().state.rndMode,
                form().windowOpen, velmor_->app.mainWindow().entryBox()->text()};
    }

    std::unique_ptr<StartedVelmor> velmor_;
    int commands_ = 0;

private slots:
    void initTestCase() { velmor::ui::useVelmorLook(); }  // Velmor's own style, as it runs
    void cleanup() { velmor_.reset(); }

    void everyKeyWithEveryModifierReachesTheCoreAndTypesOnlyWhatItLetsThrough_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyKeyWithEveryModifierReachesTheCoreAndTypesOnlyWhatItLetsThrough() {
        QFETCH(QString, language);
        useLanguage(language);
        start();
        for (const KeyCase& k : keyCases()) {
            for (int mods = 0; mods < 8; ++mods) {
                const bool shift = mods & kShiftBit;
                // As the desktop sends it: Shift+Tab is Backtab, a letter
                // with Shift is a capital and with Ctrl a control character.
                const QKeyCombination qtKey(qtModifiers(mods), shift && k.qtKey == Qt::Key_Tab
                                                                   ? Qt::Key_Backtab
                                                                   : Qt::Key(k.qtKey));
                QString text = shift ? k.text.toUpper() : k.text;
                Key key{k.code, mods, shift ? QChar(k.character).toUpper().unicode() : k.character};
                if ((mods & kCtrlBit) && QChar(k.character).isLetter()) {
                    text = QChar(k.qtKey - Qt::Key_A + 1);
                    key.character = 0;
                }
                for (int start : {0, 1}) {
                    const QByteArray where = QKeySequence(qtKey).toString().toUtf8() +
                                             " from start " + QByteArray::number(start);
                    const Seen before = reset(start);
                    const bool editing = form().deliverKey(key) == KeyOutcome::LeftToTheBox;
                    velmor_->app.mainWindow().sync();
                    const Seen byCore = seen();

                    reset(start);
                    const int commands = commands_;
                    QTest::sendKeyEvent(QTest::Click, velmor_->app.mainWindow().entryBox(),
                                        qtKey.key(), text, qtKey.keyboardModifiers());
                    const Seen byBox = seen();
                    // Alt with the letter of a menu that can act is the menu
                    // bar's, and no key the core acts on.
                    bool menu = false;
                    for (const QAction* action : velmor_->app.mainWindow().menuBar()->actions())
                        menu |= action->isEnabled() &&
                                QKeySequence::mnemonic(action->text()) == QKeySequence(qtKey);
                    if (menu) {
                        QVERIFY2(commands_ > commands || QApplication::activePopupWidget(), where);
                        QVERIFY2(byBox.text == before.text && byCore == before, where);
                        continue;
                    }
                    QVERIFY2(byBox.field == byCore.field && byBox.open == byCore.open, where);
                    QVERIFY2(byBox.digits == byCore.digits && byBox.rounding == byCore.rounding,
                             where);
                    // The box's own editing may delete, never type.
                    QVERIFY2(editing ? before.text.contains(byBox.text) : byBox.text == byCore.text,
                             where + " typed " + byBox.text.toUtf8());
                }
            }
        }
    }

    void theBoxsOwnEditingShortcutsKeepWorking() {
        start();
        auto* entry = velmor_->app.mainWindow().entryBox();
        QTest::keyClicks(entry, QStringLiteral("123"));
        QTest::keyClick(entry, Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(entry, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3"));
        QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(entry, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123"));
        QCOMPARE(form().txNum.text(), u"");
        QTest::keyClick(entry, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form().txNum.text(), u"123");
        QTest::keyClick(entry, Qt::Key_End);
        QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form().txNum.text(), u"123123");
        QCOMPARE(form().state.entryValue, Quantity::fromUnits(123123));
    }

    // Alt pressed and let go alone (an Alt+Tab given up, say) leaves the
    // keys with the entry box: a menu bar that took them would swallow,
    // unseen, what is typed next.
    void aLoneAltLeavesTheKeysWithTheEntryBox() {
        start();
        QWidget* entry = velmor_->app.mainWindow().entryBox();
        QTest::keyPress(entry, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(entry, Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), entry);
    }

    // A letter held with Alt is no mark and no search: the dialog's lists and
    // "other" boxes, like the entry box, take a key's character only without
    // Ctrl and Alt, and the boxes keep their shortcuts.
    void theOptionsDialogTakesCharactersOnlyWithoutCtrlOrAlt() {
        useLanguage(QStringLiteral("en"));
        test_support::ScriptedPlatform platform;
        PendingMarks pending;
        FmOptions options(platform, pending);
        options.load();
        velmor::ui::OptionsDialog dialog(options, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // A list searches its entries for what is typed: O finds "other",
        // which opens its box.
        for (QComboBox* list : {dialog.decimalList(), dialog.thousandsList()}) {
            for (const Qt::KeyboardModifier mods : {Qt::AltModifier, Qt::NoModifier}) {
                QTest::sendKeyEvent(QTest::Click, list, Qt::Key_O, QStringLiteral("o"), mods);
                QCOMPARE(list->currentIndex() == list->count() - 1, mods == Qt::NoModifier);
            }
        }
        for (QLineEdit* box : {dialog.decimalBox(), dialog.thousandsBox()}) {
            for (const char16_t c : std::u16string_view(u"aq7;")) {
                const auto key = Qt::Key(QChar(c).toUpper().unicode());
                for (int mods = 0; mods < 8; ++mods) {
                    box->selectAll();
                    QTest::keyClick(box, '_');
                    box->selectAll();
                    const QString text = mods & kShiftBit ? QChar(c).toUpper() : QChar(c);
                    QTest::sendKeyEvent(QTest::Click, box, key, text, qtModifiers(mods));
                    QVERIFY2(box->text() ==
                                 ((mods & (kCtrlBit | kAltBit)) == 0 ? text : QStringLiteral("_")),
                             qPrintable(QKeySequence(qtModifiers(mods) | key).toString() +
                                        " typed " + box->text()));
                }
            }
            QGuiApplication::clipboard()->setText(QStringLiteral("x"));
            box->selectAll();
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(box->text(), QStringLiteral("x"));
        }
    }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
