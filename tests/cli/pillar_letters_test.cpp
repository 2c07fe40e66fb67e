#include "cli/pillar_letters.h"

#include <gtest/gtest.h>

namespace {

using calendar::PillarKind;
using cli::PillarKindOf;

struct LetterRow {
    const char* name;
    std::string_view letters;
    const char* letter;
    std::optional<PillarKind> kind;
};

class PillarKindOfTest : public ::testing::TestWithParam<LetterRow> {};

TEST_P(PillarKindOfTest, ReadsOneLetterOfThePillarInEitherCase) {
    EXPECT_EQ(PillarKindOf(GetParam().letter, GetParam().letters), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    PillarKindOf, PillarKindOfTest,
    ::testing::Values(LetterRow{"MonthLowerCase", cli::kMonthLetters, "l", PillarKind::Nayin},
                      LetterRow{"DayNayinIsN", cli::kDayLetters, "n", PillarKind::Nayin},
                      LetterRow{"DayHasNoL", cli::kDayLetters, "L", std::nullopt},
                      LetterRow{"YearHasNoN", cli::kYearLetters, "N", std::nullopt},
                      LetterRow{"HourNayin", cli::kHourLetters, "L", PillarKind::Nayin},
                      LetterRow{"HourHasNoD", cli::kHourLetters, "D", std::nullopt},
                      LetterRow{"Empty", cli::kYearLetters, "", std::nullopt},
                      LetterRow{"NotALetter", cli::kYearLetters, "\xC3", std::nullopt}),
    [](const ::testing::TestParamInfo<LetterRow>& info) { return std::string(info.param.name); });

}  // namespace
