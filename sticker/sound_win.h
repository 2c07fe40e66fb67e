#pragma once
// Plays the program's own WAVE resources.
#include <string_view>

#include "sticker/chime.h"

namespace sticker {

class ResourceSoundPlayer final : public SoundPlayer {
public:
    // Synchronous; a missing resource returns at once.
    void Play(std::string_view name) override;
};

}  // namespace sticker
