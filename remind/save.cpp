#include "remind/save.h"

#include "remind/reminders_file.h"

namespace remind {

SaveResult SaveWhole(FileSystem& fs, const std::string& path, const std::string& backup,
                     std::string_view text) {
    // A file over the limit was never read, so what it holds is not in `text` either.
    if (text.size() > calendar::kMaxUserFileBytes ||
        fs.Read(path).state == calendar::UserFileState::TooBig)
        return SaveResult::TooBig;
    const std::string temporary = path + ".tmp";
    if (!fs.WriteFlushed(temporary, text)) {
        fs.Remove(temporary);
        return SaveResult::WriteFailed;
    }
    if (!fs.Exists(path)) {
        if (fs.Move(temporary, path)) return SaveResult::Saved;
        fs.Remove(temporary);
        return SaveResult::WriteFailed;
    }
    switch (fs.Replace(path, temporary, backup)) {
        case FileSystem::ReplaceResult::Replaced:
            return SaveResult::Saved;
        case FileSystem::ReplaceResult::Failed:
            fs.Remove(temporary);
            return SaveResult::WriteFailed;
        case FileSystem::ReplaceResult::TargetMovedAway:
            // The new text is whole on the disk already: put it in place, or else the old one back.
            if (fs.Move(temporary, path)) return SaveResult::Saved;
            fs.Move(backup, path);
            fs.Remove(temporary);
            return SaveResult::WriteFailed;
    }
    return SaveResult::WriteFailed;
}

std::string BackupPathOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t folder = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, folder) + std::string(kBackupFileName);
}

}  // namespace remind
