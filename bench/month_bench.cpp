// The month view composes its 42 cells on every change of month (a key, the wheel, a button),
// so composing must stay far below a frame: well under 50 microseconds.
#include <benchmark/benchmark.h>

#include "calendar/holidays.h"
#include "month/day_details.h"
#include "month/month_page.h"

namespace {

using namespace std::chrono;

void BM_ComposeMonthPage(benchmark::State& state) {
    const calendar::HolidaySchedule holidays;
    const sys_days today{2026y / 2 / 17};
    for (auto _ : state)
        benchmark::DoNotOptimize(month::ComposeMonthPage(2026y / 2, today, holidays));
}
BENCHMARK(BM_ComposeMonthPage);

// Turning through the whole range: every kind of month, leap months and range ends included.
void BM_ComposeMonthPageEveryMonth(benchmark::State& state) {
    const calendar::HolidaySchedule holidays;
    const sys_days today{2026y / 2 / 17};
    year_month m = month::kFirstMonth;
    for (auto _ : state) {
        benchmark::DoNotOptimize(month::ComposeMonthPage(m, today, holidays));
        m = m == month::kLastMonth ? month::kFirstMonth : m + months{1};
    }
}
BENCHMARK(BM_ComposeMonthPageEveryMonth);

void BM_DayDetails(benchmark::State& state) {
    const calendar::HolidaySchedule holidays;
    const sys_days today{2026y / 2 / 14};
    for (auto _ : state)
        benchmark::DoNotOptimize(month::DayDetails(sys_days{2026y / 2 / 17}, today, holidays));
}
BENCHMARK(BM_DayDetails);

// Parsed once per opening of the view: the built-in schedule with a user's year over it.
void BM_HolidayScheduleWithUserYear(benchmark::State& state) {
    const calendar::HolidayList user = calendar::ParseHolidayText(
        "2027-01-01\t休\t元旦\n2027-02-06\t休\t春节\n2027-02-07\t班\t春节\n");
    for (auto _ : state) benchmark::DoNotOptimize(calendar::HolidaySchedule(user));
}
BENCHMARK(BM_HolidayScheduleWithUserYear);

}  // namespace
