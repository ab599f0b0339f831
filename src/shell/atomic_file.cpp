#include "shell/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <system_error>

namespace velmor {
namespace {

constexpr mode_t kNewFileMode = 0644;

// The folder that holds `file`: its parent, or the working folder for a bare name.
std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

std::string temporaryPrefix(const std::filesystem::path& file) {
    return "." + file.filename().string() + ".tmp-";
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a failure here loses nothing.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool replaceFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    const std::filesystem::path folder = folderOf(file);
    std::string temporary = (folder / (temporaryPrefix(file) + "XXXXXX")).string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;

    struct stat old {};
    const mode_t mode = ::stat(file.c_str(), &old) == 0 ? old.st_mode & 07777 : kNewFileMode;
    bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

void removeStaleTemporaries(const std::filesystem::path& file) {
    const std::string prefix = temporaryPrefix(file);
    std::error_code error;
    const std::filesystem::path folder = folderOf(file);
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().filename().string().starts_with(prefix)) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::optional<std::string> readFileStart(const std::filesystem::path& file, std::size_t limit) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // Read through a buffer of known size, so that _FORTIFY_SOURCE checks
    // every read's length against it.
    std::string bytes;
    std::array<char, 4096> chunk;
    while (bytes.size() < limit) {
        const ssize_t got = ::read(fd, chunk.data(), std::min(chunk.size(), limit - bytes.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

}  // namespace velmor
