#pragma once
// Small text builders shared by the engine's sources; not part of the public interface.
#include <string>
#include <string_view>

namespace calendar {

// "yyyy-mm-dd" and its kin: the year with at least four digits, then month and day with at
// least `width` digits, `beforeMonth` (the leap mark of the lunar form) right before the
// month. Built in one buffer so that the result is made in a single step.
inline std::string DateText(long long year, int month, int day, int width,
                            std::string_view beforeMonth = {}) {
    char buffer[64];
    std::size_t n = 0;
    auto number = [&](long long value, int minDigits) {
        char digits[24];
        int count = 0;
        unsigned long long v = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                         : static_cast<unsigned long long>(value);
        do {
            digits[count++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v != 0);
        if (value < 0) buffer[n++] = '-';
        for (int i = count; i < minDigits; ++i) buffer[n++] = '0';
        while (count > 0) buffer[n++] = digits[--count];
    };
    number(year, 4);
    buffer[n++] = '-';
    const std::size_t mark = beforeMonth.size() < 16 ? beforeMonth.size() : 16;
    for (std::size_t i = 0; i < mark; ++i) buffer[n++] = beforeMonth[i];
    number(month, width);
    buffer[n++] = '-';
    number(day, width);
    return std::string(buffer, n);
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
