#pragma once
// The program clock: the local time read once a second and handed to every subscriber.
#include <optional>
#include <vector>

#include "calendar/moment.h"
#include "calendar/program_clock.h"

namespace app {

class Ticker final : public calendar::ProgramClock {
public:
    explicit Ticker(calendar::Clock& clock) : clock_(clock) {}

    void Subscribe(calendar::TickListener& listener) override;
    void Unsubscribe(calendar::TickListener& listener) override;
    void Tick() override;
    void DateMayHaveChanged() override;

private:
    // Tells each listener subscribed when the event began that is still subscribed.
    template <class Event>
    void Tell(Event event);

    calendar::Clock& clock_;
    std::vector<calendar::TickListener*> listeners_;
    std::optional<calendar::Moment> last_;           // the second told last
    std::optional<std::chrono::sys_days> day_;       // the date told last
};

}  // namespace app
