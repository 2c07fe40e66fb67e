#include "sticker/clock_win.h"

#include <windows.h>

namespace sticker {

using namespace std::chrono;

Moment LocalClock::Now() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    const year_month_day date{year{t.wYear}, month{t.wMonth}, day{t.wDay}};
    // A leap second, where the system reports one, is shown as the last second of its minute.
    const unsigned second = t.wSecond < 60 ? t.wSecond : 59;
    return Moment{sys_days{date}, hours{t.wHour} + minutes{t.wMinute} + seconds{second}};
}

}  // namespace sticker
