#pragma once
// Plays the program's own WAVE resources.
#include <string_view>

#include "sticker/chime.h"

namespace app {

class ResourceSoundPlayer final : public sticker::SoundPlayer {
public:
    // Synchronous; a missing resource returns at once.
    void Play(std::string_view name) override;
};

}  // namespace app
