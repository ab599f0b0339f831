#include "shell/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <random>
#include <system_error>

namespace velmor {
namespace {

namespace fs = std::filesystem;

// Far more links than any dotfile manager chains; beyond them lies a loop.
constexpr int kLinkHops = 40;
constexpr int kNameAttempts = 100;

fs::path folderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

std::string temporaryPrefix(const fs::path& file) {
    return "." + file.filename().string() + ".tmp-";
}

// The file a path names, through any symbolic links, whether it exists yet
// or not; empty for a loop of links.
fs::path followLinks(fs::path path) {
    for (int hop = 0; hop < kLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error) return {};
        path = target.is_absolute() ? target : folderOf(path) / target;
    }
    return {};
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
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A new temporary file beside `file`, named as start-up recognises it, with
// mode 0666 less the umask (mkstemp would make it 0600 whatever the umask).
// Its writer holds a lock on it from the start: a temporary file that
// start-up removed before the lock was taken is noticed and made anew.
int createLockedTemporary(const fs::path& file, std::string& name) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = (folderOf(file) / temporaryPrefix(file)).string();
        for (int k = 0; k < 6; ++k)
            name += kLetters[letter(random)];
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return -1;
        struct stat info {};
        int locked = -1;
        while ((locked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (locked == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0) return fd;
        ::close(fd);
        if (locked != 0) {
            ::unlink(name.c_str());
            return -1;
        }
    }
    return -1;
}

}  // namespace

FileReplacement::FileReplacement(const fs::path& file) : target_(followLinks(file)) {
    if (target_.empty()) return;
    struct stat old {};
    const bool exists = ::stat(target_.c_str(), &old) == 0;
    // An owner who took away their own right to read keeps the file as it is.
    if (exists && (old.st_mode & S_IRUSR) == 0) return;
    fd_ = createLockedTemporary(target_, temporary_);
    if (fd_ >= 0 && exists && ::fchmod(fd_, old.st_mode & 07777) != 0) discardTemporary();
}

FileReplacement::~FileReplacement() {
    discardTemporary();
}

void FileReplacement::discardTemporary() {
    if (fd_ < 0) return;
    // Removed while still locked, so that no start-up meets it half gone.
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    ::close(fd_);
    fd_ = -1;
}

bool FileReplacement::write(std::string_view bytes) {
    if (fd_ < 0 || written_) return false;
    if (!writeAll(fd_, bytes) || ::fsync(fd_) != 0) {
        discardTemporary();
        return false;
    }
    bytes_ = bytes;
    written_ = true;
    return true;
}

bool FileReplacement::commit() {
    if (fd_ < 0 || !written_) return false;
    struct stat now {};
    if (::stat(target_.c_str(), &now) == 0 && now.st_nlink > 1) {
        // A rename would leave the other links with the old settings. The
        // temporary copy has shown that the bytes fit; it goes first, so that
        // its room is free again, and the file is rewritten from its start.
        // A killed rewrite leaves at worst the old file's tail after the new
        // six lines, which the reader never reaches.
        discardTemporary();
        const int fd = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) return false;
        bool ok = writeAll(fd, bytes_) && ::ftruncate(fd, static_cast<off_t>(bytes_.size())) == 0 &&
                  ::fsync(fd) == 0;
        ok = ::close(fd) == 0 && ok;
        return ok;
    }
    // The lock is held until the temporary file has its final name, so no
    // start-up can take it away first; the bytes are synced already.
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        discardTemporary();
        return false;
    }
    temporary_.clear();
    discardTemporary();
    syncFolder(folderOf(target_));
    return true;
}

bool replaceFileAtomically(const fs::path& file, std::string_view bytes) {
    FileReplacement replacement(file);
    return replacement.write(bytes) && replacement.commit();
}

void removeStaleTemporaries(const fs::path& file) {
    const auto removeBeside = [](const fs::path& place) {
        const std::string prefix = temporaryPrefix(place);
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folderOf(place), error)) {
            if (!entry.path().filename().string().starts_with(prefix)) continue;
            // A writer that is gone holds no lock any more.
            const int fd =
                ::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
            if (fd < 0) continue;
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(entry.path().c_str());
            ::close(fd);
        }
    };
    removeBeside(file);
    // Saves go beside a link's target; before links were followed, they went
    // beside the link, whose leftovers are cleaned above.
    if (const fs::path target = followLinks(file); !target.empty() && target != file) {
        removeBeside(target);
    }
}

bool createFolders(const fs::path& folder) {
    std::error_code error;
    if (folder.empty() || fs::is_directory(folder, error)) return !folder.empty();
    const fs::path parent = folder.parent_path();
    if (!parent.empty() && parent != folder && !createFolders(parent)) return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool isRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::optional<std::string> readFileStart(const fs::path& file, std::size_t limit) {
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
