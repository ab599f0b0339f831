#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace velmor::scenario {

// The machine around Velmor as a scenario sets it up.
class ScriptedPlatform : public Platform {
public:
    RegionalMarks regionalMarks() const override { return marks; }
    std::optional<std::u16string> clipboardText() const override { return clipboard; }

    RegionalMarks marks{u".", u","};
    std::optional<std::u16string> clipboard;
};

}  // namespace velmor::scenario
