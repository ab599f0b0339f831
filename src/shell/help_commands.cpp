// The Help menu: the guide and the About box.
#include <system_error>

#include "shell/atomic_file.h"
#include "shell/fm_about.h"
#include "shell/fm_main.h"

namespace velmor {
namespace {

constexpr char kHelpFile[] = "Velmor.chm";
constexpr char kGuide[] = "guide/index.html";

}  // namespace

// Velmor.chm in the program's folder when it is there. A Linux desktop
// rarely reads that format, so without it the HTML guide opens: the one
// beside the program first, then the installed one.
void FmMain::mnuHelpHelp_Click() {
    const std::filesystem::path helpFile = platform_.programFolder() / kHelpFile;
    std::vector<std::filesystem::path> guides{platform_.programFolder() / kGuide};
    for (const auto& folder : platform_.dataFolders())
        guides.push_back(folder / kGuide);

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
