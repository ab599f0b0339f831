#include "scenario/scenario_runner.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
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

using Words = std::vector<std::string>;

std::optional<int> number(std::string_view word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

// `dec` or `ths`, the side of the options dialog a word names: true for the
// decimal mark.
std::optional<bool> decimalSide(const std::string& word) {
    if (word == "dec") return true;
    if (word == "ths") return false;
    return std::nullopt;
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

// One run of a scenario file: the scripted machine, the program's windows
// and the count of failed expectations.
struct Session {
    Session(std::string name, std::ostream& output) : file(std::move(name)), out(output) {
        platform.onShowOptions = [this] {
            if (!options) options = std::make_unique<FmOptions>(platform, pending);
            options->load();
            options->Form_Activate();
        };
        platform.onShowAbout = [this] {
            about = std::make_unique<FmAbout>(platform);
            about->Form_Load();
        };
    }

    bool run(int lineNumber, const Words& words);

    bool optionsOpen() const { return options && options->isOpen(); }
    bool aboutOpen() const { return about && about->isOpen(); }
    std::vector<std::string> snap() const {
        return snapshot(main.get(), options.get(), about.get(), platform, pending);
    }
    // The window's own path for a key; what it leaves to the entry box, the
    // box edits as a one-line text box does.
    void deliverKey(const Key& key) {
        if (main->deliverKey(key) == KeyOutcome::LeftToTheBox) editAsTheBoxDoes(main->txNum, key);
    }

    std::string file;
    std::ostream& out;
    int line = 0;
    test_support::ScriptedPlatform platform;
    PendingMarks pending;
    std::unique_ptr<FmMain> main;
    std::unique_ptr<FmOptions> options;  // made at the first opening, kept for the run
    std::unique_ptr<FmAbout> about;
    int failures = 0;
};

// Where a command acts. A main-window command is refused (understood, and
// nothing happens) while a modal box is open or once the window is gone; a
// dialog's or the About box's command is refused while that box is closed.
enum class Where { Anytime, BeforeStart, MainWindow, Options, About };

constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();

// A command: its first word (for the options dialog, its second), where it
// acts, how many words its line holds (its own included) and what runs it.
// The handler sees only lines of that length and returns false for a line
// it does not understand.
struct Command {
    std::string_view name;
    Where where;
    std::size_t fewestWords;
    std::size_t mostWords;
    bool (*handler)(Session&, const Words&);
};

bool settingsLine(Session& s, const Words& w) {  // `file` in Windows-1252, `file-utf8` in UTF-8
    const auto line = unquote(w[1]);
    if (!line) return false;
    const std::u16string text = *line + u"\r\n";
    const auto bytes = w[0] == "file" ? encodeWindows1252(text) : encodeUtf8(text);
    if (!bytes) return false;
    std::ofstream(s.platform.programFolder() / kSettingsFileName, std::ios::binary | std::ios::app)
        << *bytes;
    return true;
}

bool press(Session& s, const Words& w) {
    const auto index = number(w[1]);
    if (!index || *index < 0 || *index >= kFieldCount) return false;
    const auto at = static_cast<std::size_t>(*index);
    const Label* label = &s.main->lbNum[at];
    int button = 1;
    int modifiers = 0;
    for (std::size_t i = 2; i < w.size(); ++i) {
        if (w[i] == "num" || w[i] == "dec" || w[i] == "unit") {
            label = w[i] == "num"   ? &s.main->lbNum[at]
                    : w[i] == "dec" ? &s.main->lbDec[at]
                                    : &s.main->lbUnit[at];
        } else if (w[i] == "left" || w[i] == "right" || w[i] == "middle") {
            button = w[i] == "left" ? 1 : w[i] == "right" ? 2 : 4;
        } else if (const auto modifier = modifierNamed(w[i])) {
            modifiers |= *modifier;
        } else {
            return false;
        }
    }
    // A hidden label (under the entry box) cannot be pressed; the three
    // labels of a field share one handler.
    if (label->visible) s.main->lbNum_MouseDown(*index, button, modifiers);
    return true;
}

bool menu(Session& s, const Words& w) {
    FmMain& m = *s.main;
    const std::map<std::string, MenuItem*> items{
        {"Exit", &m.mnuExit},      {"Copy", &m.mnuEditCopy},  {"Paste", &m.mnuEditPaste},
        {"Undo", &m.mnuUndo},      {"Redo", &m.mnuRedo},      {"Config", &m.mnuHelpConfig},
        {"Guide", &m.mnuHelpHelp}, {"About", &m.mnuHelpAbout}};
    const auto it = items.find(w[1]);
    if (it == items.end()) return false;
    it->second->click();
    return true;
}

bool dialogPick(Session& s, const Words& w) {
    FmOptions& dlg = *s.options;
    const auto decimal = decimalSide(w[2]);
    const auto index = number(w[3]);
    ComboBox& list = decimal.value_or(true) ? dlg.cbDec : dlg.cbThs;
    if (!decimal || !index || *index < 0 || *index >= list.listCount()) return false;
    dlg.focusOn(*decimal ? OptionsFocus::cbDec : OptionsFocus::cbThs);
    list.setListIndex(*index);
    return true;
}

bool dialogType(Session& s, const Words& w) {  // `dlg type SIDE "C"` and `dlg clear SIDE`
    FmOptions& dlg = *s.options;
    const bool clear = w[1] == "clear";
    const auto decimal = decimalSide(w[2]);
    if (!decimal) return false;
    const auto typed = clear ? std::u16string() : unquote(w[3]);
    // One character: one code unit, or a surrogate pair beyond U+FFFF.
    const bool pair = typed && typed->size() == 2 && (*typed)[0] >= 0xD800 &&
                      (*typed)[0] <= 0xDBFF && (*typed)[1] >= 0xDC00 && (*typed)[1] <= 0xDFFF;
    if (!typed || (!clear && typed->size() != 1 && !pair)) return false;
    TextBox& box = *decimal ? dlg.txDec : dlg.txThs;
    if (!box.enabled) return true;  // a closed box takes no input
    dlg.focusOn(*decimal ? OptionsFocus::txDec : OptionsFocus::txThs);
    if (clear || pair) {
        box.replaceByUser(*typed);
    } else {
        box.setSelection(0, TextBox::kToTheEnd);  // one character: the typed one replaces it
        box.typeCharacter(typed->front());
    }
    return true;
}

bool dialogFocus(Session& s, const Words& w) {
    FmOptions& dlg = *s.options;
    const std::map<std::string, std::pair<OptionsFocus, bool>> targets{
        {"cbDec", {OptionsFocus::cbDec, true}},
        {"txDec", {OptionsFocus::txDec, dlg.txDec.enabled}},
        {"cbThs", {OptionsFocus::cbThs, true}},
        {"txThs", {OptionsFocus::txThs, dlg.txThs.enabled}},
        {"cmOptExit", {OptionsFocus::cmOptExit, dlg.cmOptExit.enabled}},
        {"cmOptCancel", {OptionsFocus::cmOptCancel, true}}};
    const auto it = targets.find(w[2]);
    if (it == targets.end()) return false;
    if (it->second.second) dlg.focusOn(it->second.first);  // a disabled control takes no focus
    return true;
}

// OK and Cancel, Enter and Esc, and the dialog's close box.
bool dialogButton(Session& s, const Words& w) {
    FmOptions& dlg = *s.options;
    if (w[1] == "ok") dlg.clickButton(OptionsFocus::cmOptExit);
    if (w[1] == "cancel") dlg.clickButton(OptionsFocus::cmOptCancel);
    if (w[1] == "enter") dlg.pressEnter();
    if (w[1] == "esc") dlg.pressEscape();
    if (w[1] == "close") dlg.closeBox();
    return true;
}

// What the user does in the options dialog, `dlg ACTION ...`.
const std::vector<Command> kDialogActions{
    {"pick", Where::Options, 4, 4, dialogPick},    {"type", Where::Options, 4, 4, dialogType},
    {"clear", Where::Options, 3, 3, dialogType},   {"focus", Where::Options, 3, 3, dialogFocus},
    {"ok", Where::Options, 2, 2, dialogButton},    {"cancel", Where::Options, 2, 2, dialogButton},
    {"enter", Where::Options, 2, 2, dialogButton}, {"esc", Where::Options, 2, 2, dialogButton},
    {"close", Where::Options, 2, 2, dialogButton},
};

// When the options dialog closes, the main window is activated again.
bool dialog(Session& s, const Words& w) {
    const auto action =
        std::find_if(kDialogActions.begin(), kDialogActions.end(), [&](const Command& c) {
            return c.name == w[1] && w.size() >= c.fewestWords && w.size() <= c.mostWords;
        });
    const bool understood = action != kDialogActions.end() && action->handler(s, w);
    if (!s.optionsOpen()) s.main->Form_Activate();
    return understood;
}

// OK, Enter, Esc and the About box's close box all press OK. When it closes,
// the main window is activated again.
bool aboutBox(Session& s, const Words& w) {
    bool understood = true;
    if (w[1] == "ok" || w[1] == "enter" || w[1] == "esc" || w[1] == "close") {
        s.about->cmdOK_Click();
    } else if (w[1] == "link") {
        s.about->lblLink_Click();
    } else {
        understood = false;
    }
    if (!s.aboutOpen()) s.main->Form_Activate();
    return understood;
}

const std::vector<Command> kCommands{
    // dump prints before it looks at its words, so it counts them itself.
    {"dump", Where::Anytime, 1, kAny,
     [](Session& s, const Words& w) {
         for (const std::string& line : s.snap())
             s.out << line << '\n';
         return w.size() == 1;
     }},
    {"expect", Where::Anytime, 2, kAny,
     [](Session& s, const Words& w) {
         if (const auto unmet = unmetExpectation(w, s.snap())) {
             ++s.failures;
             s.out << s.file << ":" << s.line << ": " << *unmet << '\n';
         }
         return true;
     }},
    {"clipboard", Where::Anytime, 2, 2,
     [](Session& s, const Words& w) {
         s.platform.clipboard = w[1] == "none" ? std::nullopt : unquote(w[1]);
         return w[1] == "none" || s.platform.clipboard.has_value();
     }},
    {"locale", Where::BeforeStart, 3, 3,
     [](Session& s, const Words& w) {
         const auto decimal = unquote(w[1]);
         const auto group = unquote(w[2]);
         if (decimal && group) s.platform.marks = {*decimal, *group};
         return decimal && group;
     }},
    {"file", Where::BeforeStart, 2, 2, settingsLine},
    {"file-utf8", Where::BeforeStart, 2, 2, settingsLine},
    {"readonly", Where::BeforeStart, 1, 2,
     [](Session& s, const Words& w) {
         const std::string folder = w.size() == 1 ? "program" : w[1];
         if (folder == "program") s.platform.programFolderWritable = false;
         if (folder == "user") s.platform.userFolderWritable = false;
         return folder == "program" || folder == "user";
     }},
    {"homeless", Where::BeforeStart, 1, 1,
     [](Session& s, const Words&) {
         s.platform.homeless = true;
         return true;
     }},
    {"no-opener", Where::BeforeStart, 1, 1,
     [](Session& s, const Words&) {
         s.platform.shellOpens = false;
         return true;
     }},
    {"installed", Where::BeforeStart, 1, 1,
     [](Session& s, const Words&) {
         s.platform.installProgram();
         return true;
     }},
    {"unplaced", Where::BeforeStart, 1, 1,
     [](Session& s, const Words&) {
         s.platform.windowsPlaced = false;
         return true;
     }},
    {"screen", Where::BeforeStart, 3, 3,
     [](Session& s, const Words& w) {
         const auto width = number(w[1]);
         const auto height = number(w[2]);
         if (!width || !height || *width <= 0 || *height <= 0) return false;
         s.platform.screen = {0, 0, *width * kTwipsPerPixel, *height * kTwipsPerPixel};
         return true;
     }},
    {"random", Where::BeforeStart, 2, 2,
     [](Session& s, const Words& w) {
         double draw = 0;
         const auto [end, error] = std::from_chars(w[1].data(), w[1].data() + w[1].size(), draw);
         if (error != std::errc() || end != w[1].data() + w[1].size()) return false;
         if (draw < 0 || draw >= 1) return false;
         s.platform.nextDraw = draw;
         return true;
     }},
    {"start", Where::BeforeStart, 1, 1,
     [](Session& s, const Words&) {
         s.main = std::make_unique<FmMain>(s.platform, s.pending);
         s.main->Form_Load();
         s.main->Form_Activate();
         s.main->windowFramed();
         return true;
     }},
    {"type", Where::MainWindow, 2, 2,
     [](Session& s, const Words& w) {
         const auto text = unquote(w[1]);
         if (!text) return false;
         for (const char16_t c : *text)
             s.deliverKey(keyTyping(c));
         return true;
     }},
    {"key", Where::MainWindow, 2, 2,
     [](Session& s, const Words& w) {
         const auto key = keyChord(w[1]);
         if (key) s.deliverKey(*key);
         return key.has_value();
     }},
    {"select", Where::MainWindow, 3, 3,
     [](Session& s, const Words& w) {
         const auto start = number(w[1]);
         const auto length = number(w[2]);
         if (start && length) s.main->txNum.setSelection(*start, *length);
         return start && length;
     }},
    {"edit", Where::MainWindow, 2, 2,
     [](Session& s, const Words& w) {
         const auto text = unquote(w[1]);
         if (text) s.main->txNum.replaceByUser(*text);
         return text.has_value();
     }},
    {"press", Where::MainWindow, 2, kAny, press},
    {"click", Where::MainWindow, 2, 2,
     [](Session& s, const Words& w) {
         if (w[1] == "background") s.main->pcBack_GotFocus();
         if (w[1] == "entry") s.main->txNum_Click();
         return w[1] == "background" || w[1] == "entry";
     }},
    {"dblclick", Where::MainWindow, 2, 2,
     [](Session& s, const Words& w) {
         if (w[1] != "entry") return false;
         s.main->txNum_Click();  // a double click delivers one click first
         s.main->txNum_DblClick();
         return true;
     }},
    {"tick", Where::MainWindow, 3, 3,
     [](Session& s, const Words& w) {
         const auto index = number(w[2]);
         if (!index || *index < 0) return false;
         const auto at = static_cast<std::size_t>(*index);
         CheckBox* box = w[1] == "digits" && at < s.main->chDigit.size() ? &s.main->chDigit[at]
                         : w[1] == "rnd" && at < s.main->chRnd.size()    ? &s.main->chRnd[at]
                                                                         : nullptr;
         if (box) box->click();
         return box != nullptr;
     }},
    {"menu", Where::MainWindow, 2, 2, menu},
    {"close", Where::MainWindow, 1, 1,
     [](Session& s, const Words&) {
         s.main->unloadWindow();
         return true;
     }},
    {"end-session", Where::MainWindow, 1, 1,
     [](Session& s, const Words&) {
         s.main->unloadWindow(Requester::Session);
         return true;
     }},
    {"timer", Where::MainWindow, 1, 1,
     [](Session& s, const Words&) {
         s.main->cmFlag.tick();
         return true;
     }},
    {"dlg", Where::Options, 2, kAny, dialog},
    {"about", Where::About, 2, 2, aboutBox},
};

bool Session::run(int lineNumber, const Words& words) {
    line = lineNumber;
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&](const Command& c) { return c.name == words[0]; });
    if (command == kCommands.end()) return false;
    const bool fits = words.size() >= command->fewestWords && words.size() <= command->mostWords;
    switch (command->where) {
        case Where::Anytime:
            break;
        case Where::BeforeStart:
            if (main) return false;
            break;
        case Where::MainWindow:
            if (!main) return false;
            if (optionsOpen() || aboutOpen() || !main->windowOpen) return true;
            break;
        case Where::Options:
            if (!main) return false;
            if (!optionsOpen()) return fits;
            break;
        case Where::About:
            if (!main) return false;
            if (!aboutOpen()) return fits;
            break;
    }
    return fits && command->handler(*this, words);
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
    return session.failures == 0 ? Verdict::Passed : Verdict::Failed;
}

}  // namespace velmor::scenario
