#include "calendar/colour.h"

namespace calendar {

std::uint32_t ShiftColour(std::uint32_t colour, int amount) {
    std::uint32_t result = colour & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const int byte = static_cast<int>((colour >> shift) & 0xFFu);
        int moved = byte > 127 ? byte - amount : byte + amount;
        // A large amount must not spill into the neighbouring byte.
        moved = moved < 0 ? 0 : (moved > 255 ? 255 : moved);
        result |= static_cast<std::uint32_t>(moved) << shift;
    }
    return result;
}

}  // namespace calendar
