#pragma once
// The pillar commands name a pillar's kind by one letter, in either case. The letters differ
// from pillar to pillar: the nayin is "L" for the year, the month and the hour but "N" for the
// day, and the hour has letters of its own, so that one command can take a day's and an
// hour's kind.
#include <optional>
#include <string_view>

#include "calendar/pillars.h"

namespace cli {

// Each pillar's letters, in the order of calendar::kPillarKinds.
inline constexpr std::string_view kYearLetters = "DWFL";
inline constexpr std::string_view kMonthLetters = "DWFL";
inline constexpr std::string_view kDayLetters = "DWFN";
inline constexpr std::string_view kHourLetters = "TXVL";

// The kind that `letter` names among `letters`; nothing for any other text.
std::optional<calendar::PillarKind> PillarKindOf(std::string_view letter, std::string_view letters);

}  // namespace cli
