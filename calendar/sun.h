#pragma once
// The Sun's apparent place seen from the Earth's centre: its longitude on the ecliptic of date,
// counted from the true equinox, as the solar terms are defined on it.

namespace calendar {

// The Julian day in Terrestrial Time (see calendar/astro_time.h) at which the apparent
// longitude reaches `target` (radians), searched from a guess within a day of it.
double SolarLongitudeCrossing(double target, double jdeGuess);

}  // namespace calendar
