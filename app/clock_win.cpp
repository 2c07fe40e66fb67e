#include "app/clock_win.h"

#include <windows.h>

namespace app {

using namespace std::chrono;

calendar::Moment LocalClock::Now() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    const year_month_day date{year{t.wYear}, month{t.wMonth}, day{t.wDay}};
    // A leap second, where the system reports one, is shown as the last second of its minute.
    const unsigned second = t.wSecond < 60 ? t.wSecond : 59;
    return calendar::Moment{sys_days{date}, hours{t.wHour} + minutes{t.wMinute} + seconds{second}};
}

}  // namespace app
