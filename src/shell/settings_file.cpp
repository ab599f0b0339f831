#include "shell/settings_file.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "shell/atomic_file.h"
#include "shell/text_encoding.h"

namespace velmor {
namespace {

namespace fs = std::filesystem;

// Far more than six lines of settings ever need.
constexpr std::size_t kReadLimit = 64 * 1024;

// A folder the settings file can be written into: writable, and with no
// directory or other non-file standing where the file goes.
bool canHoldSettings(const Platform& platform, const fs::path& folder) {
    if (folder.empty() || !platform.folderWritable(folder)) return false;
    std::error_code error;
    const fs::path file = folder / kSettingsFileName;
    return !fs::exists(fs::symlink_status(file, error)) || isRegularFile(file);
}

bool writeInto(const Platform& platform, const fs::path& folder, std::string_view bytes) {
    if (!createFolders(folder)) return false;
    if (!platform.folderWritable(folder)) {
        // The system's reason where it has one, else a refusal.
        errno = ::access(folder.c_str(), W_OK) != 0 ? errno : EACCES;
        return false;
    }
    return replaceFileAtomically(folder / kSettingsFileName, bytes);
}

}  // namespace

bool isInstalledProgram(const fs::path& programFolder) {
    const fs::path prefix = programFolder.parent_path();
    std::error_code error;
    return programFolder.filename() == "bin" && fs::is_directory(prefix / "share/velmor", error) &&
           isRegularFile(prefix / "share/applications/org.velmor.Velmor.desktop");
}

fs::path settingsFolder(const Platform& platform) {
    const fs::path program = platform.programFolder();
    if (!isInstalledProgram(program) && canHoldSettings(platform, program)) return program;
    return platform.userConfigFolder();
}

fs::path userConfigFolderFor(std::string_view configHome, std::string_view home) {
    // Relative values are not taken: they would name a different folder
    // from every working folder the program is started in.
    if (!configHome.empty() && configHome.front() == '/') return fs::path(configHome) / "velmor";
    if (!home.empty() && home.front() == '/') return fs::path(home) / ".config" / "velmor";
    return {};
}

std::optional<fs::path> findSettingsFile(const Platform& platform) {
    const fs::path folder = settingsFolder(platform);
    const fs::path program = platform.programFolder();
    const auto fileIn = [](const fs::path& where) -> std::optional<fs::path> {
        if (where.empty() || !isRegularFile(where / kSettingsFileName)) return std::nullopt;
        return where / kSettingsFileName;
    };
    const auto saved = fileIn(folder);
    // A copy that keeps its settings beside itself saves to the user's
    // folder when its own folder cannot take the file (a full stick): the
    // newer of the two files holds the last session.
    if (folder == program) {
        const auto fallback = fileIn(platform.userConfigFolder());
        std::error_code error;
        if (fallback && (!saved || fs::last_write_time(*fallback, error) >
                                       fs::last_write_time(*saved, error))) {
            return fallback;
        }
    }
    return saved ? saved : fileIn(program);
}

ReadSettings loadSettings(const Platform& platform) {
    for (const fs::path& folder : {settingsFolder(platform), platform.userConfigFolder()}) {
        if (!folder.empty()) removeStaleTemporaries(folder / kSettingsFileName);
    }
    const auto file = findSettingsFile(platform);
    if (!file) return {};
    // One byte beyond the limit tells whether the limit cut the file.
    const auto bytes = readFileStart(*file, kReadLimit + 1);
    if (!bytes) return {};
    const bool cut = bytes->size() > kReadLimit;
    return parseSettings(decodeText(std::string_view(*bytes).substr(0, kReadLimit), cut));
}

bool saveSettings(const Platform& platform, const Settings& settings) {
    const std::u16string text = formatSettings(settings);
    const std::optional<std::string> narrow = encodeWindows1252(text);
    const std::string bytes = narrow ? *narrow : encodeUtf8(text);

    const fs::path folder = settingsFolder(platform);
    if (writeInto(platform, folder, bytes)) return true;
    // No session's settings are lost while the user's folder can take them.
    const fs::path user = platform.userConfigFolder();
    return user != folder && writeInto(platform, user, bytes);
}

fs::path lastSaveTarget(const Platform& platform) {
    const fs::path user = platform.userConfigFolder();
    const fs::path folder = user.empty() ? settingsFolder(platform) : user;
    return folder.empty() ? fs::path() : folder / kSettingsFileName;
}

}  // namespace velmor
