#include "cli/info_commands.h"

#include <ostream>
#include <string_view>

#include "cli/arguments.h"
#include "info/about_text.h"
#include "info/notes_text.h"

namespace cli {

namespace {

// The window texts break lines with CR LF, which a terminal or a pipe would carry along as
// stray carriage returns. Every line, the last one too, ends in "\n" here.
void WriteLines(std::ostream& out, std::string_view text) {
    while (true) {
        const std::size_t end = text.find("\r\n");
        out << text.substr(0, end) << '\n';
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 2);
    }
}

int RunNotes(const Invocation& call) {
    ArgReader args(call);
    if (!args.Done()) return kExitUsage;
    WriteLines(call.out, info::NotesText());
    return kExitOk;
}

// The window shows the two texts in separate frames; an empty line stands in for that.
int RunAbout(const Invocation& call) {
    ArgReader args(call);
    if (!args.Done()) return kExitUsage;
    WriteLines(call.out, info::AboutText());
    call.out << '\n';
    WriteLines(call.out, info::ChangeLogText());
    return kExitOk;
}

}  // namespace

std::span<const Command> InfoCommands() {
    static constexpr Command kCommands[] = {
        {"notes", "", "the 22 calendar notes of the notes window", RunNotes},
        {"about", "", "the about text and the change log", RunAbout},
    };
    return kCommands;
}

}  // namespace cli
