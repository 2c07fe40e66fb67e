#pragma once
// The tools window's computations on the command line: each command prints the text the
// window would show for the same inputs.
#include <span>

#include "cli/tavelon_cal.h"

namespace cli {

std::span<const Command> ToolsCommands();

}  // namespace cli
