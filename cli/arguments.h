#pragma once
// Reading a command's arguments in order, with one error message for the first problem.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date.h"
#include "cli/tavelon_cal.h"

namespace cli {

// The year numbers a command accepts: the years a calendar date can carry.
constexpr int kMinYear = -32767;
constexpr int kMaxYear = 32767;

// Writes "tavelon-cal NAME: problem" and the command's usage line to err; returns kExitUsage.
int UsageError(const Invocation& call, std::string_view problem);

// An argument as an error message quotes it: control characters escaped, so that a
// pasted escape sequence cannot drive the terminal, and long input cut short.
std::string QuoteArgument(std::string_view text);

// False, after writing the matching range message to err, when the date falls outside the
// days that have a lunar date.
bool CheckLunarRange(calendar::sys_days date, std::ostream& err);

// Reads the arguments front to back. The first problem (missing, malformed or out of range)
// is reported once; the reads after it give nothing, so a command checks Done() once.
class ArgReader {
public:
    explicit ArgReader(const Invocation& call) : call_(call) {}

    // "yyyy-mm-dd" or "yyyy-m-d" of a day that exists.
    std::optional<calendar::sys_days> Date(std::string_view name);
    // A decimal integer in lo..hi (a leading "-" allowed, nothing else around it).
    std::optional<int> Integer(std::string_view name, int lo, int hi);
    std::optional<int> Year(std::string_view name) { return Integer(name, kMinYear, kMaxYear); }
    // One letter among allowed (upper case), any case; gives it in upper case.
    std::optional<std::string> Kind(std::string_view name, std::string_view allowed);

    // True when every read succeeded and no argument is left over; reports the leftover.
    bool Done();

private:
    const std::string* Next(std::string_view name);
    void Fail(std::string_view problem);

    const Invocation& call_;
    std::size_t next_ = 0;
    bool failed_ = false;
};

}  // namespace cli
