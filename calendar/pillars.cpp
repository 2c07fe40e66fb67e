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

}  // namespace

std::string YearPillar(int year, PillarKind kind) {
    // Year 4 of the common era is 甲子.
    const int n = PositiveMod(static_cast<long long>(year) - 4, 60);
    const int stem = n % 10 + 1;
    const int branch = n % 12 + 1;
    switch (kind) {
        case PillarKind::StemBranch:
            return Join(StemName(stem), BranchName(branch));
        case PillarKind::Element:
            return Join(StemElement(stem), BranchElement(branch));
        case PillarKind::Direction:
            return Join(StemDirection(stem), BranchDirection(branch));
        case PillarKind::Nayin:
            return std::string(NayinName(n + 1));
    }
    return {};
}

std::string YearZodiac(int year) {
    return std::string(ZodiacName(PositiveMod(static_cast<long long>(year) - 4, 12) + 1));
}

std::string MonthPillar(sys_days date, PillarKind kind) {
    // A term the table does not hold (a year outside it) is never reached, so no boundary is
    // crossed.
    const int y = static_cast<int>(year_month_day{date}.year());
    auto reached = [&](int index) {
        const auto term = SolarTermDay(y, index);
        return term && date >= *term;
    };
    // The latest 节 term of the year already reached opens the month.
    int q = 12;
    for (int t = kGreaterSnow; t >= kStartOfSpring; t -= 2) {
        if (reached(t)) {
            q = (t + 1) / 2;
            break;
        }
    }
    // Before 立春 the month is that of 小寒, or still the 子 month of December.
    const auto lesserCold = SolarTermDay(y, kLesserCold);
    const auto springBegins = SolarTermDay(y, kStartOfSpring);
    const bool beforeSpring = springBegins && date < *springBegins;
    if (lesserCold && date >= *lesserCold && beforeSpring) {
        q = 12;
    } else if (lesserCold && date < *lesserCold) {
        q = 11;
    }
    // The year of the stems changes at 立春.
    return SolarMonthPillar(beforeSpring ? y - 1 : y, q, kind);
}

std::string SolarMonthPillar(int stemYear, int month, PillarKind kind) {
    if (month < 1 || month > 12) return {};
    // The 寅 month of a 甲 or 己 year is 丙寅; each later year stem moves it on by two.
    const int k = PositiveMod(static_cast<long long>(stemYear) - 3, 10);
    const int v = 2 * k + month;
    int stem = v < 10 ? v : v % 10;
    if (stem == 0) stem = 10;
    switch (kind) {
        case PillarKind::StemBranch:
            return Join(StemName(stem), MonthBranchName(month), "月");
        case PillarKind::Element:
            return Join(StemElement(stem), MonthBranchElement(month), "月");
        case PillarKind::Direction:
            return Join(StemDirection(stem), MonthBranchDirection(month), "月");
        case PillarKind::Nayin:
            return Join(NayinName(CyclePosition(stem, BranchOfMonth(month))), "月");
    }
    return {};
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

std::string DayPillar(sys_days date, PillarKind kind) {
    const int stem = DayStem(date);
    const int branch = DayBranch(date);
    switch (kind) {
        case PillarKind::StemBranch:
            return Join(StemName(stem), BranchName(branch), "日");
        case PillarKind::Element:
            return Join(StemElement(stem), BranchElement(branch), "日");
        case PillarKind::Direction:
            return Join(StemDirection(stem), BranchDirection(branch), "日");
        case PillarKind::Nayin:
            return Join(NayinName(CyclePosition(stem, branch)), "日");
    }
    return {};
}

std::string HourPillar(sys_days date, seconds timeOfDay, PillarKind kind) {
    if (timeOfDay < seconds{0} || timeOfDay >= days{1}) return {};
    const hh_mm_ss<seconds> time{timeOfDay};
    const int period = HourPeriod(static_cast<int>(time.hours().count()),
                                  static_cast<int>(time.minutes().count()));
    // The hour stays on the date passed: from 23:00 the day's stem does not move on. The 子
    // hour of a 甲 day is 甲子; each later day stem moves it on by two.
    int base = 2 * DayStem(date) - 1;
    if (base <= 0) base += 10;
    int stem = period + base - 1;
    if (stem > 10) {
        stem %= 10;
        if (stem == 0) stem = 10;
    }
    switch (kind) {
        case PillarKind::StemBranch:
            return Join(StemName(stem), HourDescription(period));
        case PillarKind::Element:
            return Join(StemElement(stem), BranchElement(period), "时");
        case PillarKind::Direction:
            return Join(StemDirection(stem), BranchDirection(period), "时");
        case PillarKind::Nayin:
            return Join(NayinName(CyclePosition(stem, period)), "时");
    }
    return {};
}

}  // namespace calendar
