#include "calendar/user_text.h"

namespace calendar {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD, an odd last byte is dropped.
std::string Utf8OfUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
        AppendUtf8(out, c);
    }
    return out;
}

// Which UTF-16 the bytes are, if any: by the mark, or by ASCII text's zero bytes at the
// start (no UTF-8 text begins with a zero byte beside a character).
std::optional<bool> Utf16BigEndian(std::string_view& bytes) {
    if (bytes.starts_with("\xFF\xFE")) return bytes.remove_prefix(2), false;
    if (bytes.starts_with("\xFE\xFF")) return bytes.remove_prefix(2), true;
    if (bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0')) return bytes[0] == '\0';
    return std::nullopt;
}

std::size_t BlankLength(std::string_view text, std::size_t i) {
    if (text[i] == ' ' || text[i] == '\t') return 1;
    return text.substr(i).starts_with(kIdeographicSpace) ? kIdeographicSpace.size() : 0;
}

bool IsBidiControl(char32_t c) {
    return c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

UserText SplitUserText(std::string_view bytes) {
    UserText text;
    std::string converted;
    if (bytes.starts_with(kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
    } else if (const auto bigEndian = Utf16BigEndian(bytes)) {
        converted = Utf8OfUtf16(bytes, *bigEndian);
        if (converted.starts_with(kUtf8Mark)) converted.erase(0, kUtf8Mark.size());
        bytes = converted;
        text.utf16 = true;
    }
    bool firstEnd = true;
    while (!bytes.empty()) {
        std::size_t end = bytes.find_first_of("\r\n");
        std::size_t endLength = 0;
        if (end == std::string_view::npos) {
            end = bytes.size();
        } else if (bytes[end] == '\n') {
            endLength = 1;
        } else {
            const std::string_view rest = bytes.substr(end);
            endLength = rest.starts_with("\r\r\n") ? 3 : rest.starts_with("\r\n") ? 2 : 1;
        }
        if (endLength > 0 && firstEnd) {
            text.lineEnd = bytes[end] == '\n' ? "\n" : "\r\n";
            firstEnd = false;
        }
        text.lines.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end + endLength);
    }
    return text;
}

std::optional<std::string> ShowableLine(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size();) {
        const auto lead = static_cast<unsigned char>(line[i]);
        if (lead < 0x80) {
            out += (lead < 0x20 && lead != '\t') || lead == 0x7F ? ' ' : line[i];
            ++i;
            continue;
        }
        std::size_t length = 0;
        char32_t value = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, value = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, value = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, value = lead & 0x07u;
        } else {
            return std::nullopt;
        }
        if (i + length > line.size()) return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(line[i + k]);
            if ((next & 0xC0u) != 0x80u) return std::nullopt;
            value = (value << 6) | (next & 0x3Fu);
        }
        const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
        if (overlong || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
            return std::nullopt;
        if (value >= 0x80 && value <= 0x9F) {
            out += ' ';
        } else if (!IsBidiControl(value)) {
            out.append(line.substr(i, length));
        }
        i += length;
    }
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t blank = BlankLength(text, start);
        if (blank == 0) break;
        start += blank;
    }
    text.remove_prefix(start);
    while (!text.empty()) {
        if (text.back() == ' ' || text.back() == '\t') {
            text.remove_suffix(1);
        } else if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
        } else {
            break;
        }
    }
    return text;
}

std::string_view TakeField(std::string_view& text) {
    text = TrimBlanks(text);
    std::size_t end = 0;
    while (end < text.size() && BlankLength(text, end) == 0) ++end;
    const std::string_view field = text.substr(0, end);
    text.remove_prefix(end);
    return field;
}

std::string TabsAsBlanks(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = c == '\t' ? ' ' : c;
    return out;
}

}  // namespace calendar
