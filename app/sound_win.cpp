#include "app/sound_win.h"

#include <windows.h>
#include <mmsystem.h>

#include "ui/text.h"

namespace app {

void ResourceSoundPlayer::Play(std::string_view name) {
    // SND_RESOURCE | SND_SYNC (0x40004): the program's own WAVE resource, played to its end.
    PlaySoundW(ui::Widen(name).c_str(), GetModuleHandleW(nullptr), SND_RESOURCE | SND_SYNC);
}

}  // namespace app
