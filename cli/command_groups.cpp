#include "cli/face_commands.h"
#include "cli/info_commands.h"
#include "cli/tavelon_cal.h"
#include "cli/tools_commands.h"

namespace cli {

// Each group is defined in its own file; a new group adds its declaration and its entry here.
std::span<const Command> CalendarCommands();
std::span<const Command> SweepCommands();
std::span<const Command> HelpCommands();
std::span<const Command> MonthCommands();
std::span<const Command> RemindCommands();

std::span<const CommandGroup> CommandGroups() {
    static constexpr CommandGroup kGroups[] = {
        CalendarCommands, SweepCommands, FaceCommands,   ToolsCommands,
        InfoCommands,     MonthCommands, RemindCommands, HelpCommands,
    };
    return kGroups;
}

}  // namespace cli
