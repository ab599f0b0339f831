#include "shell/settings_file.h"

#include <system_error>

#include "shell/atomic_file.h"
#include "shell/text_encoding.h"

namespace velmor {
namespace {

// Far more than six lines of settings ever need.
constexpr std::size_t kReadLimit = 64 * 1024;

}  // namespace

std::optional<std::filesystem::path> findSettingsFile(const Platform& platform) {
    for (const auto& folder : {platform.programFolder(), platform.userConfigFolder()}) {
        if (isRegularFile(folder / kSettingsFileName)) return folder / kSettingsFileName;
    }
    return std::nullopt;
}

ReadSettings loadSettings(const Platform& platform) {
    const auto file = findSettingsFile(platform);
    if (!file) return {};
    removeStaleTemporaries(*file);
    // One byte beyond the limit tells whether the limit cut the file.
    const auto bytes = readFileStart(*file, kReadLimit + 1);
    if (!bytes) return {};
    const bool cut = bytes->size() > kReadLimit;
    return parseSettings(decodeText(std::string_view(*bytes).substr(0, kReadLimit), cut));
}

bool saveSettings(const Platform& platform, const Settings& settings) {
    std::filesystem::path folder = platform.programFolder();
    if (const auto file = findSettingsFile(platform)) {
        folder = file->parent_path();
    } else if (!platform.folderWritable(folder)) {
        folder = platform.userConfigFolder();
        std::error_code error;
        std::filesystem::create_directories(folder, error);
    }
    if (!platform.folderWritable(folder)) return false;

    const std::u16string text = formatSettings(settings);
    const std::optional<std::string> narrow = encodeWindows1252(text);
    return replaceFileAtomically(folder / kSettingsFileName, narrow ? *narrow : encodeUtf8(text));
}

}  // namespace velmor
