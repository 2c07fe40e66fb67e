#pragma once
// The sticker's faces and its chime on the command line.
#include <iosfwd>
#include <span>
#include <string>

#include "cli/tavelon_cal.h"
#include "calendar/moment.h"

namespace cli {

std::span<const Command> FaceCommands();

// The main face as a person sees it: the clock, the date block and the pillar lines, one
// text line per line, or the range message for a date outside the table.
std::string MainFaceView(const calendar::Moment& now);

// What tavelon-cal prints without a command: the main face at the local date and time.
int RunMainFaceNow(std::ostream& out, std::ostream& err);

}  // namespace cli
