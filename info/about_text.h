#pragma once
// The texts of the about window: the five lines about the program, and the change log.
// Lines end in CR LF; neither text ends with a line break.
#include <string_view>

namespace info {

// Why the program was written (two lines), an empty line, when, and where to reach us.
std::string_view AboutText();

// Newest entry first. Each entry is a header line "yyyy-mm-dd 【tag】更新：", numbered lines
// "1、", "2、"..., and a line holding one blank before the next entry.
std::string_view ChangeLogText();

}  // namespace info
