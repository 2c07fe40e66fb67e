#pragma once
// The reminders window: the list of the user's reminders with the next day each falls on, an
// editor for one, and the export of the calendar to an iCalendar file.
//
// Edits stay in the window until 保存 writes the whole file (see remind/save.h); closing with
// unsaved edits asks first. The file is read again when the window opens and when the day
// changes; when it was changed elsewhere while the window has unsaved edits, saving asks
// which of the two to keep, and what it replaces stays as reminders.bak. A line the program
// cannot read is named below the list and written back as it was.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/holidays.h"
#include "calendar/moment.h"
#include "calendar/program_clock.h"
#include "remind/reminders_file.h"
#include "remind/save.h"
#include "ui/dialogs.h"
#include "ui/window.h"

namespace remind {

inline constexpr std::string_view kRemindClass = "Tavelon.Remind";

// A yes / no / cancel question; answers IDYES, IDNO or IDCANCEL.
using Asker = std::function<int(HWND owner, std::string_view text, std::string_view caption)>;
// The file to save an export to, or nothing when the person cancelled.
using SavePathChooser =
    std::function<std::optional<std::string>(HWND owner, std::string_view suggestedName)>;

int AskWithMessageBox(HWND owner, std::string_view text, std::string_view caption);
std::optional<std::string> ChooseSavePathWithDialog(HWND owner, std::string_view suggestedName);

// What the reminders window and the day's note need of the program around them.
struct RemindHost {
    calendar::Clock& clock;
    calendar::ProgramClock& ticks;
    ui::Dialogs& dialogs;
    FileSystem& files;
    std::string path;  // the reminders file; "" when the user's folder is unknown
    // The holiday schedule the export writes: the built-in one with the user's file over it.
    std::function<calendar::HolidaySchedule()> holidays;
    Asker ask = AskWithMessageBox;
    SavePathChooser chooseSavePath = ChooseSavePathWithDialog;
    // The screen rectangle of the face that shows, which the day's note stands beside.
    std::function<std::optional<RECT>()> faceRect{};
};

// The window's controls, in description order. The list itself is a list-view control the
// window makes, above these.
enum class RemindPart {
    NameLabel,
    Name,
    AheadLabel,
    Ahead,
    AheadSpin,
    AheadUnit,
    KindLabel,
    Kind,
    Month,
    Day,
    Date,
    Add,
    Change,
    Remove,
    Save,
    ExportLabel,
    FromYear,
    FromSpin,
    ToLabel,
    ToYear,
    ToSpin,
    ToUnit,
    Export,
    Status,
    ProblemsLabel,
    Problems,
};

class RemindWindow final : public ui::WindowOf<RemindPart>, public calendar::TickListener {
public:
    explicit RemindWindow(RemindHost& host);
    ~RemindWindow() override;

    HWND list() const { return list_; }
    const ReminderFile& file() const { return file_; }
    bool dirty() const { return dirty_; }
    // The reminder the editor holds now, or why it holds none.
    std::optional<Reminder> EditorReminder(std::string* problem = nullptr) const;
    void Select(int index);  // -1: none

protected:
    void OnCreate() override;
    void OnReady() override;
    void OnControlEvent(ui::Control& control, ui::ControlEvent event) override;
    void OnCommand(UINT id) override;
    void OnDpiChanged() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnDestroy() override;
    void OnNewDay(const calendar::Moment& now) override;

private:
    void Load();
    void ShowRows();
    void ShowEditor(const Reminder& reminder);
    void FillMonthsAndDays();
    void ShowKind();
    void AddFromEditor();
    void ChangeFromEditor();
    void RemoveSelected();
    bool SaveFile();
    void ExportCalendar();
    void SetStatus(std::string_view text, bool problem = false);
    void EnableEditing();
    bool MayClose();
    int SelectedRow() const;
    void PlaceList();

    RemindHost& host_;
    HWND list_ = nullptr;
    ReminderFile file_;
    calendar::UserFile loaded_;  // the file as last read or written, to see a change elsewhere
    bool editable_ = true;       // false while the file could not be read: nothing may replace it
    bool dirty_ = false;
    bool refilling_ = false;  // the list is being filled again: its selection is not the user's
    calendar::sys_days today_{};
    // The months the month picker offers, as (month, leap) in its order.
    std::vector<std::pair<int, bool>> months_;
};

ui::WindowDesc RemindDescription();

}  // namespace remind
