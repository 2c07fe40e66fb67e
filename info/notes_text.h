#pragma once
// The calendar notes shown in the notes window: 22 numbered notes ("01、" .. "22、"), lines
// ending in CR LF, notes separated by an empty line. The last line has no line break.
#include <string_view>

namespace info {

std::string_view NotesText();

}  // namespace info
