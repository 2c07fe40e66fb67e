#include "calendar/whole_interval.h"

#include "calendar/text.h"

namespace calendar {

using namespace std::chrono;

namespace {

// Adding months keeps the day of the month, moved back to the last day of a shorter month.
sys_days AddMonths(const year_month_day& from, int count) {
    const year_month ym = year_month{from.year(), from.month()} + months{count};
    const year_month_day_last last{ym.year(), month_day_last{ym.month()}};
    const day d = from.day() <= last.day() ? from.day() : last.day();
    return sys_days{year_month_day{ym.year(), ym.month(), d}};
}

int MonthIndex(const year_month_day& ymd) {
    return static_cast<int>(ymd.year()) * 12 + static_cast<int>(static_cast<unsigned>(ymd.month()));
}

}  // namespace

WholeSpan WholeIntervalOf(sys_days a, sys_days b) {
    // The span is the same whichever day comes first.
    const sys_days lo = a <= b ? a : b;
    const sys_days hi = a <= b ? b : a;
    const year_month_day loYmd{lo};
    const year_month_day hiYmd{hi};
    // Whole years: a year has at least 365 days, so the estimate never falls short; every century it
    // runs ahead by about a day per four years, which is why it is corrected in a loop.
    WholeSpan span;
    span.years = static_cast<int>((hi - lo).count() / 365);
    while (span.years > 0 && AddMonths(loYmd, span.years * 12) > hi) --span.years;
    // Whole months: the month-number difference is never short either.
    const sys_days mid = AddMonths(loYmd, span.years * 12);
    const year_month_day midYmd{mid};
    span.months = MonthIndex(hiYmd) - MonthIndex(midYmd);
    while (span.months > 0 && AddMonths(midYmd, span.months) > hi) --span.months;
    // What the whole months leave over is days.
    span.days = static_cast<int>((hi - AddMonths(midYmd, span.months)).count());
    return span;
}

int WholeInterval(std::string_view date1, std::string_view date2, std::string_view unit) {
    const char letter = KindLetter(unit);
    if (letter != 'Y' && letter != 'M' && letter != 'D') return 0;
    const auto a = ParseDate(date1);
    const auto b = ParseDate(date2);
    if (!a || !b) return 0;
    const WholeSpan span = WholeIntervalOf(*a, *b);
    return letter == 'Y' ? span.years : (letter == 'M' ? span.months : span.days);
}

}  // namespace calendar
