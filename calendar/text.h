#pragma once
// Small text builders shared by the engine's sources; not part of the public interface.
#include <string>
#include <string_view>

namespace calendar {

// Appends value in decimal with at least `width` digits (leading zeros); a minus sign comes
// before the padding.
inline void AppendPadded(std::string& out, long long value, int width) {
    char digits[24];
    int n = 0;
    const bool negative = value < 0;
    unsigned long long v = negative ? 0ull - static_cast<unsigned long long>(value)
                                    : static_cast<unsigned long long>(value);
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative) out += '-';
    for (int i = n; i < width; ++i) out += '0';
    while (n > 0) out += digits[--n];
}

// The pillar and interval selectors are one letter compared without regard to case; 0 for
// anything that is not a single ASCII letter.
inline char KindLetter(std::string_view kind) {
    if (kind.size() != 1) return 0;
    const char c = kind[0];
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return c;
    return 0;
}

}  // namespace calendar
