#include "remind/remind_win.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>

#include "calendar/name_tables.h"
#include "calendar/range.h"
#include "remind/ics.h"
#include "remind/reminder_list.h"
#include "ui/font.h"
#include "ui/text.h"

namespace remind {

namespace {

using namespace std::chrono;
using ui::ControlKind;
using ui::Describe;

constexpr int kClientWidth = 560;
constexpr int kClientHeight = 472;
constexpr int kMargin = 8;
constexpr RECT kListRect{kMargin, 8, kClientWidth - kMargin, 198};
// The list's columns in logical pixels; they add up to the list's width less its scroll bar.
constexpr std::array<std::pair<const wchar_t*, int>, 4> kColumns = {
    std::pair{L"名称", 196}, std::pair{L"日期", 140}, std::pair{L"下一次", 100},
    std::pair{L"还有", 84}};
constexpr COLORREF kProblemColour = RGB(176, 0, 0);
constexpr WPARAM kNameTextLimit = 80;  // UTF-16 units: 40 characters beyond the basic plane
constexpr std::string_view kCaption = "提醒";

enum Kind { kLunar = 0, kGregorian = 1, kOnce = 2 };

std::optional<int> WholeNumber(std::string_view text) {
    text = calendar::TrimBlanks(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

SYSTEMTIME SystemTimeOf(sys_days day) {
    const year_month_day ymd{day};
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(static_cast<int>(ymd.year()));
    t.wMonth = static_cast<WORD>(static_cast<unsigned>(ymd.month()));
    t.wDay = static_cast<WORD>(static_cast<unsigned>(ymd.day()));
    return t;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

int AskWithMessageBox(HWND owner, std::string_view text, std::string_view caption) {
    return MessageBoxW(owner, ui::Widen(text).c_str(), ui::Widen(caption).c_str(),
                       MB_YESNOCANCEL | MB_ICONQUESTION);
}

std::optional<std::string> ChooseSavePathWithDialog(HWND owner, std::string_view suggestedName) {
    std::wstring file = ui::Widen(suggestedName);
    file.resize(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = L"iCalendar 日历文件 (*.ics)\0*.ics\0所有文件 (*.*)\0*.*\0";
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = L"ics";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&ofn)) return std::nullopt;
    return ui::Narrow(file.c_str());
}

ui::WindowDesc RemindDescription() {
    ui::WindowDesc d;
    d.className = std::string(kRemindClass);
    d.caption = std::string(kCaption);
    // The outer size is corrected on creation so that the client area is exactly the layout's.
    d.width = kClientWidth + 16;
    d.height = kClientHeight + 39;
    d.style = WS_OVERLAPPED | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    d.exStyle = WS_EX_CONTROLPARENT;
    d.icon = "AAAAA_APPICON";
    using P = RemindPart;
    const int content = kClientWidth - 2 * kMargin;
    d.controls = {
        Describe(ControlKind::Label, P::NameLabel, "Label1", kMargin, 211, 40, 20).Caption("名称"),
        Describe(ControlKind::TextBox, P::Name, "Text1", 52, 207, 250, 24).Tooltip("最多40个字"),
        Describe(ControlKind::Label, P::AheadLabel, "Label2", 316, 211, 36, 20).Caption("提前"),
        Describe(ControlKind::TextBox, P::Ahead, "Text2", 356, 207, 48, 24)
            .Caption("0")
            .Style(ES_NUMBER),
        Describe(ControlKind::UpDown, P::AheadSpin, "UpDown1", 404, 207, 18, 24)
            .Buddy(P::Ahead, 0, kMaxDaysAhead, 0),
        Describe(ControlKind::Label, P::AheadUnit, "Label3", 426, 211, 64, 20).Caption("天提醒"),
        Describe(ControlKind::Label, P::KindLabel, "Label4", kMargin, 243, 40, 20).Caption("日期"),
        Describe(ControlKind::ComboBox, P::Kind, "Combo1", 52, 239, 80, 24),
        Describe(ControlKind::ComboBox, P::Month, "Combo2", 140, 239, 96, 24).ListHeight(320),
        Describe(ControlKind::ComboBox, P::Day, "Combo3", 244, 239, 80, 24).ListHeight(320),
        Describe(ControlKind::DatePicker, P::Date, "DTPicker1", 140, 239, 184, 24)
            .Format("yyyy年M月d日"),
        Describe(ControlKind::Button, P::Add, "Command1", kMargin, 276, 80, 28)
            .Caption("添加")
            .Tooltip("把上面的提醒加入列表"),
        Describe(ControlKind::Button, P::Change, "Command2", 96, 276, 80, 28)
            .Caption("修改")
            .Tooltip("用上面的内容替换选中的提醒"),
        Describe(ControlKind::Button, P::Remove, "Command3", 184, 276, 80, 28)
            .Caption("删除")
            .Tooltip("从列表删去选中的提醒"),
        Describe(ControlKind::Button, P::Save, "Command4", kClientWidth - kMargin - 96, 276, 96, 28)
            .Caption("保存")
            .Tooltip("把列表写入提醒文件（上一版留作 reminders.bak）"),
        Describe(ControlKind::Label, P::ExportLabel, "Label5", kMargin, 321, 44, 20)
            .Caption("年份"),
        Describe(ControlKind::TextBox, P::FromYear, "Text3", 52, 317, 60, 24).Style(ES_NUMBER),
        Describe(ControlKind::UpDown, P::FromSpin, "UpDown2", 112, 317, 18, 24)
            .Buddy(P::FromYear, calendar::kFirstTermYear, calendar::kLastTermYear, 2026),
        Describe(ControlKind::Label, P::ToLabel, "Label6", 132, 321, 24, 20).Caption("至"),
        Describe(ControlKind::TextBox, P::ToYear, "Text4", 158, 317, 60, 24).Style(ES_NUMBER),
        Describe(ControlKind::UpDown, P::ToSpin, "UpDown3", 218, 317, 18, 24)
            .Buddy(P::ToYear, calendar::kFirstTermYear, calendar::kLastTermYear, 2026),
        Describe(ControlKind::Label, P::ToUnit, "Label7", 238, 321, 20, 20).Caption("年"),
        Describe(ControlKind::Button, P::Export, "Command5", kClientWidth - kMargin - 128, 314, 128,
                 28)
            .Caption("导出日历…")
            .Tooltip("把这些年的节日、假日、节气和提醒存为 iCalendar 文件"),
        Describe(ControlKind::Label, P::Status, "Label8", kMargin, 352, content, 20),
        Describe(ControlKind::Label, P::ProblemsLabel, "Label9", kMargin, 378, content, 20),
        Describe(ControlKind::TextBox, P::Problems, "Text5", kMargin, 400, content, 64)
            .Style(ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL),
    };
    return d;
}

RemindWindow::RemindWindow(RemindHost& host) : WindowOf(RemindDescription()), host_(host) {}

// Either may come first: the window closed by the user, or the object destroyed with it open.
RemindWindow::~RemindWindow() { host_.ticks.Unsubscribe(*this); }

void RemindWindow::OnDestroy() {
    host_.ticks.Unsubscribe(*this);
    // The program is ending with the window open (a close asks first): the edits are written,
    // and whatever they replace stays as reminders.bak.
    if (dirty_ && editable_ && !host_.path.empty()) {
        CreateDirectoryW(ui::Widen(FolderOf(host_.path)).c_str(), nullptr);
        SaveWhole(host_.files, host_.path, BackupPathOf(host_.path), ReminderFileText(file_));
        dirty_ = false;
    }
}

void RemindWindow::OnCreate() {
    today_ = host_.clock.Now().today;
    RECT window{}, client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    SetWindowPos(hwnd(), nullptr, 0, 0,
                 Scaled(kClientWidth) + (window.right - window.left) - client.right,
                 Scaled(kClientHeight) + (window.bottom - window.top) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    list_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0,
        0, 0, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<wchar_t*>(kColumns[i].first);
        ListView_InsertColumn(list_, static_cast<int>(i), &column);
    }
    PlaceList();
    SendMessageW(control(RemindPart::Name).hwnd, EM_LIMITTEXT, kNameTextLimit, 0);
    AddItems(RemindPart::Kind, {"农历", "公历", "一次"});
    const int year = static_cast<int>(year_month_day{today_}.year());
    SetPosition(RemindPart::FromSpin, year);
    SetPosition(RemindPart::ToSpin, year + 1);
    ShowEditor(Reminder{{}, Rule{RuleKind::LunarYearly, 0, 1, 1, false}, 0});
    Load();
    ui::CentreUnderCursor(hwnd());
    host_.ticks.Subscribe(*this);
}

void RemindWindow::OnReady() {
    if (list_) SetFocus(list_);
}

void RemindWindow::PlaceList() {
    if (!list_) return;
    SetWindowPos(list_, HWND_TOP, Scaled(kListRect.left), Scaled(kListRect.top),
                 Scaled(kListRect.right - kListRect.left), Scaled(kListRect.bottom - kListRect.top),
                 SWP_NOACTIVATE);
    SendMessageW(list_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(ui::CachedFont(description().font, dpi())), TRUE);
    for (std::size_t i = 0; i < kColumns.size(); ++i)
        ListView_SetColumnWidth(list_, static_cast<int>(i), Scaled(kColumns[i].second));
}

void RemindWindow::OnDpiChanged() { PlaceList(); }

void RemindWindow::Load() {
    loaded_ = host_.path.empty() ? calendar::UserFile{calendar::UserFileState::Unreadable, {}}
                                 : host_.files.Read(host_.path);
    file_ = ParseReminderFile(loaded_.state == calendar::UserFileState::Read ? loaded_.text : "");
    dirty_ = false;
    editable_ = loaded_.state == calendar::UserFileState::Read ||
                loaded_.state == calendar::UserFileState::Absent;
    ShowRows();
    EnableEditing();
    switch (loaded_.state) {
        case calendar::UserFileState::TooBig:
            SetStatus("提醒文件超过1 MB，没有读取；为免覆盖它，这里不能保存。", true);
            break;
        case calendar::UserFileState::Unreadable:
            SetStatus(host_.path.empty()
                          ? "找不到存放提醒的文件夹（%APPDATA%），这里不能保存。"
                          : "提醒文件打不开（也许正被别的程序占用），为免覆盖它，这里不能保存。",
                      true);
            break;
        default:
            SetStatus("");
            break;
    }
}

void RemindWindow::ShowRows() {
    const int selected = SelectedRow();
    const std::vector<ReminderRow> rows = ListRows(file_, today_);
    // The editor may hold what the person is typing: filling the list again leaves it alone.
    refilling_ = true;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list_);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::array<const std::string*, 4> cells = {&rows[i].name, &rows[i].rule,
                                                         &rows[i].next, &rows[i].until};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            std::wstring text = ui::Widen(*cells[c]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.iSubItem = static_cast<int>(c);
            item.pszText = text.data();
            if (c == 0)
                ListView_InsertItem(list_, &item);
            else
                ListView_SetItem(list_, &item);
        }
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    if (selected >= 0 && selected < static_cast<int>(rows.size())) Select(selected);
    refilling_ = false;
    const std::string problems = LineProblemsText(file_);
    SetText(RemindPart::ProblemsLabel,
            problems.empty() ? "" : "这些行读不懂，保存时原样保留，请在文本编辑器里改正：");
    SetText(RemindPart::Problems, problems);
    ShowWindow(control(RemindPart::Problems).hwnd, problems.empty() ? SW_HIDE : SW_SHOWNA);
}

int RemindWindow::SelectedRow() const {
    return list_ ? ListView_GetNextItem(list_, -1, LVNI_SELECTED) : -1;
}

void RemindWindow::Select(int index) {
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (index < 0) return;
    ListView_SetItemState(list_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list_, index, FALSE);
}

void RemindWindow::EnableEditing() {
    for (const RemindPart part :
         {RemindPart::Add, RemindPart::Change, RemindPart::Remove, RemindPart::Save})
        EnableWindow(control(part).hwnd, editable_);
}

void RemindWindow::SetStatus(std::string_view text, bool problem) {
    SetColour(RemindPart::Status, problem ? kProblemColour : GetSysColor(COLOR_WINDOWTEXT));
    SetText(RemindPart::Status, text);
}

void RemindWindow::FillMonthsAndDays() {
    const int kind = Selected(RemindPart::Kind);
    const HWND month = control(RemindPart::Month).hwnd;
    const HWND day = control(RemindPart::Day).hwnd;
    SendMessageW(month, CB_RESETCONTENT, 0, 0);
    SendMessageW(day, CB_RESETCONTENT, 0, 0);
    months_.clear();
    std::vector<std::string> monthNames, dayNames;
    const std::vector<int> leaps = LeapMonthNumbers();
    for (int m = 1; m <= 12; ++m) {
        if (kind == kLunar) {
            months_.emplace_back(m, false);
            monthNames.emplace_back(calendar::LunarMonthPlainName(m));
            // A leap month only where some year has one of that number.
            if (std::find(leaps.begin(), leaps.end(), m) != leaps.end()) {
                months_.emplace_back(m, true);
                monthNames.push_back("闰" + std::string(calendar::LunarMonthPlainName(m)));
            }
        } else {
            months_.emplace_back(m, false);
            monthNames.push_back(std::to_string(m) + "月");
        }
    }
    for (int d = 1; d <= (kind == kLunar ? 30 : 31); ++d)
        dayNames.push_back(kind == kLunar ? std::string(calendar::LunarDayName(d))
                                          : std::to_string(d) + "日");
    AddItems(RemindPart::Month, monthNames);
    AddItems(RemindPart::Day, dayNames);
}

void RemindWindow::ShowKind() {
    const bool once = Selected(RemindPart::Kind) == kOnce;
    ShowWindow(control(RemindPart::Month).hwnd, once ? SW_HIDE : SW_SHOWNA);
    ShowWindow(control(RemindPart::Day).hwnd, once ? SW_HIDE : SW_SHOWNA);
    ShowWindow(control(RemindPart::Date).hwnd, once ? SW_SHOWNA : SW_HIDE);
}

void RemindWindow::ShowEditor(const Reminder& reminder) {
    SetText(RemindPart::Name, reminder.name);
    SetPosition(RemindPart::AheadSpin, reminder.daysAhead);
    SetText(RemindPart::Ahead, std::to_string(reminder.daysAhead));
    const Rule& rule = reminder.rule;
    const int kind = rule.kind == RuleKind::LunarYearly       ? kLunar
                     : rule.kind == RuleKind::GregorianYearly ? kGregorian
                                                              : kOnce;
    SetSelected(RemindPart::Kind, kind);
    FillMonthsAndDays();
    if (kind == kOnce) {
        const year_month_day day{year{rule.year}, month{static_cast<unsigned>(rule.month)},
                                 std::chrono::day{static_cast<unsigned>(rule.day)}};
        SetDateTime(RemindPart::Date, SystemTimeOf(day.ok() ? sys_days{day} : today_));
        SetSelected(RemindPart::Month, 0);
        SetSelected(RemindPart::Day, 0);
    } else {
        SetDateTime(RemindPart::Date, SystemTimeOf(today_));
        const auto at = std::find(months_.begin(), months_.end(),
                                  std::pair{rule.month, kind == kLunar && rule.leap});
        SetSelected(RemindPart::Month,
                    at == months_.end() ? 0 : static_cast<int>(at - months_.begin()));
        SetSelected(RemindPart::Day, rule.day - 1);
    }
    ShowKind();
}

std::optional<Reminder> RemindWindow::EditorReminder(std::string* problem) const {
    Reminder r;
    r.name = CleanName(Text(RemindPart::Name));
    const auto ahead = WholeNumber(Text(RemindPart::Ahead));
    r.daysAhead = ahead.value_or(-1);
    const int kind = Selected(RemindPart::Kind);
    if (kind == kOnce) {
        const SYSTEMTIME t = DateTime(RemindPart::Date);
        r.rule = Rule{RuleKind::Once, t.wYear, t.wMonth, t.wDay, false};
    } else {
        const int month = Selected(RemindPart::Month);
        const auto [number, leap] = month >= 0 && month < static_cast<int>(months_.size())
                                        ? months_[static_cast<std::size_t>(month)]
                                        : std::pair{1, false};
        r.rule = Rule{kind == kLunar ? RuleKind::LunarYearly : RuleKind::GregorianYearly, 0, number,
                      Selected(RemindPart::Day) + 1, leap};
    }
    const std::optional<std::string> why = EditProblem(r);
    if (problem) *problem = why.value_or("");
    if (why) return std::nullopt;
    return r;
}

void RemindWindow::AddFromEditor() {
    std::string problem;
    const auto reminder = EditorReminder(&problem);
    if (!reminder) return SetStatus(problem, true);
    AddReminder(file_, *reminder);
    dirty_ = true;
    ShowRows();
    Select(static_cast<int>(file_.Reminders().size()) - 1);
    SetStatus("已加入“" + reminder->name + "”，尚未保存。");
}

void RemindWindow::ChangeFromEditor() {
    const int row = SelectedRow();
    if (row < 0) return SetStatus("请先在列表里选中要修改的提醒。", true);
    std::string problem;
    const auto reminder = EditorReminder(&problem);
    if (!reminder) return SetStatus(problem, true);
    ChangeReminder(file_, static_cast<std::size_t>(row), *reminder);
    dirty_ = true;
    ShowRows();
    SetStatus("已修改“" + reminder->name + "”，尚未保存。");
}

void RemindWindow::RemoveSelected() {
    const int row = SelectedRow();
    if (row < 0) return SetStatus("请先在列表里选中要删除的提醒。", true);
    const std::string name = file_.Reminders()[static_cast<std::size_t>(row)].name;
    RemoveReminder(file_, static_cast<std::size_t>(row));
    dirty_ = true;
    ShowRows();
    const int count = static_cast<int>(file_.Reminders().size());
    Select(row < count ? row : count - 1);
    SetStatus("已删除“" + name + "”，尚未保存。");
}

bool RemindWindow::SaveFile() {
    if (!editable_) return false;
    const calendar::UserFile now = host_.files.Read(host_.path);
    if (now.state != loaded_.state || now.text != loaded_.text) {
        const int answer = host_.ask(hwnd(),
                                     "提醒文件在本窗口打开之后被别处改过了。\r\n\r\n"
                                     "是：保存本窗口的内容（别处改过的文件留作 reminders.bak）\r\n"
                                     "否：放弃本窗口的修改，读入文件现在的内容\r\n"
                                     "取消：暂不保存",
                                     kCaption);
        if (answer == IDNO) {
            Load();
            SetStatus("已读入文件现在的内容。");
            return true;
        }
        if (answer != IDYES) return false;
    }
    CreateDirectoryW(ui::Widen(FolderOf(host_.path)).c_str(), nullptr);
    const std::string text = ReminderFileText(file_);
    switch (SaveWhole(host_.files, host_.path, BackupPathOf(host_.path), text)) {
        case SaveResult::Saved:
            break;
        case SaveResult::TooBig:
            host_.dialogs.showMessage(hwnd(), "提醒文件超过1 MB，没有保存。原来的文件没有改动。",
                                      kCaption);
            return false;
        case SaveResult::WriteFailed:
            host_.dialogs.showMessage(
                hwnd(),
                "提醒文件写不进去（磁盘满了，或文件夹不许写入），没有保存。原来的文件没有改动。",
                kCaption);
            return false;
    }
    loaded_ = calendar::UserFile{calendar::UserFileState::Read, text};
    const int row = SelectedRow();
    file_ = ParseReminderFile(text);
    dirty_ = false;
    ShowRows();
    Select(row);
    SetStatus("已保存。");
    return true;
}

void RemindWindow::ExportCalendar() {
    const auto from = WholeNumber(Text(RemindPart::FromYear));
    const auto to = WholeNumber(Text(RemindPart::ToYear));
    const auto inRange = [](const std::optional<int>& y) {
        return y && *y >= calendar::kFirstTermYear && *y <= calendar::kLastTermYear;
    };
    if (!inRange(from) || !inRange(to)) return SetStatus("导出的年份须在1901到2100之间。", true);
    if (*to < *from) return SetStatus("起始年份不能晚于结束年份。", true);
    std::string suggested = "Tavelon-";
    suggested += std::to_string(*from);
    if (*to != *from) {
        suggested += '-';
        suggested += std::to_string(*to);
    }
    suggested += ".ics";
    const auto path = host_.chooseSavePath(hwnd(), suggested);
    if (!path) return;
    const std::vector<Reminder> reminders = file_.Reminders();
    const calendar::HolidaySchedule holidays =
        host_.holidays ? host_.holidays() : calendar::HolidaySchedule{};
    IcsRequest request;
    request.fromYear = *from;
    request.toYear = *to;
    request.holidays = &holidays;
    request.reminders = reminders;
    request.stamp = floor<seconds>(system_clock::now());
    const std::string temporary = *path + ".tmp";
    // Written beside and then moved in one step, so an old export is never left half written.
    if (!host_.files.WriteFlushed(temporary, CalendarIcs(request)) ||
        !host_.files.Move(temporary, *path)) {
        host_.files.Remove(temporary);
        host_.dialogs.showMessage(hwnd(), "日历文件写不进去：" + *path, kCaption);
        return;
    }
    const std::size_t slash = path->find_last_of("/\\");
    SetStatus("日历已导出：" + (slash == std::string::npos ? *path : path->substr(slash + 1)));
}

void RemindWindow::OnControlEvent(ui::Control& control, ui::ControlEvent event) {
    if (event == ui::ControlEvent::SelectionChanged && Is(control, RemindPart::Kind)) {
        const int month = Selected(RemindPart::Month), day = Selected(RemindPart::Day);
        FillMonthsAndDays();
        SetSelected(RemindPart::Month,
                    month < 0 ? 0 : std::min(month, static_cast<int>(months_.size()) - 1));
        SetSelected(RemindPart::Day, day < 0 ? 0 : std::min(day, 29));
        ShowKind();
        return;
    }
    if (event != ui::ControlEvent::Clicked) return;
    switch (IdOf(control)) {
        case RemindPart::Add:
            return AddFromEditor();
        case RemindPart::Change:
            return ChangeFromEditor();
        case RemindPart::Remove:
            return RemoveSelected();
        case RemindPart::Save:
            SaveFile();
            return;
        case RemindPart::Export:
            return ExportCalendar();
        default:
            return;
    }
}

void RemindWindow::OnCommand(UINT id) {
    // Escape, as the dialog keyboard hands it over.
    if (id == IDCANCEL) RequestClose();
}

bool RemindWindow::MayClose() {
    if (!dirty_) return true;
    switch (host_.ask(hwnd(), "提醒有修改还没有保存。要保存吗？", kCaption)) {
        case IDYES:
            return SaveFile() && !dirty_;
        case IDNO:
            dirty_ = false;
            return true;
        default:
            return false;
    }
}

bool RemindWindow::OnMessage(UINT msg, WPARAM /*wp*/, LPARAM lp, LRESULT& result) {
    if (msg == WM_CLOSE && !MayClose()) {
        result = 0;
        return true;
    }
    if (msg != WM_NOTIFY) return false;
    const NMHDR& header = *reinterpret_cast<const NMHDR*>(lp);
    if (header.hwndFrom != list_) return false;
    if (header.code == LVN_ITEMCHANGED && !refilling_) {
        const NMLISTVIEW& change = reinterpret_cast<const NMLISTVIEW&>(header);
        const std::vector<Reminder> reminders = file_.Reminders();
        if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED) &&
            change.iItem >= 0 && change.iItem < static_cast<int>(reminders.size()))
            ShowEditor(reminders[static_cast<std::size_t>(change.iItem)]);
    }
    result = 0;
    return true;
}

void RemindWindow::OnNewDay(const calendar::Moment& now) {
    if (now.today == today_) return;
    today_ = now.today;
    // Unsaved edits stay; a change made elsewhere meanwhile is asked about when they are saved.
    if (dirty_)
        ShowRows();
    else
        Load();
}

}  // namespace remind
