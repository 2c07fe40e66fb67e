#pragma once
// The time scales behind the astronomical moments: Julian days, the Earth's clock error ΔT
// and Beijing time.
#include <chrono>
#include <numbers>

namespace calendar {

// A Julian day counts days from noon of -4712-01-01 (proleptic Julian calendar). "JD" counts
// Universal Time, which follows the Earth's turning and the clocks; "JDE" counts Terrestrial
// Time, the even time the theories of the Sun and the Moon are written in.
inline constexpr double kJulianDayOfUnixEpoch = 2440587.5;
inline constexpr double kJ2000 = 2451545.0;  // 2000-01-01 12:00 TT

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// Beijing time is UTC+8 all year; the moments are shown in it.
inline constexpr std::chrono::hours kBeijingOffset{8};

// TT - UT in seconds at a Julian day (UT): measured values where they exist, a published
// long-term model beyond them.
double DeltaTSeconds(double jd);

// The Julian day (UT) of a Beijing wall-clock moment, counted like sys_seconds.
double JulianDayOfBeijing(std::chrono::sys_seconds beijing);
// The Beijing wall-clock moment of a Julian day in TT, to the nearest second.
std::chrono::sys_seconds BeijingOfDynamical(double jde);
// JD (UT) to JDE.
double DynamicalOf(double jd);

}  // namespace calendar
