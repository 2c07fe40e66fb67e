#include "calendar/text.h"

#include "calendar/name_tables.h"

namespace calendar {

void AppendZeroPadded(std::string& out, long long value, int width) {
    char digits[24];
    int count = 0;
    unsigned long long v = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                     : static_cast<unsigned long long>(value);
    do {
        digits[count++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (value < 0) out += '-';
    if (count < width) out.append(static_cast<std::size_t>(width - count), '0');
    while (count > 0) out += digits[--count];
}

std::string ZeroPadded(long long value, int width) {
    std::string text;
    AppendZeroPadded(text, value, width);
    return text;
}

std::string DateText(long long year, int month, int day, int width, std::string_view beforeMonth) {
    std::string text;
    // Every date text of the program fits the string's own buffer, so this makes no allocation.
    text.reserve(15);
    AppendZeroPadded(text, year, 4);
    text += '-';
    text += beforeMonth;
    AppendZeroPadded(text, month, width);
    text += '-';
    AppendZeroPadded(text, day, width);
    return text;
}

std::string ChineseYearDigits(int year) {
    std::string out;
    for (const char c : std::to_string(year)) {
        if (c >= '0' && c <= '9') out += ChineseDigit(c - '0');
    }
    return out;
}

std::string_view WeekdayName(sys_days d) {
    static constexpr std::string_view kNames[] = {"星期日", "星期一", "星期二", "星期三",
                                                  "星期四", "星期五", "星期六"};
    return kNames[std::chrono::weekday{d}.c_encoding()];
}

std::optional<HourTextCut> CutHourText(std::string_view hourText) {
    constexpr std::string_view kHourMark = "时";
    const std::size_t at = hourText.find(kHourMark);
    if (at == std::string_view::npos) return std::nullopt;
    const std::string_view tail = hourText.substr(at + kHourMark.size());
    const std::size_t next = CodePointPrefix(tail, 1).size();
    return HourTextCut{hourText.substr(0, at + kHourMark.size() + next), tail};
}

std::size_t CodePointCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++count;
    }
    return count;
}

std::string_view CodePointPrefix(std::string_view utf8, std::size_t n) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0u) != 0x80u) {
            if (seen == n) return utf8.substr(0, i);
            ++seen;
        }
    }
    return utf8;
}

char KindLetter(std::string_view kind) {
    if (kind.size() != 1) return 0;
    const char c = kind[0];
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return c;
    return 0;
}

}  // namespace calendar
