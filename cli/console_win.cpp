#include "cli/console_win.h"

namespace cli {

namespace {

// Before Windows 8 a console took at most about 64 kB per WriteConsoleW (a heap it shared with
// its clients); pieces well below that are safe everywhere.
constexpr std::size_t kConsolePiece = 8192;

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t SequenceLength(char lead) {
    const unsigned char c = static_cast<unsigned char>(lead);
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

// Where an unfinished sequence at the end of text starts; text.size() when it ends whole.
std::size_t WholeLength(std::string_view text) {
    for (std::size_t back = 1; back <= 4 && back <= text.size(); ++back) {
        const char c = text[text.size() - back];
        if (IsContinuation(c)) continue;
        return SequenceLength(c) > back ? text.size() - back : text.size();
    }
    return text.size();
}

std::wstring Utf16Of(std::string_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return wide;
}

}  // namespace

std::string Utf8Of(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

HandleBuffer::HandleBuffer(HANDLE handle) : handle_(handle) {
    DWORD mode = 0;
    console_ = GetConsoleMode(handle, &mode) != 0;
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

HandleBuffer::~HandleBuffer() { WriteBuffered(true); }

HandleBuffer::int_type HandleBuffer::overflow(int_type c) {
    if (!WriteBuffered(false)) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int HandleBuffer::sync() { return WriteBuffered(false) ? 0 : -1; }

bool HandleBuffer::WriteBuffered(bool last) {
    const std::string_view buffered(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    bool written = true;
    if (!console_) {
        written = WriteToFile(buffered);
    } else {
        std::string text = held_;
        text.append(buffered);
        const std::size_t whole = last ? text.size() : WholeLength(text);
        held_ = text.substr(whole);
        written = WriteToConsole(std::string_view(text).substr(0, whole));
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return written;
}

bool HandleBuffer::WriteToFile(std::string_view text) {
    while (!text.empty()) {
        const DWORD size = static_cast<DWORD>(text.size() < (1u << 30) ? text.size() : 1u << 30);
        DWORD written = 0;
        if (!WriteFile(handle_, text.data(), size, &written, nullptr) || written == 0) return false;
        text.remove_prefix(written);
    }
    return true;
}

bool HandleBuffer::WriteToConsole(std::string_view text) {
    const std::wstring wide = Utf16Of(text);
    std::wstring_view rest = wide;
    while (!rest.empty()) {
        std::size_t piece = rest.size() < kConsolePiece ? rest.size() : kConsolePiece;
        // A surrogate pair stays in one piece.
        if (piece < rest.size() && IS_HIGH_SURROGATE(rest[piece - 1])) --piece;
        DWORD written = 0;
        if (!WriteConsoleW(handle_, rest.data(), static_cast<DWORD>(piece), &written, nullptr) ||
            written == 0) {
            return false;
        }
        rest.remove_prefix(written);
    }
    return true;
}

HandleStream::HandleStream(HANDLE handle) : std::ostream(nullptr), buffer_(handle) {
    rdbuf(&buffer_);
}

HandleStream::~HandleStream() { flush(); }

}  // namespace cli
