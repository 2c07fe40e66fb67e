#include <vector>

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

void BM_LunarOf(benchmark::State& state) {
    sys_days d = calendar::kFirstLunarDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::LunarOf(d));
        d = NextDay(d);
    }
}
BENCHMARK(BM_LunarOf);

void BM_LunarDateText(benchmark::State& state) {
    sys_days d = calendar::kFirstLunarDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::LunarDateText(d));
        d = NextDay(d);
    }
}
BENCHMARK(BM_LunarDateText);

// The dates are read off the walk first, so that only the conversion is timed; the last
// months of a year are the longest walk through its month lengths.
void BM_GregorianOf(benchmark::State& state) {
    std::vector<calendar::LunarDate> dates;
    for (sys_days d = calendar::kFirstLunarDay; d <= calendar::kLastLunarDay; d += days{1})
        dates.push_back(*calendar::LunarOf(d));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::GregorianOf(dates[i]));
        i = i + 1 == dates.size() ? 0 : i + 1;
    }
}
BENCHMARK(BM_GregorianOf);

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

void BM_DayAndHourPillar(benchmark::State& state) {
    using calendar::PillarKind;
    sys_days d = calendar::kFirstLunarDay;
    int minute = 0;
    int k = 0;
    for (auto _ : state) {
        const PillarKind kind = calendar::kPillarKinds[static_cast<std::size_t>(k)];
        if (k % 2 == 0) {
            benchmark::DoNotOptimize(calendar::DayPillar(d, kind));
        } else {
            benchmark::DoNotOptimize(calendar::HourPillar(d, minutes{minute}, kind));
        }
        minute = (minute + 7) % 1440;
        k = (k + 1) & 3;
        d = NextDay(d);
    }
}
BENCHMARK(BM_DayAndHourPillar);

void BM_MonthPillar(benchmark::State& state) {
    sys_days d = calendar::kFirstLunarDay;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calendar::MonthPillar(d, calendar::PillarKind::StemBranch));
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
