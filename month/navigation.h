#pragma once
// Which month the view shows and which day is selected, and how keys, wheel, buttons and
// clicks change them. Every step keeps both inside the months the view offers; a step that
// would leave them changes nothing.
#include <chrono>

#include "calendar/date.h"
#include "month/month_page.h"

namespace month {

struct MonthSelection {
    year_month shown;
    sys_days selected;
    friend bool operator==(const MonthSelection&, const MonthSelection&) = default;
};

// Today's month with today selected; a clock outside the range opens on the nearest month,
// on the day of it nearest to today.
MonthSelection StartAt(sys_days today);

// The arrows: a day or a week on; the month shown follows the selection.
MonthSelection MoveBy(const MonthSelection& at, std::chrono::days step);

// PageUp/PageDown, the wheel and the month buttons: the selection keeps its day of the month,
// or takes the month's last day when the month is shorter.
MonthSelection TurnBy(const MonthSelection& at, int months);
bool CanTurn(const MonthSelection& at, int months);

// A click: a day of a neighbouring month shows that month.
MonthSelection Select(const MonthSelection& at, sys_days day);

}  // namespace month
