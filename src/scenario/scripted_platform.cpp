#include "scenario/scripted_platform.h"

#include <stdlib.h>

#include <stdexcept>
#include <system_error>

namespace velmor::scenario {
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
    : programFolder_(makeTemporaryFolder()),
      userFolder_(makeTemporaryFolder()),
      dataHome_(makeTemporaryFolder()) {
    dataFolder = dataHome_ / "velmor";
}

ScriptedPlatform::~ScriptedPlatform() {
    std::error_code error;
    std::filesystem::remove_all(programFolder_, error);
    std::filesystem::remove_all(userFolder_, error);
    std::filesystem::remove_all(dataHome_, error);
}

bool ScriptedPlatform::folderWritable(const std::filesystem::path& folder) const {
    return folder != programFolder_ || programFolderWritable;
}

void ScriptedPlatform::moveWindow(int left, int top) {
    frame.left = left;
    frame.top = top;
}

}  // namespace velmor::scenario
