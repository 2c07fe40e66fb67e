#pragma once
// tavelon-cal's arguments and standard streams on Windows. Windows holds a command line as
// UTF-16 and hands main() only its ANSI code page form, where Chinese turns into "??". A
// console shows any text faithfully only when given UTF-16, whatever its code page; a file or
// a pipe gets the UTF-8 bytes themselves, the same bytes the native build writes.
#include <windows.h>

#include <array>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace cli {

// The UTF-8 form of a UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string Utf8Of(std::wstring_view text);

// A stream buffer writing UTF-8 text to a handle: as UTF-16 to a console, as the bytes
// themselves to anything else. A failed write fails the stream, so that a full disk or a
// closed pipe does not pass for success.
class HandleBuffer : public std::streambuf {
public:
    explicit HandleBuffer(HANDLE handle);
    ~HandleBuffer() override;
    HandleBuffer(const HandleBuffer&) = delete;
    HandleBuffer& operator=(const HandleBuffer&) = delete;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    // Writes what the buffer holds. A console gets whole characters only: the start of a
    // sequence that the next write completes is held back, unless this is the last write.
    bool WriteBuffered(bool last);
    bool WriteToConsole(std::string_view text);
    bool WriteToFile(std::string_view text);

    HANDLE handle_;
    bool console_;
    std::string held_;  // the unfinished UTF-8 sequence that ended the last console write
    std::array<char, 1 << 16> buffer_;
};

// An output stream over a handle, flushed when it goes.
class HandleStream : public std::ostream {
public:
    explicit HandleStream(HANDLE handle);
    ~HandleStream() override;

private:
    HandleBuffer buffer_;
};

}  // namespace cli
