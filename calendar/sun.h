#pragma once
// The Sun's apparent place seen from the Earth's centre: its longitude on the ecliptic of date,
// counted from the true equinox, as the solar terms are defined on it.

namespace calendar {

// Radians, 0 <= λ < 2π, at a Julian day in Terrestrial Time (see calendar/astro_time.h).
double ApparentSolarLongitude(double jde);

// The JDE at which the apparent longitude reaches `target` (radians), searched from a guess
// within a day or two of it.
double SolarLongitudeCrossing(double target, double jdeGuess);

}  // namespace calendar
