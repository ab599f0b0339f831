// The entry box's key translation: every key Velmor knows, and a sample of
// others, with every combination of Shift, Ctrl and Alt, pressed on the real
// widget does what the same key handed straight to the core does, and what
// the box's own editing adds on top never types a character.
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

#include <memory>
#include <vector>

#include "velmor_under_test.h"

using namespace velmor;

namespace {

// A key as the desktop sends it, and the code and character the core should
// get for it.
struct KeyCase {
    Qt::Key qtKey;
    QString text;
    int code;
    char16_t character;
};

std::vector<KeyCase> keyCases() {
    std::vector<KeyCase> cases{
        {Qt::Key_Tab, "\t", kKeyTab, kKeyTab},
        {Qt::Key_Return, "\r", kKeyEnter, kKeyEnter},
        {Qt::Key_Enter, "\r", kKeyEnter, kKeyEnter},
        {Qt::Key_Escape, "\x1b", kKeyEscape, kKeyEscape},
        {Qt::Key_Backspace, "\b", kKeyBackspace, kKeyBackspace},
        {Qt::Key_Delete, "\x7f", kKeyDelete, 0},
        {Qt::Key_Home, {}, kKeyHome, 0},
        {Qt::Key_End, {}, kKeyEnd, 0},
        {Qt::Key_Left, {}, kKeyLeft, 0},
        {Qt::Key_Up, {}, kKeyUp, 0},
        {Qt::Key_Right, {}, kKeyRight, 0},
        {Qt::Key_Down, {}, kKeyDown, 0},
        // Keys the key map never looks at.
        {Qt::Key_Space, " ", 0, u' '},
        {Qt::Key_Period, ".", 0, u'.'},
        {Qt::Key_Comma, ",", 0, u','},
        {Qt::Key_Minus, "-", 0, u'-'},
        {Qt::Key_PageUp, {}, 0, 0},
        {Qt::Key_Insert, {}, 0, 0},
        {Qt::Key_F13, {}, 0, 0},
        {Qt::Key_unknown, QStringLiteral("\U0001F600"), 0, 0},  // beyond one code unit
    };
    for (int i = 0; i < 12; ++i)
        cases.push_back({Qt::Key(Qt::Key_F1 + i), {}, kKeyF1 + i, 0});
    for (char16_t c = u'a'; c <= u'z'; ++c)
        cases.push_back(
            {Qt::Key(Qt::Key_A + (c - u'a')), QString(QChar(c)), kKeyA + (c - u'a'), c});
    for (char16_t c = u'0'; c <= u'9'; ++c)
        cases.push_back(
            {Qt::Key(Qt::Key_0 + (c - u'0')), QString(QChar(c)), kKey0 + (c - u'0'), c});
    return cases;
}

// What a key did that a user can see.
struct Seen {
    int field;
    int digits;
    int rounding;
    bool open;
    QString text;
    friend bool operator==(const Seen&, const Seen&) = default;
};

// Whether every character of `after` was in `before` already, as often.
bool typesNothing(const QString& before, QString after) {
    for (const QChar c : before)
        after.remove(after.indexOf(c), after.contains(c) ? 1 : 0);
    return after.isEmpty();
}

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT

private:
    FmMain& form() { return velmor_->app.mainForm(); }

    void start() {
        velmor_ = std::make_unique<StartedVelmor>();
        QVERIFY(QTest::qWaitForWindowActive(&velmor_->app.mainWindow()));
        // The menu bar's commands count their runs instead of acting.
        for (MenuItem* item :
             {&form().mnuExit, &form().mnuEditCopy, &form().mnuEditPaste, &form().mnuUndo,
              &form().mnuRedo, &form().mnuHelpConfig, &form().mnuHelpHelp, &form().mnuHelpAbout}) {
            item->onClick = [this] { ++commands_; };
        }
    }

    // Two starting points, so that no key finds its field or box chosen
    // already in both.
    void reset(int from) {
        if (!form().windowOpen) start();
        if (auto* popup = QApplication::activePopupWidget()) popup->close();
        QGuiApplication::clipboard()->clear();
        form().SetDigit(from == 0 ? 1 : 3);
        form().SetRnd(from == 0 ? 1 : 2);
        form().SetField(from == 0 ? 1 : 6, true, true, from == 0 ? u"12" : u"7");
        velmor_->app.mainWindow().sync();
    }

    Seen seen() {
        return {form().state.activeField, form().state.digits, form().state.rndMode,
                form().windowOpen, velmor_->app.mainWindow().entryBox()->text()};
    }

    std::unique_ptr<StartedVelmor> velmor_;
    int commands_ = 0;

private slots:
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
        const auto menuTaking = [&](const QKeySequence& sequence) {
            for (const QAction* action : velmor_->app.mainWindow().menuBar()->actions()) {
                if (action->isEnabled() && QKeySequence::mnemonic(action->text()) == sequence)
                    return true;
            }
            return false;
        };

        for (const KeyCase& k : keyCases()) {
            for (int mods = 0; mods < 8; ++mods) {
                const bool shift = mods & kShiftBit, ctrl = mods & kCtrlBit;
                Qt::KeyboardModifiers qtMods;
                qtMods.setFlag(Qt::ShiftModifier, shift);
                qtMods.setFlag(Qt::ControlModifier, ctrl);
                qtMods.setFlag(Qt::AltModifier, mods & kAltBit);
                // As the desktop sends it: Shift+Tab is Backtab, a letter
                // with Shift is a capital and with Ctrl a control character.
                Qt::Key qtKey = shift && k.qtKey == Qt::Key_Tab ? Qt::Key_Backtab : k.qtKey;
                QString text = shift ? k.text.toUpper() : k.text;
                Key key{k.code, mods, shift ? QChar(k.character).toUpper().unicode() : k.character};
                if (ctrl && k.qtKey >= Qt::Key_A && k.qtKey <= Qt::Key_Z) {
                    text = QChar(k.qtKey - Qt::Key_A + 1);
                    key.character = 0;
                }
                const QByteArray what =
                    QTest::toString(QKeySequence(qtKey | qtMods)) + QByteArray(" from start ");
                for (int start : {0, 1}) {
                    reset(start);
                    const QString before = velmor_->app.mainWindow().entryBox()->text();
                    const bool editing = form().deliverKey(key) == KeyOutcome::LeftToTheBox;
                    velmor_->app.mainWindow().sync();
                    const Seen byCore = seen();

                    reset(start);
                    const int commands = commands_;
                    QTest::sendKeyEvent(QTest::Click, velmor_->app.mainWindow().entryBox(), qtKey,
                                        text, qtMods);
                    const Seen byBox = seen();
                    const QByteArray where = what + QByteArray::number(start);
                    // Alt with the letter of a menu that can act is the menu bar's.
                    if (menuTaking(QKeySequence(qtKey | qtMods))) {
                        QVERIFY2(commands_ > commands || QApplication::activePopupWidget(), where);
                        QVERIFY2(byBox.text == before, where);
                        continue;
                    }
                    QVERIFY2(byBox.field == byCore.field, where);
                    QVERIFY2(byBox.digits == byCore.digits && byBox.rounding == byCore.rounding,
                             where);
                    QVERIFY2(byBox.open == byCore.open, where);
                    // The box's own editing may delete, never type.
                    QVERIFY2(editing ? typesNothing(before, byBox.text) : byBox.text == byCore.text,
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
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
