#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/fm_main.h"
#include "test_support/scripted_platform.h"

namespace velmor {
namespace {

namespace fs = std::filesystem;

TEST(Guide, OpensTheHelpFileOrElseTheHtmlGuideInTheUsersLanguage) {
    test_support::ScriptedPlatform platform;
    const fs::path program = platform.programFolder();
    platform.dataFolder = program / "share";
    const auto place = [](const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    };

    EXPECT_EQ(guideTarget(platform), program / "Velmor.chm");  // nothing there: as asked
    place(platform.dataFolder / "guide/index.html");
    EXPECT_EQ(guideTarget(platform), platform.dataFolder / "guide/index.html");
    place(program / "guide/index.html");
    EXPECT_EQ(guideTarget(platform), program / "guide/index.html");
    // In the user's language, wherever it is; English when there is none.
    platform.languages = {"fr-FR", "fr", "en"};
    EXPECT_EQ(guideTarget(platform), program / "guide/index.html");
    place(platform.dataFolder / "guide/index.fr.html");
    EXPECT_EQ(guideTarget(platform), platform.dataFolder / "guide/index.fr.html");
    platform.languages = {"en-GB", "fr"};
    EXPECT_EQ(guideTarget(platform), program / "guide/index.html");
    place(program / "Velmor.chm");
    EXPECT_EQ(guideTarget(platform), program / "Velmor.chm");
}

}  // namespace
}  // namespace velmor
