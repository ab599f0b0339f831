#pragma once

#include <filesystem>
#include <optional>

#include "platform/platform.h"
#include "shell/settings_text.h"

namespace velmor {

inline constexpr char kSettingsFileName[] = "config.ini";

// The settings file start-up reads: the program folder's when there is one,
// else the user's.
std::optional<std::filesystem::path> findSettingsFile(const Platform& platform);

// Reads the settings file, wherever it is; empty values when there is none.
// Only its start is read, so a huge file costs no more than a small one.
ReadSettings loadSettings(const Platform& platform);

// Writes the settings file where it was found; a new one goes to the
// program's folder when that is writable, else to the user's folder. The
// file is Windows-1252 when every character fits, else UTF-8, and is
// replaced atomically: a failure leaves the previous file as it was.
bool saveSettings(const Platform& platform, const Settings& settings);

}  // namespace velmor
