#include "cli/arguments.h"

#include <cctype>
#include <charconv>
#include <ostream>

#include "calendar/range.h"

namespace cli {

namespace {

constexpr std::size_t kQuotedCodePoints = 40;

// The length of the well-formed UTF-8 sequence at the start of text, or 0. C1 controls
// (U+0080..U+009F) count as ill-formed here: some terminals act on them.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        value = (value << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (overlong || surrogate || value > 0x10FFFF || value < 0xA0) return 0;
    return length;
}

void AppendHexByte(std::string& text, unsigned char byte) {
    constexpr char kHex[] = "0123456789ABCDEF";
    text += "\\x";
    text += kHex[byte >> 4];
    text += kHex[byte & 0x0F];
}

}  // namespace

std::string QuoteArgument(std::string_view text) {
    std::string quoted = "\"";
    std::size_t codePoints = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (codePoints == kQuotedCodePoints) {
            quoted += "...";
            break;
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
            ++i;
        } else if (c >= 0x20 && c < 0x7F) {
            quoted += static_cast<char>(c);
            ++i;
        } else if (const std::size_t n = c >= 0x80 ? Utf8SequenceLength(text.substr(i)) : 0) {
            quoted.append(text.substr(i, n));
            i += n;
        } else {
            AppendHexByte(quoted, c);
            ++i;
        }
        ++codePoints;
    }
    quoted += '"';
    return quoted;
}

std::string FileNameOf(std::string_view path) {
#ifdef _WIN32
    const std::size_t slash = path.find_last_of("/\\");
#else
    const std::size_t slash = path.rfind('/');
#endif
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

int UsageError(const Invocation& call, std::string_view problem) {
    call.err << "tavelon-cal " << call.command.name << ": " << problem << '\n'
             << UsageLine(call.command) << '\n';
    return kExitUsage;
}

bool CheckLunarRange(calendar::sys_days date, std::ostream& err) {
    if (calendar::InLunarRange(date)) return true;
    err << calendar::RangeMessage(date) << '\n';
    return false;
}

int RangeError(const Invocation& call, std::string_view what, std::string_view text,
               std::string_view known) {
    call.err << "tavelon-cal " << call.command.name << ": " << what << ' ' << QuoteArgument(text)
             << " is out of range: " << known << '\n';
    return kExitUsage;
}

void ArgReader::Fail(std::string_view problem) {
    if (!failed_) UsageError(call_, problem);
    failed_ = true;
}

const std::string* ArgReader::Next(std::string_view name) {
    if (failed_) return nullptr;
    if (next_ >= call_.args.size()) {
        Fail("missing " + std::string(name));
        return nullptr;
    }
    return &call_.args[next_++];
}

std::optional<calendar::sys_days> ArgReader::Date(std::string_view name) {
    const std::string* text = Next(name);
    if (!text) return std::nullopt;
    const std::optional<calendar::sys_days> date = calendar::ParseDate(*text);
    if (!date) {
        Fail("invalid " + std::string(name) + " " + QuoteArgument(*text) +
             ": expected a day that exists, as yyyy-mm-dd");
    }
    return date;
}

const std::string* ArgReader::Text(std::string_view name) { return Next(name); }

std::optional<int> ArgReader::Integer(std::string_view name, int lo, int hi) {
    const std::string* text = Next(name);
    if (!text) return std::nullopt;
    return IntegerOf(name, *text, lo, hi);
}

std::optional<int> ArgReader::IntegerOf(std::string_view name, const std::string& word, int lo,
                                        int hi) {
    if (failed_) return std::nullopt;
    const std::string* text = &word;
    const std::string range = std::to_string(lo) + " to " + std::to_string(hi);
    int value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    const bool digits = !text->empty() && stop == end;
    if (error == std::errc::result_out_of_range ||
        (digits && error == std::errc() && (value < lo || value > hi))) {
        Fail(std::string(name) + " " + QuoteArgument(*text) + " is out of range: expected " +
             range);
        return std::nullopt;
    }
    if (error != std::errc() || !digits) {
        Fail("invalid " + std::string(name) + " " + QuoteArgument(*text) +
             ": expected a whole number from " + range);
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> ArgReader::Kind(std::string_view name, std::string_view allowed) {
    const std::string* text = Next(name);
    if (!text) return std::nullopt;
    const char letter =
        text->size() == 1 ? static_cast<char>(std::toupper(static_cast<unsigned char>((*text)[0])))
                          : '\0';
    if (letter == '\0' || allowed.find(letter) == std::string_view::npos) {
        std::string choices;
        for (const char c : allowed) {
            if (!choices.empty()) choices += ", ";
            choices += c;
        }
        Fail("invalid " + std::string(name) + " " + QuoteArgument(*text) + ": expected one of " +
             choices);
        return std::nullopt;
    }
    return std::string(1, letter);
}

void ArgReader::Options(std::initializer_list<std::string_view> options,
                        std::initializer_list<std::string_view> flags) {
    auto known = [](std::initializer_list<std::string_view> names, const std::string& word) {
        for (const std::string_view name : names) {
            if (word == name) return true;
        }
        return false;
    };
    while (!failed_ && next_ < call_.args.size()) {
        const std::string& word = call_.args[next_++];
        const bool given = Option(word) != nullptr || Flag(word);
        if (known(flags, word) && !given) {
            options_.emplace_back(word, nullptr);
        } else if (!known(options, word)) {
            Fail("unexpected argument " + QuoteArgument(word));
        } else if (next_ == call_.args.size()) {
            Fail("missing value after " + word);
        } else if (given) {
            Fail(word + " given twice");
        } else {
            options_.emplace_back(word, &call_.args[next_++]);
        }
    }
}

const std::string* ArgReader::Option(std::string_view name) const {
    for (const auto& [key, value] : options_) {
        if (key == name && value) return value;
    }
    return nullptr;
}

bool ArgReader::Flag(std::string_view name) const {
    for (const auto& [key, value] : options_) {
        if (key == name && !value) return true;
    }
    return false;
}

bool ArgReader::Done() {
    if (!failed_ && next_ < call_.args.size()) {
        Fail("unexpected argument " + QuoteArgument(call_.args[next_]));
    }
    return !failed_;
}

}  // namespace cli
