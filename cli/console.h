#pragma once
// A Windows console shows UTF-8 output only with its output code page set to UTF-8. The
// page belongs to the console, not to the process, so it is put back on the way out.

namespace cli {

class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    unsigned previousPage_ = 0;
};

}  // namespace cli
