#pragma once
// The start-with-the-system entry: the program's own path under the current user's Run key.
#include <string>
#include <string_view>

#include "settings/store.h"

namespace settings {

// The module file name split after its last ":", "/" or "\"; no such character leaves the
// directory empty.
struct ProgramPath {
    std::string directory;  // ends with the separator, or is empty
    std::string file;
    friend bool operator==(const ProgramPath&, const ProgramPath&) = default;
};
ProgramPath SplitProgramPath(std::string_view modulePath);

// The Run value's text: directory + file, in double quotes when it contains a blank, since
// the system would otherwise take the part before the blank for the program.
std::string StartWithSystemText(std::string_view directory, std::string_view file);
bool SetStartWithSystem(SettingsStore& store, std::string_view directory, std::string_view file);
bool RemoveStartWithSystem(SettingsStore& store);

}  // namespace settings
