#pragma once
// Stand-ins for the speech, sound and clock services: they record what a tick did and let a
// test set the time. Header-only so that native and Wine tests share them.
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "sticker/chime.h"
#include "sticker/moment.h"

namespace sticker {

// Records sounds and sentences in one list, so that their order can be checked together.
class ActionRecorder final : public Voice, public SoundPlayer {
public:
    void Speak(std::string_view sentence) override { actions.push_back(SpeakAction(sentence)); }
    void Play(std::string_view name) override { actions.push_back(PlayAction(name)); }
    std::vector<Action> actions;
};

// Returns the moment it is set to; Advance steps it, across midnight too.
class FixedClock final : public Clock {
public:
    explicit FixedClock(Moment start) : now_(start) {}
    Moment Now() override { return now_; }
    void Set(Moment m) { now_ = m; }
    void Advance(std::chrono::seconds by) {
        auto total = now_.timeOfDay + by;
        auto days = std::chrono::floor<std::chrono::days>(total);
        now_.today += days;
        now_.timeOfDay = total - days;
    }

private:
    Moment now_;
};

}  // namespace sticker
