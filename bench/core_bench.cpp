// The core work behind one keystroke in the entry box: parse the entry, then
// convert, round and format all nine fields.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "engine/field_display.h"
#include "input/number_text.h"
#include "shell/fm_main.h"
#include "test_support/scripted_platform.h"

namespace {

const std::array<std::u16string, 4> kEntries{u"1536", u"1,234,567.89", u"0.5",
                                             u"922,299,968,520,192"};

void BM_CalcTextVal(benchmark::State& state) {
    const std::u16string& entry = kEntries[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmor::CalcTextVal(entry, u".", u",", u'.'));
    }
}
BENCHMARK(BM_CalcTextVal)->DenseRange(0, 3);

velmor::CalcState typicalState() {
    velmor::CalcState calc;
    calc.activeField = 6;
    calc.entryValue = velmor::Quantity::fromCount(1234'5678);
    calc.thsSep = u",";
    return calc;
}

void BM_DisplayFields(benchmark::State& state) {
    const velmor::CalcState calc = typicalState();
    for (auto _ : state)
        benchmark::DoNotOptimize(velmor::DisplayFields(calc));
}
BENCHMARK(BM_DisplayFields);

void BM_Keystroke(benchmark::State& state) {
    velmor::CalcState calc = typicalState();
    for (auto _ : state) {
        calc.entryValue = velmor::CalcTextVal(kEntries[1], calc.decMark, calc.thsSep, u'.');
        benchmark::DoNotOptimize(velmor::DisplayFields(calc));
    }
}
BENCHMARK(BM_Keystroke);

// One typed digit through the main window's logic: key down, key press, the
// entry box's filter, the change handling and nine fields written into the label
// models. Each digit replaces the whole entry, so every one changes the text.
void BM_TypedDigit(benchmark::State& state) {
    velmor::test_support::ScriptedPlatform platform;
    velmor::PendingMarks pending;
    velmor::FmMain form(platform, pending);
    form.Form_Load();
    form.Form_Activate();
    form.SetField(6, true, true, u"1,234.5678");
    char16_t digit = u'1';
    for (auto _ : state) {
        form.txNum.setSelection(0, velmor::TextBox::kToTheEnd);
        form.deliverKey(velmor::keyTyping(digit));
        digit = digit == u'1' ? u'2' : u'1';
    }
    benchmark::DoNotOptimize(form.lbNum[0].caption.data());
}
BENCHMARK(BM_TypedDigit);

}  // namespace
