// The core work behind one keystroke in the entry box: parse the entry, then
// convert, round and format all nine fields.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "engine/field_display.h"
#include "input/number_text.h"

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

}  // namespace
