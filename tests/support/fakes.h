#pragma once
// Stand-ins for the speech, sound and clock services: they record what a tick did and let a
// test set the time. Header-only, so that the native tests, the Wine tests and the benchmarks
// share them.
#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/moment.h"
#include "sticker/chime.h"

namespace fakes {

// Records sounds and sentences in one list, so that their order can be checked together;
// `during` runs while each one "plays", to look at the program at that moment. As an announcer
// it plays what it is given at once.
class Recorder final : public sticker::Voice,
                       public sticker::SoundPlayer,
                       public sticker::Announcer {
public:
    void Announce(std::vector<sticker::Action> given) override {
        sticker::PlayActions(given, *this, *this);
    }
    void Speak(std::string_view sentence) override { Record(sticker::SpeakAction(sentence)); }
    void Play(std::string_view name) override { Record(sticker::PlayAction(name)); }

    std::vector<sticker::Action> actions;
    std::function<void()> during;

private:
    void Record(sticker::Action action) {
        actions.push_back(std::move(action));
        if (during) during();
    }
};

// Returns the moment it is set to; Advance steps it, across midnight too.
class FixedClock final : public calendar::Clock {
public:
    explicit FixedClock(calendar::Moment start) : now_(start) {}
    calendar::Moment Now() override { return now_; }
    void Set(calendar::Moment m) { now_ = m; }
    void Advance(std::chrono::seconds by) {
        auto total = now_.timeOfDay + by;
        auto days = std::chrono::floor<std::chrono::days>(total);
        now_.today += days;
        now_.timeOfDay = total - days;
    }

private:
    calendar::Moment now_;
};

}  // namespace fakes
