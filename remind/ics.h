#pragma once
// The calendar as an iCalendar file that other calendar programs import: the festivals, the
// public holidays and make-up days and the reminders of a span of years as all-day events, and
// the solar terms at their moments, given in UTC. Lines end in CR LF and are folded at 75
// octets; every event has a UID that stays the same from one export to the next, so a second
// import updates the first.
#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calendar/holidays.h"
#include "remind/reminder.h"

namespace remind {

struct IcsRequest {
    int fromYear = 0;  // Gregorian years, both included
    int toYear = 0;
    bool festivals = true;
    bool terms = true;
    const calendar::HolidaySchedule* holidays = nullptr;  // none: no holiday events
    std::span<const Reminder> reminders;
    std::chrono::sys_seconds stamp;  // the one DTSTAMP of every event
};

std::string CalendarIcs(const IcsRequest& request);

// The pieces, for the tests and for later events: an escaped TEXT value, and a content line
// folded and ended with CR LF.
std::string IcsText(std::string_view text);
void AppendFoldedLine(std::string& out, std::string_view line);

// A solar term's event: all-day on its date, or at its moment (UTC) where one is known, with
// the Beijing time in its description.
void AppendTermEvent(std::string& out, std::string_view name, calendar::sys_days date,
                     std::optional<std::chrono::sys_seconds> moment, std::string_view stamp);

}  // namespace remind
