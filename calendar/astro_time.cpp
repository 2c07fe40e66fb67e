#include "calendar/astro_time.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace calendar {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kDaysPerYear = 365.25;

// TT - UT1 at the start of each year from 2005: the Earth has kept time more closely than the
// long-term model expects (IERS Earth-orientation results).
constexpr int kFirstMeasuredYear = 2005;
constexpr std::array<double, 22> kMeasuredDeltaT = {
    64.69, 64.85, 65.15, 65.46, 65.78, 66.07, 66.32, 66.60, 66.91, 67.28, 67.64,
    68.10, 68.59, 68.97, 69.22, 69.36, 69.36, 69.29, 69.20, 69.18, 69.14, 69.11};
constexpr double kLastMeasuredYear = kFirstMeasuredYear + kMeasuredDeltaT.size() - 1;
constexpr double kEaseInYears = 25.0;

// The Espenak-Meeus polynomials, by decimal year. They follow the measured values closely
// up to 2005.
double ModelDeltaT(double y) {
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 +
               t * (0.3345 +
                    t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

}  // namespace

double DeltaTSeconds(double jd) {
    const double y = 2000.0 + (jd - kJ2000) / kDaysPerYear;
    if (y < kFirstMeasuredYear) return ModelDeltaT(y);
    if (y < kLastMeasuredYear) {
        const double position = y - kFirstMeasuredYear;
        const auto i = static_cast<std::size_t>(position);
        const double f = position - static_cast<double>(i);
        return kMeasuredDeltaT[i] + f * (kMeasuredDeltaT[i + 1] - kMeasuredDeltaT[i]);
    }
    // Past the measurements the model's rise is taken up gradually from the last measured
    // value: the measurements have stayed level for years while the model climbs 0.6 s a
    // year, and its level already misses today's clock by several seconds. From
    // kEaseInYears on, the model's curve is followed, shifted to meet the measurements.
    const double weight = std::fmin(1.0, (y - kLastMeasuredYear) / kEaseInYears);
    return kMeasuredDeltaT.back() + (ModelDeltaT(y) - ModelDeltaT(kLastMeasuredYear)) * weight;
}

double JulianDayOfBeijing(std::chrono::sys_seconds beijing) {
    const auto ut = beijing - kBeijingOffset;
    return kJulianDayOfUnixEpoch +
           static_cast<double>(ut.time_since_epoch().count()) / kSecondsPerDay;
}

double DynamicalOf(double jd) { return jd + DeltaTSeconds(jd) / kSecondsPerDay; }

std::chrono::sys_seconds BeijingOfDynamical(double jde) {
    // ΔT changes by well under a second a year, so taking it at the TT instant is exact enough.
    const double jd = jde - DeltaTSeconds(jde) / kSecondsPerDay;
    const double seconds = std::floor((jd - kJulianDayOfUnixEpoch) * kSecondsPerDay + 0.5);
    return std::chrono::sys_seconds{std::chrono::seconds{static_cast<long long>(seconds)}} +
           kBeijingOffset;
}

}  // namespace calendar
