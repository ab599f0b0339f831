#include "scenario/commands.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <string_view>

#include "scenario/expectations.h"
#include "scenario/key_names.h"
#include "scenario/scenario_text.h"
#include "scenario/snapshot.h"
#include "shell/settings_file.h"
#include "shell/text_encoding.h"

namespace velmor::scenario {
namespace {

// Where a command acts. A main-window command is refused (understood, and
// nothing happens) while a modal box is open or once the window is gone; a
// dialog's or the About box's command is refused while that box is closed.
enum class Where { Anytime, BeforeStart, MainWindow, Options, About };

constexpr std::size_t kAnyCount = std::numeric_limits<std::size_t>::max();

std::optional<int> number(std::string_view word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

// The entry box's own editing, as a one-line text box does it, of a key the
// window left to the box.
void editAsTheBoxDoes(TextBox& box, const Key& key) {
    switch (key.code) {
        case kKeyBackspace:  // with Ctrl or Alt held it types nothing to delete
            if ((key.modifiers & (kCtrlBit | kAltBit)) == 0) box.backspace();
            break;
        case kKeyDelete:
            box.deleteForward();
            break;
        case kKeyHome:
            box.moveCaretHome();
            break;
        case kKeyEnd:
            box.moveCaretEnd();
            break;
        case kKeyLeft:
            box.moveCaretLeft();
            break;
        case kKeyRight:
            box.moveCaretRight();
            break;
        default:
            break;
    }
}

}  // namespace

// A command: its first word, where it acts, how many words its line holds
// (its own included) and what runs it. The handler sees only lines of that
// length and returns false for a line it does not understand.
struct Session::Command {
    std::string_view name;
    Where where;
    std::size_t fewestWords;
    std::size_t mostWords;
    bool (Session::*handler)(const Words&);
};

const std::vector<Session::Command>& Session::commands() {
    static const std::vector<Command> kCommands{
        // dump prints before it looks at its words, so it counts them itself.
        {"dump", Where::Anytime, 1, kAnyCount, &Session::dump},
        {"expect", Where::Anytime, 2, kAnyCount, &Session::expect},
        {"clipboard", Where::Anytime, 2, 2, &Session::clipboard},
        {"locale", Where::BeforeStart, 3, 3, &Session::locale},
        {"file", Where::BeforeStart, 2, 2, &Session::settingsLine},
        {"file-utf8", Where::BeforeStart, 2, 2, &Session::settingsLine},
        {"readonly", Where::BeforeStart, 1, 1, &Session::readOnly},
        {"installed", Where::BeforeStart, 1, 1, &Session::installed},
        {"unplaced", Where::BeforeStart, 1, 1, &Session::unplaced},
        {"screen", Where::BeforeStart, 3, 3, &Session::screen},
        {"random", Where::BeforeStart, 2, 2, &Session::random},
        {"start", Where::BeforeStart, 1, 1, &Session::start},
        {"type", Where::MainWindow, 2, 2, &Session::type},
        {"key", Where::MainWindow, 2, 2, &Session::key},
        {"select", Where::MainWindow, 3, 3, &Session::select},
        {"edit", Where::MainWindow, 2, 2, &Session::edit},
        {"press", Where::MainWindow, 2, kAnyCount, &Session::press},
        {"click", Where::MainWindow, 2, 2, &Session::click},
        {"dblclick", Where::MainWindow, 2, 2, &Session::click},
        {"tick", Where::MainWindow, 3, 3, &Session::tick},
        {"menu", Where::MainWindow, 2, 2, &Session::menu},
        {"close", Where::MainWindow, 1, 1, &Session::close},
        {"timer", Where::MainWindow, 1, 1, &Session::timer},
        {"dlg", Where::Options, 2, kAnyCount, &Session::dialog},
        {"about", Where::About, 2, 2, &Session::aboutBox},
    };
    return kCommands;
}

Session::Session(std::string file, std::ostream& out) : file_(std::move(file)), out_(out) {
    platform_.onShowOptions = [this] { openOptions(); };
    platform_.onShowAbout = [this] {
        about_ = std::make_unique<FmAbout>(platform_);
        about_->Form_Load();
    };
}

bool Session::run(int lineNumber, const Words& words) {
    lineNumber_ = lineNumber;
    const auto& table = commands();
    const auto command = std::find_if(table.begin(), table.end(),
                                      [&](const Command& c) { return c.name == words[0]; });
    if (command == table.end()) return false;
    const bool fits = words.size() >= command->fewestWords && words.size() <= command->mostWords;
    switch (command->where) {
        case Where::Anytime:
            break;
        case Where::BeforeStart:
            if (main_) return false;
            break;
        case Where::MainWindow:
            if (!main_) return false;
            if (optionsOpen() || aboutOpen() || !main_->windowOpen) return true;
            break;
        case Where::Options:
            if (!main_) return false;
            if (!optionsOpen()) return fits;
            break;
        case Where::About:
            if (!main_) return false;
            if (!aboutOpen()) return fits;
            break;
    }
    return fits && (this->*command->handler)(words);
}

bool Session::dump(const Words& words) {
    for (const std::string& line :
         snapshot(main_.get(), options_.get(), about_.get(), platform_, pending_))
        out_ << line << '\n';
    return words.size() == 1;
}

bool Session::expect(const Words& words) {
    const auto unmet = unmetExpectation(
        words, snapshot(main_.get(), options_.get(), about_.get(), platform_, pending_));
    if (unmet) {
        ++failures_;
        out_ << file_ << ":" << lineNumber_ << ": " << *unmet << '\n';
    }
    return true;
}

bool Session::clipboard(const Words& words) {
    if (words[1] == "none") {
        platform_.clipboard.reset();
        return true;
    }
    platform_.clipboard = unquote(words[1]);
    return platform_.clipboard.has_value();
}

bool Session::locale(const Words& words) {
    const auto decimal = unquote(words[1]);
    const auto group = unquote(words[2]);
    if (!decimal || !group) return false;
    platform_.marks = {*decimal, *group};
    return true;
}

// `file` writes the line in Windows-1252, `file-utf8` in UTF-8.
bool Session::settingsLine(const Words& words) {
    const auto line = unquote(words[1]);
    if (!line) return false;
    const std::u16string text = *line + u"\r\n";
    const auto bytes = words[0] == "file" ? encodeWindows1252(text) : encodeUtf8(text);
    if (!bytes) return false;
    std::ofstream(platform_.programFolder() / kSettingsFileName, std::ios::binary | std::ios::app)
        << *bytes;
    return true;
}

bool Session::readOnly(const Words& /*words*/) {
    platform_.programFolderWritable = false;
    return true;
}

bool Session::installed(const Words& /*words*/) {
    platform_.installProgram();
    return true;
}

bool Session::unplaced(const Words& /*words*/) {
    platform_.windowsPlaced = false;
    return true;
}

bool Session::screen(const Words& words) {
    const auto width = number(words[1]);
    const auto height = number(words[2]);
    if (!width || !height || *width <= 0 || *height <= 0) return false;
    platform_.screen = {0, 0, *width * kTwipsPerPixel, *height * kTwipsPerPixel};
    return true;
}

bool Session::random(const Words& words) {
    double draw = 0;
    const auto [end, error] =
        std::from_chars(words[1].data(), words[1].data() + words[1].size(), draw);
    if (error != std::errc() || end != words[1].data() + words[1].size()) return false;
    if (draw < 0 || draw >= 1) return false;
    platform_.nextDraw = draw;
    return true;
}

bool Session::start(const Words& /*words*/) {
    main_ = std::make_unique<FmMain>(platform_, pending_);
    main_->Form_Load();
    main_->Form_Activate();
    return true;
}

bool Session::type(const Words& words) {
    const auto text = unquote(words[1]);
    if (!text) return false;
    for (const char16_t c : *text)
        deliverKey(keyTyping(c));
    return true;
}

bool Session::key(const Words& words) {
    const auto key = keyChord(words[1]);
    if (!key) return false;
    deliverKey(*key);
    return true;
}

// The window's own path for a key; what it leaves to the entry box, the box
// edits as a one-line text box does.
void Session::deliverKey(const Key& key) {
    if (main_->deliverKey(key) == KeyOutcome::LeftToTheBox) editAsTheBoxDoes(main_->txNum, key);
}

bool Session::select(const Words& words) {
    const auto start = number(words[1]);
    const auto length = number(words[2]);
    if (!start || !length) return false;
    main_->txNum.setSelection(*start, *length);
    return true;
}

bool Session::edit(const Words& words) {
    const auto text = unquote(words[1]);
    if (!text) return false;
    main_->txNum.replaceByUser(*text);
    return true;
}

bool Session::press(const Words& words) {
    const auto index = number(words[1]);
    if (!index || *index < 0 || *index >= kFieldCount) return false;
    const auto at = static_cast<std::size_t>(*index);
    const Label* label = &main_->lbNum[at];
    auto handler = &FmMain::lbNum_MouseDown;
    int button = 1;
    int modifiers = 0;
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "num") {
            label = &main_->lbNum[at];
            handler = &FmMain::lbNum_MouseDown;
        } else if (word == "dec") {
            label = &main_->lbDec[at];
            handler = &FmMain::lbDec_MouseDown;
        } else if (word == "unit") {
            label = &main_->lbUnit[at];
            handler = &FmMain::lbUnit_MouseDown;
        } else if (word == "left" || word == "right" || word == "middle") {
            button = word == "left" ? 1 : word == "right" ? 2 : 4;
        } else if (const auto modifier = modifierNamed(word)) {
            modifiers |= *modifier;
        } else {
            return false;
        }
    }
    // A hidden label (under the entry box) cannot be pressed.
    if (label->visible) (main_.get()->*handler)(*index, button, modifiers);
    return true;
}

bool Session::click(const Words& words) {
    if (words[1] == "background" && words[0] == "click") {
        main_->pcBack_GotFocus();
        return true;
    }
    if (words[1] != "entry") return false;
    // A double click delivers one click first.
    main_->txNum_Click();
    if (words[0] == "dblclick") main_->txNum_DblClick();
    return true;
}

bool Session::tick(const Words& words) {
    const auto index = number(words[2]);
    if (!index || *index < 0) return false;
    const auto at = static_cast<std::size_t>(*index);
    if (words[1] == "digits" && at < main_->chDigit.size()) {
        main_->chDigit[at].click();
    } else if (words[1] == "rnd" && at < main_->chRnd.size()) {
        main_->chRnd[at].click();
    } else {
        return false;
    }
    return true;
}

bool Session::menu(const Words& words) {
    const std::map<std::string, MenuItem*> items{
        {"Exit", &main_->mnuExit},       {"Copy", &main_->mnuEditCopy},
        {"Paste", &main_->mnuEditPaste}, {"Undo", &main_->mnuUndo},
        {"Redo", &main_->mnuRedo},       {"Config", &main_->mnuHelpConfig},
        {"Guide", &main_->mnuHelpHelp},  {"About", &main_->mnuHelpAbout}};
    const auto it = items.find(words[1]);
    if (it == items.end()) return false;
    it->second->click();
    return true;
}

bool Session::close(const Words& /*words*/) {
    main_->unloadWindow();
    return true;
}

bool Session::timer(const Words& /*words*/) {
    main_->cmFlag.tick();
    return true;
}

void Session::openOptions() {
    if (!options_) options_ = std::make_unique<FmOptions>(platform_, pending_);
    options_->load();
    options_->Form_Activate();
}

// What the user does in the options dialog, `dlg ACTION ...`: each action
// with the words its line holds and its handler. When the dialog closes, the
// main window is activated again.
bool Session::dialog(const Words& words) {
    static const std::vector<Command> kActions{
        {"pick", Where::Options, 4, 4, &Session::dialogPick},
        {"type", Where::Options, 4, 4, &Session::dialogType},
        {"clear", Where::Options, 3, 3, &Session::dialogType},
        {"focus", Where::Options, 3, 3, &Session::dialogFocus},
        {"ok", Where::Options, 2, 2, &Session::dialogButton},
        {"cancel", Where::Options, 2, 2, &Session::dialogButton},
        {"enter", Where::Options, 2, 2, &Session::dialogButton},
        {"esc", Where::Options, 2, 2, &Session::dialogButton},
        {"close", Where::Options, 2, 2, &Session::dialogButton},
    };
    const auto action = std::find_if(kActions.begin(), kActions.end(), [&](const Command& c) {
        return c.name == words[1] && words.size() >= c.fewestWords && words.size() <= c.mostWords;
    });
    const bool understood = action != kActions.end() && (this->*action->handler)(words);
    if (!optionsOpen()) main_->Form_Activate();
    return understood;
}

namespace {

// `dec` or `ths`, the side of the dialog a word names: true for the decimal.
std::optional<bool> decimalSide(const std::string& word) {
    if (word == "dec") return true;
    if (word == "ths") return false;
    return std::nullopt;
}

}  // namespace

bool Session::dialogPick(const Words& words) {
    FmOptions& dlg = *options_;
    const auto decimal = decimalSide(words[2]);
    const auto index = number(words[3]);
    ComboBox& list = decimal.value_or(true) ? dlg.cbDec : dlg.cbThs;
    if (!decimal || !index || *index < 0 || *index >= list.listCount()) return false;
    dlg.focusOn(*decimal ? OptionsFocus::cbDec : OptionsFocus::cbThs);
    list.setListIndex(*index);
    return true;
}

// `dlg type SIDE "C"` and `dlg clear SIDE`.
bool Session::dialogType(const Words& words) {
    FmOptions& dlg = *options_;
    const bool clear = words[1] == "clear";
    const auto decimal = decimalSide(words[2]);
    if (!decimal) return false;
    const auto typed = clear ? std::u16string() : unquote(words[3]);
    if (!typed || (!clear && typed->size() != 1)) return false;
    TextBox& box = *decimal ? dlg.txDec : dlg.txThs;
    if (!box.enabled) return true;  // a closed box takes no input
    dlg.focusOn(*decimal ? OptionsFocus::txDec : OptionsFocus::txThs);
    if (clear) {
        box.replaceByUser(u"");
    } else {
        box.setSelection(0, TextBox::kToTheEnd);  // one character: the typed one replaces it
        box.typeCharacter(typed->front());
    }
    return true;
}

bool Session::dialogFocus(const Words& words) {
    FmOptions& dlg = *options_;
    const std::map<std::string, OptionsFocus> targets{
        {"cbDec", OptionsFocus::cbDec},         {"txDec", OptionsFocus::txDec},
        {"cbThs", OptionsFocus::cbThs},         {"txThs", OptionsFocus::txThs},
        {"cmOptExit", OptionsFocus::cmOptExit}, {"cmOptCancel", OptionsFocus::cmOptCancel}};
    const auto it = targets.find(words[2]);
    if (it == targets.end()) return false;
    const bool disabledBox = (it->second == OptionsFocus::txDec && !dlg.txDec.enabled) ||
                             (it->second == OptionsFocus::txThs && !dlg.txThs.enabled) ||
                             (it->second == OptionsFocus::cmOptExit && !dlg.cmOptExit.enabled);
    if (!disabledBox) dlg.focusOn(it->second);
    return true;
}

// OK and Cancel, Enter and Esc, and the dialog's close box.
bool Session::dialogButton(const Words& words) {
    FmOptions& dlg = *options_;
    const std::string& action = words[1];
    if (action == "ok") {
        dlg.clickButton(OptionsFocus::cmOptExit);
    } else if (action == "cancel") {
        dlg.clickButton(OptionsFocus::cmOptCancel);
    } else if (action == "enter") {
        dlg.pressEnter();
    } else if (action == "esc") {
        dlg.pressEscape();
    } else {
        dlg.closeBox();
    }
    return true;
}

// What the user does in the About box: OK, Enter, Esc and its close box all
// press OK. When it closes, the main window is activated again.
bool Session::aboutBox(const Words& words) {
    const std::string& action = words[1];
    bool understood = true;
    if (action == "ok" || action == "enter" || action == "esc" || action == "close") {
        about_->cmdOK_Click();
    } else if (action == "link") {
        about_->lblLink_Click();
    } else {
        understood = false;
    }
    if (!aboutOpen()) main_->Form_Activate();
    return understood;
}

}  // namespace velmor::scenario
