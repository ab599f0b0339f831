#include "scenario/scenario_runner.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "input/key_codes.h"
#include "options/fm_options.h"
#include "scenario/scenario_text.h"
#include "scenario/scripted_platform.h"
#include "scenario/snapshot.h"
#include "shell/fm_about.h"
#include "shell/fm_main.h"
#include "shell/settings_file.h"
#include "shell/text_encoding.h"

namespace velmor::scenario {
namespace {

using Words = std::vector<std::string>;

// A key of a US keyboard: its virtual key code and the character it types
// (0 for none).
struct Key {
    int code = 0;
    char16_t character = 0;
};

std::optional<Key> namedKey(std::string_view name, bool shift) {
    static const std::map<std::string_view, Key> kNamed{
        {"Tab", {kKeyTab, kKeyTab}},
        {"Enter", {kKeyEnter, kKeyEnter}},
        {"Esc", {kKeyEscape, kKeyEscape}},
        {"Backspace", {kKeyBackspace, kKeyBackspace}},
        {"Delete", {kKeyDelete, 0}},
        {"Home", {kKeyHome, 0}},
        {"End", {kKeyEnd, 0}},
        {"Left", {kKeyLeft, 0}},
        {"Up", {kKeyUp, 0}},
        {"Right", {kKeyRight, 0}},
        {"Down", {kKeyDown, 0}}};
    if (const auto it = kNamed.find(name); it != kNamed.end()) return it->second;
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
        return Key{name[0], static_cast<char16_t>(shift ? name[0] : name[0] - 'A' + 'a')};
    }
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9')
        return Key{name[0], static_cast<char16_t>(name[0])};
    if (name.size() >= 2 && name[0] == 'F') {
        int n = 0;
        const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), n);
        if (error == std::errc() && end == name.data() + name.size() && n >= 1 &&
            n <= kKeyF12 - kKeyF1 + 1) {
            return Key{kKeyF1 - 1 + n, 0};
        }
    }
    return std::nullopt;
}

// The key that types a character on a US keyboard, with its modifiers.
std::pair<Key, int> keyTyping(char16_t c) {
    if (c >= u'a' && c <= u'z') return {{c - u'a' + 'A', c}, 0};
    if (c >= u'A' && c <= u'Z') return {{c, c}, kShiftBit};
    if (c >= u'0' && c <= u'9') return {{c, c}, 0};
    return {{0, c}, 0};  // a key the key map ignores
}

std::optional<int> number(std::string_view word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

bool isMainWindowCommand(const std::string& command) {
    for (const char* name : {"type", "key", "select", "edit", "press", "click", "dblclick", "tick",
                             "menu", "close", "timer"}) {
        if (command == name) return true;
    }
    return false;
}

// The words of a snapshot line or expectation before its first KEY=VALUE.
std::pair<std::string, std::size_t> tagOf(const Words& words, std::size_t from) {
    std::string tag;
    std::size_t i = from;
    for (; i < words.size() && words[i].find('=') == std::string::npos; ++i) {
        tag += (tag.empty() ? "" : " ") + words[i];
    }
    return {tag, i};
}

// A value as the snapshot writes it, whatever escapes the scenario used.
std::string canonical(const std::string& value) {
    if (value.empty() || value.front() != '"') return value;
    const auto text = unquote(value);
    return text ? quote(*text) : value;
}

class Session {
public:
    Session(std::string file, std::ostream& out) : file_(std::move(file)), out_(out) {
        platform_.onShowOptions = [this] { openOptions(); };
        platform_.onShowAbout = [this] {
            about_ = std::make_unique<FmAbout>(platform_);
            about_->Form_Load();
        };
    }

    // Runs one line; false when the line is not understood.
    bool run(int lineNumber, const Words& words);
    int failures() const { return failures_; }

private:
    bool setUp(const Words& words);
    bool act(const Words& words);
    bool click(const Words& words);
    bool menu(const std::string& name);
    bool press(const Words& words);
    bool dialog(const Words& words);
    void openOptions();
    bool optionsOpen() const { return options_ && options_->isOpen(); }
    bool aboutOpen() const { return about_ && about_->isOpen(); }
    bool aboutBox(const Words& words);
    void expect(int lineNumber, const Words& words);
    bool pressKey(const std::string& chord);
    void deliverKey(Key key, int modifiers);

    std::string file_;
    std::ostream& out_;
    ScriptedPlatform platform_;
    PendingMarks pending_;
    std::unique_ptr<FmMain> main_;
    std::unique_ptr<FmOptions> options_;  // made at the first opening, kept for the run
    std::unique_ptr<FmAbout> about_;
    int failures_ = 0;
};

bool Session::run(int lineNumber, const Words& words) {
    const std::string& command = words[0];
    if (command == "dump") {
        for (const std::string& line :
             snapshot(main_.get(), options_.get(), about_.get(), platform_, pending_))
            out_ << line << '\n';
        return words.size() == 1;
    }
    if (command == "expect") {
        if (words.size() < 2) return false;
        expect(lineNumber, words);
        return true;
    }
    if (command == "clipboard" && words.size() == 2) {
        if (words[1] == "none") {
            platform_.clipboard.reset();
            return true;
        }
        platform_.clipboard = unquote(words[1]);
        return platform_.clipboard.has_value();
    }
    if (!main_) return setUp(words);
    if (command == "dlg") {
        if (!optionsOpen()) return words.size() >= 2;  // refused: the dialog is not open
        const bool understood = dialog(words);
        if (!optionsOpen()) main_->Form_Activate();  // the dialog closed
        return understood;
    }
    if (command == "about") {
        if (!aboutOpen()) return words.size() == 2;  // refused: the box is not open
        const bool understood = aboutBox(words);
        if (!aboutOpen()) main_->Form_Activate();
        return understood;
    }
    // Refused while a modal dialog is open, or once the window is gone.
    if (optionsOpen() || aboutOpen() || !main_->windowOpen) return isMainWindowCommand(command);
    return act(words);
}

// Commands that prepare the machine before the program starts.
bool Session::setUp(const Words& words) {
    if (words[0] == "locale" && words.size() == 3) {
        const auto decimal = unquote(words[1]);
        const auto group = unquote(words[2]);
        if (!decimal || !group) return false;
        platform_.marks = {*decimal, *group};
        return true;
    }
    if ((words[0] == "file" || words[0] == "file-utf8") && words.size() == 2) {
        const auto line = unquote(words[1]);
        if (!line) return false;
        const std::u16string text = *line + u"\r\n";
        const auto bytes = words[0] == "file" ? encodeWindows1252(text) : encodeUtf8(text);
        if (!bytes) return false;
        std::ofstream(platform_.programFolder() / kSettingsFileName,
                      std::ios::binary | std::ios::app)
            << *bytes;
        return true;
    }
    if (words[0] == "readonly" && words.size() == 1) {
        platform_.programFolderWritable = false;
        return true;
    }
    if (words[0] == "installed" && words.size() == 1) {
        platform_.installProgram();
        return true;
    }
    if (words[0] == "unplaced" && words.size() == 1) {
        platform_.windowsPlaced = false;
        return true;
    }
    if (words[0] == "screen" && words.size() == 3) {
        const auto width = number(words[1]);
        const auto height = number(words[2]);
        if (!width || !height || *width <= 0 || *height <= 0) return false;
        platform_.screen = {0, 0, *width * kTwipsPerPixel, *height * kTwipsPerPixel};
        return true;
    }
    if (words[0] == "random" && words.size() == 2) {
        double draw = 0;
        const auto [end, error] =
            std::from_chars(words[1].data(), words[1].data() + words[1].size(), draw);
        if (error != std::errc() || end != words[1].data() + words[1].size()) return false;
        if (draw < 0 || draw >= 1) return false;
        platform_.nextDraw = draw;
        return true;
    }
    if (words[0] == "start" && words.size() == 1) {
        main_ = std::make_unique<FmMain>(platform_, pending_);
        main_->Form_Load();
        main_->Form_Activate();
        return true;
    }
    return false;
}

// What the user does in the main window.
bool Session::act(const Words& words) {
    const std::string& command = words[0];
    TextBox& entry = main_->txNum;
    if (command == "type" && words.size() == 2) {
        const auto text = unquote(words[1]);
        if (!text) return false;
        for (const char16_t c : *text) {
            const auto [key, modifiers] = keyTyping(c);
            deliverKey(key, modifiers);
        }
        return true;
    }
    if (command == "key" && words.size() == 2) return pressKey(words[1]);
    if (command == "select" && words.size() == 3) {
        const auto start = number(words[1]);
        const auto length = number(words[2]);
        if (!start || !length) return false;
        entry.setSelection(*start, *length);
        return true;
    }
    if (command == "edit" && words.size() == 2) {
        const auto text = unquote(words[1]);
        if (!text) return false;
        entry.replaceByUser(*text);
        return true;
    }
    if ((command == "click" || command == "dblclick") && words.size() == 2) return click(words);
    if (command == "tick" && words.size() == 3) {
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
    if (command == "menu" && words.size() == 2) return menu(words[1]);
    if (command == "press" && words.size() >= 2) return press(words);
    if (command == "close" && words.size() == 1) {
        main_->unloadWindow();
        return true;
    }
    if (command == "timer" && words.size() == 1) {
        main_->cmFlag.tick();
        return true;
    }
    return false;
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
        } else if (word == "Ctrl" || word == "Shift" || word == "Alt") {
            modifiers |= word == "Ctrl" ? kCtrlBit : word == "Shift" ? kShiftBit : kAltBit;
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

bool Session::menu(const std::string& name) {
    const std::map<std::string, MenuItem*> items{
        {"Exit", &main_->mnuExit},       {"Copy", &main_->mnuEditCopy},
        {"Paste", &main_->mnuEditPaste}, {"Undo", &main_->mnuUndo},
        {"Redo", &main_->mnuRedo},       {"Config", &main_->mnuHelpConfig},
        {"Guide", &main_->mnuHelpHelp},  {"About", &main_->mnuHelpAbout}};
    const auto it = items.find(name);
    if (it == items.end()) return false;
    it->second->click();
    return true;
}

bool Session::pressKey(const std::string& chord) {
    int modifiers = 0;
    std::string_view rest = chord;
    for (auto plus = rest.find('+'); plus != std::string_view::npos && plus + 1 < rest.size();
         plus = rest.find('+')) {
        const std::string_view modifier = rest.substr(0, plus);
        if (modifier == "Ctrl") {
            modifiers |= kCtrlBit;
        } else if (modifier == "Shift") {
            modifiers |= kShiftBit;
        } else if (modifier == "Alt") {
            modifiers |= kAltBit;
        } else {
            return false;
        }
        rest.remove_prefix(plus + 1);
    }
    const auto key = namedKey(rest, (modifiers & kShiftBit) != 0);
    if (!key) return false;
    deliverKey(*key, modifiers);
    return true;
}

// A key takes the window's own path; what the window leaves to the entry
// box, the box edits as a one-line text box does.
void Session::deliverKey(Key key, int modifiers) {
    const velmor::Key delivered{key.code, modifiers, key.character};
    if (main_->deliverKey(delivered) != KeyOutcome::LeftToTheBox) return;
    TextBox& entry = main_->txNum;
    switch (key.code) {
        case kKeyBackspace:  // with Ctrl or Alt held it types nothing to delete
            if ((modifiers & (kCtrlBit | kAltBit)) == 0) entry.backspace();
            break;
        case kKeyDelete:
            entry.deleteForward();
            break;
        case kKeyHome:
            entry.moveCaretHome();
            break;
        case kKeyEnd:
            entry.moveCaretEnd();
            break;
        case kKeyLeft:
            entry.moveCaretLeft();
            break;
        case kKeyRight:
            entry.moveCaretRight();
            break;
        default:
            break;
    }
}

void Session::openOptions() {
    if (!options_) options_ = std::make_unique<FmOptions>(platform_, pending_);
    options_->load();
    options_->Form_Activate();
}

// What the user does in the options dialog.
bool Session::dialog(const Words& words) {
    FmOptions& dlg = *options_;
    const std::string& action = words.size() > 1 ? words[1] : "";
    const auto side = [&](const std::string& word) -> std::optional<bool> {  // true: decimal
        if (word == "dec") return true;
        if (word == "ths") return false;
        return std::nullopt;
    };
    if (action == "pick" && words.size() == 4) {
        const auto decimal = side(words[2]);
        const auto index = number(words[3]);
        ComboBox& list = decimal.value_or(true) ? dlg.cbDec : dlg.cbThs;
        if (!decimal || !index || *index < 0 || *index >= list.listCount()) return false;
        dlg.focusOn(*decimal ? OptionsFocus::cbDec : OptionsFocus::cbThs);
        list.setListIndex(*index);
        return true;
    }
    if ((action == "type" && words.size() == 4) || (action == "clear" && words.size() == 3)) {
        const auto decimal = side(words[2]);
        if (!decimal) return false;
        const auto typed = action == "type" ? unquote(words[3]) : std::u16string();
        if (!typed || (action == "type" && typed->size() != 1)) return false;
        TextBox& box = *decimal ? dlg.txDec : dlg.txThs;
        if (!box.enabled()) return true;  // a closed box takes no input
        dlg.focusOn(*decimal ? OptionsFocus::txDec : OptionsFocus::txThs);
        if (action == "clear") {
            box.replaceByUser(u"");
        } else {
            box.setSelection(0, TextBox::kToTheEnd);  // one character: the typed one replaces it
            box.typeCharacter(typed->front());
        }
        return true;
    }
    if (action == "focus" && words.size() == 3) {
        const std::map<std::string, OptionsFocus> targets{
            {"cbDec", OptionsFocus::cbDec},         {"txDec", OptionsFocus::txDec},
            {"cbThs", OptionsFocus::cbThs},         {"txThs", OptionsFocus::txThs},
            {"cmOptExit", OptionsFocus::cmOptExit}, {"cmOptCancel", OptionsFocus::cmOptCancel}};
        const auto it = targets.find(words[2]);
        if (it == targets.end()) return false;
        const bool disabledBox = (it->second == OptionsFocus::txDec && !dlg.txDec.enabled()) ||
                                 (it->second == OptionsFocus::txThs && !dlg.txThs.enabled()) ||
                                 (it->second == OptionsFocus::cmOptExit && !dlg.cmOptExit.enabled);
        if (!disabledBox) dlg.focusOn(it->second);
        return true;
    }
    if (words.size() != 2) return false;
    if (action == "ok") {
        dlg.clickButton(OptionsFocus::cmOptExit);
    } else if (action == "cancel") {
        dlg.clickButton(OptionsFocus::cmOptCancel);
    } else if (action == "enter") {
        dlg.pressEnter();
    } else if (action == "esc") {
        dlg.pressEscape();
    } else if (action == "close") {
        dlg.closeBox();
    } else {
        return false;
    }
    return true;
}

// What the user does in the About box: OK, Enter and Esc all press OK.
bool Session::aboutBox(const Words& words) {
    if (words.size() != 2) return false;
    const std::string& action = words[1];
    if (action == "ok" || action == "enter" || action == "esc" || action == "close") {
        about_->cmdOK_Click();
    } else if (action == "link") {
        about_->lblLink_Click();
    } else {
        return false;
    }
    return true;
}

void Session::expect(int lineNumber, const Words& words) {
    const auto [tag, firstPair] = tagOf(words, 1);
    std::optional<std::string> tagged;
    for (const std::string& line :
         snapshot(main_.get(), options_.get(), about_.get(), platform_, pending_)) {
        const Words lineWords = splitWords(line).value_or(Words{});
        if (tagOf(lineWords, 0).first != tag) continue;
        tagged = line;
        std::map<std::string, std::string> values;
        for (const std::string& pair : lineWords) {
            const auto equals = pair.find('=');
            if (equals != std::string::npos)
                values[pair.substr(0, equals)] = pair.substr(equals + 1);
        }
        bool holds = true;
        for (std::size_t i = firstPair; i < words.size() && holds; ++i) {
            const auto equals = words[i].find('=');
            const auto it = values.find(words[i].substr(0, equals));
            holds = equals != std::string::npos && it != values.end() &&
                    it->second == canonical(words[i].substr(equals + 1));
        }
        if (holds) return;
    }
    ++failures_;
    std::string expectation;
    for (std::size_t i = 1; i < words.size(); ++i)
        expectation += (i > 1 ? " " : "") + words[i];
    out_ << file_ << ":" << lineNumber << ": expected " << expectation << "\n  "
         << (tagged ? "snapshot: " + *tagged : "snapshot has no line tagged \"" + tag + "\"")
         << '\n';
}

}  // namespace

Verdict runScenarioFile(const std::filesystem::path& file, std::ostream& out) {
    std::ifstream in(file);
    if (!in) {
        out << file.string() << ": cannot be read\n";
        return Verdict::Unreadable;
    }
    Session session(file.string(), out);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Blank lines and comments are skipped whatever they hold.
        const auto first = line.find_first_not_of(' ');
        if (first == std::string::npos || line[first] == '#') continue;
        const auto words = splitWords(line);
        if (!words || !session.run(number, *words)) {
            out << file.string() << ":" << number << ": cannot understand: " << line << '\n';
            return Verdict::Unreadable;
        }
    }
    return session.failures() == 0 ? Verdict::Passed : Verdict::Failed;
}

}  // namespace velmor::scenario
