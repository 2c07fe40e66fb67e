#include "app/ticker.h"

#include <algorithm>

namespace app {

using calendar::Moment;
using calendar::TickListener;

void Ticker::Subscribe(TickListener& listener) {
    if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end())
        listeners_.push_back(&listener);
}

void Ticker::Unsubscribe(TickListener& listener) {
    std::erase(listeners_, &listener);
}

template <class Event>
void Ticker::Tell(Event event) {
    // A listener may close a window, and with it unsubscribe others, while it is told: walk a
    // copy and skip whoever left.
    const std::vector<TickListener*> snapshot = listeners_;
    for (TickListener* listener : snapshot)
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
            event(*listener);
}

void Ticker::Tick() {
    const Moment now = clock_.Now();
    // A timer that fires just before its second boundary would tick the same second twice.
    if (last_ == now) return;
    last_ = now;
    const bool newDay = day_ && *day_ != now.today;
    day_ = now.today;
    if (newDay) Tell([&](TickListener& l) { l.OnNewDay(now); });
    Tell([&](TickListener& l) { l.OnSecond(now); });
}

void Ticker::DateMayHaveChanged() {
    const Moment now = clock_.Now();
    // The tick that follows tells no new day again for the date told here.
    day_ = now.today;
    Tell([&](TickListener& l) { l.OnNewDay(now); });
}

}  // namespace app
