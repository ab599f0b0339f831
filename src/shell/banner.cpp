// The start-up banner: at one start in twenty a short greeting appears a
// second after loading and goes a second later. It never blocks input.
#include <string_view>

#include "engine/shown_text.h"
#include "shell/fm_main.h"

namespace velmor {
namespace {

// The banner's 14 characters, each stored lowered by its 1-based position.
constexpr std::u16string_view kScrambledBanner = u"Vci_jg^\u0018XXdUeV";
constexpr int kOneIn = 20;

constexpr char16_t unscrambled(std::u16string_view stored, std::size_t i) {
    return static_cast<char16_t>(stored[i] + i + 1);
}

std::u16string unscramble(std::u16string_view stored) {
    std::u16string text;
    for (std::size_t i = 0; i < stored.size(); ++i)
        text += unscrambled(stored, i);
    return text;
}

// The greeting as it reads, for the translators; the program keeps only the
// scrambled form, which the compiler holds to it.
constexpr std::u16string_view kBanner = VELMOR_TEXT("Velmor", "Welcome aboard");

constexpr bool scramblesTo(std::u16string_view stored, std::u16string_view text) {
    for (std::size_t i = 0; i < stored.size(); ++i)
        if (i >= text.size() || unscrambled(stored, i) != text[i]) return false;
    return stored.size() == text.size();
}
static_assert(scramblesTo(kScrambledBanner, kBanner));

}  // namespace

void FmMain::ShowFlag() {
    if (static_cast<int>(platform_.randomDraw() * kOneIn) > 0) return;
    lbMark.caption = unscramble(kScrambledBanner);
    cmFlag.tag = u"-";  // waiting to be shown
    cmFlag.enabled = true;
}

void FmMain::cmFlag_Timer() {
    cmFlag.enabled = false;
    if (!cmFlag.tag.empty()) {
        pcButtons.visible = true;
        cmFlag.tag.clear();
        cmFlag.enabled = true;  // once more, to hide it again
    } else {
        pcButtons.visible = false;
    }
}

}  // namespace velmor
