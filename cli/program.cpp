#include <ostream>
#include <string>
#include <vector>

#include "cli/tavelon_cal.h"

namespace cli {

int TavelonCalMain(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const int status = RunTavelonCal(args, out, err);
    // A full disk must not pass for success: the last buffered bytes fail only here.
    out.flush();
    if (!out) {
        err << "tavelon-cal: could not write the output\n";
        return kExitFailure;
    }
    return status;
}

}  // namespace cli
