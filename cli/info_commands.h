#pragma once
// `tavelon-cal notes` and `tavelon-cal about`: the texts of the notes and about windows on
// the terminal, UTF-8, each line ending in "\n".
#include <span>

#include "cli/tavelon_cal.h"

namespace cli {

std::span<const Command> InfoCommands();

}  // namespace cli
