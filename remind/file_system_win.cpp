#include "remind/file_system_win.h"

#include <windows.h>
#include <shlobj.h>
#include <knownfolders.h>

#include "remind/reminders_file.h"
#include "settings/user_file.h"
#include "ui/text.h"
#include "ui/unique.h"

namespace remind {

calendar::UserFile WinFileSystem::Read(const std::string& path) {
    return settings::ReadUserFile(path);
}

bool WinFileSystem::Exists(const std::string& path) {
    return GetFileAttributesW(ui::Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WinFileSystem::WriteFlushed(const std::string& path, std::string_view bytes) {
    HANDLE opened = CreateFileW(ui::Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const ui::UniqueHandle file(opened);
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(bytes.size() < (1u << 30) ? bytes.size() : 1u << 30);
        if (!WriteFile(file.get(), bytes.data(), size, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    // The replacement must be on the disk before it takes the old file's place.
    return FlushFileBuffers(file.get()) != 0;
}

FileSystem::ReplaceResult WinFileSystem::Replace(const std::string& target,
                                                 const std::string& replacement,
                                                 const std::string& backup) {
    if (ReplaceFileW(ui::Widen(target).c_str(), ui::Widen(replacement).c_str(),
                     ui::Widen(backup).c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return ReplaceResult::Replaced;
    return GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 ? ReplaceResult::TargetMovedAway
                                                                : ReplaceResult::Failed;
}

bool WinFileSystem::Move(const std::string& from, const std::string& to) {
    return MoveFileExW(ui::Widen(from).c_str(), ui::Widen(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool WinFileSystem::Remove(const std::string& path) {
    return DeleteFileW(ui::Widen(path).c_str()) != 0;
}

std::string UserRemindersPath() {
    PWSTR folder = nullptr;
    std::string path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder)) && folder)
        path = ui::Narrow(folder) + "\\Tavelon\\" + std::string(kRemindersFileName);
    CoTaskMemFree(folder);
    return path;
}

}  // namespace remind
