#include "scenario/snapshot.h"

#include <array>
#include <cstdio>
#include <tuple>

#include "input/number_text.h"
#include "scenario/scenario_text.h"
#include "shell/atomic_file.h"
#include "shell/settings_file.h"
#include "shell/text_encoding.h"

namespace velmor::scenario {
namespace {

std::string flag(bool value) {
    return value ? "1" : "0";
}

std::string colour(Rgb rgb) {
    return std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
           std::to_string(rgb.blue);
}

std::string amount(Quantity value) {
    const std::u16string text = plainValueText(value, u'.');
    return std::string(text.begin(), text.end());  // digits, '.' and '-' only
}

std::string stateLine(const FmMain& main) {
    const CalcState& s = main.state;
    return "state activeField=" + std::to_string(s.activeField) +
           " coveredField=" + std::to_string(s.coveredField) +
           " entryValue=" + amount(s.entryValue) + " entryValid=" + flag(s.entryValid) +
           " entryStored=" + flag(s.entryStored) + " decMark=" + quote(s.decMark) +
           " thsSep=" + quote(s.thsSep) + " decAliases=" + quote(main.decAliases) +
           " rndMode=" + std::to_string(s.rndMode) + " digits=" + std::to_string(s.digits) +
           " stickyCtrl=" + flag(main.stickyCtrl) +
           " histPos=" + std::to_string(main.history.pos()) +
           " started=" + std::to_string(main.started);
}

std::string entryLine(const TextBox& box) {
    const Rect& at = box.geometry;
    char points[16];
    std::snprintf(points, sizeof points, "%g", box.font.points);
    return "txNum text=" + quote(box.text()) + " points=" + points +
           " enabled=" + flag(box.enabled) + " visible=" + flag(box.visible) +
           " back=" + colour(box.back) + " fore=" + colour(box.fore) +
           " sel=" + std::to_string(box.selStart()) + "," + std::to_string(box.selLength()) +
           " left=" + std::to_string(at.left) + " top=" + std::to_string(at.top) +
           " width=" + std::to_string(at.width) + " height=" + std::to_string(at.height);
}

// A label's line: its tag (name, and index in an array), caption,
// visibility and colour.
std::string labelLine(const std::string& tag, const Label& label) {
    return tag + " caption=" + quote(label.caption) + " visible=" + flag(label.visible) +
           " fore=" + colour(label.fore);
}

// A push button's line: whether it takes clicks, and whether Enter (default)
// or Esc (cancel) presses it.
std::string buttonLine(const std::string& tag, const CommandButton& button) {
    return tag + " enabled=" + flag(button.enabled) + " default=" + flag(button.isDefault) +
           " cancel=" + flag(button.isCancel);
}

void addFieldLines(const FmMain& main, std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const std::string index = " " + std::to_string(i);
        lines.push_back("shNum" + index + " visible=" + flag(main.shNum[i].visible));
        lines.push_back(labelLine("lbNum" + index, main.lbNum[i]));
        lines.push_back(labelLine("lbDec" + index, main.lbDec[i]));
        lines.push_back(labelLine("lbSign" + index, main.lbSign[i]));
        lines.push_back(labelLine("lbUnit" + index, main.lbUnit[i]));
    }
}

template <std::size_t N>
void addOptionLines(const char* name, const std::array<CheckBox, N>& group,
                    std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < N; ++i) {
        lines.push_back(std::string(name) + " " + std::to_string(i) + " value=" +
                        flag(group[i].checked()) + " enabled=" + flag(group[i].enabled));
    }
}

void addMainWindowLines(const FmMain& main, std::vector<std::string>& lines) {
    lines.push_back(stateLine(main));
    lines.push_back(entryLine(main.txNum));
    addFieldLines(main, lines);
    addOptionLines("chDigit", main.chDigit, lines);
    addOptionLines("chRnd", main.chRnd, lines);
    for (const auto& [name, item] :
         {std::pair{"mnuEditCopy", &main.mnuEditCopy},
          std::pair{"mnuEditPaste", &main.mnuEditPaste}, std::pair{"mnuUndo", &main.mnuUndo},
          std::pair{"mnuRedo", &main.mnuRedo}}) {
        lines.push_back(std::string(name) + " enabled=" + flag(item->enabled));
    }
    for (int k = 1; k <= History::kCapacity; ++k) {
        if (!main.history.holds(k)) continue;
        const History::Entry& entry = main.history.entry(k);
        lines.push_back("hist " + std::to_string(k) + " field=" + std::to_string(entry.field) +
                        " text=" + quote(entry.text));
    }
    lines.push_back(labelLine("lbDecimalHeading", main.lbDecimalHeading));
    lines.push_back(labelLine("lbBinaryHeading", main.lbBinaryHeading));
    for (std::size_t k = 0; k < main.llHot.size(); ++k)
        lines.push_back(labelLine("llHot " + std::to_string(k), main.llHot[k]));
    lines.push_back("pcButtons visible=" + flag(main.pcButtons.visible));
    lines.push_back(labelLine("lbMark", main.lbMark));
    lines.push_back("cmFlag enabled=" + flag(main.cmFlag.enabled) +
                    " tag=" + quote(main.cmFlag.tag));
}

// Where the settings file is, how it is encoded, and each of its lines.
void addConfigLines(const test_support::ScriptedPlatform& platform,
                    std::vector<std::string>& lines) {
    const auto file = findSettingsFile(platform);
    const auto bytes = file ? readFileStart(*file, 1 << 20) : std::nullopt;
    if (!bytes) {
        lines.push_back("config where=none encoding=ascii lines=0");
        return;
    }
    const Encoding encoding = detectEncoding(*bytes);
    std::u16string text = decodeText(*bytes);
    std::vector<std::u16string> fileLines;
    for (std::size_t start = 0; start < text.size();) {
        auto end = text.find(u'\n', start);
        if (end == std::u16string::npos) end = text.size();
        std::u16string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == u'\r') line.pop_back();
        fileLines.push_back(std::move(line));
        start = end + 1;
    }
    const char* encodingName = encoding == Encoding::Ascii         ? "ascii"
                               : encoding == Encoding::Windows1252 ? "windows-1252"
                               : encoding == Encoding::Utf8        ? "utf-8"
                                                                   : "utf-16";
    lines.push_back(std::string("config where=") +
                    (file->parent_path() == platform.programFolder() ? "program" : "user") +
                    " encoding=" + encodingName + " lines=" + std::to_string(fileLines.size()));
    for (std::size_t i = 0; i < fileLines.size(); ++i) {
        lines.push_back("config " + std::to_string(i + 1) + " text=" + quote(fileLines[i]));
    }
}

const char* focusName(OptionsFocus focus) {
    constexpr std::array<const char*, 6> kNames{"cbDec", "txDec",     "cbThs",
                                                "txThs", "cmOptExit", "cmOptCancel"};
    return kNames[static_cast<std::size_t>(focus)];
}

void addOptionsLines(const FmOptions& dialog, std::vector<std::string>& lines) {
    lines.push_back("fmOptions optDecMark=" + quote(dialog.optDecMark) + " optThsSep=" +
                    quote(dialog.optThsSep) + " otherDec=" + quote(dialog.otherDec) +
                    " otherThs=" + quote(dialog.otherThs) + " focus=" + focusName(dialog.focus()));
    for (const auto& [name, list, box] : {std::tuple{"Dec", &dialog.cbDec, &dialog.txDec},
                                          std::tuple{"Ths", &dialog.cbThs, &dialog.txThs}}) {
        lines.push_back(std::string("cb") + name + " index=" + std::to_string(list->listIndex()) +
                        " back=" + colour(list->back));
        lines.push_back(std::string("tx") + name + " text=" + quote(box->text()) +
                        " enabled=" + flag(box->enabled) + " back=" + colour(box->back));
    }
    lines.push_back(labelLine("Label1", dialog.Label1));
    lines.push_back(labelLine("Label2", dialog.Label2));
    lines.push_back(labelLine("lbSample", dialog.lbSample));
    for (const auto& [name, button] :
         {std::pair{"cmOptExit", &dialog.cmOptExit}, std::pair{"cmOptCancel", &dialog.cmOptCancel}})
        lines.push_back(buttonLine(name, *button));
}

}  // namespace

std::vector<std::string> snapshot(const FmMain* main, const FmOptions* options,
                                  const FmAbout* about,
                                  const test_support::ScriptedPlatform& platform,
                                  const PendingMarks& pending) {
    std::vector<std::string> lines;
    const bool open = main && main->windowOpen;
    if (open) addMainWindowLines(*main, lines);
    if (options && options->isOpen()) addOptionsLines(*options, lines);
    if (about && about->isOpen()) {
        lines.push_back("fmAbout caption=" + quote(about->caption));
        for (const auto& [name, label] :
             {std::pair{"Image1", &about->Image1}, std::pair{"Label1", &about->Label1},
              std::pair{"lblTitle", &about->lblTitle}, std::pair{"lblVersion", &about->lblVersion},
              std::pair{"lblDescription", &about->lblDescription},
              std::pair{"Line1 0", &about->Line1[0]}, std::pair{"Line1 1", &about->Line1[1]},
              std::pair{"lblDisclaimer", &about->lblDisclaimer},
              std::pair{"Label3", &about->Label3}, std::pair{"lblLink", &about->lblLink},
              std::pair{"Label5", &about->Label5}})
            lines.push_back(labelLine(name, *label));
        lines.push_back(buttonLine("cmdOK", about->cmdOK));
    }
    lines.push_back("pending dec=" + quote(pending.pendDecMark) +
                    " ths=" + quote(pending.pendThsSep));
    lines.push_back("window open=" + flag(open) + " ended=" + flag(platform.programEnded) +
                    " left=" + std::to_string(platform.frame.left) +
                    " top=" + std::to_string(platform.frame.top));
    lines.push_back((platform.clipboard ? "clipboard text=" + quote(*platform.clipboard)
                                        : std::string("clipboard none")) +
                    " fetches=" + std::to_string(platform.clipboardFetches));
    lines.push_back("shell target=" + quote(platform.shellTarget));
    lines.push_back("told text=" + quote(platform.told));
    lines.push_back("reported text=" + quote(platform.reported));
    addConfigLines(platform, lines);
    return lines;
}

}  // namespace velmor::scenario
