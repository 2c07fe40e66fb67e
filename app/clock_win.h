#pragma once
// The local clock of the machine.
#include "calendar/moment.h"

namespace app {

class LocalClock final : public calendar::Clock {
public:
    calendar::Moment Now() override;
};

}  // namespace app
