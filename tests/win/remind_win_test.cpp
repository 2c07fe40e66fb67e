#include <windows.h>
#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "remind/file_system_win.h"
#include "remind/note_win.h"
#include "remind/remind_win.h"
#include "remind/reminders_file.h"
#include "settings/user_file.h"
#include "tests/win/fixture.h"
#include "tests/win/screenshot.h"
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
        for (const wchar_t* name :
             {L"reminders.txt", L"reminders.bak", L"reminders.txt.tmp", L"日历.ics"})
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

    // A full list: 200 reminders written whole, flushed and swapped in.
    std::string many;
    for (int i = 0; i < 200; ++i) many += "农历03-15\t第" + std::to_string(i) + "位的生日\t提前3天\r\n";
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    ASSERT_EQ(remind::SaveWhole(fs, path, backup, many), remind::SaveResult::Saved);
    const double ms = tavelon_test::MillisecondsSince(start);
    std::printf("remind-save-200-ms %.2f\n", ms);
    EXPECT_LT(ms, 1000.0);
    EXPECT_EQ(fs.Read(path).text, many);
}

using remind::RemindPart;
using tavelon_test::At;
using tavelon_test::Pump;
using tavelon_test::Sticker;

std::string FileText(const std::string& path) { return settings::ReadUserFile(path).text; }

void WriteFile(const std::string& path, std::string_view text) {
    remind::WinFileSystem fs;
    ASSERT_TRUE(fs.WriteFlushed(path, text));
}

// Drives the window's controls as a person does: text typed, a choice made, a button pressed.
class RemindDriver {
public:
    explicit RemindDriver(remind::RemindWindow& window) : w_(window) {}
    void Type(RemindPart part, std::string_view text) {
        SetWindowTextW(w_.control(part).hwnd, ui::Widen(text).c_str());
    }
    void Choose(RemindPart part, std::string_view item) {
        const HWND combo = w_.control(part).hwnd;
        const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(ui::Widen(item).c_str()));
        ASSERT_NE(index, CB_ERR) << item;
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(w_.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }
    void Press(RemindPart part) {
        SendMessageW(w_.control(part).hwnd, BM_CLICK, 0, 0);
        Pump();
    }
    int Rows() const { return ListView_GetItemCount(w_.list()); }
    std::string Cell(int row, int column) const {
        wchar_t text[128] = {};
        ListView_GetItemText(w_.list(), row, column, text, 128);
        return ui::Narrow(text);
    }

private:
    remind::RemindWindow& w_;
};

// Opening, adding, changing and deleting through the real file, with a line the program cannot
// read named below the list and kept in its place by every save.
TEST(RemindWindow, OpensFastAndEditsTheFileKeepingTheLineItCannotRead) {
    const ChineseFolder folder;
    const std::string path = folder.File(remind::kRemindersFileName);
    const std::string original = "# 家人\r\n公历05-20\t结婚纪念日\r\n农历13-01\t没有这个月\r\n";
    WriteFile(path, original);
    Sticker s(At(2026, 5, 17, 9, 0, 0));
    s.app.remind.path = path;
    double ms = 0;
    auto* window = static_cast<remind::RemindWindow*>(
        tavelon_test::OpenToFirstPaint(s, remind::kRemindClass, ms));
    ASSERT_NE(window, nullptr);
    std::printf("remind-open-to-first-paint-ms %.2f\n", ms);
    RecordProperty("open_ms", std::to_string(ms));
    EXPECT_LT(ms, 1000.0);

    RemindDriver d(*window);
    ASSERT_EQ(d.Rows(), 1);
    EXPECT_EQ(d.Cell(0, 3), "3天后");
    EXPECT_EQ(window->Text(RemindPart::Problems), "第3行：日期不存在");

    d.Type(RemindPart::Name, "妈妈生日");
    d.Choose(RemindPart::Month, "三月");
    d.Choose(RemindPart::Day, "十五");
    d.Type(RemindPart::Ahead, "3");
    d.Press(RemindPart::Add);
    EXPECT_TRUE(window->dirty());
    EXPECT_EQ(FileText(path), original);  // nothing written before 保存
    d.Press(RemindPart::Save);
    EXPECT_EQ(FileText(path), original + "农历03-15\t妈妈生日\t提前3天\r\n");
    EXPECT_EQ(FileText(folder.File(remind::kBackupFileName)), original);

    window->Select(0);
    d.Choose(RemindPart::Kind, "一次");
    d.Press(RemindPart::Change);
    window->Select(1);
    d.Press(RemindPart::Remove);
    d.Press(RemindPart::Save);
    EXPECT_EQ(FileText(path), "# 家人\r\n2026-05-17\t结婚纪念日\r\n农历13-01\t没有这个月\r\n");
    EXPECT_FALSE(window->dirty());

    // The export writes the chosen years to the file the save dialog names.
    std::string suggested;
    s.app.remind.chooseSavePath = [&](HWND, std::string_view name) {
        suggested = name;
        return std::optional<std::string>(folder.File("日历.ics"));
    };
    d.Press(RemindPart::Export);
    EXPECT_EQ(suggested, "Tavelon-2026-2027.ics");
    EXPECT_NE(FileText(folder.File("日历.ics")).find("SUMMARY:结婚纪念日"), std::string::npos);
    EXPECT_EQ(window->Text(RemindPart::Status), "日历已导出：日历.ics");
    s.app.windows.Close(remind::kRemindClass);
    Pump();
}

// An edit made in a text editor while the window has its own is never overwritten unasked:
// "否" keeps the file and reads it; "是" writes over it and the edit stays as reminders.bak.
TEST(RemindWindow, AsksBeforeSavingOverAFileChangedElsewhere) {
    const ChineseFolder folder;
    const std::string path = folder.File(remind::kRemindersFileName);
    WriteFile(path, "公历05-20\t结婚纪念日\r\n");
    Sticker s(At(2026, 5, 17, 9, 0, 0));
    s.app.remind.path = path;
    std::vector<int> answers = {IDNO, IDYES};
    int asked = 0;
    s.app.remind.ask = [&](HWND, std::string_view, std::string_view) { return answers[asked++]; };
    auto* window = static_cast<remind::RemindWindow*>(s.Open(remind::kRemindClass));
    ASSERT_NE(window, nullptr);
    RemindDriver d(*window);
    const std::string elsewhere = "公历05-20\t结婚纪念日\r\n公历10-01\t国庆\r\n";
    WriteFile(path, elsewhere);
    d.Type(RemindPart::Name, "生日");
    d.Press(RemindPart::Add);
    d.Press(RemindPart::Save);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(FileText(path), elsewhere);
    EXPECT_EQ(d.Rows(), 2);

    WriteFile(path, "公历01-01\t元旦\r\n");
    d.Press(RemindPart::Add);
    d.Press(RemindPart::Save);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(FileText(folder.File(remind::kBackupFileName)), "公历01-01\t元旦\r\n");
    EXPECT_EQ(remind::ParseReminderFile(FileText(path)).Reminders().size(), 3u);
    s.app.windows.Close(remind::kRemindClass);
    Pump();
}

// The note shows on the first tick of a due day while another window keeps the keyboard,
// once: closed, it stays closed that day; the next day brings it back.
TEST(DayNote, ShowsOnStartWithoutTakingTheKeyboardOnceADay) {
    const ChineseFolder folder;
    const std::string path = folder.File(remind::kRemindersFileName);
    WriteFile(path, "公历05-20\t结婚纪念日\t提前3天\r\n");
    const HWND typing = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                        300, 200, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(typing);
    SetFocus(typing);
    Pump();
    Sticker s(At(2026, 5, 17, 9, 0, 0));
    s.app.remind.path = path;
    s.Start();
    SetForegroundWindow(typing);
    SetFocus(typing);
    Pump();
    s.Tick();
    Pump();
    remind::NoteWindow* note = s.app.notes.note();
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(IsWindowVisible(note->hwnd()));
    EXPECT_EQ(note->Text(remind::NotePart::Text), "3天后  结婚纪念日（每年5月20日）");
    const ui::Control& text = note->control(remind::NotePart::Text);
    EXPECT_TRUE(text.fit.fits && !text.fit.cut);
    EXPECT_TRUE(GetWindowLongW(note->hwnd(), GWL_EXSTYLE) & WS_EX_NOACTIVATE);
    EXPECT_EQ(GetForegroundWindow(), typing);
    EXPECT_EQ(GetFocus(), typing);

    SendMessageW(note->control(remind::NotePart::Close).hwnd, BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(s.app.notes.note(), nullptr);
    s.app.ticks.DateMayHaveChanged();
    Pump();
    EXPECT_EQ(s.app.notes.note(), nullptr);

    s.clock.Advance(std::chrono::hours(24));
    s.Tick();
    Pump();
    ASSERT_NE(s.app.notes.note(), nullptr);
    EXPECT_EQ(s.app.notes.note()->Text(remind::NotePart::Text), "2天后  结婚纪念日（每年5月20日）");
    DestroyWindow(typing);
}

// Every caption, choice and message shows whole at 96 and 144 DPI: labels without a cut line,
// buttons and lists wider than their longest text.
class RemindFit : public testing::TestWithParam<UINT> {};

TEST_P(RemindFit, EveryTextShowsWhole) {
    Sticker s(At(2026, 5, 17, 9, 0, 0));
    s.app.remind.path = "";  // the longest status: no folder to keep the file in
    auto* window = static_cast<remind::RemindWindow*>(s.Open(remind::kRemindClass));
    ASSERT_NE(window, nullptr);
    if (GetParam() != window->dpi()) {
        RECT suggested{40, 40, 900, 800};
        SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(GetParam(), GetParam()),
                     reinterpret_cast<LPARAM>(&suggested));
        Pump();
    }
    ASSERT_EQ(window->dpi(), GetParam());
    window->SetText(RemindPart::ProblemsLabel,
                    "这些行读不懂，保存时原样保留，请在文本编辑器里改正：");
    RemindDriver d(*window);
    for (const char* kind : {"农历", "公历", "一次"}) {
        d.Choose(RemindPart::Kind, kind);
        for (const ui::Control& c : window->controls()) {
            if (c.desc.kind == ui::ControlKind::Label) {
                EXPECT_TRUE(c.fit.fits && !c.fit.cut) << c.desc.name << ": " << c.text;
            } else if (c.desc.kind == ui::ControlKind::Button) {
                EXPECT_LT(window->TextWidth(c, ui::Widen(window->Text(c))) + window->Scaled(12),
                          c.rect.right - c.rect.left)
                    << c.desc.name;
            } else if (c.desc.kind == ui::ControlKind::ComboBox) {
                const int items = static_cast<int>(SendMessageW(c.hwnd, CB_GETCOUNT, 0, 0));
                for (int i = 0; i < items; ++i) {
                    wchar_t item[32] = {};
                    SendMessageW(c.hwnd, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
                    EXPECT_LT(window->TextWidth(c, item) + GetSystemMetrics(SM_CXVSCROLL),
                              c.rect.right - c.rect.left)
                        << c.desc.name << " " << ui::Narrow(item);
                }
            }
        }
    }
    s.app.windows.Close(remind::kRemindClass);
    Pump();
}

INSTANTIATE_TEST_SUITE_P(Dpi, RemindFit, testing::Values(96u, 144u),
                         [](const auto& info) { return std::to_string(info.param); });

// For a person to look at: the reminders window with a line it cannot read, and the day's note
// beside the face, on a large and a small screen (scripts/screenshots sets the folder).
TEST(RemindScreenshots, TheWindowAndTheNoteOnTwoScreens) {
    const std::optional<std::wstring> out = tavelon_test::ScreenshotFolder();
    if (!out) GTEST_SKIP() << "TAVELON_SCREENSHOTS names no folder";
    const ChineseFolder folder;
    const std::string path = folder.File(remind::kRemindersFileName);
    WriteFile(path,
              "# 家人\r\n农历04-01\t妈妈生日\t提前3天\r\n农历闰04-15\t外婆生日\r\n"
              "公历05-20\t结婚纪念日\t提前7天\r\n2026-05-17\t体检（空腹，带上去年的报告）\r\n"
              "农历12-30\t除夕\r\n公历02-30\t没有这一天\r\n");
    for (const SIZE screen : {SIZE{1920, 1080}, SIZE{1280, 800}}) {
        ASSERT_TRUE(tavelon_test::SwitchScreenTo(screen));
        const std::wstring size = tavelon_test::SizeName(screen);
        SetCursorPos(screen.cx / 2, screen.cy / 2);
        Sticker s(At(2026, 5, 17, 9, 0, 0));
        s.app.remind.path = path;
        s.Start();
        s.Tick();
        auto* window = static_cast<remind::RemindWindow*>(s.Open(remind::kRemindClass));
        ASSERT_NE(window, nullptr);
        window->Select(0);
        SetCursorPos(10, screen.cy - 10);  // no tooltip over the window
        for (int i = 0; i < 20; ++i) {
            Pump();
            Sleep(25);
        }
        tavelon_test::Shoot(*out, L"remind-" + size, RECT{0, 0, screen.cx, screen.cy});
        tavelon_test::Shoot(*out, L"remind-window-" + size,
                            tavelon_test::WindowRect(window->hwnd()));
        ASSERT_NE(s.app.notes.note(), nullptr);
        tavelon_test::Shoot(*out, L"remind-note-" + size,
                            tavelon_test::WindowRect(s.app.notes.note()->hwnd()));
        s.app.windows.Close(remind::kRemindClass);
        Pump();
    }
    ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
    Pump();
}

}  // namespace
