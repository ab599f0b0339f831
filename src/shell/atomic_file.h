#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmor {

// A replacement of one file under way. The new bytes go to a temporary file
// in the folder of the file itself (a symbolic link is followed, so that a
// linked file is replaced and the link kept); the temporary file is locked
// while its writer lives, so that another Velmor's start-up leaves it alone.
// A new file is made with mode 0666 less the umask, a replaced one keeps its
// mode. A file that its owner cannot read is never replaced. Whatever was
// not committed goes with the object.
class FileReplacement {
public:
    explicit FileReplacement(const std::filesystem::path& file);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Writes the bytes to the temporary file: every write and the sync are
    // checked. False when the file cannot be replaced or the bytes did not
    // all reach the disk.
    bool write(std::string_view bytes);
    // Puts the written bytes in the file's place. A plain file is replaced
    // by renaming the temporary file over it, so that it is always either the
    // old or the new one. A file with further hard links is rewritten in
    // place instead, once the temporary copy has shown that the bytes fit,
    // so that every link sees the new settings.
    bool commit();

private:
    void discardTemporary();

    std::filesystem::path target_;  // the file, symbolic links followed
    std::string temporary_;
    std::string bytes_;
    int fd_ = -1;
    bool written_ = false;
};

// Replaces `file` with `bytes` through a FileReplacement: on any failure the
// old file is left byte for byte as it was, and false is returned.
bool replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Removes temporary files that an interrupted replacement of `file` left
// beside it; a temporary file whose writer is still at work stays.
void removeStaleTemporaries(const std::filesystem::path& file);

// Makes a folder and those above it that are missing, each with mode 0700
// less the umask. Whether the folder is there now.
bool createFolders(const std::filesystem::path& folder);

// Whether `path` is a regular file; false too when it cannot be looked at.
bool isRegularFile(const std::filesystem::path& path);

// At most `limit` bytes from the start of a regular file; nullopt when there
// is no regular file or it cannot be read.
std::optional<std::string> readFileStart(const std::filesystem::path& file, std::size_t limit);

}  // namespace velmor
