#include "cli/json_text.h"

namespace cli {

namespace {

bool NeedsEscape(char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20; }

void AppendEscape(std::string& json, char c) {
    switch (c) {
    case '"': json += "\\\""; return;
    case '\\': json += "\\\\"; return;
    case '\b': json += "\\b"; return;
    case '\f': json += "\\f"; return;
    case '\n': json += "\\n"; return;
    case '\r': json += "\\r"; return;
    case '\t': json += "\\t"; return;
    default: break;
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
    // Engine texts never need escaping, so the usual case is one append of the whole text.
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!NeedsEscape(text[i])) continue;
        json.append(text.substr(run, i - run));
        AppendEscape(json, text[i]);
        run = i + 1;
    }
    json.append(text.substr(run));
    json += '"';
}

}  // namespace cli
