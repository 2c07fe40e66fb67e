#pragma once
// The reminders' file operations on Windows, by the files' UTF-16 names.
#include "remind/save.h"

namespace remind {

class WinFileSystem : public FileSystem {
public:
    calendar::UserFile Read(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool WriteFlushed(const std::string& path, std::string_view bytes) override;
    ReplaceResult Replace(const std::string& target, const std::string& replacement,
                          const std::string& backup) override;
    bool Move(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
};

// %APPDATA%\Tavelon\reminders.txt as UTF-8; "" when the folder is unknown.
std::string UserRemindersPath();

}  // namespace remind
