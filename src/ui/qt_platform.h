#pragma once

#include <QRandomGenerator>
#include <QUrl>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>

#include "platform/platform.h"

namespace velmor::ui {

// Whether Velmor runs as a Wayland client: the compositor, not Velmor,
// places its windows and decides their states.
bool onWayland();

// The desktop as Velmor's core sees it, through Qt.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(std::filesystem::path programFolder);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    RegionalMarks regionalMarks() const override;
    bool clipboardOffersText() const override;
    std::optional<std::u16string> clipboardText() const override;
    void setClipboardText(const std::u16string& text) override;
    void seedRandomFromClock() override;
    double randomDraw() override { return random_.generateDouble(); }
    void endProgram() override;
    std::filesystem::path programFolder() const override { return programFolder_; }
    std::filesystem::path userConfigFolder() const override;
    bool folderWritable(const std::filesystem::path& folder) const override;
    Rect windowFrame() const override;
    void moveWindow(int left, int top) override;
    std::vector<Rect> screenAreas() const override;
    bool placesWindows() const override;
    void showOptionsDialog() override;
    void showAboutBox() override;
    bool shellOpen(const std::u16string& target) override;
    void tellUser(const UserMessage& message) override;
    void reportQuietly(const UserMessage& message) override;
    std::vector<std::string> uiLanguages() const override;
    std::vector<std::filesystem::path> dataFolders() const override;

    // The main window, once it exists, and what opens the options dialog.
    QWidget* mainWindow = nullptr;
    std::function<void()> onShowOptions;
    std::function<void()> onShowAbout;
    // Where shellOpen sends targets: the desktop, or a test's stand-in;
    // false when nothing opened the target.
    std::function<bool(const QUrl&)> openUrl;

private:
    std::filesystem::path programFolder_;
    QRandomGenerator random_;
    // What the clipboard offered when it last changed; unknown until asked.
    mutable std::optional<bool> offersText_;
    QMetaObject::Connection clipboardWatch_;
};

}  // namespace velmor::ui
