#include "cli/json_text.h"

#include <cstdint>
#include <cstring>

namespace cli {

namespace {

bool NeedsEscape(char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20; }

// The line and paragraph separators U+2028 and U+2029 are valid in a JSON string but end a
// line in JavaScript and in many a reader of lines; they are escaped too.
constexpr char kSeparatorLead = '\xE2';

bool IsSeparator(std::string_view text, std::size_t i) {
    return text.substr(i, 2) == "\xE2\x80" && i + 2 < text.size() &&
           (text[i + 2] == '\xA8' || text[i + 2] == '\xA9');
}

// Whether any of the eight bytes is a control character, a quote, a backslash or the lead
// byte of the separators, tested on all eight at once: the sweep passes about a hundred
// megabytes through here. Other bytes of multi-byte UTF-8 characters never match.
bool AnyNeedsEscape(std::uint64_t bytes) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighs = 0x8080808080808080;
    const auto anyZero = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    const std::uint64_t below20 = (bytes - kOnes * 0x20) & ~bytes & kHighs;
    return (below20 | anyZero(bytes ^ (kOnes * '"')) | anyZero(bytes ^ (kOnes * '\\')) |
            anyZero(bytes ^ (kOnes * 0xE2))) != 0;
}

void AppendEscape(std::string& json, char c) {
    switch (c) {
        case '"':
            json += "\\\"";
            return;
        case '\\':
            json += "\\\\";
            return;
        case '\b':
            json += "\\b";
            return;
        case '\f':
            json += "\\f";
            return;
        case '\n':
            json += "\\n";
            return;
        case '\r':
            json += "\\r";
            return;
        case '\t':
            json += "\\t";
            return;
        default:
            break;
    }
    constexpr char kHex[] = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    json += "\\u00";
    json += kHex[byte >> 4];
    json += kHex[byte & 0x0F];
}

}  // namespace

void AppendJsonString(std::string& json, std::string_view text) {
    json += '"';
    std::size_t run = 0;  // start of the bytes not yet appended
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.size() - i >= 8) {
            std::uint64_t bytes;
            std::memcpy(&bytes, text.data() + i, 8);
            if (!AnyNeedsEscape(bytes)) {
                i += 8;
                continue;
            }
        }
        if (NeedsEscape(text[i])) {
            json.append(text.substr(run, i - run));
            AppendEscape(json, text[i]);
            run = i + 1;
        } else if (text[i] == kSeparatorLead && IsSeparator(text, i)) {
            json.append(text.substr(run, i - run));
            json += text[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
            run = i + 3;
            i += 3;
            continue;
        }
        ++i;
    }
    json.append(text.substr(run));
    json += '"';
}

}  // namespace cli
