#include "remind/ics.h"

#include <cstdint>
#include <map>

#include "calendar/festivals.h"
#include "calendar/name_tables.h"
#include "calendar/range.h"
#include "calendar/solar_terms.h"
#include "calendar/term_moments.h"
#include "calendar/text.h"

namespace remind {

namespace {

using namespace std::chrono;
using calendar::sys_days;

constexpr std::size_t kFoldOctets = 75;
// The terms' moments are Beijing time, eight hours ahead of UTC all year.
constexpr hours kBeijingOffset{8};

std::string DateValue(sys_days d) {
    const year_month_day ymd{d};
    std::string out;
    calendar::AppendZeroPadded(out, static_cast<int>(ymd.year()), 4);
    calendar::AppendZeroPadded(out, static_cast<unsigned>(ymd.month()), 2);
    calendar::AppendZeroPadded(out, static_cast<unsigned>(ymd.day()), 2);
    return out;
}

// UTC in the basic form, "20261208T191800Z".
std::string DateTimeValue(sys_seconds t) {
    const sys_days d = floor<days>(t);
    const hh_mm_ss<seconds> time{t - d};
    std::string out = DateValue(d) + 'T';
    calendar::AppendZeroPadded(out, time.hours().count(), 2);
    calendar::AppendZeroPadded(out, time.minutes().count(), 2);
    calendar::AppendZeroPadded(out, time.seconds().count(), 2);
    return out + 'Z';
}

// "2026-12-22 04:50:15" of a UTC moment.
std::string BeijingText(sys_seconds utc) {
    const sys_seconds beijing = utc + kBeijingOffset;
    const sys_days d = floor<days>(beijing);
    const hh_mm_ss<seconds> time{beijing - d};
    std::string out = calendar::FormatDate(d) + ' ';
    calendar::AppendZeroPadded(out, time.hours().count(), 2);
    out += ':';
    calendar::AppendZeroPadded(out, time.minutes().count(), 2);
    out += ':';
    calendar::AppendZeroPadded(out, time.seconds().count(), 2);
    return out;
}

// A UID part that depends only on the reminder itself (FNV-1a of its line), so that the same
// reminder keeps its events' UIDs however the file is reordered.
std::string ReminderKey(const Reminder& reminder) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    const std::string text = RuleText(reminder.rule) + '\t' + reminder.name;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    constexpr char kHex[] = "0123456789abcdef";
    std::string key;
    for (int shift = 60; shift >= 0; shift -= 4) key += kHex[(hash >> shift) & 0xF];
    return key;
}

struct Event {
    std::string uid;
    sys_days date;
    std::string summary;
    int alarmDaysBefore = 0;
};

void AppendEvent(std::string& out, const Event& event, std::string_view stamp) {
    AppendFoldedLine(out, "BEGIN:VEVENT");
    AppendFoldedLine(out, "UID:" + event.uid);
    AppendFoldedLine(out, "DTSTAMP:" + std::string(stamp));
    AppendFoldedLine(out, "DTSTART;VALUE=DATE:" + DateValue(event.date));
    AppendFoldedLine(out, "DTEND;VALUE=DATE:" + DateValue(event.date + days{1}));
    AppendFoldedLine(out, "SUMMARY:" + IcsText(event.summary));
    AppendFoldedLine(out, "TRANSP:TRANSPARENT");
    if (event.alarmDaysBefore > 0) {
        AppendFoldedLine(out, "BEGIN:VALARM");
        AppendFoldedLine(out, "ACTION:DISPLAY");
        AppendFoldedLine(out, "DESCRIPTION:" + IcsText(event.summary));
        AppendFoldedLine(out, "TRIGGER:-P" + std::to_string(event.alarmDaysBefore) + "D");
        AppendFoldedLine(out, "END:VALARM");
    }
    AppendFoldedLine(out, "END:VEVENT");
}

}  // namespace

std::string IcsText(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
            case ';':
            case ',':
                out += '\\';
                out += c;
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                break;
            default:
                out += c;
        }
    }
    return out;
}

void AppendFoldedLine(std::string& out, std::string_view line) {
    std::size_t room = kFoldOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        // Never inside a UTF-8 character: back up to the start of the one the cut would split.
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        room = kFoldOctets - 1;  // the continuation's leading blank counts
    }
    out.append(line);
    out += "\r\n";
}

void AppendTermEvent(std::string& out, std::string_view name, sys_days date,
                     std::optional<sys_seconds> moment, std::string_view stamp) {
    if (!moment) {
        AppendEvent(out, {"term-" + DateValue(date) + "@tavelon", date, std::string(name), 0},
                    stamp);
        return;
    }
    AppendFoldedLine(out, "BEGIN:VEVENT");
    AppendFoldedLine(out, "UID:term-" + DateValue(date) + "@tavelon");
    AppendFoldedLine(out, "DTSTAMP:" + std::string(stamp));
    AppendFoldedLine(out, "DTSTART:" + DateTimeValue(*moment));
    AppendFoldedLine(out, "SUMMARY:" + IcsText(name));
    // The calendar shows the moment in its own zone; the Beijing time is the one almanacs give.
    AppendFoldedLine(out, "DESCRIPTION:" + IcsText("北京时间 " + BeijingText(*moment)));
    AppendFoldedLine(out, "TRANSP:TRANSPARENT");
    AppendFoldedLine(out, "END:VEVENT");
}

std::string CalendarIcs(const IcsRequest& request) {
    const std::string stamp = DateTimeValue(request.stamp);
    std::string out;
    AppendFoldedLine(out, "BEGIN:VCALENDAR");
    AppendFoldedLine(out, "VERSION:2.0");
    AppendFoldedLine(out, "PRODID:-//Tavelon//Tavelon calendar//ZH");
    AppendFoldedLine(out, "CALSCALE:GREGORIAN");
    for (int year = request.fromYear; year <= request.toYear; ++year) {
        const sys_days first{std::chrono::year{year} / January / 1};
        const sys_days last{std::chrono::year{year} / December / 31};
        for (sys_days d = first; d <= last; d += days{1}) {
            if (request.festivals && calendar::InLunarRange(d)) {
                const std::string festivals = calendar::DayFestivals(year, d);
                if (!festivals.empty())
                    AppendEvent(out, {"festival-" + DateValue(d) + "@tavelon", d, festivals, 0},
                                stamp);
            }
            if (request.holidays) {
                if (const calendar::HolidayDay* day = request.holidays->On(d))
                    AppendEvent(
                        out,
                        {"holiday-" + DateValue(d) + "@tavelon", d, calendar::HolidayText(day), 0},
                        stamp);
            }
        }
        if (request.terms) {
            for (int index = 1; index <= calendar::kTermCount; ++index) {
                const auto shown = calendar::ShownSolarTerm(year, index);
                if (!shown) continue;
                // A term whose moment falls across midnight from its day keeps the day alone.
                std::optional<sys_seconds> moment;
                if (shown->timeOfDay)
                    moment = sys_seconds{shown->day} + *shown->timeOfDay - kBeijingOffset;
                AppendTermEvent(out, calendar::SolarTermName(index), shown->day, moment, stamp);
            }
        }
        std::map<std::string, int> seen;  // the same reminder written twice keeps two UIDs
        for (const Occurrence& o : OccurrencesInYear(request.reminders, year)) {
            const Reminder& reminder = request.reminders[o.index];
            std::string uid = "reminder-" + DateValue(o.date) + "-" + ReminderKey(reminder);
            if (const int count = ++seen[uid]; count > 1) {
                uid += '-';
                uid += std::to_string(count);
            }
            AppendEvent(out, {uid + "@tavelon", o.date, reminder.name, reminder.daysAhead}, stamp);
        }
    }
    AppendFoldedLine(out, "END:VCALENDAR");
    return out;
}

}  // namespace remind
