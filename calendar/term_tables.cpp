#include <array>
#include <cstddef>

#include "calendar/name_tables.h"

namespace calendar {
namespace {

constexpr std::array<int, 24> kSolarTermMonths = {2, 2, 3, 3, 4,  4,  5,  5,  6,  6,  7, 7,
                                                  8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 1, 1};

// B of day = floor(Y * 0.2422 + B) - leap days, by term index, per century.
// 立秋 1901-2000 is 8.35: like the other 节 constants of that century it puts the term
// between 大暑 and 处暑, in early August, where the month pillar needs it.
constexpr std::array<double, 24> kConstants1901 = {
    4.6295, 19.4599, 6.3826, 21.4155, 5.59,  20.888, 6.318, 21.86, 6.5, 22.2, 7.928, 23.65,
    8.35,   23.95,   8.44,   23.822,  9.098, 24.218, 8.218, 23.08, 7.9, 22.6, 6.11,  20.84};
constexpr std::array<double, 24> kConstants2001 = {
    3.87, 18.73, 5.63,  20.646, 4.81,  20.1,   5.52,  21.04, 5.678, 21.37, 7.108,  22.83,
    7.5,  23.13, 7.646, 23.042, 8.318, 23.438, 7.438, 22.36, 7.18,  21.94, 5.4055, 20.12};

struct CorrectionRow {
    int year;
    int index;
    TermCorrection effect;
};

// The years where the formula misses the true day by one. Kept sorted by year and index.
constexpr std::array<CorrectionRow, 37> kTermCorrections = {{
    {1902, 9, TermCorrection::dayLater},      {1911, 7, TermCorrection::dayLater},
    {1914, 1, TermCorrection::dayEarlier},    {1914, 22, TermCorrection::dayLater},
    {1915, 3, TermCorrection::dayEarlier},    {1922, 12, TermCorrection::dayLater},
    {1925, 11, TermCorrection::dayLater},     {1927, 15, TermCorrection::dayLater},
    {1928, 10, TermCorrection::dayLater},     {1942, 16, TermCorrection::dayLater},
    {1947, 1, TermCorrection::dayEarlier},    {1947, 22, TermCorrection::dayLater},
    {1978, 20, TermCorrection::dayLater},     {1980, 22, TermCorrection::dayLater},
    {1982, 23, TermCorrection::dayLater},     {1984, 22, TermCorrection::dayLater},
    {2000, 6, TermCorrection::firstCentury},  {2000, 8, TermCorrection::firstCentury},
    {2000, 11, TermCorrection::firstCentury}, {2000, 14, TermCorrection::firstCentury},
    {2000, 16, TermCorrection::firstCentury}, {2000, 21, TermCorrection::firstCentury},
    {2002, 13, TermCorrection::dayLater},     {2008, 8, TermCorrection::dayLater},
    {2016, 11, TermCorrection::dayLater},     {2019, 23, TermCorrection::dayEarlier},
    {2021, 22, TermCorrection::dayEarlier},   {2026, 2, TermCorrection::dayEarlier},
    {2082, 24, TermCorrection::dayLater},     {2089, 18, TermCorrection::dayLater},
    {2089, 19, TermCorrection::dayLater},     {2100, 2, TermCorrection::dayEarlier},
    {2100, 5, TermCorrection::dayLater},      {2100, 12, TermCorrection::dayLater},
    {2100, 22, TermCorrection::dayLater},     {2100, 23, TermCorrection::dayEarlier},
    {2100, 24, TermCorrection::dayEarlier},
}};

}  // namespace

int SolarTermMonth(int index) {
    return index >= 1 && index <= 24 ? kSolarTermMonths[static_cast<std::size_t>(index - 1)] : 0;
}

double SolarTermConstant(int index, bool firstCentury) {
    if (index < 1 || index > 24) return 0.0;
    const auto i = static_cast<std::size_t>(index - 1);
    return firstCentury ? kConstants1901[i] : kConstants2001[i];
}

TermCorrection TermCorrectionOf(int year, int index) {
    for (const CorrectionRow& row : kTermCorrections) {
        if (row.year > year) break;
        if (row.year == year && row.index == index) return row.effect;
    }
    return TermCorrection::none;
}

}  // namespace calendar
