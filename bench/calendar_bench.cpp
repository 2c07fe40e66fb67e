#include <benchmark/benchmark.h>

#include "calendar/festivals.h"
#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "calendar/moon.h"
#include "calendar/solar_terms.h"
#include "calendar/term_moments.h"
#include "calendar/whole_interval.h"

namespace {

using namespace std::chrono;

// Walks the whole supported range so that no single year's cached branch flatters the figure.
sys_days NextDay(sys_days d) {
    d += days{1};
    return d > calendar::kLastLunarDay ? calendar::kFirstLunarDay : d;
}

void BM_LunarDateTextOf(benchmark::State& state) {
    sys_days d = calendar::kFirstLunarDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::LunarDateTextOf(d));
        d = NextDay(d);
    }
}
BENCHMARK(BM_LunarDateTextOf);

// The calling convention spelled out, as callers holding a year and an offset use it.
void BM_LunarDateText(benchmark::State& state) {
    sys_days d = calendar::kFirstLunarDay;
    for (auto _ : state) {
        int y = static_cast<int>(year_month_day{d}.year());
        y = y < 1902 ? 1902 : (y > 2099 ? 2099 : y);
        const int offset = static_cast<int>((d - calendar::SpringFestivalDay(y - 1)).count());
        benchmark::DoNotOptimize(calendar::LunarDateText(y, offset));
        d = NextDay(d);
    }
}
BENCHMARK(BM_LunarDateText);

void BM_SolarTermDate(benchmark::State& state) {
    int year = 1901;
    int index = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::SolarTermDate(year, index));
        if (++index > 24) {
            index = 1;
            year = year == 2100 ? 1901 : year + 1;
        }
    }
}
BENCHMARK(BM_SolarTermDate);

// One year's 24 moments, as the month view and the tools compute them on demand.
void BM_SolarTermMomentsOfAYear(benchmark::State& state) {
    int year = 1901;
    for (auto _ : state) {
        for (int index = 1; index <= 24; ++index)
            benchmark::DoNotOptimize(calendar::SolarTermMoment(year, index));
        year = year == 2100 ? 1901 : year + 1;
    }
}
BENCHMARK(BM_SolarTermMomentsOfAYear)->Unit(benchmark::kMicrosecond);

void BM_NewMoonNear(benchmark::State& state) {
    sys_days d = calendar::kFirstLunarDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::NewMoonNear(d));
        d = NextDay(d);
    }
}
BENCHMARK(BM_NewMoonNear);

void BM_DayHourPillar(benchmark::State& state) {
    sys_days d = calendar::kFirstLunarDay;
    int minute = 0;
    const char* kinds[] = {"D", "T", "L", "N"};
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::DayHourPillar(d, minute / 60, minute % 60, kinds[k]));
        minute = (minute + 7) % 1440;
        k = (k + 1) & 3;
        d = NextDay(d);
    }
}
BENCHMARK(BM_DayHourPillar);

void BM_DayHourPillarText(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::DayHourPillar("2024-02-10", 0, 30, "T"));
    }
}
BENCHMARK(BM_DayHourPillarText);

void BM_MonthPillar(benchmark::State& state) {
    sys_days d = calendar::kFirstLunarDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::MonthPillar(d, "D"));
        d = NextDay(d);
    }
}
BENCHMARK(BM_MonthPillar);

void BM_DayFestivals(benchmark::State& state) {
    sys_days d = calendar::kFirstLunarDay;
    for (auto _ : state) {
        const int y = static_cast<int>(year_month_day{d}.year());
        benchmark::DoNotOptimize(
            calendar::DayFestivals(y < 1902 ? 1902 : (y > 2099 ? 2099 : y), d));
        d = NextDay(d);
    }
}
BENCHMARK(BM_DayFestivals);

void BM_WholeIntervalOf(benchmark::State& state) {
    const sys_days a{1601y / 1 / 31};
    sys_days b{9999y / 12 / 31};
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::WholeIntervalOf(a, b));
        b -= days{97};
        if (b < a) b = sys_days{9999y / 12 / 31};
    }
}
BENCHMARK(BM_WholeIntervalOf);

}  // namespace
