#include "shell/settings_file.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

#include "shell/atomic_file.h"
#include "test_support/scripted_platform.h"

// The system calls of the settings file's writer and reader, as this program
// makes them fail: a call armed to fail sets errno and returns -1 (a close
// closes first, as the kernel does); every other call goes through.
namespace {

struct Failure {
    const char* call;
    int nth;  // the first of the armed calls that fails, counted from 1
    int error;
    bool onward = false;  // and every later one
};

std::optional<Failure> armed;
int callsSeen = 0;
int callsFailed = 0;

bool fails(const char* call) {
    if (!armed || std::strcmp(call, armed->call) != 0) return false;
    ++callsSeen;
    if (callsSeen < armed->nth || (callsSeen > armed->nth && !armed->onward)) return false;
    ++callsFailed;
    errno = armed->error;
    return true;
}

template <typename Function>
Function next(const char* call) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, call));
}

// Arms a failure for as long as it lives.
struct Failing {
    explicit Failing(const Failure& failure) {
        armed = failure;
        callsSeen = callsFailed = 0;
    }
    ~Failing() { armed.reset(); }
    Failing(const Failing&) = delete;
    Failing& operator=(const Failing&) = delete;
};

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    static const auto real = next<int (*)(const char*, int, ...)>("open");
    mode_t mode = 0;
    if ((flags & (O_CREAT | O_TMPFILE)) != 0) {
        va_list rest;
        va_start(rest, flags);
        mode = va_arg(rest, mode_t);
        va_end(rest);
    }
    return fails("open") ? -1 : real(path, flags, mode);
}
ssize_t read(int fd, void* data, size_t size) {
    static const auto real = next<decltype(&read)>("read");
    return fails("read") ? -1 : real(fd, data, size);
}
ssize_t write(int fd, const void* data, size_t size) {
    static const auto real = next<decltype(&write)>("write");
    return fails("write") ? -1 : real(fd, data, size);
}
int flock(int fd, int operation) noexcept {
    static const auto real = next<decltype(&flock)>("flock");
    return fails("flock") ? -1 : real(fd, operation);
}
int fsync(int fd) {
    static const auto real = next<decltype(&fsync)>("fsync");
    return fails("fsync") ? -1 : real(fd);
}
int ftruncate(int fd, off_t length) noexcept {
    static const auto real = next<decltype(&ftruncate)>("ftruncate");
    return fails("ftruncate") ? -1 : real(fd, length);
}
int rename(const char* from, const char* to) noexcept {
    static const auto real = next<decltype(&rename)>("rename");
    return fails("rename") ? -1 : real(from, to);
}
int close(int fd) {
    static const auto real = next<decltype(&close)>("close");
    const int closed = real(fd);
    return fails("close") ? -1 : closed;
}

}  // extern "C"

namespace velmor {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void put(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

unsigned modeOf(const fs::path& path) {
    return static_cast<unsigned>(fs::status(path).permissions() & fs::perms::mask);
}

int temporariesBeside(const fs::path& file) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        count += entry.path() != file;
    }
    return count;
}

const Settings kSettings{15, 30, u",", u".", 1, 2, u"1.234,5", 3};
const std::string kOld = "an older session\r\n1,2\r\n";

class SettingsFileTest : public ::testing::Test {
protected:
    fs::path programFile() const { return platform.programFolder() / kSettingsFileName; }
    fs::path userFile() const { return platform.userConfigFolder() / kSettingsFileName; }

    test_support::ScriptedPlatform platform;
};

TEST_F(SettingsFileTest, APortableCopyKeepsItsSettingsBesideItself) {
    EXPECT_FALSE(findSettingsFile(platform));
    ASSERT_TRUE(saveSettings(platform, kSettings));
    EXPECT_EQ(findSettingsFile(platform), programFile());
    EXPECT_EQ(loadSettings(platform).entryText, u"1.234,5");
    EXPECT_FALSE(fs::exists(userFile()));
}

TEST_F(SettingsFileTest, AProgramFolderThatCannotBeWrittenSeedsTheUsersSettings) {
    put(programFile(), "t\r\n1,2\r\n");
    platform.programFolderWritable = false;
    EXPECT_EQ(loadSettings(platform).left, 1);
    ASSERT_TRUE(saveSettings(platform, kSettings));
    EXPECT_EQ(contents(programFile()), "t\r\n1,2\r\n");
    // From now on the user's file is read, the program's only seeded it,
    // even once an administrator has put a newer one there.
    EXPECT_EQ(findSettingsFile(platform), userFile());
    fs::last_write_time(programFile(), fs::last_write_time(userFile()) + std::chrono::hours(1));
    EXPECT_EQ(loadSettings(platform).left, 15);
}

TEST_F(SettingsFileTest, AnInstalledProgramKeepsSettingsOnlyInTheUsersFolder) {
    platform.installProgram();
    EXPECT_TRUE(isInstalledProgram(platform.programFolder()));
    put(programFile(), "an administrator's\r\n1,2\r\n");
    EXPECT_EQ(loadSettings(platform).left, 1);
    ASSERT_TRUE(saveSettings(platform, kSettings));
    EXPECT_EQ(contents(programFile()), "an administrator's\r\n1,2\r\n");
    EXPECT_EQ(loadSettings(platform).left, 15);
    EXPECT_EQ(temporariesBeside(programFile()), 0);
}

TEST_F(SettingsFileTest, OnlyABinFolderBesideVelmorsDataIsAnInstallation) {
    const fs::path prefix = platform.programFolder() / "prefix";
    fs::create_directories(prefix / "bin");
    EXPECT_FALSE(isInstalledProgram(prefix / "bin"));
    fs::create_directories(prefix / "share/velmor");
    EXPECT_FALSE(isInstalledProgram(prefix / "bin"));  // no desktop file
    fs::create_directories(prefix / "share/applications");
    put(prefix / "share/applications/org.velmor.Velmor.desktop", "[Desktop Entry]\n");
    EXPECT_TRUE(isInstalledProgram(prefix / "bin"));
    fs::rename(prefix / "bin", prefix / "tools");
    EXPECT_FALSE(isInstalledProgram(prefix / "tools"));
}

TEST_F(SettingsFileTest, WithoutAHomeFolderNothingIsWrittenAnywhereElse) {
    platform.programFolderWritable = false;
    platform.homeless = true;
    EXPECT_FALSE(saveSettings(platform, kSettings));
    EXPECT_FALSE(fs::exists(programFile()));
    EXPECT_FALSE(findSettingsFile(platform));
}

TEST_F(SettingsFileTest, ATemporaryLeftByACrashGoesAtTheNextStart) {
    // Even before any file existed,
    put(platform.programFolder() / ".config.ini.tmp-Ab12Cd", "half a save");
    loadSettings(platform);
    EXPECT_TRUE(fs::is_empty(platform.programFolder()));
    // and beside a linked file's target, where saves go.
    const fs::path kept = platform.programFolder() / "dotfiles" / kSettingsFileName;
    fs::create_directory(kept.parent_path());
    put(kept, kOld);
    fs::create_symlink("dotfiles/config.ini", programFile());
    put(kept.parent_path() / ".config.ini.tmp-Ef34Gh", "half a save");
    loadSettings(platform);
    EXPECT_EQ(temporariesBeside(kept), 0);
}

TEST_F(SettingsFileTest, WritesWindows1252UnlessAMarkDoesNotFit) {
    ASSERT_TRUE(saveSettings(platform, Settings{0, 0, u"\u00B7", u"\u00A0", 1, 1, u"1", 0}));
    EXPECT_EQ(
        contents(programFile()),
        "Velmor (https://velmor.example)\r\n0,0\r\n\"\xB7\"\r\n\"\xA0\"\r\n1,1\r\n\"1\",0\r\n");
    ASSERT_TRUE(saveSettings(platform, Settings{0, 0, u",", u"\u202F", 1, 1, u"1", 0}));
    EXPECT_NE(contents(programFile()).find("\r\n\"\xE2\x80\xAF\"\r\n"), std::string::npos);
    EXPECT_EQ(loadSettings(platform).thsSep, u"\u202F");
}

TEST_F(SettingsFileTest, ADirectoryInThePlaceOfTheFileSendsTheSettingsToTheUsersFolder) {
    fs::create_directory(programFile());
    EXPECT_FALSE(loadSettings(platform).left);
    ASSERT_TRUE(saveSettings(platform, kSettings));
    EXPECT_TRUE(fs::is_directory(programFile()));
    EXPECT_EQ(temporariesBeside(programFile()), 0);
    EXPECT_EQ(loadSettings(platform).left, 15);
}

TEST_F(SettingsFileTest, ReadsAUtf16FileFromItsByteOrderMarkOn) {
    std::string bytes = "\xFF\xFE";
    for (const char c : std::string_view("t\r\n15,30\r\n"))
        bytes += {c, '\0'};
    put(programFile(), bytes);
    EXPECT_EQ(loadSettings(platform).top, 30);
}

TEST_F(SettingsFileTest, ReadsOnlyTheStartOfAHugeFile) {
    put(programFile(), std::string(10 << 20, 'x') + "\r\n5,5\r\n");
    EXPECT_FALSE(loadSettings(platform).left);
}

TEST_F(SettingsFileTest, JudgesTheEncodingOfAFileCutByTheReadLimitOnWholeCharacters) {
    // A UTF-8 file whose 64 KiB limit falls inside a euro sign, two of its
    // three bytes before the limit, is still UTF-8.
    std::string bytes = "t\r\n0,0\r\n\",\"\r\n\"\xE2\x80\xAF\"\r\n1,1\r\n\"1\",0\r\n";
    bytes += std::string(64 * 1024 - 2 - bytes.size(), 'x') + "\xE2\x82\xAC\r\n";
    put(programFile(), bytes);
    EXPECT_EQ(loadSettings(platform).thsSep, u"\u202F");
}

TEST_F(SettingsFileTest, ReadsAFileOfManyBufferfulsWholeOrUpToTheLimit) {
    std::string bytes;
    for (int i = 0; i < 10000; ++i)
        bytes += static_cast<char>('a' + i % 26);
    put(programFile(), bytes);
    EXPECT_EQ(readFileStart(programFile(), 20000), bytes);
    EXPECT_EQ(readFileStart(programFile(), 9001), bytes.substr(0, 9001));
}

TEST_F(SettingsFileTest, AReaderOfTheOldFileNeverSeesTheNewBytesMixedIn) {
    put(programFile(), kOld);
    std::ifstream reader(programFile(), std::ios::binary);  // opened before the save
    ASSERT_TRUE(saveSettings(platform, kSettings));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(reader), {}), kOld);
    EXPECT_EQ(loadSettings(platform).left, 15);
}

TEST_F(SettingsFileTest, AKilledSaveLeavesTheOldOrTheNewFile) {
    const std::string oldBytes(256 * 1024, 'o');
    const std::string newBytes(512 * 1024, 'n');
    for (int round = 0; round < 12; ++round) {
        put(programFile(), oldBytes);
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;)
                replaceFileAtomically(programFile(), newBytes);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500 + 700 * round));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = contents(programFile());
        EXPECT_TRUE(now == oldBytes || now == newBytes) << "a mix after round " << round;
        // What the killed save left beside the file goes at the next start.
        loadSettings(platform);
        EXPECT_EQ(temporariesBeside(programFile()), 0);
    }
}

TEST_F(SettingsFileTest, ALinkedFileIsWrittenThroughItsLink) {
    const fs::path repository = platform.programFolder() / "dotfiles";
    const fs::path kept = repository / kSettingsFileName;
    struct Case {
        const char* what;
        void (*link)(const fs::path& kept, const fs::path& file);
        fs::file_type type;  // what stands beside the program afterwards
    };
    const Case cases[] = {
        {"a symbolic link",
         [](const fs::path&, const fs::path& file) {
             fs::create_symlink("dotfiles/config.ini", file);
         },
         fs::file_type::symlink},
        {"a hard link",
         [](const fs::path& kept, const fs::path& file) { fs::create_hard_link(kept, file); },
         fs::file_type::regular},
    };
    for (const Case& c : cases) {
        fs::remove_all(repository);
        fs::remove(programFile());
        fs::create_directory(repository);
        put(kept, kOld + std::string(300, '#'));  // longer than the new settings
        c.link(kept, programFile());
        ASSERT_TRUE(saveSettings(platform, kSettings)) << c.what;
        EXPECT_EQ(fs::symlink_status(programFile()).type(), c.type) << c.what;
        EXPECT_EQ(loadSettings(platform).left, 15) << c.what;
        EXPECT_EQ(contents(kept), contents(programFile())) << c.what;
        EXPECT_EQ(contents(kept).find('#'), std::string::npos) << c.what << ": the old tail stayed";
        EXPECT_EQ(temporariesBeside(kept), 0) << c.what << ": a temporary file stayed";
        EXPECT_FALSE(fs::exists(userFile())) << c.what;
    }
}

TEST_F(SettingsFileTest, NewFilesAndFoldersTakeTheirModesFromTheUmask) {
    struct Case {
        mode_t umask;
        unsigned file;
        unsigned folder;
    };
    const Case cases[] = {{077, 0600, 0700}, {022, 0644, 0700}, {0, 0666, 0700}};
    // The user's folder is made anew, and its parent too, as in a home
    // without ~/.config.
    platform.programFolderWritable = false;
    const fs::path madeFolder = platform.userConfigFolder();
    for (const Case& c : cases) {
        fs::remove_all(madeFolder.parent_path());
        const mode_t previous = ::umask(c.umask);
        const bool saved = saveSettings(platform, kSettings);
        ::umask(previous);
        ASSERT_TRUE(saved);
        EXPECT_EQ(modeOf(userFile()), c.file) << "umask " << c.umask;
        EXPECT_EQ(modeOf(madeFolder), c.folder) << "umask " << c.umask;
        EXPECT_EQ(modeOf(madeFolder.parent_path()), c.folder) << "umask " << c.umask;
    }
}

TEST_F(SettingsFileTest, AnExistingFileKeepsItsModeUnlessItsOwnerCannotReadIt) {
    put(programFile(), kOld);
    fs::permissions(programFile(), fs::perms(0640));
    ASSERT_TRUE(saveSettings(platform, kSettings));
    EXPECT_EQ(modeOf(programFile()), 0640u);

    put(programFile(), kOld);
    fs::permissions(programFile(), fs::perms(0200));
    EXPECT_FALSE(replaceFileAtomically(programFile(), "new"));
    // The session's settings went to the user's folder instead.
    ASSERT_TRUE(saveSettings(platform, kSettings));
    fs::permissions(programFile(), fs::perms(0600));
    EXPECT_EQ(contents(programFile()), kOld);
    EXPECT_EQ(temporariesBeside(programFile()), 0);
    EXPECT_TRUE(fs::exists(userFile()));
}

TEST_F(SettingsFileTest, AnotherStartLeavesASaveInProgressAlone) {
    put(programFile(), kOld);
    FileReplacement save(programFile());
    ASSERT_TRUE(save.write("the new session"));
    loadSettings(platform);  // a second Velmor starts meanwhile
    ASSERT_TRUE(save.commit());
    EXPECT_EQ(contents(programFile()), "the new session");
    EXPECT_EQ(temporariesBeside(programFile()), 0);
}

TEST_F(SettingsFileTest, APortableCopyReadsTheNewerOfItsOwnAndTheUsersFile) {
    // The stick was full at the last save, which went to the user's folder.
    put(programFile(), "t\r\n1,1\r\n");
    fs::create_directories(platform.userConfigFolder());
    put(userFile(), "t\r\n2,2\r\n");
    const auto now = fs::file_time_type::clock::now();
    struct Case {
        fs::path newer;
        std::int32_t left;
    };
    for (const Case& c : {Case{userFile(), 2}, Case{programFile(), 1}}) {
        fs::last_write_time(programFile(), now - std::chrono::hours(1));
        fs::last_write_time(userFile(), now - std::chrono::hours(1));
        fs::last_write_time(c.newer, now);
        EXPECT_EQ(loadSettings(platform).left, c.left) << c.newer;
    }
}

TEST_F(SettingsFileTest, AnInterruptedSaveGoesOnAndAFailedOneLeavesTheOldFile) {
    struct Case {
        Failure failure;
        bool saved;
        bool hardLinked = false;
    };
    const Case cases[] = {
        // A call interrupted by a signal, or a name another file took, is
        // made again.
        {{"open", 1, EEXIST}, true},
        {{"flock", 1, EINTR}, true},
        {{"write", 1, EINTR}, true},
        // Any other failure fails the save, as does every name taken.
        {{"open", 1, EACCES}, false},
        {{"open", 1, EEXIST, true}, false},
        {{"flock", 1, ENOLCK}, false},
        {{"write", 1, ENOSPC}, false},
        {{"fsync", 1, EIO}, false},
        {{"rename", 1, EXDEV}, false},
        // The rewrite in place after the temporary copy, down to an error
        // that only the close reports.
        {{"open", 2, EACCES}, false, true},
        {{"write", 2, ENOSPC}, false, true},
        {{"ftruncate", 1, EIO}, false, true},
        {{"fsync", 2, EIO}, false, true},
        {{"close", 1, EIO, true}, false, true},
    };
    // A writer that took standard input for its temporary file would change
    // its mode and write into it, as root even /dev/null's: here it is a
    // scratch file.
    const int scratch =
        ::open((platform.dataFolder.parent_path() / "stdin").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::dup2(scratch, STDIN_FILENO), STDIN_FILENO);
    ::close(scratch);
    const fs::path link = platform.programFolder() / "link.ini";
    const std::string bytes = "the new settings";
    for (const Case& c : cases) {
        put(programFile(), kOld);
        if (c.hardLinked) fs::create_hard_link(programFile(), link);
        bool saved = false;
        {
            const Failing failing(c.failure);
            saved = replaceFileAtomically(programFile(), bytes);
            EXPECT_GE(callsFailed, 1) << c.failure.call;
        }
        fs::remove(link);
        EXPECT_EQ(saved, c.saved) << c.failure.call << ' ' << c.failure.nth;
        if (!c.hardLinked) {
            EXPECT_EQ(contents(programFile()), saved ? bytes : kOld) << c.failure.call;
        }
        EXPECT_EQ(temporariesBeside(programFile()), 0) << c.failure.call;
    }
    // Started with standard input closed, Velmor may get descriptor 0 for
    // the temporary file and for the rewrite: it serves as any other, and a
    // private file stays private.
    ::close(STDIN_FILENO);
    for (const bool hardLinked : {true, false}) {
        put(programFile(), kOld);
        fs::permissions(programFile(), fs::perms::owner_read | fs::perms::owner_write);
        if (hardLinked) fs::create_hard_link(programFile(), link);
        errno = EEXIST;  // left by an earlier call, as a folder made meanwhile leaves it
        EXPECT_TRUE(replaceFileAtomically(programFile(), bytes)) << hardLinked;
        fs::remove(link);
        EXPECT_EQ(contents(programFile()), bytes);
        EXPECT_EQ(modeOf(programFile()), 0600u);
        EXPECT_EQ(temporariesBeside(programFile()), 0) << hardLinked;
    }
    const std::string now = contents(programFile());
    {
        const Failing interrupted({"read", 1, EINTR});
        EXPECT_EQ(readFileStart(programFile(), 100), now);
    }
    const Failing failing({"read", 1, EIO});
    EXPECT_FALSE(readFileStart(programFile(), 100));
}

TEST(UserConfigFolder, RelativeValuesCountAsUnset) {
    struct Case {
        const char* configHome;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/cfg", "/home/u", "/cfg/velmor"},
        {"", "/home/u", "/home/u/.config/velmor"},
        {"rel/cfg", "/home/u", "/home/u/.config/velmor"},
        {"~/.config", "/home/u", "/home/u/.config/velmor"},
        {"rel/cfg", "home/u", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(userConfigFolderFor(c.configHome, c.home), fs::path(c.folder))
            << '"' << c.configHome << "\", \"" << c.home << '"';
    }
}

}  // namespace
}  // namespace velmor
