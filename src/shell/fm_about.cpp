#include "shell/fm_about.h"

#include <string>

#include "engine/shown_text.h"
#include "input/number_text.h"
#include "shell/settings_text.h"

namespace velmor {
namespace {

std::u16string number(int value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

const Font kDialogFont{u"MS Sans Serif", 9.75, false};

}  // namespace

std::u16string mainWindowCaption() {
    return u" " + std::u16string(kProductName) + u" v" + number(kVersionMajor) + u"." +
           number(kVersionMinor) + number(kVersionPatch);
}

void ShellOpen(Platform& platform, std::u16string_view target) {
    const std::u16string trimmed(trimSpaces(target));
    if (platform.shellOpen(trimmed)) return;
    // Without a browser nothing would happen at all: say what to open by hand.
    platform.tellUser({VELMOR_TEXT("Velmor", "No program could be found to open %1."), {trimmed}});
}

FmAbout::FmAbout(Platform& platform) : platform_(platform) {
    Image1 = Label{{150, 120, 2280, 510}, u"logo"};
    Label1 =
        Label{{2580, 390, 780, 240}, VELMOR_TEXT("Velmor", "presents"), {}, {}, true, kDialogFont};
    lblTitle = Label{{2370, 870, 705, 360}, {}, {}, {}, true, Font{u"MS Sans Serif", 13.5, false}};
    lblVersion = Label{{2100, 1230, 1380, 240}, {}, {}, {}, true, kDialogFont, Alignment::Center};
    lblDescription = Label{{720, 1650, 4245, 660},
                           VELMOR_TEXT("Velmor",
                                       "Velmor is a conversion tool for calculating decimal and "
                                       "binary units of byte quantities.  Read help file to be "
                                       "informed about the standard what you should have already "
                                       "used."),
                           {},
                           {},
                           true,
                           Font{}};
    Line1[0] = Label{{120, 2460, 5465, 15}, {}, {}, {255, 255, 255}};
    Line1[1] = Label{{120, 2445, 5465, 15}, {}, {}, {128, 128, 128}};
    lblDisclaimer = Label{{255, 2670, 990, 240},
                          VELMOR_TEXT("Velmor", "Freeware"),
                          {},
                          {},
                          true,
                          Font{u"MS Sans Serif", 9.75, true}};
    Label3 = Label{{270, 2940, 285, 195}, VELMOR_TEXT("Velmor", "Visit")};
    lblLink = Label{{630, 2940, 1200, 195}, std::u16string(kMakerWebAddress), {}, {0, 0, 192}};
    Label5 = Label{{1890, 2940, 1365, 195}, VELMOR_TEXT("Velmor", "for other freewares.")};
    cmdOK =
        CommandButton{{4245, 2760, 1260, 375}, VELMOR_TEXT("Velmor", "OK"), {}, Font{}, true, true};
    cmdOK.onClick = [this] { cmdOK_Click(); };
}

void FmAbout::Form_Load() {
    open_ = true;
    caption = VELMOR_TEXT("Velmor", "About Velmor");
    lblVersion.caption = u"version " + number(kVersionMajor) + u"." + number(kVersionMinor);
    lblTitle.caption = kProductName;
}

void FmAbout::lblLink_Click() {
    ShellOpen(platform_, kMakerWebAddress);
}

}  // namespace velmor
