#include "test_support/scripted_platform.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>
#include <system_error>

namespace velmor::test_support {
namespace {

std::filesystem::path makeTemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmor-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "cannot make a temporary folder");
    }
    return pattern;
}

}  // namespace

ScriptedPlatform::ScriptedPlatform()
    : programRoot_(makeTemporaryFolder()),
      programFolder_(programRoot_),
      userFolder_(makeTemporaryFolder()),
      dataHome_(makeTemporaryFolder()) {
    dataFolder = dataHome_ / "velmor";
}

ScriptedPlatform::~ScriptedPlatform() {
    std::error_code error;
    std::filesystem::remove_all(programRoot_, error);
    std::filesystem::remove_all(userFolder_, error);
    std::filesystem::remove_all(dataHome_, error);
}

void ScriptedPlatform::installProgram() {
    const std::filesystem::path prefix = programRoot_ / "usr";
    std::filesystem::create_directories(prefix / "bin");
    std::filesystem::create_directories(prefix / "share/velmor");
    std::filesystem::create_directories(prefix / "share/applications");
    std::ofstream(prefix / "share/applications/org.velmor.Velmor.desktop") << "[Desktop Entry]\n";
    programFolder_ = prefix / "bin";
}

bool ScriptedPlatform::folderWritable(const std::filesystem::path& folder) const {
    if (folder == programFolder_) return programFolderWritable;
    return folder != userFolder_ / "velmor" || userFolderWritable;
}

std::u16string ScriptedPlatform::withFoldersNamed(const UserMessage& message) const {
    std::u16string text = message.english();
    for (const auto& [folder, name] :
         {std::pair{programFolder_, u"<program>"}, std::pair{userFolder_, u"<user>"},
          std::pair{dataHome_, u"<data>"}}) {
        const std::u16string path = folder.u16string();
        for (std::size_t at = text.find(path); at != std::u16string::npos; at = text.find(path, at))
            text.replace(at, path.size(), name);
    }
    return text;
}

void ScriptedPlatform::moveWindow(int left, int top) {
    frame.left = left;
    frame.top = top;
}

}  // namespace velmor::test_support
