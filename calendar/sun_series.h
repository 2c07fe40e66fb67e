#pragma once
// The coefficient tables of the solar theory, kept apart from the arithmetic that uses them.
#include <array>
#include <cstddef>
#include <span>

namespace calendar {

// One periodic term a * cos(b + c * tau), tau in Julian millennia of TT from J2000.
struct PeriodicTerm {
    double a;
    double b;
    double c;
};

// The Earth's heliocentric longitude (radians) on the ecliptic of date, as a series in powers
// of tau: EarthLongitudeSeries(n) holds the terms multiplied by tau^n, largest first. From
// `firstSmall` on, a term moves the longitude by less than 1e-6 rad within two centuries of
// J2000, so its cosine is needed to 1e-4 only.
inline constexpr int kLongitudePowers = 3;
struct LongitudeSeries {
    std::span<const PeriodicTerm> terms;
    std::size_t firstSmall = 0;
};
LongitudeSeries EarthLongitudeSeries(int power);
// The Earth's distance from the Sun (au), the leading terms.
std::span<const PeriodicTerm> EarthDistanceSeries();

// The nutation in longitude, term i: the sine of a sum of multiples of the Moon's elongation
// D, the Sun's anomaly M, the Moon's anomaly M', its argument of latitude F and its node Ω,
// times coefficient[i] in units of 0.0001", growing by perCentury[i] each Julian century.
// Kept by columns, so that the sum runs several terms at a time.
struct NutationSeries {
    static constexpr std::size_t kTerms = 35;
    std::array<double, kTerms> d, m, mPrime, f, omega, coefficient, perCentury;
};
const NutationSeries& NutationInLongitudeSeries();

}  // namespace calendar
