#include "month/navigation.h"

namespace month {

using namespace std::chrono;

namespace {

constexpr sys_days kFirstDay{kFirstMonth / 1};
constexpr sys_days kLastDay{kLastMonth / last};


}  // namespace

MonthSelection StartAt(sys_days today) {
    const sys_days day = today < kFirstDay ? kFirstDay : (today > kLastDay ? kLastDay : today);
    return {calendar::MonthOf(day), day};
}

MonthSelection MoveBy(const MonthSelection& at, days step) {
    const sys_days day = at.selected + step;
    if (day < kFirstDay || day > kLastDay) return at;
    return {calendar::MonthOf(day), day};
}

bool CanTurn(const MonthSelection& at, int months) {
    return InMonthRange(at.shown + std::chrono::months{months});
}

MonthSelection TurnBy(const MonthSelection& at, int months) {
    if (!CanTurn(at, months)) return at;
    const year_month shown = at.shown + std::chrono::months{months};
    const day wanted = year_month_day{at.selected}.day();
    const day lastDay = year_month_day_last{shown.year(), month_day_last{shown.month()}}.day();
    return {shown, sys_days{shown / (wanted < lastDay ? wanted : lastDay)}};
}

MonthSelection Select(const MonthSelection& at, sys_days day) {
    if (day < kFirstDay || day > kLastDay) return at;
    return {calendar::MonthOf(day), day};
}

}  // namespace month
