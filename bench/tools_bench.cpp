// Each tool recomputes on every change of its inputs (a keystroke in a count box, a picker
// step), so each must answer well inside a millisecond.
#include <string>

#include <benchmark/benchmark.h>

#include "calendar/date.h"
#include "settings/memory_store.h"
#include "tools/alarm_page.h"
#include "tools/day_line.h"
#include "tools/four_pillars.h"
#include "tools/interval.h"
#include "tools/queries.h"

namespace {

using namespace std::chrono_literals;

calendar::sys_days DayOf(const char* date) { return *calendar::ParseDate(date); }

tools::PickerMoment At(const char* date, std::chrono::seconds timeOfDay) {
    return {DayOf(date), timeOfDay};
}

void BM_IntervalText(benchmark::State& state) {
    const calendar::sys_days start = DayOf("2004-01-29");
    const calendar::sys_days end = DayOf("2026-03-05");
    for (auto _ : state) benchmark::DoNotOptimize(tools::IntervalText(start, end));
}
BENCHMARK(BM_IntervalText);

void BM_IntervalTextWholePickerRange(benchmark::State& state) {
    const calendar::sys_days start = DayOf("1601-01-01");
    const calendar::sys_days end = DayOf("9999-12-31");
    for (auto _ : state) benchmark::DoNotOptimize(tools::IntervalText(start, end));
}
BENCHMARK(BM_IntervalTextWholePickerRange);

void BM_DayLineText(benchmark::State& state) {
    const tools::PickerMoment reference = At("2023-04-19", 10h + 48min);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tools::DayLineText(reference, "1.5", tools::DayDirection::Before, false));
    }
}
BENCHMARK(BM_DayLineText);

// A count box holds up to 32767 characters; the longest number it can hold must not be slow.
void BM_DayLineTextLongestCount(benchmark::State& state) {
    const tools::PickerMoment reference = At("2023-04-19", 10h + 48min);
    const std::string count = "0." + std::string(32765, '9');
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tools::DayLineText(reference, count, tools::DayDirection::After, false));
    }
}
BENCHMARK(BM_DayLineTextLongestCount);

// ShowDayLists recomputes both lines at once.
void BM_DayListsBothLines(benchmark::State& state) {
    const tools::PickerMoment reference = At("2024-12-21", 10h + 48min);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tools::DayLineText(reference, "1000", tools::DayDirection::Before, true));
        benchmark::DoNotOptimize(
            tools::DayLineText(reference, "1000", tools::DayDirection::After, true));
    }
}
BENCHMARK(BM_DayListsBothLines);

void BM_FourPillarsText(benchmark::State& state) {
    const calendar::sys_days day = DayOf("2016-03-03");
    for (auto _ : state) benchmark::DoNotOptimize(tools::FourPillarsText(day, 5h + 33min));
}
BENCHMARK(BM_FourPillarsText);

void BM_WeekRangeText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tools::WeekRangeText(2000, "53"));
}
BENCHMARK(BM_WeekRangeText);

void BM_TermDateText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tools::TermDateText(2024, 22));
}
BENCHMARK(BM_TermDateText);

// The worst row is the one whose last year lies furthest back.
void BM_CycleYearsText(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tools::CycleYearsText(44, 2026));
}
BENCHMARK(BM_CycleYearsText);

void BM_LoadAlarmSettings(benchmark::State& state) {
    settings::MemorySettingsStore store;
    store.Write(settings::kSettingsKey, settings::kAlarm1Value, "0.3125");
    store.Write(settings::kSettingsKey, settings::kAlarm2Value, "0.7013888888888888");
    store.Write(settings::kSettingsKey, settings::kChimeValue, "2");
    settings::Schedule schedule;
    const calendar::Moment now{*calendar::ParseDate("2026-03-05"), 14h};
    for (auto _ : state) {
        benchmark::DoNotOptimize(tools::LoadAlarmSettings(store, schedule, {}, now));
    }
}
BENCHMARK(BM_LoadAlarmSettings);

void BM_ApplyAlarmSettings(benchmark::State& state) {
    settings::MemorySettingsStore store;
    settings::Schedule schedule;
    const calendar::sys_days today = *calendar::ParseDate("2026-03-05");
    const tools::AlarmPage page{{today, 7h + 30min}, {today, 16h + 50min}, 2, true};
    for (auto _ : state)
        benchmark::DoNotOptimize(tools::ApplyAlarmSettings(true, page, store, schedule));
}
BENCHMARK(BM_ApplyAlarmSettings);

}  // namespace
