#pragma once

#include <array>
#include <string>

#include "controls/command_button.h"
#include "controls/label.h"
#include "platform/platform.h"
#include "velmor_version.h"

namespace velmor {

inline constexpr std::u16string_view kProductName = u"Velmor";

// The main window's caption: " Velmor v2.01" for version 2.0.1.
std::u16string mainWindowCaption();

// Hands a document or web address to the desktop to open; when no program
// takes it, the user is told what could not be opened.
void ShellOpen(Platform& platform, std::u16string_view target);

// The About box: the product's title and version, a short description and
// the maker's web address as a link.
class FmAbout {
public:
    explicit FmAbout(Platform& platform);
    FmAbout(const FmAbout&) = delete;
    FmAbout& operator=(const FmAbout&) = delete;

    bool isOpen() const { return open_; }

    void Form_Load();
    void cmdOK_Click() { open_ = false; }
    void lblLink_Click();

    std::u16string caption;
    Label Image1;  // the maker's logo; its caption names the picture
    Label Label1;
    Label lblTitle;
    Label lblVersion;
    Label lblDescription;
    std::array<Label, 2> Line1;  // an etched rule: Line1(0) white, Line1(1) grey
    Label lblDisclaimer;
    Label Label3;
    Label lblLink;
    Label Label5;
    CommandButton cmdOK;

private:
    Platform& platform_;
    bool open_ = false;
};

}  // namespace velmor
