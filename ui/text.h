#pragma once
// The windows' UTF-8 <-> UTF-16 conversion: text is UTF-8 inside and becomes UTF-16 at the
// Win32 call (the command line, which has no windows, converts at its console in cli/). Invalid
// input never fails: the system's replacement character stands in for undecodable bytes or unpaired
// surrogates.
#include <string>
#include <string_view>

namespace ui {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace ui
