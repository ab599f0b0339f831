// Settings that are never lost: what the settings file meets on real
// machines (links, umasks, other editors, a second Velmor, a full stick).
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "options/fm_options.h"
#include "shell/atomic_file.h"
#include "shell/settings_file.h"
#include "shell/text_encoding.h"
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

int entriesIn(const fs::path& folder) {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

unsigned modeOf(const fs::path& path) {
    return static_cast<unsigned>(fs::status(path).permissions() & fs::perms::mask);
}

const Settings kSettings{15, 30, u",", u".", 1, 2, u"1.234,5", 3};
const std::string kOld = "an older session\r\n1,2\r\n";

class SettingsSafetyTest : public ::testing::Test {
protected:
    fs::path programFile() const { return platform.programFolder() / kSettingsFileName; }
    fs::path userFile() const { return platform.userConfigFolder() / kSettingsFileName; }

    test_support::ScriptedPlatform platform;
};

TEST_F(SettingsSafetyTest, ALinkedFileIsWrittenThroughItsLink) {
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
        put(kept, kOld);
        c.link(kept, programFile());
        ASSERT_TRUE(saveSettings(platform, kSettings)) << c.what;
        EXPECT_EQ(fs::symlink_status(programFile()).type(), c.type) << c.what;
        EXPECT_EQ(loadSettings(platform).left, 15) << c.what;
        EXPECT_EQ(contents(kept), contents(programFile())) << c.what;
        EXPECT_EQ(entriesIn(repository), 1) << c.what << ": a temporary file stayed";
        EXPECT_FALSE(fs::exists(userFile())) << c.what;
    }
}

TEST_F(SettingsSafetyTest, NewFilesAndFoldersTakeTheirModesFromTheUmask) {
    struct Case {
        mode_t umask;
        unsigned file;
        unsigned folder;
    };
    const Case cases[] = {{077, 0600, 0700}, {022, 0644, 0700}, {0, 0666, 0700}};
    platform.programFolderWritable = false;  // the user's folder is made anew
    const fs::path madeFolder = platform.userConfigFolder();
    for (const Case& c : cases) {
        fs::remove_all(madeFolder);
        const mode_t previous = ::umask(c.umask);
        const bool saved = saveSettings(platform, kSettings);
        ::umask(previous);
        ASSERT_TRUE(saved);
        EXPECT_EQ(modeOf(userFile()), c.file) << "umask " << c.umask;
        EXPECT_EQ(modeOf(madeFolder), c.folder) << "umask " << c.umask;
    }
}

TEST_F(SettingsSafetyTest, AnExistingFileKeepsItsModeUnlessItsOwnerCannotReadIt) {
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
    EXPECT_EQ(entriesIn(platform.programFolder()), 1);
    EXPECT_TRUE(fs::exists(userFile()));
}

TEST_F(SettingsSafetyTest, AnotherStartLeavesASaveInProgressAlone) {
    put(programFile(), kOld);
    FileReplacement save(programFile());
    ASSERT_TRUE(save.write("the new session"));
    loadSettings(platform);  // a second Velmor starts meanwhile
    ASSERT_TRUE(save.commit());
    EXPECT_EQ(contents(programFile()), "the new session");
    EXPECT_EQ(entriesIn(platform.programFolder()), 1);
}

TEST_F(SettingsSafetyTest, APortableCopyReadsTheNewerOfItsOwnAndTheUsersFile) {
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

// Bytes as other editors save the settings: UTF-16 in either byte order,
// with the byte order mark, or lines ended by a lone CR.
std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(OtherEditorsFiles, AreReadWholeAndCutOnWholeCharacters) {
    constexpr std::u16string_view kText =
        u"t\r\n1,2\r\n\"\u00B7\"\r\n\"\U0001F600\"\r\n1,3\r\n\"1\u00B75\",4\r\n";
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"UTF-16 little end first", utf16(kText, false)},
        {"UTF-16 big end first", utf16(kText, true)},
        {"lines ended by CR",
         "t\r1,2\r\"\xC2\xB7\"\r\"\xF0\x9F\x98\x80\"\r1,3\r\"1\xC2\xB7"
         "5\",4\r"},
    };
    for (const Case& c : cases) {
        const ReadSettings read = parseSettings(decodeText(c.bytes));
        EXPECT_EQ(read.top, 2) << c.what;
        EXPECT_EQ(read.decMark, u"\u00B7") << c.what;
        EXPECT_EQ(read.thsSep, u"\U0001F600") << c.what;
        EXPECT_EQ(read.digits, 3) << c.what;
        EXPECT_EQ(read.entryText, u"1\u00B75") << c.what;
        EXPECT_EQ(read.field, 4) << c.what;
    }

    // A read limit that cuts a UTF-16 file keeps the whole characters before
    // the cut: half a code unit and half a pair are dropped; a lone half
    // reads as U+FFFD.
    const std::string bytes = utf16(u"ab\U0001F600", false);
    EXPECT_EQ(decodeText(bytes.substr(0, 7), true), u"\uFEFFab");
    EXPECT_EQ(decodeText(bytes.substr(0, 9), true), u"\uFEFFab");
    EXPECT_EQ(decodeText(bytes.substr(0, 4) + std::string("\x00\xDC", 2), true), u"\uFEFFa\uFFFD");
}

TEST(Marks, TheReaderAndTheDialogTakeTheSameMarks) {
    struct Case {
        std::u16string mark;
        bool usable;
    };
    const Case cases[] = {
        {u",", true},
        {u"\u00A0", true},
        {u"\U0001F600", true},
        {u"7", false},
        {std::u16string(1, u'\0'), false},
        {u"\u0085", false},
        {u"\u200F", false},
        {u"\u00AD", false},
        {u"\u2028", false},
        {u"\uFEFF", false},
        {u"\xD83D", false},  // the first half of the emoji above
    };
    test_support::ScriptedPlatform platform;
    PendingMarks pending;
    FmOptions dialog(platform, pending);
    for (const Case& c : cases) {
        const std::u16string file = u"t\r\n0,0\r\n\"" + c.mark + u"\"\r\n";
        EXPECT_EQ(parseSettings(file).decMark.has_value(), c.usable) << int(c.mark[0]);
        // Typed into the dialog's "other" box, with a listed separator.
        pending = PendingMarks{u".", u"'"};
        dialog.load();
        dialog.Form_Activate();
        dialog.cbDec.setListIndex(dialog.cbDec.listCount() - 1);
        dialog.txDec.replaceByUser(c.mark);
        EXPECT_EQ(dialog.cmOptExit.enabled, c.usable) << int(c.mark[0]);
    }
}

TEST(Marks, TheDialogsBoxTakesOneCharacterAlsoBeyondTheFirst65536) {
    test_support::ScriptedPlatform platform;
    PendingMarks pending{u".", u","};
    FmOptions dialog(platform, pending);
    dialog.load();
    dialog.Form_Activate();
    dialog.cbDec.setListIndex(dialog.cbDec.listCount() - 1);
    dialog.txDec.replaceByUser(u"\U0001F600");
    dialog.txDec.replaceByUser(u"\U0001F600x");
    EXPECT_EQ(dialog.txDec.text(), u"\U0001F600");
    dialog.cmOptExit_Click();
    EXPECT_EQ(pending.pendDecMark, u"\U0001F600");
}

}  // namespace
}  // namespace velmor
