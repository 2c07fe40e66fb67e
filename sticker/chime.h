#pragma once
// The hourly chime and the two daily alarms: what one tick plays and says, and in which order.
#include <chrono>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/moment.h"
#include "settings/schedule.h"

namespace sticker {

inline constexpr std::string_view kHourSound = "WAV_ZDSEN";
inline constexpr std::string_view kHalfHourSound = "WAV_BDSEN";
inline constexpr std::string_view kAlarmSound = "WAV_BAOSHI";
inline constexpr std::string_view kRingSound = "WAV_RING";

struct Action {
    enum class Kind { Play, Speak };
    Kind kind = Kind::Play;
    std::string text;  // a sound resource name, or a sentence
    friend bool operator==(const Action&, const Action&) = default;
};
Action PlayAction(std::string_view sound);
Action SpeakAction(std::string_view sentence);

// The chime first, then at most one alarm (alarm 1 wins a tie). Only the exact second counts:
// a tick that misses it announces nothing and nothing is caught up later. A time of day
// outside one day gives nothing. Inside the schedule's quiet hours the chime keeps silent;
// the alarms, which the user set for that very time, still ring.
std::vector<Action> ChimeAndAlarmActions(std::chrono::seconds timeOfDay,
                                         const settings::Schedule& schedule);

// Speaks one sentence and returns when it has been spoken or dropped; never reports failure.
// Called on the worker queue, never on a window's thread.
class Voice {
public:
    virtual ~Voice() = default;
    virtual void Speak(std::string_view sentence) = 0;
};

// Plays one of the program's named sounds to its end; a sound that cannot play returns at once.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(std::string_view name) = 0;
};

// Runs actions one after the other through the services; on the worker queue in the program.
void PlayActions(std::span<const Action> actions, Voice& voice, SoundPlayer& sound);

// Takes what one tick plays and says, to be played off the window's thread, after whatever it
// was given before and in the order given.
class Announcer {
public:
    virtual ~Announcer() = default;
    virtual void Announce(std::vector<Action> actions) = 0;
};

// Hands the actions due at this second, if any, to the announcer.
void CheckChimeAndAlarms(const calendar::Moment& now, const settings::Schedule& schedule,
                         Announcer& announcer);

}  // namespace sticker
