#include "calendar/moment.h"

#include <charconv>

namespace calendar {

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

std::optional<seconds> ParseTimeOfDay(std::string_view text) {
    const bool withSeconds = text.size() == 8;
    if ((text.size() != 5 && !withSeconds) || text[2] != ':' || (withSeconds && text[5] != ':')) {
        return std::nullopt;
    }
    int hour = 0, minute = 0, second = 0;
    if (!ReadField(text, 0, 2, hour) || !ReadField(text, 3, 2, minute)) return std::nullopt;
    if (withSeconds && !ReadField(text, 6, 2, second)) return std::nullopt;
    if (hour > 23 || minute > 59 || second > 59) return std::nullopt;
    return hours{hour} + minutes{minute} + seconds{second};
}

std::optional<Moment> ParseMoment(std::string_view text) {
    int year = 0, month = 0, day = 0;
    if (text.size() < 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    if (!ReadField(text, 0, 4, year) || !ReadField(text, 5, 2, month) ||
        !ReadField(text, 8, 2, day)) {
        return std::nullopt;
    }
    seconds timeOfDay{0};
    if (const std::string_view time = text.substr(10); !time.empty()) {
        const auto parsed = time[0] == ' ' ? ParseTimeOfDay(time.substr(1)) : std::nullopt;
        if (!parsed) return std::nullopt;
        timeOfDay = *parsed;
    }
    const hh_mm_ss<seconds> hms{timeOfDay};
    return MomentOf(year, month, day, int(hms.hours().count()), int(hms.minutes().count()),
                    int(hms.seconds().count()));
}

}  // namespace calendar
