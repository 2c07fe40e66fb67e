#pragma once
// JSON text for the sweep lines.
#include <string>
#include <string_view>

namespace cli {

// Appends text as a JSON string, quotes included. Only what JSON requires is escaped (the
// quote, the backslash and the control characters below U+0020); UTF-8 passes as it is.
void AppendJsonString(std::string& json, std::string_view text);

}  // namespace cli
