#include "calendar/moon.h"

#include <array>
#include <cmath>
#include <numbers>

#include "calendar/astro_time.h"

namespace calendar {

using namespace std::chrono;

namespace {

constexpr double kSynodicMonth = 29.530588861;  // days
constexpr double kFirstNewMoonOf2000 = 2451550.09766;  // JDE, 2000-01-06

// Each correction multiplies the sine of a sum of the arguments (Sun's anomaly M, Moon's
// anomaly M', argument of latitude F, node Ω) by days, times E to the power eccentricity:
// E is the shrinking eccentricity of the Earth's orbit.
struct Correction {
    double days;
    signed char eccentricity, m, mPrime, f, omega;
};

// The periodic terms of the time of new moon, drawn from the lunar theory ELP-2000/82.
constexpr std::array<Correction, 25> kCorrections = {{
    {-0.40720, 0, 0, 1, 0, 0},  {0.17241, 1, 1, 0, 0, 0},   {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},   {0.00739, 1, -1, 1, 0, 0},  {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},   {-0.00111, 0, 0, 1, -2, 0}, {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},   {-0.00042, 0, 0, 3, 0, 0},  {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0},  {-0.00024, 1, -1, 2, 0, 0}, {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0},  {0.00004, 0, 0, 2, -2, 0},  {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0},  {0.00003, 0, 0, 2, 2, 0},   {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0},  {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
}};

// The planetary terms: days * sin(a + b * k), a and b in degrees.
struct PlanetaryTerm {
    double days;
    double a;
    double b;
};
constexpr std::array<PlanetaryTerm, 13> kPlanetary = {{
    {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886}, {0.000126, 349.42, 36.412478},
    {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771}, {0.000060, 207.14, 2.453732},
    {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},  {0.000042, 207.19, 0.121824},
    {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154}, {0.000035, 239.56, 25.513099},
    {0.000023, 331.55, 3.592518},
}};

// The JDE of new moon number k, counted from the first of 2000.
double NewMoonJde(double k) {
    const double t = k / 1236.85;  // Julian centuries from J2000
    const double t2 = t * t;
    double jde = kFirstNewMoonOf2000 + kSynodicMonth * k +
                 t2 * (0.00015437 + t * (-0.000000150 + t * 0.00000000073));
    const double e = 1.0 - t * (0.002516 + t * 0.0000074);
    const double m = (2.5534 + 29.10535670 * k - t2 * (0.0000014 + t * 0.00000011)) *
                     kRadiansPerDegree;
    const double mPrime = (201.5643 + 385.81693528 * k +
                           t2 * (0.0107582 + t * (0.00001238 - t * 0.000000058))) *
                          kRadiansPerDegree;
    const double f = (160.7108 + 390.67050284 * k +
                      t2 * (-0.0016118 + t * (-0.00000227 + t * 0.000000011))) *
                     kRadiansPerDegree;
    const double omega = (124.7746 - 1.56375588 * k + t2 * (0.0020672 + t * 0.00000215)) *
                         kRadiansPerDegree;
    for (const Correction& c : kCorrections) {
        const double argument = c.m * m + c.mPrime * mPrime + c.f * f + c.omega * omega;
        jde += c.days * std::pow(e, c.eccentricity) * std::sin(argument);
    }
    jde += 0.000325 * std::sin((299.77 + 0.107408 * k - 0.009173 * t2) * kRadiansPerDegree);
    for (const PlanetaryTerm& p : kPlanetary)
        jde += p.days * std::sin((p.a + p.b * k) * kRadiansPerDegree);
    return jde;
}

}  // namespace

sys_seconds NewMoonNear(sys_days day) {
    const double jde = DynamicalOf(JulianDayOfBeijing(sys_seconds{day} + 12h));
    const double k = std::nearbyint((jde - kFirstNewMoonOf2000) / kSynodicMonth);
    return BeijingOfDynamical(NewMoonJde(k));
}

}  // namespace calendar
