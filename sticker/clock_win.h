#pragma once
// The local clock of the machine.
#include "sticker/chime.h"

namespace sticker {

class LocalClock final : public Clock {
public:
    Moment Now() override;
};

}  // namespace sticker
