#include "calendar/solar_terms.h"

#include <cmath>

#include "calendar/name_tables.h"
#include "calendar/text.h"

namespace calendar {

using namespace std::chrono;

namespace {

struct TermDay {
    int year = 0;
    int month = 0;
    int day = 0;  // the formula's day of the month
};

// Nothing for a year outside 1901..2100 or an index outside 1..24.
std::optional<TermDay> ComputeTerm(int year, int index) {
    if (year < kFirstTermYear || year > kLastTermYear || index < 1 || index > kTermCount) {
        return std::nullopt;
    }
    // The year within its century: 2000 and 2100 both give 0.
    const int y = year % 100;
    // The January and February terms still fall before the leap day of that year.
    const bool early = index == 1 || index == 2 || index == 23 || index == 24;
    const int d = early ? y - 1 : y;
    // The leap days before the term, by floor division: d = -1 gives -1.
    const int leapDays = d >= 0 ? d / 4 : -((-d + 3) / 4);
    // The constant and the one-day correction.
    const TermCorrection correction = TermCorrectionOf(year, index);
    bool firstCentury = year <= 1999;
    int k = 0;
    if (year == 2000) {
        firstCentury = correction == TermCorrection::firstCentury;
    } else if (correction == TermCorrection::dayLater) {
        k = 1;
    } else if (correction == TermCorrection::dayEarlier) {
        k = -1;
    }
    // The floor is of Y*D + B in double arithmetic, as the constants were fitted.
    const double b = SolarTermConstant(index, firstCentury);
    const int dayOfMonth = static_cast<int>(std::floor(y * 0.2422 + b)) - leapDays + k;
    return TermDay{year, SolarTermMonth(index), dayOfMonth};
}

}  // namespace

std::string SolarTermDate(int year, int index) {
    const auto term = ComputeTerm(year, index);
    if (!term) return {};
    return DateText(term->year, term->month, term->day, 1);
}

std::optional<sys_days> SolarTermDay(int year, int index) {
    const auto term = ComputeTerm(year, index);
    if (!term) return std::nullopt;
    // Counting from the first of the month keeps the day valid even if a day number ever
    // left its month.
    const sys_days first{std::chrono::year{term->year} / term->month / 1};
    return first + days{term->day - 1};
}

int SolarTermIndexOn(sys_days d) {
    const year_month_day ymd{d};
    const int y = static_cast<int>(ymd.year());
    const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
    for (int index = 1; index <= kTermCount; ++index) {
        if (SolarTermMonth(index) != m) continue;
        const auto day = SolarTermDay(y, index);
        if (day && *day == d) return index;
    }
    return 0;
}

}  // namespace calendar
