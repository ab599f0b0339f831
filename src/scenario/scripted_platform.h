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
    void setClipboardText(const std::u16string& text) override { clipboard = text; }
    // The draws are scripted, so there is no clock to seed from.
    void seedRandomFromClock() override {}
    double randomDraw() override { return nextDraw; }
    void endProgram() override { programEnded = true; }

    RegionalMarks marks{u".", u","};
    std::optional<std::u16string> clipboard;
    double nextDraw = 0.5;
    bool programEnded = false;
};

}  // namespace velmor::scenario
