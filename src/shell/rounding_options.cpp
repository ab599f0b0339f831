// The two groups of option boxes that choose decimals and rounding mode.
// Each group acts as a set of radio buttons.
#include "shell/fm_main.h"

namespace velmor {
namespace {

// Checks box nx of a group and unchecks the others. Each box is disabled
// while code changes it, so its click handler ignores the change.
template <std::size_t N>
void checkOnly(std::array<CheckBox, N>& group, int nx) {
    for (std::size_t i = 0; i < N; ++i) {
        group[i].enabled = false;
        group[i].setChecked(static_cast<int>(i) == nx);
        group[i].enabled = true;
    }
}

}  // namespace

void FmMain::SetDigit(std::int16_t nx) {
    checkOnly(chDigit, nx);
    state.digits = nx;
}

void FmMain::SetRnd(std::int16_t nx) {
    checkOnly(chRnd, nx);
    state.rndMode = nx;
}

void FmMain::chDigit_Click(int index) {
    if (!chDigit[static_cast<std::size_t>(index)].enabled) return;
    SetDigit(static_cast<std::int16_t>(index));
    DisplayFields();
}

void FmMain::chRnd_Click(int index) {
    if (!chRnd[static_cast<std::size_t>(index)].enabled) return;
    SetRnd(static_cast<std::int16_t>(index));
    DisplayFields();
}

}  // namespace velmor
