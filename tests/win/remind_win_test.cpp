#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "remind/file_system_win.h"
#include "remind/reminders_file.h"
#include "settings/user_file.h"
#include "ui/text.h"

namespace {

// A folder with a Chinese name and a blank, as a user's profile may have, removed at the end.
class ChineseFolder {
public:
    ChineseFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + L"提醒 测试";
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ChineseFolder() {
        for (const wchar_t* name : {L"reminders.txt", L"reminders.bak", L"reminders.txt.tmp"})
            DeleteFileW((path_ + L"\\" + name).c_str());
        RemoveDirectoryW(path_.c_str());
    }
    std::string File(std::string_view name) const {
        return ui::Narrow(path_) + "\\" + std::string(name);
    }
    std::string Folder() const { return ui::Narrow(path_); }

private:
    std::wstring path_;
};

// The real ReplaceFileW and MoveFileExW under a non-ASCII path: the first save creates the file,
// the second keeps the first as reminders.bak, and nothing temporary is left.
TEST(RemindersSave, WritesWholeAndKeepsTheBackupUnderAChinesePath) {
    const ChineseFolder folder;
    remind::WinFileSystem fs;
    const std::string path = folder.File(remind::kRemindersFileName);
    const std::string backup = remind::BackupPathOf(path);
    const std::string first = "公历01-01\t元旦\r\n";
    const std::string second = first + "农历03-15\t妈妈生日\t提前3天\r\n";
    ASSERT_EQ(remind::SaveWhole(fs, path, backup, first), remind::SaveResult::Saved);
    ASSERT_EQ(remind::SaveWhole(fs, path, backup, second), remind::SaveResult::Saved);
    EXPECT_EQ(fs.Read(path).text, second);
    EXPECT_EQ(fs.Read(backup).text, first);
    EXPECT_FALSE(fs.Exists(path + ".tmp"));
    EXPECT_EQ(remind::ParseReminderFile(fs.Read(path).text).Reminders().size(), 2u);
}

TEST(UserFile, NamesAMissingFileAFolderAndAFileOverTheLimit) {
    const ChineseFolder folder;
    remind::WinFileSystem fs;
    const std::string path = folder.File("reminders.txt");
    EXPECT_EQ(settings::ReadUserFile(path).state, calendar::UserFileState::Absent);
    EXPECT_EQ(settings::ReadUserFile(folder.Folder()).state, calendar::UserFileState::Unreadable);
    ASSERT_TRUE(fs.WriteFlushed(path, std::string(100, '#')));
    EXPECT_EQ(settings::ReadUserFile(path, 99).state, calendar::UserFileState::TooBig);
    EXPECT_EQ(settings::ReadUserFile(path, 100).text, std::string(100, '#'));
}

}  // namespace
