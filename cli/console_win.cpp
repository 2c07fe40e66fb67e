// cli_core takes every file of this folder in both builds, so the Windows half is guarded
// here and the native build gets the do-nothing half.
#include "cli/console.h"

#ifdef _WIN32
#include <windows.h>

namespace cli {

Utf8Console::Utf8Console() : previousPage_(GetConsoleOutputCP()) {
    // 0 means no console is attached (output redirected from a GUI parent): leave it.
    if (previousPage_ != 0 && previousPage_ != CP_UTF8) SetConsoleOutputCP(CP_UTF8);
}

Utf8Console::~Utf8Console() {
    if (previousPage_ != 0 && previousPage_ != CP_UTF8) SetConsoleOutputCP(previousPage_);
}

}  // namespace cli

#else

namespace cli {

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

}  // namespace cli

#endif
