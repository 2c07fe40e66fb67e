#include "sticker/chime.h"

namespace sticker {

using namespace std::chrono;

Action PlayAction(std::string_view sound) { return {Action::Kind::Play, std::string(sound)}; }
Action SpeakAction(std::string_view sentence) {
    return {Action::Kind::Speak, std::string(sentence)};
}

namespace {

// Built by appending: GCC 12 warns falsely (-Wrestrict) about literal + std::string here.
std::string Sentence(std::string_view head, long long number, std::string_view tail) {
    std::string text(head);
    text += std::to_string(number);
    text += tail;
    return text;
}

void AddHourChime(std::vector<Action>& actions, long long hour) {
    actions.push_back(PlayAction(kHourSound));
    actions.push_back(SpeakAction(Sentence("现在是", hour, "点整")));
}

void AddHalfHourChime(std::vector<Action>& actions, long long hour) {
    actions.push_back(PlayAction(kHalfHourSound));
    actions.push_back(SpeakAction(Sentence("现在是", hour, "点三十分")));
}

void AddAlarm(std::vector<Action>& actions, seconds alarm) {
    const hh_mm_ss<seconds> hms{alarm};
    actions.push_back(PlayAction(kAlarmSound));
    actions.push_back(SpeakAction(Sentence("", hms.hours().count(), "点") +
                                  Sentence("", hms.minutes().count(), "分到了")));
    actions.push_back(PlayAction(kRingSound));
}

}  // namespace

std::vector<Action> ChimeAndAlarmActions(seconds timeOfDay, const settings::Schedule& schedule) {
    std::vector<Action> actions;
    if (timeOfDay < seconds{0} || timeOfDay >= calendar::kDay) return actions;
    const hh_mm_ss<seconds> now{timeOfDay};
    const long long h = now.hours().count();
    const long long m = now.minutes().count();
    const long long s = now.seconds().count();

    const bool onHour = m == 0 && s == 0;
    const bool onHalfHour = m == 30 && s == 0;
    const bool quiet =
        schedule.quietHours && settings::InQuietHours(*schedule.quietHours, timeOfDay);
    switch (quiet ? 0 : schedule.ChimeMode) {
        case 1:
            if (onHour) AddHourChime(actions, h);
            break;
        case 2:
            if (onHalfHour) AddHalfHourChime(actions, h);
            break;
        case 3:
            if (onHour)
                AddHourChime(actions, h);
            else if (onHalfHour)
                AddHalfHourChime(actions, h);
            break;
        default:
            break;
    }

    if (schedule.AlarmTime1 && *schedule.AlarmTime1 == timeOfDay) {
        AddAlarm(actions, *schedule.AlarmTime1);
    } else if (schedule.AlarmTime2 && *schedule.AlarmTime2 == timeOfDay) {
        AddAlarm(actions, *schedule.AlarmTime2);
    }
    return actions;
}

void PlayActions(std::span<const Action> actions, Voice& voice, SoundPlayer& sound) {
    for (const Action& action : actions) {
        if (action.kind == Action::Kind::Play)
            sound.Play(action.text);
        else
            voice.Speak(action.text);
    }
}

void CheckChimeAndAlarms(const calendar::Moment& now, const settings::Schedule& schedule,
                         Announcer& announcer) {
    // Most ticks announce nothing; skip building the list then, as the tick runs every second.
    const seconds t = now.timeOfDay;
    const bool maybeChime = t % minutes{30} == seconds{0};
    const bool maybeAlarm = schedule.AlarmTime1 == t || schedule.AlarmTime2 == t;
    if (!maybeChime && !maybeAlarm) return;
    announcer.Announce(ChimeAndAlarmActions(t, schedule));
}

}  // namespace sticker
