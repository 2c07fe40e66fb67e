#include "calendar/lunar.h"

#include <array>
#include <cstdint>

#include "calendar/name_tables.h"
#include "calendar/text.h"

namespace calendar {

using namespace std::chrono;

namespace {

constexpr int kYears = kLastLunarYear - kFirstLunarYear + 1;

int ClampToTable(int y) {
    return y < kFirstLunarYear ? kFirstLunarYear : (y > kLastLunarYear ? kLastLunarYear : y);
}

std::uint32_t CodeValue(int year) {
    std::uint32_t value = 0;
    for (const char c : LunarYearCode(year)) {
        value = (value << 4) | static_cast<std::uint32_t>(c <= '9' ? c - '0' : c - 'A' + 10);
    }
    return value;
}

// The code's 24 bits, most significant first: bit position p (1..24) is bit 24 - p.
int LeapOfCode(std::uint32_t code) { return static_cast<int>(code >> 20); }
bool SlotIsBig(std::uint32_t code, int slot) { return (code >> (20 - slot)) & 1u; }
unsigned FestivalMonthOfCode(std::uint32_t code) { return (code >> 5) & 3u; }
unsigned FestivalDayOfCode(std::uint32_t code) { return code & 31u; }

// What a conversion needs of one lunar year, derived once from its code.
struct YearInfo {
    int firstDay = 0;  // the Spring Festival, days since 1970-01-01
    int length = 0;    // 353..385 days
    int leap = 0;      // 0..12
    int slots = 12;    // 12, or 13 with a leap month
    std::uint32_t code = 0;
};

const std::array<YearInfo, kYears>& Years() {
    static const std::array<YearInfo, kYears> years = [] {
        std::array<YearInfo, kYears> all{};
        for (int i = 0; i < kYears; ++i) {
            YearInfo& info = all[static_cast<std::size_t>(i)];
            const int y = kFirstLunarYear + i;
            info.code = CodeValue(y);
            info.leap = LeapOfCode(info.code);
            info.slots = info.leap == 0 ? 12 : 13;
            const year_month_day first{year{y}, month{FestivalMonthOfCode(info.code)},
                                       day{FestivalDayOfCode(info.code)}};
            info.firstDay = static_cast<int>(sys_days{first}.time_since_epoch().count());
            for (int s = 1; s <= info.slots; ++s) info.length += SlotIsBig(info.code, s) ? 30 : 29;
        }
        return all;
    }();
    return years;
}

const YearInfo& InfoOf(int lunarYear) {
    return Years()[static_cast<std::size_t>(ClampToTable(lunarYear) - kFirstLunarYear)];
}

// The month a slot shows: the leap slot repeats the month before it.
LunarDate DateInYear(const YearInfo& info, int lunarYear, int offset) {
    for (int s = 1; s <= info.slots; ++s) {
        const int length = SlotIsBig(info.code, s) ? 30 : 29;
        if (offset < length) {
            LunarDate date;
            date.year = lunarYear;
            date.day = offset + 1;
            date.leap = info.leap != 0 && s == info.leap + 1;
            date.month = info.leap == 0 || s <= info.leap ? s : s - 1;
            return date;
        }
        offset -= length;
    }
    return {};
}

}  // namespace

std::string YearCodeBits(int year) {
    std::string bits;
    bits.reserve(24);
    for (const char c : LunarYearCode(year)) {
        const int digit = c <= '9' ? c - '0' : c - 'A' + 10;
        bits += NibbleBits(digit + 1);
    }
    return bits;
}

int LeapMonthOf(int year) { return InfoOf(year).leap; }

int LunarMonthLength(int year, int slot) {
    if (slot < 1 || slot > 13) return 29;
    return SlotIsBig(InfoOf(year).code, slot) ? 30 : 29;
}

sys_days SpringFestivalDay(int year) {
    // Lunar year 2099 ends on 2100-02-08, so the year 2100 begins the day after although
    // the table stops at 2099.
    if (year == kLastLunarYear + 1) return kLastLunarDay + days{1};
    const std::uint32_t code = InfoOf(year).code;
    // The year is kept as passed, and an int year may lie beyond chrono::year's range: count
    // the days of the proleptic Gregorian calendar directly.
    const long long y = year;
    const unsigned m = FestivalMonthOfCode(code);
    const unsigned d = FestivalDayOfCode(code);
    const long long yy = y - (m <= 2 ? 1 : 0);
    const long long era = (yy >= 0 ? yy : yy - 399) / 400;
    const long long yoe = yy - era * 400;
    const long long mp = (m + 9) % 12;
    const long long doy = (153 * mp + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return sys_days{days{era * 146097 + doe - 719468}};
}

std::string SpringFestivalDate(int year) {
    if (year == kLastLunarYear + 1) return FormatDate(SpringFestivalDay(year));
    const std::uint32_t code = InfoOf(year).code;
    return DateText(year, static_cast<int>(FestivalMonthOfCode(code)),
                    static_cast<int>(FestivalDayOfCode(code)), 2);
}

std::string FormatLunarDate(const LunarDate& date) {
    return DateText(date.year, date.month, date.day, 2, date.leap ? "闰" : "");
}

std::optional<LunarDate> ParseLunarDate(std::string_view text) {
    constexpr std::string_view kLeap = "闰";
    auto digits = [&](std::size_t pos, std::size_t count, int& value) {
        if (pos + count > text.size()) return false;
        value = 0;
        for (std::size_t i = pos; i < pos + count; ++i) {
            if (text[i] < '0' || text[i] > '9') return false;
            value = value * 10 + (text[i] - '0');
        }
        return true;
    };
    LunarDate date;
    if (!digits(0, 4, date.year) || text.size() < 5 || text[4] != '-') return std::nullopt;
    std::size_t pos = 5;
    if (text.substr(pos, kLeap.size()) == kLeap) {
        date.leap = true;
        pos += kLeap.size();
    }
    if (!digits(pos, 2, date.month) || pos + 2 >= text.size() || text[pos + 2] != '-')
        return std::nullopt;
    if (!digits(pos + 3, 2, date.day) || pos + 5 != text.size()) return std::nullopt;
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 30) return std::nullopt;
    return date;
}

std::optional<LunarDate> LunarOf(sys_days d) {
    if (!InLunarRange(d)) return std::nullopt;
    const int serial = static_cast<int>(d.time_since_epoch().count());
    int y = static_cast<int>(year_month_day{d}.year());
    if (y > kLastLunarYear || serial < InfoOf(y).firstDay) --y;
    return DateInYear(InfoOf(y), y, serial - InfoOf(y).firstDay);
}

std::string LunarDateText(sys_days d) {
    const auto date = LunarOf(d);
    return date ? FormatLunarDate(*date) : std::string{};
}

std::optional<sys_days> GregorianOf(const LunarDate& date) {
    if (date.year < kFirstLunarYear || date.year > kLastLunarYear) return std::nullopt;
    if (date.month < 1 || date.month > 12 || date.day < 1) return std::nullopt;
    const YearInfo& info = InfoOf(date.year);
    if (date.leap && date.month != info.leap) return std::nullopt;
    const int slot = MonthSlot(date);
    if (date.day > (SlotIsBig(info.code, slot) ? 30 : 29)) return std::nullopt;
    int offset = date.day - 1;
    for (int s = 1; s < slot; ++s) offset += SlotIsBig(info.code, s) ? 30 : 29;
    return sys_days{days{info.firstDay + offset}};
}

int MonthSlot(const LunarDate& date) {
    const int leap = LeapMonthOf(date.year);
    if (leap == 0) return date.month;
    if (date.leap && date.month == leap) return leap + 1;
    return date.month <= leap ? date.month : date.month + 1;
}

bool IsBigMonth(const LunarDate& date) {
    return LunarMonthLength(date.year, MonthSlot(date)) == 30;
}

std::string LunarMonthAndDayText(const LunarDate& date) {
    std::string text;
    if (date.leap) text += "闰";
    text += LunarMonthName(date.month);
    text += IsBigMonth(date) ? "大" : "小";
    text += ' ';
    text += LunarDayName(date.day);
    return text;
}

std::string LeapMonthNote(int year) {
    const int leap = LeapMonthOf(year);
    return leap == 0 ? std::string("无闰月") : "闰" + std::to_string(leap) + "月";
}

}  // namespace calendar
