#include "info/notes_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/festivals.h"
#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/seasons.h"
#include "calendar/solar_terms.h"
#include "tests/info/text_reading.h"

namespace {

using namespace info_test;
using namespace std::chrono;
using calendar::sys_days;
constexpr calendar::PillarKind kStemBranch = calendar::PillarKind::StemBranch;

std::vector<std::string_view> Notes() { return Split(info::NotesText(), "\r\n\r\n"); }

// Note n (1..22); empty when the text has fewer notes, so that the test fails, not crashes.
std::string_view Note(std::size_t n) {
    const auto notes = Notes();
    return n <= notes.size() ? notes[n - 1] : std::string_view{};
}

std::vector<std::string_view> Lines(std::string_view text) { return Split(text, "\r\n"); }

bool HasLine(std::string_view text, std::string_view line) {
    const auto lines = Lines(text);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// "hh:mm" as a clock shows it: the tables write the end of the 子 period as "24:59".
std::string ClockTime(std::string_view hhmm) {
    const int hour = ToInt(hhmm.substr(0, 2)) % 24;
    return std::string{static_cast<char>('0' + hour / 10), static_cast<char>('0' + hour % 10)} +
           std::string(hhmm.substr(2));
}

std::string PeriodRange(int period) {
    return ClockTime(calendar::HourStartTime(period)) + "–" +
           ClockTime(calendar::HourEndTime(period));
}

// "本日历在4月13日标“泼水”" gives the month, the day and the name the calendar shows.
struct ShownDay {
    int month = -1;
    int day = -1;
    std::string name;
};
ShownDay ShownGregorianDay(std::string_view note) {
    ShownDay shown;
    const auto when = Between(note, "本日历在", "标“");
    const auto name = Between(note, "标“", "”");
    if (!when || !name || !when->ends_with("日")) return shown;
    const std::size_t monthMark = when->find("月");
    shown.month = NumberBefore(*when, monthMark);
    shown.day = NumberBefore(*when, when->size() - std::string_view("日").size());
    shown.name = *name;
    return shown;
}

// "2025年是5月11日" and the like: year, month and day of the first date written that way.
std::optional<sys_days> DateIn(std::string_view text) {
    const std::size_t yearMark = text.find("年");
    const std::size_t monthMark = text.find("月", yearMark);
    const std::size_t dayMark = text.find("日", monthMark);
    if (yearMark == std::string_view::npos || monthMark == std::string_view::npos ||
        dayMark == std::string_view::npos) {
        return std::nullopt;
    }
    const year_month_day date{year{NumberBefore(text, yearMark)},
                              month{static_cast<unsigned>(NumberBefore(text, monthMark))},
                              day{static_cast<unsigned>(NumberBefore(text, dayMark))}};
    if (!date.ok()) return std::nullopt;
    return sys_days{date};
}

int YearOf(sys_days d) { return static_cast<int>(year_month_day{d}.year()); }

bool ShowsFestival(sys_days d, std::string_view name) {
    return calendar::DayFestivals(YearOf(d), d).find(name) != std::string::npos;
}

TEST(NotesText, HasTwentyTwoNumberedNotesSeparatedByOneEmptyLine) {
    const auto notes = Notes();
    ASSERT_EQ(notes.size(), 22u);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const std::string number{static_cast<char>('0' + (i + 1) / 10),
                                 static_cast<char>('0' + (i + 1) % 10)};
        EXPECT_TRUE(notes[i].starts_with(number + "、")) << "note " << i + 1;
        for (std::string_view line : Lines(notes[i])) {
            EXPECT_FALSE(line.empty()) << "an empty line inside note " << i + 1;
        }
    }
}

TEST(NotesText, BreaksLinesWithCrLfOnlyAndEndsWithTheLastNote) {
    const std::string_view text = info::NotesText();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
        }
        if (text[i] == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at " << i;
        }
    }
    EXPECT_FALSE(text.ends_with("\r\n"));
    EXPECT_TRUE(Notes().back().starts_with("22、"));
}

// The Chinese code page spends one byte on ASCII and two on every other character it holds.
TEST(NotesText, SizeInTheChineseCodePageIsAboutFourAndAHalfKilobytes) {
    const std::string_view text = info::NotesText();
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCodePoint(text, i);
        ASSERT_NE(c, 0xFFFDu) << "malformed UTF-8 before byte " << i;
        ASSERT_LT(c, 0x10000u) << "a character outside the code page before byte " << i;
        bytes += c < 0x80 ? 1 : 2;
    }
    EXPECT_GE(bytes, 4000u);
    EXPECT_LE(bytes, 4900u);
}

TEST(NotesText, StemsAndBranchesCarryTheCalendarsPinyinPeriodsAndAnimals) {
    const std::string_view note = Note(6);
    std::vector<std::string> stems;
    for (int s = 1; s <= 10; ++s) stems.push_back(std::string(calendar::StemName(s)) + " ");
    EXPECT_TRUE(InOrder(note, stems));

    const auto lines = Lines(note);
    auto previous = lines.begin();
    for (int b = 1; b <= 12; ++b) {
        const std::string name = std::string(calendar::BranchName(b)) + " ";
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](std::string_view l) { return l.starts_with(name); });
        ASSERT_NE(line, lines.end()) << "no line for branch " << b;
        EXPECT_GT(line, previous) << "branch " << b << " out of order";
        previous = line;
        // "子zǐ时 子夜/夜半 三更": the second field holds the period's old names.
        const auto description = Split(calendar::HourDescription(b), " ");
        ASSERT_GE(description.size(), 2u);
        EXPECT_NE(line->find(" " + PeriodRange(b) + " "), std::string_view::npos) << *line;
        EXPECT_NE(line->find(" " + std::string(description[1]) + " "), std::string_view::npos)
            << *line;
        EXPECT_TRUE(line->ends_with(" " + std::string(calendar::ZodiacName(b)))) << *line;
    }
}

TEST(NotesText, YearCycleRuleGivesTheProgramsYearPillar) {
    const std::string_view note = Note(6);
    const auto offset = Between(note, "n = (年份 - ", ") mod 60");
    ASSERT_TRUE(offset);
    const int k = ToInt(*offset);
    for (int y = 1901; y <= 2100; ++y) {
        const int n = ((y - k) % 60 + 60) % 60;
        ASSERT_EQ(calendar::JiaziName(n + 1), calendar::YearPillar(y, kStemBranch)) << y;
    }
    const std::string first = HanOnly(calendar::JiaziName(1));
    const std::size_t anchor = note.find("年是" + first + "年");
    ASSERT_NE(anchor, std::string_view::npos);
    EXPECT_EQ(HanOnly(calendar::YearPillar(NumberBefore(note, anchor), kStemBranch)), first);
    const std::string stemCount =
        "（0" + HanOnly(calendar::StemName(1)) + "……9" + HanOnly(calendar::StemName(10)) + "）";
    const std::string branchCount = "（0" + HanOnly(calendar::BranchName(1)) + "……11" +
                                    HanOnly(calendar::BranchName(12)) + "）";
    EXPECT_NE(note.find("n mod 10 为天干序号" + stemCount), std::string_view::npos);
    EXPECT_NE(note.find("n mod 12 为地支序号" + branchCount), std::string_view::npos);

    // "2024年 n = 40，40 mod 10 = 0 → 甲jiǎ，40 mod 12 = 4 → 辰chén，即甲辰年，属龙"
    const auto example = Between(note, "例：", "。");
    ASSERT_TRUE(example);
    const auto parts = Split(*example, "，");
    ASSERT_EQ(parts.size(), 5u) << *example;
    const int y = NumberBefore(parts[0], parts[0].find("年"));
    const auto nText = After(parts[0], "年 n = ");
    ASSERT_TRUE(nText) << parts[0];
    const int n = ToInt(*nText);
    ASSERT_GE(n, 0) << parts[0];
    EXPECT_EQ(calendar::JiaziName(n + 1), calendar::YearPillar(y, kStemBranch));
    const std::string ns = std::to_string(n);
    EXPECT_EQ(parts[1], ns + " mod 10 = " + std::to_string(n % 10) + " → " +
                            std::string(calendar::StemName(n % 10 + 1)));
    EXPECT_EQ(parts[2], ns + " mod 12 = " + std::to_string(n % 12) + " → " +
                            std::string(calendar::BranchName(n % 12 + 1)));
    EXPECT_EQ(parts[3], "即" + HanOnly(calendar::YearPillar(y, kStemBranch)) + "年");
    EXPECT_EQ(parts[4], "属" + calendar::YearZodiac(y));
}

TEST(NotesText, NightWatchesAreTheWatchesOfTheTwoHourPeriods) {
    const std::string_view note = Note(7);
    int watches = 0;
    for (int b = 1; b <= 12; ++b) {
        const auto description = Split(calendar::HourDescription(b), " ");
        if (description.size() < 3) continue;
        ++watches;
        const std::string line =
            std::string(description[2]) + " " + std::string(description[0]) + " " + PeriodRange(b);
        EXPECT_TRUE(HasLine(note, line)) << line;
    }
    EXPECT_EQ(watches, 5);
}

TEST(NotesText, MonthNamesAndQuartersAreThoseTheCalendarShows) {
    std::vector<std::string> months;
    for (int m = 1; m <= 12; ++m) months.emplace_back(calendar::LunarMonthName(m));
    EXPECT_TRUE(InOrder(Note(8), months));

    std::vector<std::string> quarters;
    for (int q = 1; q <= 4; ++q) {
        quarters.push_back(std::string(calendar::QuarterName(q)) + " " +
                           std::string(calendar::QuarterStartTime(q)) + "–" +
                           std::string(calendar::QuarterEndTime(q)));
        EXPECT_TRUE(HasLine(Note(9), quarters.back())) << quarters.back();
    }
    EXPECT_TRUE(InOrder(Note(9), quarters));
}

TEST(NotesText, MonthsOpenAtTheTermsTheMonthPillarUses) {
    std::vector<std::string> openings;
    for (int q = 1; q <= 12; ++q) {
        openings.push_back(std::string(calendar::SolarTermName(2 * q - 1)) + "起" +
                           HanOnly(calendar::MonthBranchName(q)) + "月");
    }
    EXPECT_TRUE(InOrder(Note(11), openings));
}

TEST(NotesText, NineNinesDaysAreTheDaysTheStickerMarks) {
    const std::string_view note = Note(14);
    // "其后第9、18、…、72天标“二九”至“九九”，第80天标“出九”"
    const std::string_view rule = After(note, "其后第").value_or("");
    const auto dayList = Between(rule, "", "天标");
    const auto firstName = Between(rule, "天标“", "”至");
    const auto lastName = Between(rule, "”至“", "”");
    const auto outDay = Between(rule, "，第", "天标“出九”");
    ASSERT_TRUE(dayList && firstName && lastName && outDay) << note;
    ASSERT_NE(note.find("冬至当天标“入九”"), std::string_view::npos);

    std::vector<int> stated;
    for (std::string_view d : Split(*dayList, "、")) stated.push_back(ToInt(d));
    stated.push_back(ToInt(*outDay));
    for (int y : {1950, 2023, 2098}) {
        const auto solstice = calendar::SolarTermDay(y, 22);
        ASSERT_TRUE(solstice);
        EXPECT_EQ(calendar::NineNinesMarker(*solstice, y), "入九");
        std::vector<int> marked;
        for (int offset = 1; offset <= 100; ++offset) {
            const sys_days d = *solstice + days{offset};
            if (!calendar::NineNinesMarker(d, YearOf(d)).empty()) marked.push_back(offset);
        }
        EXPECT_EQ(marked, stated) << y;
        ASSERT_EQ(marked.size(), 9u);
        const auto marker = [&](int offset) {
            const sys_days d = *solstice + std::chrono::days{offset};
            return calendar::NineNinesMarker(d, YearOf(d));
        };
        EXPECT_EQ(marker(marked.front()), *firstName);
        EXPECT_EQ(marker(marked[7]), *lastName);
        EXPECT_EQ(marker(marked.back()), "出九");
    }
}

TEST(NotesText, FixedDayFestivalsAreShownOnTheDayTheNoteNames) {
    for (std::size_t n : {15u, 19u}) {
        const ShownDay shown = ShownGregorianDay(Note(n));
        ASSERT_FALSE(shown.name.empty()) << "note " << n;
        for (int y = 1902; y <= 2099; y += 7) {
            const sys_days d{year{y} / shown.month / shown.day};
            EXPECT_TRUE(ShowsFestival(d, shown.name)) << "note " << n << ", " << y;
        }
    }
}

// "每年5月的第二个星期日": the note's own rule, tried on two centuries of Mays.
TEST(NotesText, FloatingFestivalsFallOnTheWeekdayTheNoteNames) {
    constexpr std::string_view kOrdinals[] = {"一", "二", "三", "四", "五"};
    constexpr std::string_view kWeekdays[] = {"日", "一", "二", "三", "四", "五", "六"};
    for (std::size_t n : {16u, 17u, 18u}) {
        const std::string_view note = Note(n);
        const auto name = Between(note, "、", "：");
        const auto rule = Between(note, "每年", "，");
        ASSERT_TRUE(name && rule) << "note " << n;
        const auto parts = Split(*rule, "月的第");
        ASSERT_EQ(parts.size(), 2u) << *rule;
        const int m = ToInt(parts[0]);
        const auto ordinal =
            std::find_if(std::begin(kOrdinals), std::end(kOrdinals),
                         [&](std::string_view o) { return parts[1].starts_with(o); });
        ASSERT_NE(ordinal, std::end(kOrdinals)) << *rule;
        const auto weekdayName = After(parts[1], "个星期");
        ASSERT_TRUE(weekdayName) << *rule;
        const auto weekdayIt = std::find(std::begin(kWeekdays), std::end(kWeekdays), *weekdayName);
        ASSERT_NE(weekdayIt, std::end(kWeekdays)) << *rule;
        const unsigned index = static_cast<unsigned>(ordinal - std::begin(kOrdinals)) + 1;
        const weekday wd{static_cast<unsigned>(weekdayIt - std::begin(kWeekdays))};
        for (int y = 1902; y <= 2099; ++y) {
            const sys_days festival{year{y} / month{static_cast<unsigned>(m)} / wd[index]};
            EXPECT_TRUE(ShowsFestival(festival, *name)) << *name << " " << y;
            EXPECT_FALSE(ShowsFestival(festival - weeks{1}, *name)) << *name << " " << y;
            EXPECT_FALSE(ShowsFestival(festival + weeks{1}, *name)) << *name << " " << y;
        }
        const auto example = Between(note, "如", "。");
        ASSERT_TRUE(example) << "note " << n;
        const auto date = DateIn(*example);
        ASSERT_TRUE(date) << *example;
        EXPECT_TRUE(ShowsFestival(*date, *name)) << *example;
    }
}

TEST(NotesText, QingmingAndColdFoodAsTheCalendarComputesThem) {
    const std::string_view note = Note(20);
    const auto gap = Between(note, "清明在春分后约", "天");
    ASSERT_TRUE(gap);
    for (int y = 1901; y <= 2100; ++y) {
        const auto equinox = calendar::SolarTermDay(y, 4);
        const auto qingming = calendar::SolarTermDay(y, 5);
        ASSERT_TRUE(equinox && qingming);
        EXPECT_LE(std::abs((*qingming - *equinox).count() - ToInt(*gap)), 1) << y;
    }
    // "2024年清明4月4日，寒食4月3日"
    const auto example = Between(note, "，如", "。");
    ASSERT_TRUE(example);
    const auto halves = Split(*example, "，");
    ASSERT_EQ(halves.size(), 2u);
    const auto qingming = DateIn(halves[0]);
    ASSERT_TRUE(qingming);
    const int y = YearOf(*qingming);
    EXPECT_EQ(calendar::SolarTermName(5), "清明");
    EXPECT_EQ(calendar::SolarTermDay(y, 5), qingming);
    const auto coldFoodDate = After(halves[1], "寒食");
    ASSERT_TRUE(coldFoodDate) << halves[1];
    const std::string coldFood = std::to_string(y) + "年" + std::string(*coldFoodDate);
    const auto coldFoodDay = DateIn(coldFood);
    ASSERT_TRUE(coldFoodDay) << coldFood;
    EXPECT_EQ(*coldFoodDay, *qingming - days{1});
    EXPECT_TRUE(ShowsFestival(*coldFoodDay, "寒食"));
}

TEST(NotesText, LittleNewYearIsShownOnTheLunarDayTheNoteNames) {
    const std::string_view note = Note(21);
    const auto when = Between(note, "本日历在", "标“");
    const auto name = Between(note, "标“", "”");
    ASSERT_TRUE(when && name);
    int month = 0;
    for (int m = 1; m <= 12; ++m) {
        const std::string_view full = calendar::LunarMonthName(m);
        if (when->starts_with(full.substr(full.find(')') + 1))) month = m;
    }
    ASSERT_EQ(month, 12) << *when;
    const std::string_view dayName = when->substr(when->find("月") + 3);
    int lunarDay = 0;
    for (int d = 1; d <= 30; ++d) {
        if (calendar::LunarDayName(d) == dayName) lunarDay = d;
    }
    ASSERT_NE(lunarDay, 0) << *when;
    int seen = 0;
    for (sys_days d{2024y / 12 / 1}; d <= sys_days{2025y / 2 / 28}; d += days{1}) {
        const auto lunar = calendar::LunarOf(d);
        ASSERT_TRUE(lunar);
        if (lunar->month == month && lunar->day == lunarDay && !lunar->leap) {
            ++seen;
            EXPECT_TRUE(ShowsFestival(d, *name));
        }
    }
    EXPECT_EQ(seen, 1);
}

TEST(NotesText, ThirtyNayinNamesInCycleOrder) {
    const std::string_view note = Note(22);
    const auto list = After(note, "共三十种：\r\n");
    ASSERT_TRUE(list);
    std::vector<std::string_view> listed;
    for (std::string_view line : Lines(*list)) {
        for (std::string_view name : Split(line, "、")) listed.push_back(name);
    }
    ASSERT_EQ(listed.size(), 30u);
    for (int k = 1; k <= 30; ++k) {
        EXPECT_EQ(listed[k - 1], calendar::NayinName(2 * k - 1)) << k;
        EXPECT_EQ(calendar::NayinName(2 * k), calendar::NayinName(2 * k - 1)) << k;
    }
    const std::string pair = HanOnly(calendar::JiaziName(1)) + "、" +
                             HanOnly(calendar::JiaziName(2)) + "同为" +
                             std::string(calendar::NayinName(1));
    EXPECT_NE(note.find(pair), std::string_view::npos);
}

}  // namespace
