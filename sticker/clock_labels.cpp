#include "sticker/clock_labels.h"

#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/text.h"

namespace sticker {

using namespace std::chrono;
using calendar::Moment;
using calendar::PillarKind;

namespace {

// "mm:ss" of the quarter tables as seconds into the hour; -1 when the text has another shape.
int SecondsOfMinuteText(std::string_view text) {
    if (text.size() != 5 || text[2] != ':') return -1;
    for (std::size_t i : {0, 1, 3, 4}) {
        if (text[i] < '0' || text[i] > '9') return -1;
    }
    return ((text[0] - '0') * 10 + (text[1] - '0')) * 60 + (text[3] - '0') * 10 + (text[4] - '0');
}

struct ClockFields {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

ClockFields FieldsOf(seconds timeOfDay) {
    const hh_mm_ss<seconds> hms{timeOfDay};
    return {int(hms.hours().count()), int(hms.minutes().count()), int(hms.seconds().count())};
}

}  // namespace

std::string_view QuarterOfHour(int minute, int second) {
    const long long t = 60LL * minute + second;
    for (int n = 1; n <= 4; ++n) {
        const int start = SecondsOfMinuteText(calendar::QuarterStartTime(n));
        const int end = SecondsOfMinuteText(calendar::QuarterEndTime(n));
        if (start >= 0 && start <= t && t <= end) return calendar::QuarterName(n);
    }
    return {};
}

std::string ClockText(seconds timeOfDay) {
    const ClockFields f = FieldsOf(timeOfDay);
    std::string text;
    calendar::AppendZeroPadded(text, f.hour, 2);
    text += ':';
    calendar::AppendZeroPadded(text, f.minute, 2);
    text += ':';
    calendar::AppendZeroPadded(text, f.second, 2);
    return text;
}

MainClockTexts ComposeMainClockTexts(const Moment& now) {
    const ClockFields f = FieldsOf(now.timeOfDay);
    MainClockTexts texts;
    texts.clock = ClockText(now.timeOfDay);
    texts.pillarLines = calendar::MonthPillar(now.today, PillarKind::StemBranch) + " " +
                        calendar::DayPillar(now.today, PillarKind::StemBranch) + "\r\n" +
                        calendar::HourPillar(now.today, now.timeOfDay, PillarKind::StemBranch) +
                        std::string(QuarterOfHour(f.minute, f.second));
    return texts;
}

AlternateClockTexts ComposeAlternateClockTexts(const Moment& now) {
    const ClockFields f = FieldsOf(now.timeOfDay);
    AlternateClockTexts texts;
    texts.clock = ClockText(now.timeOfDay);
    const std::string hourText =
        calendar::HourPillar(now.today, now.timeOfDay, PillarKind::StemBranch);
    const std::string_view quarter = QuarterOfHour(f.minute, f.second);
    const auto cut = calendar::CutHourText(hourText);
    if (!cut) {
        texts.hourLines = hourText + std::string(quarter);
        return texts;
    }
    // The character after "时" (a blank) ends the first line and starts the second as well.
    texts.hourLines =
        std::string(cut->head) + "\r\n" + std::string(cut->tail) + std::string(quarter);
    return texts;
}

}  // namespace sticker
