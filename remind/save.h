#pragma once
// Saving the reminders file so that a crash or a full disk at any moment leaves the old file
// or the new one whole, never a mix and never none: the new text goes to a temporary file in
// the same folder and is flushed to the disk; only then does it replace the old file in one
// step, which stays as reminders.bak.
#include <string>
#include <string_view>

#include "calendar/user_text.h"

namespace remind {

// The few file operations the save needs; Win32 in remind/file_system_win.h, a fake in the
// tests that fails or stops at any step.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual calendar::UserFile Read(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
    // Creates or truncates the file, writes the bytes and flushes them to the disk.
    virtual bool WriteFlushed(const std::string& path, std::string_view bytes) = 0;
    enum class ReplaceResult {
        Replaced,  // replacement now at target, the old target at backup
        Failed,    // nothing changed
        // The old target went to backup but the replacement could not follow it: target is
        // missing, replacement still there (one of ReplaceFileW's documented failures).
        TargetMovedAway,
    };
    virtual ReplaceResult Replace(const std::string& target, const std::string& replacement,
                                  const std::string& backup) = 0;
    // Renames, replacing what is at `to`, written through to the disk.
    virtual bool Move(const std::string& from, const std::string& to) = 0;
    virtual bool Remove(const std::string& path) = 0;
};

enum class SaveResult {
    Saved,
    TooBig,       // the text, or the file there, is over the size limit: nothing written
    WriteFailed,  // the old file is as it was
};

// Writes `text` to `path` (reminders.txt) through `path` + ".tmp", keeping the old file as
// `backup` (reminders.bak beside it).
SaveResult SaveWhole(FileSystem& fs, const std::string& path, const std::string& backup,
                     std::string_view text);

// reminders.bak beside a reminders.txt, whatever the folder's separator.
std::string BackupPathOf(const std::string& path);

}  // namespace remind
