#pragma once
// The program's one clock as its windows see it: one tick a second for everything that shows
// the time, and a new-day event for everything that shows a date. A window subscribes while it
// is open; the program shell drives the clock from a single timer.
#include "calendar/moment.h"

namespace calendar {

class TickListener {
public:
    virtual ~TickListener() = default;
    // Once in each new second, with the moment of that second.
    virtual void OnSecond(const Moment& /*now*/) {}
    // When the date may have moved: the first tick of a new date, and a resume or a change of
    // the time or the time zone, which may or may not change it. A listener compares the date
    // it shows with now.today.
    virtual void OnNewDay(const Moment& /*now*/) {}
};

class ProgramClock {
public:
    virtual ~ProgramClock() = default;
    // Listeners hear the events in the order they subscribed. A listener may unsubscribe itself
    // or another one while hearing an event (a window closing on a tick); one that subscribes
    // then hears the next event.
    virtual void Subscribe(TickListener& listener) = 0;
    virtual void Unsubscribe(TickListener& listener) = 0;
    // Called by the one timer when it fires: a second already told is not told again.
    virtual void Tick() = 0;
    // Called on a resume, or a change of the time or the time zone.
    virtual void DateMayHaveChanged() = 0;
};

}  // namespace calendar
