// Composing the faces happens on creation and at midnight; the tick runs every second and
// must stay far below the timer's resolution so that it never delays the next second.
#include <benchmark/benchmark.h>

#include <chrono>

#include "sticker/chime.h"
#include "sticker/clock_labels.h"
#include "sticker/compose.h"
#include "tests/support/fakes.h"

namespace {

using namespace std::chrono;
using namespace std::chrono_literals;

// A leap-month day with a festival-free date: the longest path through both compositions.
const calendar::Moment kMoment{sys_days{2023y / 3 / 22}, 10h + 30min + 15s};

void BM_ComposeBothFaces(benchmark::State& state) {
    for (auto _ : state) {
        auto main = sticker::ComposeMainFaceTexts(kMoment);
        auto alternate = sticker::ComposeAlternateFaceTexts(kMoment);
        benchmark::DoNotOptimize(main);
        benchmark::DoNotOptimize(alternate);
    }
}
BENCHMARK(BM_ComposeBothFaces)->Unit(benchmark::kMicrosecond);

// One main-face tick without sound and speech: the checks (nothing due) and the two labels.
void BM_MainFaceTick(benchmark::State& state) {
    fakes::Recorder recorder;
    const settings::Schedule schedule{3, 7h, 16h + 50min};
    fakes::FixedClock clock(kMoment);
    for (auto _ : state) {
        const calendar::Moment now = clock.Now();
        sticker::CheckChimeAndAlarms(now, schedule, recorder);
        auto labels = sticker::ComposeMainClockTexts(now);
        benchmark::DoNotOptimize(labels);
        clock.Advance(1s);
    }
    benchmark::DoNotOptimize(recorder.actions.size());
}
BENCHMARK(BM_MainFaceTick)->Unit(benchmark::kMicrosecond);

void BM_AlternateFaceTick(benchmark::State& state) {
    fakes::FixedClock clock(kMoment);
    for (auto _ : state) {
        auto labels = sticker::ComposeAlternateClockTexts(clock.Now());
        benchmark::DoNotOptimize(labels);
        clock.Advance(1s);
    }
}
BENCHMARK(BM_AlternateFaceTick)->Unit(benchmark::kMicrosecond);

}  // namespace
