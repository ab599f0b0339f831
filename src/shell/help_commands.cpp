// The Help menu: the guide and the About box.
#include <cctype>
#include <string>
#include <vector>

#include "shell/atomic_file.h"
#include "shell/fm_about.h"
#include "shell/fm_main.h"

namespace velmor {
namespace {

constexpr char kHelpFile[] = "Velmor.chm";
constexpr char kGuideFolder[] = "guide";

// The guide's file names to look for: index.LANG.html for each of the
// user's languages ("de" of "de-DE"), then the English index.html.
std::vector<std::string> guideNames(const std::vector<std::string>& languages) {
    std::vector<std::string> names;
    for (const std::string& tag : languages) {
        std::string language = tag.substr(0, tag.find_first_of("-_"));
        for (char& c : language)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (language.empty() || language == "en") break;  // English is index.html
        names.push_back("index." + language + ".html");
    }
    names.emplace_back("index.html");
    return names;
}

}  // namespace

// Velmor.chm in the program's folder when it is there. A Linux desktop
// rarely reads that format, so without it the HTML guide opens, in the
// user's language when there is one, else in English: beside the program
// first, then the installed one.
std::filesystem::path guideTarget(const Platform& platform) {
    const std::filesystem::path helpFile = platform.programFolder() / kHelpFile;
    if (isRegularFile(helpFile)) return helpFile;
    std::vector<std::filesystem::path> folders{platform.programFolder()};
    for (const auto& folder : platform.dataFolders())
        folders.push_back(folder);
    for (const std::string& name : guideNames(platform.uiLanguages())) {
        for (const auto& folder : folders) {
            if (isRegularFile(folder / kGuideFolder / name)) return folder / kGuideFolder / name;
        }
    }
    return helpFile;
}

void FmMain::mnuHelpHelp_Click() {
    ShellOpen(platform_, guideTarget(platform_).u16string());
}

void FmMain::mnuHelpAbout_Click() {
    platform_.showAboutBox();
}

}  // namespace velmor
