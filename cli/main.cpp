#include "cli/tavelon_cal.h"

int main(int argc, char** argv) { return cli::TavelonCalMain(argc, argv); }
