#include "scenario/scenario_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "test_support/scripted_platform.h"

namespace velmor::scenario {
namespace {

namespace fs = std::filesystem;
using test_support::ScriptedPlatform;

struct ScenarioCase {
    const char* what;
    std::string text;
    Verdict expected;
};

void PrintTo(const ScenarioCase& c, std::ostream* os) {
    *os << c.what;
}

class ScenarioFileTest : public ::testing::TestWithParam<ScenarioCase> {
protected:
    Verdict run(const std::string& text) {
        std::ofstream(file_, std::ios::binary) << text;
        std::ostringstream out;
        return runScenarioFile(file_, out);
    }

    ScriptedPlatform machine_;  // lends its temporary folder to the file
    fs::path file_ = machine_.programFolder() / "story.scn";
};

TEST_P(ScenarioFileTest, SkipsCommentsWhateverTheyHold) {
    EXPECT_EQ(run(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScenarioFileTest,
    ::testing::Values(
        ScenarioCase{"a comment with one quote", "# the \"1,5\" entry's quote: \"\nstart\n",
                     Verdict::Passed},
        ScenarioCase{"an indented comment with a bad escape", "  # \"\\q\r\nstart\r\n",
                     Verdict::Passed},
        ScenarioCase{"a comment that names no command", "#expect\n\n   \nstart\n", Verdict::Passed},
        ScenarioCase{"a command with one quote", "start\ntype \"12\n", Verdict::Unreadable},
        ScenarioCase{"a failed expectation after a comment",
                     "# \"\nstart\nexpect txNum text=\"1\"\n", Verdict::Failed}));

TEST(ScriptedPlatform, KeepsEveryFolderInATemporaryFolderOfItsOwn) {
    const fs::path temporary = fs::temp_directory_path();
    std::vector<fs::path> owners;  // the temporary folder that holds each folder
    {
        const ScriptedPlatform machine;
        std::vector<fs::path> folders = machine.dataFolders();
        folders.push_back(machine.programFolder());
        folders.push_back(machine.userConfigFolder());
        for (const fs::path& folder : folders) {
            const fs::path relative = folder.lexically_relative(temporary);
            ASSERT_FALSE(relative.empty() || *relative.begin() == ".." || relative == ".")
                << folder << " lies outside " << temporary;
            owners.push_back(temporary / *relative.begin());
            fs::create_directories(folder / "guide");
        }
        for (std::size_t i = 0; i < owners.size(); ++i) {
            for (std::size_t j = i + 1; j < owners.size(); ++j)
                EXPECT_NE(owners[i], owners[j]);
        }
    }
    for (const fs::path& owner : owners)
        EXPECT_FALSE(fs::exists(owner)) << owner << " outlived its machine";
}

}  // namespace
}  // namespace velmor::scenario
