#include "sticker/compose.h"

#include "calendar/colour.h"
#include "calendar/festivals.h"
#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/seasons.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"

namespace sticker {

using namespace std::chrono;
using calendar::Moment;
using calendar::PillarKind;

namespace {

constexpr std::string_view kCrLf = "\r\n";

struct DayFields {
    year_month_day ymd;
    int year = 0;
    std::string yyyy, mm, dd;
};

DayFields FieldsOf(sys_days today) {
    DayFields f;
    f.ymd = year_month_day{today};
    f.year = int(f.ymd.year());
    f.yyyy = calendar::ZeroPadded(f.year, 4);
    f.mm = calendar::ZeroPadded(unsigned(f.ymd.month()), 2);
    f.dd = calendar::ZeroPadded(unsigned(f.ymd.day()), 2);
    return f;
}

// The pieces both faces build their date block from; the faces differ only in how they join
// them and in which year (clamped or not) the Gregorian pieces use.
struct DatePieces {
    std::string_view weekday;
    int week = 0;
    int weeksInYear = 0;
    long long daysToSpringFestival = 0;
    calendar::LunarDate lunar;
    std::string lunarDay;  // year digits, "闰", month name, size, " ", day name
    std::string_view term;
    std::string yearText;
    std::string zodiac;
    std::string leapNote;
    std::string festivals;
    std::string_view nineNines;
};

DatePieces PiecesOf(sys_days today, int workingYear, const calendar::LunarDate& lunar) {
    DatePieces p;
    p.weekday = calendar::WeekdayName(today);
    p.week = calendar::WeekOfYear(today);
    p.weeksInYear = calendar::WeeksInYear(workingYear);
    p.daysToSpringFestival = (calendar::SpringFestivalDay(lunar.year + 1) - today).count();
    p.lunar = lunar;
    p.lunarDay = calendar::ChineseYearDigits(lunar.year) + calendar::LunarMonthAndDayText(lunar);
    // The term search uses the year of today itself, never the clamped working year.
    p.term = calendar::SolarTermName(calendar::SolarTermIndexOn(today));
    // The year is named as users know it: it changes at the Spring Festival, with the lunar
    // date shown beside it, not on 1 January.
    p.yearText = calendar::YearPillar(lunar.year, PillarKind::StemBranch);
    p.zodiac = calendar::YearZodiac(lunar.year);
    p.leapNote = calendar::LeapMonthNote(lunar.year);
    p.festivals = calendar::DayFestivals(workingYear, today);
    p.nineNines = calendar::NineNinesMarker(today, workingYear);
    return p;
}

std::string WeekAndCountdownLine(const DatePieces& p) {
    return std::string(p.weekday) + " " + std::to_string(p.week) + "/" +
           std::to_string(p.weeksInYear) + "周 " + std::to_string(p.daysToSpringFestival) +
           "天后春节";
}

}  // namespace

MainFaceTexts ComposeMainFaceTexts(const Moment& now) {
    const sys_days today = now.today;
    const std::optional<calendar::LunarDate> lunar = calendar::LunarOf(today);
    if (!lunar) return {{}, std::string(calendar::RangeMessage(today))};

    const DayFields f = FieldsOf(today);
    const int workingYear = calendar::WorkingYear(f.year);
    const DatePieces p = PiecesOf(today, workingYear, *lunar);

    std::string line1;
    if (lunar->leap) {
        line1 = std::string(p.weekday) + "(第" + std::to_string(p.week) + "/" +
                std::to_string(p.weeksInYear) + "周 " + std::to_string(p.daysToSpringFestival) +
                ")";
    } else {
        line1 = WeekAndCountdownLine(p);
    }
    std::string line2 = f.yyyy + " 年 " + f.mm + " 月 " + f.dd + " 日";
    std::string line3 = " " + p.lunarDay + " " + std::string(p.term);
    std::string line4 = p.yearText + "[" + p.zodiac + (lunar->leap ? "]年" : "]") + p.leapNote +
                        p.festivals + std::string(p.nineNines);

    MainFaceTexts texts;
    texts.dateBlock = line1;
    texts.dateBlock.append(kCrLf).append(line2).append(kCrLf).append(line3).append(kCrLf).append(
        line4);
    return texts;
}

AlternateFaceTexts ComposeAlternateFaceTexts(const Moment& now) {
    const sys_days today = now.today;
    const DayFields f = FieldsOf(today);
    AlternateFaceTexts texts;
    texts.date = f.yyyy + "年" + f.mm + "月" + f.dd + "日";

    // Outside the table there is nothing true to show.
    const std::optional<calendar::LunarDate> lunar = calendar::LunarOf(today);
    if (!lunar) {
        texts.weekLine = std::string(calendar::RangeMessage(today));
        texts.lunarBlock = texts.weekLine;
        return texts;
    }

    const DatePieces p = PiecesOf(today, f.year, *lunar);
    texts.weekLine = WeekAndCountdownLine(p);

    std::string line2 = p.yearText + "[" + p.zodiac + "]" + p.leapNote + std::string(p.term) +
                        p.festivals + " " + std::string(p.nineNines);
    std::string line3 = calendar::MonthPillar(today, PillarKind::StemBranch) + " " +
                             calendar::DayPillar(today, PillarKind::StemBranch);
    texts.lunarBlock = p.lunarDay;
    texts.lunarBlock.append(kCrLf).append(line2).append(kCrLf).append(line3);
    return texts;
}

RangeMessageParts SplitRangeMessage(std::string_view message) {
    constexpr std::string_view kComma = "，";
    const size_t comma = message.find(kComma);
    if (comma == std::string_view::npos) return {std::string(message), {}};
    const size_t end = comma + kComma.size();
    return {std::string(message.substr(0, end)), std::string(message.substr(end))};
}

FacePosition MainFacePosition(int workAreaWidth, int windowWidth) {
    return {workAreaWidth - windowWidth + 45, -4};
}

FacePosition AlternateFacePosition(int workAreaWidth, int windowWidth) {
    return {workAreaWidth - windowWidth - 2, 2};
}

FacePoint FaceCentreOf(int left, int top, int width, int height) {
    return {left + width / 2, top + height / 2};
}

FaceColours ColoursForText(std::uint32_t text) {
    const std::uint32_t drawn = text & 0xFFFFFFu;
    return {drawn, calendar::ShiftColour(drawn, 50)};
}

}  // namespace sticker
