#include "shell/settings_file.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "shell/atomic_file.h"
#include "test_support/scripted_platform.h"

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

int temporariesBeside(const fs::path& file) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        count += entry.path() != file;
    }
    return count;
}

const Settings kSettings{15, 30, u",", u".", 1, 2, u"1.234,5", 3};

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
    // From now on the user's file is read, the program's only seeded it.
    EXPECT_EQ(findSettingsFile(platform), userFile());
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

TEST_F(SettingsFileTest, ATemporaryLeftBeforeAnyFileExistedGoesAtTheNextStart) {
    put(platform.programFolder() / ".config.ini.tmp-Ab12Cd", "half a save");
    loadSettings(platform);
    EXPECT_TRUE(fs::is_empty(platform.programFolder()));
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

TEST_F(SettingsFileTest, AFolderThatCannotHoldFilesGetsNothing) {
    const fs::path notAFolder = platform.programFolder() / "plain";
    put(notAFolder, "x");
    EXPECT_FALSE(replaceFileAtomically(notAFolder / kSettingsFileName, "bytes"));
    EXPECT_EQ(contents(notAFolder), "x");
}

TEST_F(SettingsFileTest, ReadsOnlyTheStartOfAHugeFile) {
    put(programFile(), std::string(10 << 20, 'x') + "\r\n5,5\r\n");
    EXPECT_FALSE(loadSettings(platform).left);
}

TEST_F(SettingsFileTest, JudgesTheEncodingOfAFileCutByTheReadLimitOnWholeCharacters) {
    // A UTF-8 file whose 64 KiB limit falls inside a euro sign is still UTF-8.
    std::string bytes = "t\r\n0,0\r\n\",\"\r\n\"\xE2\x80\xAF\"\r\n1,1\r\n\"1\",0\r\n";
    bytes += std::string(64 * 1024 - 1 - bytes.size(), 'x') + "\xE2\x82\xAC\r\n";
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

// Runs `body` in a child process and returns how it ended.
template <typename Body>
int inChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0) _exit(body());
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

TEST_F(SettingsFileTest, AWriteCutShortLeavesThePreviousFileAsItWas) {
    const std::string previous = "t\r\n1,2\r\n\".\"\r\n";
    put(programFile(), previous);
    const int status = inChild([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return replaceFileAtomically(programFile(), std::string(64 * 1024, 'n')) ? 1 : 0;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the cut-short write was reported as done";
    EXPECT_EQ(contents(programFile()), previous);
    EXPECT_EQ(temporariesBeside(programFile()), 0);
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

}  // namespace
}  // namespace velmor
