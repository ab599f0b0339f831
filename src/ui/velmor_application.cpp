#include "ui/velmor_application.h"

#include "ui/about_box.h"
#include "ui/options_dialog.h"

namespace velmor::ui {

VelmorApplication::VelmorApplication(std::filesystem::path programFolder)
    : platform_(std::move(programFolder)) {
    platform_.mainWindow = &window_;
    platform_.onShowOptions = [this] { showOptions(); };
    platform_.onShowAbout = [this] { showAbout(); };
}

void VelmorApplication::start() {
    main_.Form_Load();
    // Nothing is painted before the event loop runs, so one sync after the
    // first activation shows the started state.
    window_.show();
    main_.Form_Activate();
    window_.sync();
}

// Shows the dialog modally; when it closes, the main window is activated
// again and applies what came back.
void VelmorApplication::showOptions() {
    if (!options_) options_ = std::make_unique<FmOptions>(platform_, pending_);
    options_->load();
    OptionsDialog dialog(*options_, &window_);
    dialog.exec();
    main_.Form_Activate();
    window_.sync();
}

}  // namespace velmor::ui

namespace velmor::ui {

void VelmorApplication::showAbout() {
    FmAbout about(platform_);
    AboutBox box(about, &window_);
    box.exec();
    main_.Form_Activate();
    window_.sync();
}

}  // namespace velmor::ui
