#pragma once
// Reading a command's arguments in order, with one error message for the first problem.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// The last part of a path, as a message names a file (after the last "/", or "\" on Windows).
std::string FileNameOf(std::string_view path);

// False, after writing the matching range message to err, when the date falls outside the
// days that have a lunar date.
bool CheckLunarRange(calendar::sys_days date, std::ostream& err);

// For a well-formed argument outside the range the command's data covers: the one line
// "tavelon-cal NAME: WHAT "TEXT" is out of range: KNOWN", with no usage after it, since the
// call itself is right. Returns kExitUsage.
int RangeError(const Invocation& call, std::string_view what, std::string_view text,
               std::string_view known);

// Reads a command's arguments front to back: first the positional ones, then the options
// ("--name VALUE" pairs and "--name" flags, in any order). The first problem (missing,
// malformed, out of range, unknown or repeated) is reported once; the reads after it give
// nothing, so a command checks Done() once.
class ArgReader {
public:
    explicit ArgReader(const Invocation& call) : call_(call) {}

    // The next argument as it is; null when it is missing.
    const std::string* Text(std::string_view name);
    // "yyyy-mm-dd" or "yyyy-m-d" of a day that exists.
    std::optional<calendar::sys_days> Date(std::string_view name);
    // A decimal integer in lo..hi (a leading "-" allowed, nothing else around it).
    std::optional<int> Integer(std::string_view name, int lo, int hi);
    std::optional<int> Year(std::string_view name) { return Integer(name, kMinYear, kMaxYear); }
    // One letter among allowed (upper case), any case; gives it in upper case.
    std::optional<std::string> Kind(std::string_view name, std::string_view allowed);
    // An argument read already, read as an integer in lo..hi with the same messages.
    std::optional<int> IntegerOf(std::string_view name, const std::string& text, int lo, int hi);

    // Takes every argument left as an option: one of `options`, followed by its value, or one
    // of `flags`, alone. Each may be given once.
    void Options(std::initializer_list<std::string_view> options,
                 std::initializer_list<std::string_view> flags = {});
    // The value of an option given, or null.
    const std::string* Option(std::string_view name) const;
    bool Flag(std::string_view name) const;

    // Reports a problem of the command's own, unless one came before.
    void Fail(std::string_view problem);
    bool failed() const { return failed_; }

    // True when every read succeeded and no argument is left over; reports the leftover.
    bool Done();

private:
    const std::string* Next(std::string_view name);

    const Invocation& call_;
    std::size_t next_ = 0;
    bool failed_ = false;
    std::vector<std::pair<std::string, const std::string*>> options_;  // name, value (null: flag)
};

}  // namespace cli
