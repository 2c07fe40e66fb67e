#pragma once
// Small readers for the fixed texts: they pick numbers and names out of a note so that the
// tests can hold them against what the calendar computes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace info_test {

// Splits at every occurrence of separator; n separators give n + 1 pieces.
inline std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    while (true) {
        const std::size_t at = text.find(separator);
        pieces.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return pieces;
        text.remove_prefix(at + separator.size());
    }
}

// The code point that starts at text[i]; i moves past it. Malformed input gives 0xFFFD.
inline char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const int length = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t value = length == 1 ? b : b & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        value = (value << 6) | (c & 0x3F);
    }
    i += length;
    return value;
}

// Only the Chinese characters of a name: "甲jiǎ子zǐ" gives "甲子".
inline std::string HanOnly(std::string_view text) {
    std::string han;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t start = i;
        if (NextCodePoint(text, i) >= 0x3400) han.append(text.substr(start, i - start));
    }
    return han;
}

// The text between the first `before` and the next `after` behind it, or nothing.
inline std::optional<std::string_view> Between(std::string_view text, std::string_view before,
                                               std::string_view after) {
    const std::size_t from = text.find(before);
    if (from == std::string_view::npos) return std::nullopt;
    const std::size_t start = from + before.size();
    const std::size_t end = text.find(after, start);
    if (end == std::string_view::npos) return std::nullopt;
    return text.substr(start, end - start);
}

// The text behind the first `before` to the end, or nothing.
inline std::optional<std::string_view> After(std::string_view text, std::string_view before) {
    const std::size_t from = text.find(before);
    if (from == std::string_view::npos) return std::nullopt;
    return text.substr(from + before.size());
}

// The decimal number that ends just before text[end] (the digits right in front of a "月").
inline int NumberBefore(std::string_view text, std::size_t end) {
    std::size_t start = end;
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') --start;
    return start == end ? -1 : std::stoi(std::string(text.substr(start, end - start)));
}

inline int ToInt(std::string_view digits) {
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return -1;
    }
    return std::stoi(std::string(digits));
}

// Whether each of the names occurs in text, in the order given.
inline bool InOrder(std::string_view text, const std::vector<std::string>& names) {
    std::size_t at = 0;
    for (const std::string& name : names) {
        at = text.find(name, at);
        if (at == std::string_view::npos) return false;
        at += name.size();
    }
    return true;
}

}  // namespace info_test
