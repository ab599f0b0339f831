#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmor {

// Replaces `file` with `bytes` so that the file is always either the old one
// or the new one: the bytes go to a temporary file in the same folder, every
// write, the flush and a sync are checked, then the temporary file is renamed
// over `file`. On any failure the temporary file is removed, the old file is
// left byte for byte as it was, and false is returned.
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Removes temporary files that an interrupted replaceFileAtomically of
// `file` left beside it.
void removeStaleTemporaries(const std::filesystem::path& file);

// Whether `path` is a regular file; false too when it cannot be looked at.
bool isRegularFile(const std::filesystem::path& path);

// At most `limit` bytes from the start of a regular file; nullopt when there
// is no regular file or it cannot be read.
std::optional<std::string> readFileStart(const std::filesystem::path& file, std::size_t limit);

}  // namespace velmor
