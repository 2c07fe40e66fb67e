#include <iostream>
#include <string>
#include <vector>

#include "cli/tavelon_cal.h"

int main(int argc, char** argv) {
    // The sweep writes a hundred megabytes; the C streams' lock-step would dominate it.
    std::ios::sync_with_stdio(false);
    return cli::TavelonCalMain(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                               std::cerr);
}
