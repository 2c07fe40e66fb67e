#pragma once
// Runs tavelon-cal in-process and keeps what it wrote.
#include <sstream>
#include <string>
#include <vector>

#include "cli/tavelon_cal.h"

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliRun RunCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = cli::RunTavelonCal(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}
