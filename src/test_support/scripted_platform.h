#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace velmor::test_support {

// The machine around Velmor as a scenario sets it up. It owns three fresh
// temporary folders, the program's, the user's configuration folder and the
// data folder, and removes them when it goes: nothing installed on the host
// can change what a scenario sees.
class ScriptedPlatform : public Platform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    RegionalMarks regionalMarks() const override { return marks; }
    bool clipboardOffersText() const override { return clipboard && !clipboard->empty(); }
    std::optional<std::u16string> clipboardText() const override {
        ++clipboardFetches;
        return clipboard;
    }
    void setClipboardText(const std::u16string& text) override { clipboard = text; }
    // The draws are scripted, so there is no clock to seed from.
    void seedRandomFromClock() override {}
    double randomDraw() override { return nextDraw; }
    void endProgram() override { programEnded = true; }
    std::filesystem::path programFolder() const override { return programFolder_; }
    std::filesystem::path userConfigFolder() const override {
        return homeless ? std::filesystem::path() : userFolder_ / "velmor";
    }
    // Lays the program folder out as an installation's bin folder, beside
    // Velmor's installed data.
    void installProgram();
    bool folderWritable(const std::filesystem::path& folder) const override;
    Rect windowFrame() const override { return frame; }
    void moveWindow(int left, int top) override;
    std::vector<Rect> screenAreas() const override { return {screen}; }
    bool placesWindows() const override { return windowsPlaced; }
    void showOptionsDialog() override {
        if (onShowOptions) onShowOptions();
    }
    void showAboutBox() override {
        if (onShowAbout) onShowAbout();
    }
    bool shellOpen(const std::u16string& target) override {
        shellTarget = target;
        return shellOpens;
    }
    void tellUser(const UserMessage& message) override { told = withFoldersNamed(message); }
    void reportQuietly(const UserMessage& message) override {
        reported = withFoldersNamed(message);
    }
    std::vector<std::string> uiLanguages() const override { return languages; }
    std::vector<std::filesystem::path> dataFolders() const override { return {dataFolder}; }

    RegionalMarks marks{u".", u","};
    std::optional<std::u16string> clipboard;
    mutable int clipboardFetches = 0;  // how often Velmor fetched the text itself
    double nextDraw = 0.5;
    bool programEnded = false;
    bool programFolderWritable = true;
    bool userFolderWritable = true;
    bool windowsPlaced = true;
    bool homeless = false;  // no HOME and no XDG_CONFIG_HOME
    // A 513 x 241 pixel client area with its border, caption and menu bar.
    Rect frame{0, 0, 521 * kTwipsPerPixel, 289 * kTwipsPerPixel};
    Rect screen{0, 0, 1920 * kTwipsPerPixel, 1080 * kTwipsPerPixel};
    std::function<void()> onShowOptions;  // opens the dialog without waiting for it
    std::function<void()> onShowAbout;
    std::u16string shellTarget;  // the last target handed to the desktop
    bool shellOpens = true;      // some program opens what the desktop is handed
    // The last message told the user and the last reported quietly, in
    // English, the temporary folders in them written <program>, <user> and
    // <data>, so that a scenario can expect them.
    std::u16string told;
    std::u16string reported;
    std::vector<std::string> languages{"en-US", "en"};
    std::filesystem::path dataFolder;  // installed data: none at first, in a temporary folder

private:
    std::u16string withFoldersNamed(const UserMessage& message) const;

    std::filesystem::path programRoot_;  // removed with everything in it
    std::filesystem::path programFolder_;
    std::filesystem::path userFolder_;  // stands for XDG_CONFIG_HOME
    std::filesystem::path dataHome_;    // stands for XDG_DATA_HOME
};

}  // namespace velmor::test_support
