#include "shell/fm_about.h"

#include <string>

#include "engine/shown_text.h"
#include "input/number_text.h"
#include "shell/about_layout.h"
#include "shell/settings_text.h"

namespace velmor {
namespace {

std::u16string number(int value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

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
    using namespace about_layout;
    Image1 = Label{kLogo, u"logo"};
    Label1 = Label{kPresents, VELMOR_TEXT("Velmor", "presents"), {}, {}, true, kDialogFont};
    lblTitle = Label{kTitle, {}, {}, {}, true, kTitleFont};
    lblVersion = Label{kVersion, {}, {}, {}, true, kDialogFont, Alignment::Center};
    lblDescription = Label{kDescription,
                           VELMOR_TEXT("Velmor",
                                       "Velmor is a conversion tool for calculating decimal and "
                                       "binary units of byte quantities.  Read help file to be "
                                       "informed about the standard what you should have already "
                                       "used."),
                           {},
                           {},
                           true,
                           Font{}};
    Line1[0] = Label{kRuleLight, {}, {}, kRuleWhite};
    Line1[1] = Label{kRuleDark, {}, {}, kRuleGrey};
    lblDisclaimer =
        Label{kDisclaimer, VELMOR_TEXT("Velmor", "Freeware"), {}, {}, true, kDisclaimerFont};
    Label3 = Label{kVisit, VELMOR_TEXT("Velmor", "Visit")};
    lblLink = Label{kLink, std::u16string(kMakerWebAddress), {}, kLinkBlue};
    Label5 = Label{kOtherFreeware, VELMOR_TEXT("Velmor", "for other freewares.")};
    cmdOK = CommandButton{kOk, VELMOR_TEXT("Velmor", "OK"), {}, Font{}, true, true};
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
