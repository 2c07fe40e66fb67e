#include "calendar/sun.h"

#include <cmath>
#include <cstddef>
#include <numbers>

#include "calendar/astro_time.h"
#include "calendar/sun_series.h"

namespace calendar {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kRadiansPerArcsecond = kRadiansPerDegree / 3600.0;
constexpr double kDaysPerMillennium = 365250.0;
constexpr double kDaysPerCentury = 36525.0;

// An angle brought into -π..π, so that a difference of longitudes is the short way round.
double Centred(double angle) { return angle - kTwoPi * std::nearbyint(angle / kTwoPi); }

// A year's moments take some five thousand cosines. Reduced by whole turns to -π..π, the
// cosine's power series to x^22 is exact to 2e-12, well inside the 1e-9 rad the longitude
// needs, and runs several times faster than the library's, which serves any argument at all.
double WholeTurnsOff(double x) {
    constexpr double kTurnHigh = 6.28318530717958623200;  // 2π, rounded to a double ...
    constexpr double kTurnLow = 2.44929359829470635445e-16;  // ... and what the rounding lost
    // Adding and removing 1.5 * 2^52 rounds to the nearest integer without a library call.
    constexpr double kRounder = 6755399441055744.0;
    const double turns = (x * (1.0 / kTurnHigh) + kRounder) - kRounder;
    return (x - turns * kTurnHigh) - turns * kTurnLow;
}

double Cosine(double x) {
    const double r = WholeTurnsOff(x);
    const double z = r * r;
    double sum = 1.0 / 1124000727777607680000.0;  // 1/22!, with the sign of z^11 below
    for (const double c :
         {-1.0 / 2432902008176640000.0, 1.0 / 6402373705728000.0, -1.0 / 20922789888000.0,
          1.0 / 87178291200.0, -1.0 / 479001600.0, 1.0 / 3628800.0, -1.0 / 40320.0,
          1.0 / 720.0, -1.0 / 24.0, 1.0 / 2.0, -1.0})
        sum = sum * z + c;
    return -sum;
}

// The series to x^14, exact to 5e-6: enough for the terms below 1e-6 rad.
double ShortCosine(double x) {
    const double r = WholeTurnsOff(x);
    const double z = r * r;
    double sum = 1.0 / 87178291200.0;  // 1/14!, with the sign of z^7 below
    for (const double c :
         {-1.0 / 479001600.0, 1.0 / 3628800.0, -1.0 / 40320.0, 1.0 / 720.0, -1.0 / 24.0,
          1.0 / 2.0, -1.0})
        sum = sum * z + c;
    return -sum;
}

double Sine(double x) { return Cosine(x - kPi / 2.0); }

double SumSeries(std::span<const PeriodicTerm> terms, double tau) {
    double sum = 0.0;
    for (const PeriodicTerm& term : terms) sum += term.a * Cosine(term.b + term.c * tau);
    return sum;
}

double SumSeries(LongitudeSeries series, double tau) {
    const std::span<const PeriodicTerm> large = series.terms.first(series.firstSmall);
    const std::span<const PeriodicTerm> small = series.terms.subspan(series.firstSmall);
    double sum = SumSeries(large, tau);
    for (const PeriodicTerm& term : small) sum += term.a * ShortCosine(term.b + term.c * tau);
    return sum;
}

// The Sun's geometric longitude (the Earth's heliocentric one turned half round), not reduced
// to 0..2π.
double GeometricLongitude(double tau) {
    double sum = 0.0;
    for (int power = kLongitudePowers - 1; power >= 0; --power)
        sum = sum * tau + SumSeries(EarthLongitudeSeries(power), tau);
    return sum + kPi;
}

// t in Julian centuries of TT from J2000. The arguments: the Moon's mean elongation from the
// Sun, the Sun's mean anomaly, the Moon's mean anomaly, its argument of latitude and the
// longitude of its ascending node.
double NutationInLongitude(double t) {
    const auto angle = [t](double c0, double c1, double c2, double c3Divisor) {
        return (c0 + t * (c1 + t * (c2 + t / c3Divisor))) * kRadiansPerDegree;
    };
    const double d = angle(297.85036, 445267.111480, -0.0019142, 189474.0);
    const double m = angle(357.52772, 35999.050340, -0.0001603, -300000.0);
    const double mPrime = angle(134.96298, 477198.867398, 0.0086972, 56250.0);
    const double f = angle(93.27191, 483202.017538, -0.0036825, 327270.0);
    const double omega = angle(125.04452, -1934.136261, 0.0020708, 450000.0);
    const NutationSeries& series = NutationInLongitudeSeries();
    double sum = 0.0;
    for (std::size_t i = 0; i < NutationSeries::kTerms; ++i) {
        const double argument = series.d[i] * d + series.m[i] * m + series.mPrime[i] * mPrime +
                                series.f[i] * f + series.omega[i] * omega;
        sum += (series.coefficient[i] + series.perCentury[i] * t) * Sine(argument);
    }
    return sum * 0.0001 * kRadiansPerArcsecond;
}

// What turns the geometric longitude into the apparent one. It changes by well under 0.01"
// in a minute, so a search evaluates it once near the answer.
double ApparentCorrection(double jde) {
    const double tau = (jde - kJ2000) / kDaysPerMillennium;
    const double t = tau * 10.0;
    const double distance = SumSeries(EarthDistanceSeries(), tau);
    // The theory's equinox of date moves with the older precession constant; the present
    // constant is 0.29965" a century smaller. Then the theory's frame to FK5, the nutation,
    // and the aberration, which carries the light time (20.4898" at 1 au).
    const double arcseconds = -0.29965 * t - 0.09033 - 20.4898 / distance;
    return NutationInLongitude(t) + arcseconds * kRadiansPerArcsecond;
}

// A quick theory good to about 0.01°: the mean longitude and the equation of the centre.
struct RoughPlace {
    double longitude;  // radians, apparent
    double rate;       // radians a day
};

RoughPlace RoughSolarPlace(double jde) {
    const double t = (jde - kJ2000) / kDaysPerCentury;
    const double meanLongitude = 280.46646 + t * (36000.76983 + t * 0.0003032);
    const double anomaly = (357.52911 + t * (35999.05029 - t * 0.0001537)) * kRadiansPerDegree;
    const double c1 = 1.914602 - t * (0.004817 + t * 0.000014);
    const double c2 = 0.019993 - t * 0.000101;
    const double centre = c1 * Sine(anomaly) + c2 * Sine(2.0 * anomaly) +
                          0.000289 * Sine(3.0 * anomaly);
    const double node = (125.04 - 1934.136 * t) * kRadiansPerDegree;
    const double longitude = meanLongitude + centre - 0.00569 - 0.00478 * Sine(node);
    const double anomalyRate = 35999.05029 * kRadiansPerDegree;  // radians a century
    const double centreRate = (c1 * Cosine(anomaly) + 2.0 * c2 * Cosine(2.0 * anomaly)) *
                              anomalyRate;
    const double rate = (36000.76983 + centreRate) * kRadiansPerDegree / kDaysPerCentury;
    return {longitude * kRadiansPerDegree, rate};
}

}  // namespace

double SolarLongitudeCrossing(double target, double jdeGuess) {
    // Newton's method, first on the quick theory to come within minutes of the answer, then
    // on the full one. From within a day, two steps reach the quick theory's own root to a
    // fraction of a second. Its rate is true to about 0.05%, so a step on the full theory
    // leaves about a two-thousandth of its size: after a step under five minutes, less than
    // a fifth of a second, and the search stops there.
    double jde = jdeGuess;
    RoughPlace rough{};
    for (int i = 0; i < 2; ++i) {
        rough = RoughSolarPlace(jde);
        jde += Centred(target - rough.longitude) / rough.rate;
    }
    const double correction = ApparentCorrection(jde);
    constexpr double kSmallStep = 300.0 / 86400.0;
    for (int i = 0; i < 4; ++i) {
        const double tau = (jde - kJ2000) / kDaysPerMillennium;
        const double step =
            Centred(target - GeometricLongitude(tau) - correction) / rough.rate;
        jde += step;
        if (std::abs(step) < kSmallStep) break;
    }
    return jde;
}

}  // namespace calendar
