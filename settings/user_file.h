#pragma once
// Reading a user's text file (the holiday schedule, the reminders) by its UTF-8 name, safely:
// on Windows by its UTF-16 name, so that any path a user can type opens; never blocking on a
// pipe or a device; the size taken from the open file and reading stopped at the limit, so a
// file that grows meanwhile or reports no size is never read past it.
#include <string_view>

#include "calendar/user_text.h"

namespace settings {

calendar::UserFile ReadUserFile(std::string_view utf8Path,
                                std::uintmax_t limit = calendar::kMaxUserFileBytes);

}  // namespace settings
