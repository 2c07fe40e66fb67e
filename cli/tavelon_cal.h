#pragma once
// tavelon-cal, the command line over the calendar engine.
//
// The commands form one table made of groups. To add a command to an existing group, add
// one entry to that group's array. To add a group, write a file of your own, for example
// cli/face_commands.cpp:
//
//     namespace cli {
//     static int RunFace(const Invocation& call) { ArgReader args(call); ... }
//     std::span<const Command> FaceCommands() {
//         static constexpr Command kCommands[] = {
//             {"face", "[DATE]", "the main face as the sticker shows it", RunFace},
//         };
//         return kCommands;
//     }
//     }  // namespace cli
//
// and list FaceCommands in cli/command_groups.cpp (a declaration and one entry). Groups are
// listed there, not registered by static constructors, because cli_core is a static library:
// the linker drops an object file that nothing refers to, and its registration with it.
//
// A command name may have several words ("pillar year"); the longest name that matches the
// leading arguments wins, and the words after it are the command's arguments. The help text
// lists the commands in table order. cli/arguments.h reads and checks the arguments and
// reports usage errors in the common form.
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the output could not be written
constexpr int kExitUsage = 2;    // bad arguments, or a date outside the lunar range

struct Command;

// One run of a command: the arguments after its name and the two streams. Results go to
// out, one per line; problems go to err and nothing to out.
struct Invocation {
    const Command& command;
    std::span<const std::string> args;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    std::string_view name;               // "lunar", "pillar year"
    std::string_view synopsis;           // the arguments as the usage shows them: "DATE1 DATE2"
    std::string_view summary;            // one line of help
    int (*run)(const Invocation& call);  // returns the exit status
};

using CommandGroup = std::span<const Command> (*)();

// Every group of the program, in help order (cli/command_groups.cpp).
std::span<const CommandGroup> CommandGroups();

// The program without the process around it: args are the words after the program name.
int RunTavelonCal(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same dispatch over a table of one's own.
int RunCommands(std::span<const CommandGroup> groups, std::span<const std::string> args,
                std::ostream& out, std::ostream& err);
// The full help text of a table, ending in a newline.
std::string UsageText(std::span<const CommandGroup> groups);
// "usage: tavelon-cal NAME SYNOPSIS"
std::string UsageLine(const Command& command);

// What main does once it holds the arguments as UTF-8 and the standard streams: runs the
// arguments, and turns an output that could not be written into a message and kExitFailure.
int TavelonCalMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
