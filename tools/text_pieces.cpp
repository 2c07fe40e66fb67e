#include "tools/text_pieces.h"

#include <cmath>
#include <string_view>

#include "calendar/date.h"

namespace tools {

std::string TwoDigits(int value) {
    std::string digits = value >= 0 && value < 10 ? "0" : "";
    digits += std::to_string(value);
    return digits;
}

std::string CutHourText(const std::string& hourText) {
    constexpr std::string_view kHourMark = "时";
    const std::size_t at = hourText.find(kHourMark);
    if (at == std::string::npos) return hourText;
    const std::size_t afterMark = at + kHourMark.size();
    const std::string_view next =
        calendar::CodePointPrefix(std::string_view(hourText).substr(afterMark), 1);
    return hourText.substr(0, afterMark) + std::string(next);
}

std::optional<int> RoundedInRange(double value, int low, int high) {
    const double rounded = std::round(value);
    if (!(rounded >= low && rounded <= high)) return std::nullopt;
    return static_cast<int>(rounded);
}

}  // namespace tools
