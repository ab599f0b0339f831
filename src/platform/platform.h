#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "controls/geometry.h"

namespace velmor {

// The system's regional number format, as the desktop reports it.
struct RegionalMarks {
    std::u16string decimalMark;
    std::u16string groupSeparator;  // empty when the system groups no digits
};

// Something the user is to be told: an English text marked VELMOR_TEXT whose
// %1, %2, ... the details fill in once it is translated (a file's path, the
// system's reason). english() is the text as the core writes it.
struct UserMessage {
    std::u16string text;
    std::vector<std::u16string> details;

    std::u16string english() const {
        std::u16string filled;
        for (std::size_t at = 0; at < text.size(); ++at) {
            // A digit's detail; a wrapped-around or missing one stays text.
            const std::size_t detail = at + 1 < text.size()
                                           ? static_cast<std::size_t>(text[at + 1] - u'1')
                                           : details.size();
            if (text[at] == u'%' && detail < details.size()) {
                filled += details[detail];
                ++at;
            } else {
                filled += text[at];
            }
        }
        return filled;
    }
};

// Everything Velmor needs from outside its own process. The Qt layer
// implements it for real; tests and the scenario runner script it.
class Platform {
public:
    virtual ~Platform() = default;

    virtual RegionalMarks regionalMarks() const = 0;

    // Whether the clipboard offers a text that is not empty, as it last said
    // when it changed: answered at once, without asking the clipboard's
    // owner, so that typing never waits on another program. (Another
    // program's empty text may count as offered: only its owner knows.)
    virtual bool clipboardOffersText() const = 0;
    // The clipboard's plain text, fetched from its owner, which may take a
    // while; nullopt when it holds no text at all.
    virtual std::optional<std::u16string> clipboardText() const = 0;
    virtual void setClipboardText(const std::u16string& text) = 0;

    // A pseudo-random source: seeded from the clock, then drawn in [0, 1).
    virtual void seedRandomFromClock() = 0;
    virtual double randomDraw() = 0;

    // The main window has closed: the program ends.
    virtual void endProgram() = 0;

    // The folder that holds the program, and the user's own configuration
    // folder (XDG_CONFIG_HOME/velmor), which may not exist yet; empty when
    // the user has no home folder to hold one.
    virtual std::filesystem::path programFolder() const = 0;
    virtual std::filesystem::path userConfigFolder() const = 0;
    virtual bool folderWritable(const std::filesystem::path& folder) const = 0;

    // The main window's outer frame and each screen's usable area, in
    // twips. moveWindow places the frame's top-left corner, the point
    // windowFrame reports, so that a saved position comes back exactly.
    // Until the window is shown and framed, its frame may be reported
    // without the window manager's border and caption.
    virtual Rect windowFrame() const = 0;
    virtual void moveWindow(int left, int top) = 0;
    virtual std::vector<Rect> screenAreas() const = 0;
    // False where the desktop places every window itself (Wayland): the
    // window's position is then neither known nor settable.
    virtual bool placesWindows() const = 0;

    // Shows the options dialog modally over the main window. It returns once
    // the dialog is closed, or, where no toolkit waits, once it is open; in
    // both cases the main window is activated again when the dialog closes.
    virtual void showOptionsDialog() = 0;
    // The same for the About box.
    virtual void showAboutBox() = 0;

    // Asks the desktop to open a document (a file path) or a web address:
    // false when no program took it.
    virtual bool shellOpen(const std::u16string& target) = 0;
    // Tells the user what went wrong, in a message over Velmor's windows;
    // returns once the user has closed it.
    virtual void tellUser(const UserMessage& message) = 0;
    // Says what went wrong where nobody has to answer (standard error), for
    // when the session is ending and no message may hold it up.
    virtual void reportQuietly(const UserMessage& message) = 0;
    // The user's languages, most wanted first, as BCP 47 tags ("de-DE").
    virtual std::vector<std::string> uiLanguages() const = 0;
    // Folders where installed data such as the guide may be found.
    virtual std::vector<std::filesystem::path> dataFolders() const = 0;
};

}  // namespace velmor
