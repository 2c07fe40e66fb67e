#include "sticker/moment.h"

#include <charconv>

namespace sticker {

using namespace std::chrono;

std::optional<Moment> MomentOf(int year, int month, int day, int hour, int minute, int second) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    year_month_day date{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                        std::chrono::day{unsigned(day)}};
    if (!date.ok()) return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return std::nullopt;
    }
    return Moment{sys_days{date}, hours{hour} + minutes{minute} + seconds{second}};
}

namespace {

// Reads exactly `width` decimal digits at text[pos].
bool ReadField(std::string_view text, std::size_t pos, std::size_t width, int& out) {
    if (pos + width > text.size()) return false;
    for (std::size_t i = pos; i < pos + width; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    std::from_chars(text.data() + pos, text.data() + pos + width, out);
    return true;
}

}  // namespace

std::optional<Moment> ParseMoment(std::string_view text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    if (!ReadField(text, 0, 4, year) || !ReadField(text, 5, 2, month) ||
        !ReadField(text, 8, 2, day)) {
        return std::nullopt;
    }
    std::string_view time = text.substr(10);
    if (!time.empty()) {
        bool shortForm = time.size() == 6;
        bool longForm = time.size() == 9 && time[6] == ':';
        if ((!shortForm && !longForm) || time[0] != ' ' || time[3] != ':') return std::nullopt;
        if (!ReadField(time, 1, 2, hour) || !ReadField(time, 4, 2, minute)) return std::nullopt;
        if (longForm && !ReadField(time, 7, 2, second)) return std::nullopt;
    }
    return MomentOf(year, month, day, hour, minute, second);
}

}  // namespace sticker
