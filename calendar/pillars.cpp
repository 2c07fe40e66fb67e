#include "calendar/pillars.h"

#include "calendar/name_tables.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"

namespace calendar {

using namespace std::chrono;

namespace {

int PositiveMod(long long value, int modulus) {
    const long long r = value % modulus;
    return static_cast<int>(r < 0 ? r + modulus : r);
}

// The sixty-cycle position (1..60) of a stem and a branch of the same parity; the Chinese
// remainder of the two counts, so no text search is needed.
int CyclePosition(int stem, int branch) {
    for (int n = stem; n <= 60; n += 10) {
        if ((n - 1) % 12 == branch - 1) return n;
    }
    return 0;
}

std::string Join(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string text;
    text.reserve(a.size() + b.size() + c.size());
    text += a;
    text += b;
    text += c;
    return text;
}

// The month-order tables start at the 寅 month, which is branch 3.
int BranchOfMonth(int monthNumber) { return (monthNumber + 1) % 12 + 1; }

// Days since 1970-01-01 of 2000-01-01, a 戊午 day: stem 5, branch 7.
constexpr long long kAnchorDay = 10957;

std::string HourPiece(int dayStem, int hour, int minute, char kind) {
    const int period = HourPeriod(hour, minute);
    if (period == 0) return {};
    // 4. The 子 hour of a 甲 day is 甲子; each later day stem moves it on by two.
    int base = 2 * dayStem - 1;
    if (base <= 0) base += 10;
    int stem = period + base - 1;
    if (stem > 10) {
        stem %= 10;
        if (stem == 0) stem = 10;
    }
    switch (kind) {
        case 'T':
            return Join(StemName(stem), HourDescription(period));
        case 'X':
            return Join(StemElement(stem), BranchElement(period), "时");
        case 'V':
            return Join(StemDirection(stem), BranchDirection(period), "时");
        case 'L':
            return Join(NayinName(CyclePosition(stem, period)), "时");
        default:
            return {};
    }
}

}  // namespace

std::string YearPillar(int year, std::string_view kind) {
    // Year 4 of the common era is 甲子.
    const int n = PositiveMod(static_cast<long long>(year) - 4, 60);
    const int stem = n % 10 + 1;
    const int branch = n % 12 + 1;
    switch (KindLetter(kind)) {
        case 'D':
            return Join(StemName(stem), BranchName(branch));
        case 'W':
            return Join(StemElement(stem), BranchElement(branch));
        case 'F':
            return Join(StemDirection(stem), BranchDirection(branch));
        case 'L':
            return std::string(NayinName(n + 1));
        default:
            return {};
    }
}

std::string YearZodiac(int year) {
    return std::string(ZodiacName(PositiveMod(static_cast<long long>(year) - 4, 12) + 1));
}

std::string MonthPillar(sys_days date, std::string_view kind) {
    const char letter = KindLetter(kind);
    if (letter != 'D' && letter != 'W' && letter != 'F' && letter != 'L') return {};
    // 1. An empty term (year outside the table) is never reached, so no boundary is crossed.
    const int y = static_cast<int>(year_month_day{date}.year());
    auto reached = [&](int index) {
        const auto term = SolarTermDay(y, index);
        return term && date >= *term;
    };
    // 2. The latest 节 term of the year already reached opens the month.
    int q = 12;
    for (int t = kGreaterSnow; t >= kStartOfSpring; t -= 2) {
        if (reached(t)) {
            q = (t + 1) / 2;
            break;
        }
    }
    // 3. Before 立春 the month is that of 小寒, or still the 子 month of December.
    const auto lesserCold = SolarTermDay(y, kLesserCold);
    const auto springBegins = SolarTermDay(y, kStartOfSpring);
    const bool beforeSpring = springBegins && date < *springBegins;
    if (lesserCold && date >= *lesserCold && beforeSpring) {
        q = 12;
    } else if (lesserCold && date < *lesserCold) {
        q = 11;
    }
    // 4. The year of the stems changes at 立春.
    const int stemYear = beforeSpring ? y - 1 : y;
    // 5. The 寅 month of a 甲 or 己 year is 丙寅; each later year stem moves it on by two.
    const int k = PositiveMod(static_cast<long long>(stemYear) - 3, 10);
    const int v = 2 * k + q;
    int stem = v < 10 ? v : v % 10;
    if (stem == 0) stem = 10;
    // 6.
    switch (letter) {
        case 'D':
            return Join(StemName(stem), MonthBranchName(q), "月");
        case 'W':
            return Join(StemElement(stem), MonthBranchElement(q), "月");
        case 'F':
            return Join(StemDirection(stem), MonthBranchDirection(q), "月");
        default:
            return Join(NayinName(CyclePosition(stem, BranchOfMonth(q))), "月");
    }
}

std::string MonthPillar(std::string_view date, std::string_view kind) {
    const auto day = ParseDate(date);
    return day ? MonthPillar(*day, kind) : std::string{};
}

int DayStem(sys_days date) {
    return PositiveMod(date.time_since_epoch().count() - kAnchorDay + 4, 10) + 1;
}

int DayBranch(sys_days date) {
    return PositiveMod(date.time_since_epoch().count() - kAnchorDay + 6, 12) + 1;
}

int HourPeriod(int hour, int minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return 0;
    // Periods are two hours long and begin on the odd hours; 23:00-00:59 is the first (子).
    return (hour + 1) / 2 % 12 + 1;
}

std::string DayHourPillar(sys_days date, int hour, int minute, std::string_view kind) {
    const char letter = KindLetter(kind);
    const int stem = DayStem(date);
    const int branch = DayBranch(date);
    switch (letter) {
        case 'D':
            return Join(StemName(stem), BranchName(branch), "日");
        case 'W':
            return Join(StemElement(stem), BranchElement(branch), "日");
        case 'F':
            return Join(StemDirection(stem), BranchDirection(branch), "日");
        case 'N':
            return Join(NayinName(CyclePosition(stem, branch)), "日");
        // The hour stays on the date passed: from 23:00 the day pillar does not move on.
        case 'T':
        case 'X':
        case 'V':
        case 'L':
            return HourPiece(stem, hour, minute, letter);
        default:
            return {};
    }
}

std::string DayHourPillar(std::string_view date, int hour, int minute, std::string_view kind) {
    const auto day = ParseDate(date);
    return day ? DayHourPillar(*day, hour, minute, kind) : std::string{};
}

}  // namespace calendar
