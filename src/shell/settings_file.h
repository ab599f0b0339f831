#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/platform.h"
#include "shell/settings_text.h"

namespace velmor {

inline constexpr char kSettingsFileName[] = "config.ini";

// Whether the program runs from an installation: its folder is the bin
// folder of a prefix that holds Velmor's installed data (share/velmor and
// the desktop file), as /usr/bin, /usr/local/bin or ~/.local/bin do.
bool isInstalledProgram(const std::filesystem::path& programFolder);

// The folder Velmor's saves go to. An installed Velmor keeps its settings
// in the user's folder only; any other copy keeps them beside itself while
// that folder can take the file, else in the user's folder. Empty when
// there is no user's folder to fall back on.
std::filesystem::path settingsFolder(const Platform& platform);

// The user's configuration folder for Velmor from XDG_CONFIG_HOME and HOME
// (either may be empty): XDG_CONFIG_HOME/velmor, else HOME/.config/velmor.
// A relative value counts as unset; empty when there is no folder at all.
std::filesystem::path userConfigFolderFor(std::string_view configHome, std::string_view home);

// The settings file start-up reads: the one where the next save will write,
// or, while that does not exist yet, a config.ini beside the program, which
// seeds the settings. A copy that keeps its settings beside itself reads
// the user's file instead when that is newer: the last save could not be
// made beside the program and went there.
std::optional<std::filesystem::path> findSettingsFile(const Platform& platform);

// Reads the settings file; empty values when there is none. Only its start
// is read, so a huge file costs no more than a small one. Temporary files
// that a killed save left behind are removed first.
ReadSettings loadSettings(const Platform& platform);

// Writes the settings file into settingsFolder(); when that cannot be done,
// into the user's folder instead. The file is Windows-1252 when every
// character fits, else UTF-8, and is replaced atomically: a failure leaves
// the previous file as it was. Returns whether a file was written.
bool saveSettings(const Platform& platform, const Settings& settings);

// The file that a failed saveSettings tried last, whose failure errno then
// tells; empty when there was no folder to try.
std::filesystem::path lastSaveTarget(const Platform& platform);

}  // namespace velmor
