#pragma once
// The coefficient tables of the solar theory, kept apart from the arithmetic that uses them.
#include <span>

namespace calendar {

// One periodic term a * cos(b + c * tau), tau in Julian millennia of TT from J2000.
struct PeriodicTerm {
    double a;
    double b;
    double c;
};

// The Earth's heliocentric longitude (radians) on the ecliptic of date, as a series in powers
// of tau: EarthLongitudeSeries(n) holds the terms multiplied by tau^n.
inline constexpr int kLongitudePowers = 3;
std::span<const PeriodicTerm> EarthLongitudeSeries(int power);
// The Earth's distance from the Sun (au), the leading terms.
std::span<const PeriodicTerm> EarthDistanceSeries();

// One term of the nutation in longitude: multiples of the Moon's elongation D, the Sun's
// anomaly M, the Moon's anomaly M', its argument of latitude F and its node Ω; the sine's
// coefficient in units of 0.0001", growing by `perCentury` each Julian century.
struct NutationTerm {
    signed char d, m, mPrime, f, omega;
    double coefficient;
    double perCentury;
};
std::span<const NutationTerm> NutationInLongitudeSeries();

}  // namespace calendar
