#include "ui/velmor_application.h"

#include <fontconfig/fontconfig.h>

#include <QApplication>

#include "ui/about_box.h"
#include "ui/options_dialog.h"
#include "ui/termination_signals.h"
#include "ui/translations.h"
#include "ui/velmor_style.h"

namespace velmor::ui {

std::jthread loadFontConfiguration() {
    return std::jthread([] { FcInit(); });
}

void prepareApplication(QApplication& app) {
    // Also names the user's settings folder: XDG_CONFIG_HOME/velmor.
    QApplication::setApplicationName(QStringLiteral("velmor"));
    // Names the window for docks and taskbars: its Wayland app_id matches the
    // desktop file's name; on X11 its WM_CLASS "velmor" matches the desktop
    // file's StartupWMClass. No display name: Qt would append it to every
    // window's caption.
    QApplication::setDesktopFileName(QStringLiteral("org.velmor.Velmor"));
    useVelmorLook();
    installTranslations(app);
}

VelmorApplication::VelmorApplication(std::filesystem::path programFolder)
    : platform_(std::move(programFolder)) {
    platform_.mainWindow = &window_;
    platform_.onShowOptions = [this] { showOptions(); };
    platform_.onShowAbout = [this] { showAbout(); };
    // The session manager asks for the session's data before logging out.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window_,
                     [this] { main_.SaveSeps(Requester::Session); });
}

void VelmorApplication::start() {
    main_.Form_Load();
    // Started before it is shown, so that the window appears where it was
    // saved: a window manager places a window that is not yet mapped by its
    // frame's corner, while a move just after mapping, before the frame is
    // known, would place the client area there and the window would walk.
    main_.Form_Activate();
    window_.sync();
    window_.show();
}

void VelmorApplication::endOnTerminationSignals() {
    auto* endings = new TerminationSignals(window_);
    QObject::connect(endings, &TerminationSignals::sessionEnding, &window_, [this] {
        main_.unloadWindow(Requester::Session);
        window_.sync();
    });
}

// Shows the dialog modally; when it closes, the main window is activated
// again and applies what came back.
void VelmorApplication::showOptions() {
    if (!options_) options_ = std::make_unique<FmOptions>(platform_, pending_);
    options_->load();
    OptionsDialog dialog(*options_, &window_);
    dialog.exec();
    if (!main_.windowOpen) return;  // the program was ended while it was open
    main_.Form_Activate();
    window_.sync();
}

}  // namespace velmor::ui

namespace velmor::ui {

void VelmorApplication::showAbout() {
    FmAbout about(platform_);
    AboutBox box(about, &window_);
    box.exec();
    if (!main_.windowOpen) return;
    main_.Form_Activate();
    window_.sync();
}

}  // namespace velmor::ui
