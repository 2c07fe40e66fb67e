#include <iostream>
#include <string>
#include <vector>

#include "cli/console.h"
#include "cli/tavelon_cal.h"

namespace cli {

int TavelonCalMain(int argc, char** argv) {
    // The sweep writes a hundred megabytes; the C streams' lock-step would dominate it.
    std::ios::sync_with_stdio(false);
    const Utf8Console console;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);

    const int status = RunTavelonCal(args, std::cout, std::cerr);
    // A full disk must not pass for success: the last buffered bytes fail only here.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "tavelon-cal: could not write the output\n";
        return kExitFailure;
    }
    return status;
}

}  // namespace cli
