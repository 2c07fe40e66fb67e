#include "calendar/date.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "calendar/text.h"

namespace calendar {

using namespace std::chrono;

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads one or two digits at pos; nothing when there is no digit.
std::optional<int> ReadShortNumber(std::string_view text, std::size_t& pos) {
    if (pos >= text.size() || !IsDigit(text[pos])) return std::nullopt;
    int value = text[pos++] - '0';
    if (pos < text.size() && IsDigit(text[pos])) value = value * 10 + (text[pos++] - '0');
    return value;
}

// The power of ten of the first significant digit of a number text (digits, point,
// exponent), e.g. 2 for "123.4" and -3 for "0.0012e0"; only its sign matters to the caller.
long DecimalMagnitude(std::string_view number) {
    long magnitude = 0;
    bool significant = false;
    bool afterPoint = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            afterPoint = true;
        } else if (afterPoint) {
            if (!significant) --magnitude;
            significant = significant || number[i] != '0';
        } else if (significant || number[i] != '0') {
            if (significant) ++magnitude;
            significant = true;
        }
    }
    if (!significant) return 0;
    long exponent = 0;
    bool negative = false;
    if (++i < number.size() && (number[i] == '+' || number[i] == '-'))
        negative = number[i++] == '-';
    for (; i < number.size(); ++i) {
        if (exponent < 1000000) exponent = exponent * 10 + (number[i] - '0');
    }
    return magnitude + (negative ? -exponent : exponent);
}

}  // namespace

std::optional<sys_days> ParseDate(std::string_view text) {
    if (text.size() < 8 || text.size() > 10) return std::nullopt;
    int y = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!IsDigit(text[i])) return std::nullopt;
        y = y * 10 + (text[i] - '0');
    }
    std::size_t pos = 4;
    if (text[pos++] != '-') return std::nullopt;
    const auto m = ReadShortNumber(text, pos);
    if (!m || pos >= text.size() || text[pos++] != '-') return std::nullopt;
    const auto d = ReadShortNumber(text, pos);
    if (!d || pos != text.size()) return std::nullopt;
    const year_month_day ymd{year{y}, month{static_cast<unsigned>(*m)},
                             day{static_cast<unsigned>(*d)}};
    if (!ymd.ok()) return std::nullopt;
    return sys_days{ymd};
}

namespace {

std::string DateOf(sys_days d, int width) {
    const year_month_day ymd{d};
    return DateText(static_cast<int>(ymd.year()),
                    static_cast<int>(static_cast<unsigned>(ymd.month())),
                    static_cast<int>(static_cast<unsigned>(ymd.day())), width);
}

}  // namespace

std::string FormatDate(sys_days d) { return DateOf(d, 2); }
std::string FormatDateShort(sys_days d) { return DateOf(d, 1); }

double NumberValue(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const std::size_t mantissaStart = pos;
    std::size_t digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
    }
    if (digits == 0) return 0.0;
    // An exponent counts only when at least one digit follows the "e" and its sign.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t e = pos + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) ++e;
        if (e < text.size() && IsDigit(text[e])) {
            while (e < text.size() && IsDigit(text[e])) ++e;
            pos = e;
        }
    }
    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + pos;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on a range error: the decimal magnitude of the
        // text tells overflow from underflow.
        value =
            DecimalMagnitude(std::string_view(first, static_cast<std::size_t>(last - first))) > 0
                ? std::numeric_limits<double>::infinity()
                : 0.0;
    } else if (ec != std::errc{} || ptr != last) {
        return 0.0;
    }
    return negative ? -value : value;
}

}  // namespace calendar
