#pragma once
// Small number-to-text helpers shared by the tools' captions.
#include <optional>
#include <string>

namespace tools {

// At least two digits, a leading "0" below 10 (the years of a long span keep all theirs).
std::string TwoDigits(int value);

// The hour text of a pillar runs on with its period's description after the first "时";
// the reading keeps everything up to that "时" and the one character behind it.
std::string CutHourText(const std::string& hourText);

// Nothing unless rounding gives an integer in [low, high]: a text box can hold any
// number, and an out-of-range double must never reach an int conversion.
std::optional<int> RoundedInRange(double value, int low, int high);

}  // namespace tools
