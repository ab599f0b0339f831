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
void FmMain::mnuHelpHelp_Click() {
    const std::filesystem::path helpFile = platform_.programFolder() / kHelpFile;
    std::vector<std::filesystem::path> folders{platform_.programFolder()};
    for (const auto& folder : platform_.dataFolders())
        folders.push_back(folder);
    std::vector<std::filesystem::path> guides;
    for (const std::string& name : guideNames(platform_.uiLanguages())) {
        for (const auto& folder : folders)
            guides.push_back(folder / kGuideFolder / name);
    }

    std::filesystem::path target = helpFile;
    if (!isRegularFile(helpFile)) {
        for (const auto& guide : guides) {
            if (isRegularFile(guide)) {
                target = guide;
                break;
            }
        }
    }
    ShellOpen(platform_, target.u16string());
}

void FmMain::mnuHelpAbout_Click() {
    platform_.showAboutBox();
}

}  // namespace velmor
