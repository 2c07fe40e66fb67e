// The entry point on Windows: wmain (linked with -municode) receives the arguments in
// UTF-16, as Windows holds them; they become UTF-8 here, once, and every command reads them
// as the native build does.
#include <string>
#include <vector>

#include "cli/console_win.h"
#include "cli/tavelon_cal.h"

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(cli::Utf8Of(argv[i]));
    cli::HandleStream out(GetStdHandle(STD_OUTPUT_HANDLE));
    cli::HandleStream err(GetStdHandle(STD_ERROR_HANDLE));
    // Problems show at once, as on the standard error stream elsewhere.
    err << std::unitbuf;
    return cli::TavelonCalMain(args, out, err);
}
