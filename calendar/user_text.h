#pragma once
// Text files that users write: the holiday schedule and the reminders. An editor may save
// them with a byte-order mark, as UTF-16 (Notepad's "Unicode"), with CR LF, CR alone or the
// CR CR LF that a doubled conversion leaves, with an ideographic space where a tab was meant,
// or with a stray control character; all of it reads as the user sees it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace calendar {

// A user's file is a few kilobytes; anything larger is not one, and is not read.
inline constexpr std::uintmax_t kMaxUserFileBytes = 1024 * 1024;

enum class UserFileState {
    Absent,  // no such file
    Read,
    TooBig,      // over kMaxUserFileBytes: not read, and never written over
    Unreadable,  // there, but not a regular file or not readable (locked, a folder, a pipe)
};

struct UserFile {
    UserFileState state = UserFileState::Absent;
    std::string text;  // the bytes as found, when Read
};

struct UserText {
    // Each line without its end, as UTF-8 (converted from UTF-16 where the file was that);
    // line n of the file is lines[n - 1].
    std::vector<std::string> lines;
    // The first line's end as a file written back should end its lines: "\n", "\r\n" (for
    // CR LF and CR alone, which only old editors write), or "" when no line ended.
    std::string_view lineEnd;
    bool utf16 = false;
};

// The lines of a file's bytes: a UTF-8 byte-order mark is dropped, UTF-16 (with its mark, or
// recognised by the zero bytes of ASCII text) converted; LF, CR LF, CR CR LF and CR alone
// each end a line.
UserText SplitUserText(std::string_view bytes);

// The line as it is shown and read: control characters (C0 but the tab, DEL, C1) become
// blanks, and the characters that reverse the direction of text are dropped, so that a name
// cannot turn the text around it. Nothing when the line is not well-formed UTF-8.
std::optional<std::string> ShowableLine(std::string_view line);

// Fields are separated by runs of blanks: a space, a tab or the ideographic space U+3000
// that a Chinese input method types.
std::string_view TrimBlanks(std::string_view text);
// The field up to the next blank; text keeps what follows it.
std::string_view TakeField(std::string_view& text);
// A tab inside a name reads as the blank it looks like.
std::string TabsAsBlanks(std::string_view text);

}  // namespace calendar
