#pragma once
// Colours in the platform layout 0x00BBGGRR (red in the low byte).
#include <cstdint>

namespace calendar {

// Each of the red, green and blue bytes moves by amount toward the middle: bytes above 127
// down, the others up. The high byte stays.
std::uint32_t ShiftColour(std::uint32_t colour, int amount);

}  // namespace calendar
