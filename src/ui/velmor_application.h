#pragma once

#include <filesystem>
#include <memory>
#include <thread>

#include "options/fm_options.h"
#include "shell/fm_main.h"
#include "shell/pending_marks.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"

class QApplication;

namespace velmor::ui {

// Loads the system's font configuration, fontconfig's files and caches and
// the larger part of what the first text measured costs, on a thread of its
// own. Made before the QApplication, it runs while Qt loads its platform
// plugin and connects to the display; joined once the QApplication exists,
// before any text is measured, Qt's font database finds it loaded.
[[nodiscard]] std::jthread loadFontConfiguration();

// What Velmor sets up once its QApplication exists, before any window is
// made: its names, look and translations.
void prepareApplication(QApplication& app);

// Velmor on the desktop: the core's windows, their views, and the platform
// they run on. The options dialog's logic is made at its first opening and
// kept for the run.
class VelmorApplication {
public:
    explicit VelmorApplication(std::filesystem::path programFolder);

    // Loads the main window, shows it and activates it the first time.
    void start();

    // Ends Velmor at SIGTERM (a logout), SIGINT and SIGHUP as the session
    // ending: the window closes and saves, and a failed save is reported on
    // standard error, never in a message that would hold a logout up.
    void endOnTerminationSignals();

    QtPlatform& platform() { return platform_; }
    FmMain& mainForm() { return main_; }
    MainWindow& mainWindow() { return window_; }

private:
    void showOptions();
    void showAbout();

    QtPlatform platform_;
    PendingMarks pending_;
    FmMain main_{platform_, pending_};
    std::unique_ptr<FmOptions> options_;
    MainWindow window_{main_};
};

}  // namespace velmor::ui
