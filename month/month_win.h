#pragma once
// The month view: a month at a glance with the lunar days, terms, festivals and the public
// holidays, the selected day's details below. The grid is painted by the window itself, into
// the back buffer its labels are painted into, so nothing flickers. Keys, the wheel, the
// buttons and clicks move the selection (see month/navigation.h).
//
// The user's holiday file is read at each opening and again whenever the view comes back to
// the front, so an edit shows when the user returns from the editor; the reminders are read at
// each opening and on each new day. Today follows the program clock's new-day event, so a view
// left open over midnight moves its today mark (and a selection on today) to the new day.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/moment.h"
#include "calendar/program_clock.h"
#include "month/holiday_source.h"
#include "month/month_page.h"
#include "month/navigation.h"
#include "month/reminder_days.h"
#include "ui/window.h"

namespace month {

inline constexpr std::string_view kMonthClass = "Tavelon.Month";

// What the month view needs of the program around it, provided by the program shell.
struct MonthHost {
    calendar::Clock& clock;
    calendar::ProgramClock& ticks;
    std::function<HolidayFile()> readHolidays;       // the user's schedule file, as it is now
    std::function<RemindersOfYear()> readReminders;  // the user's reminders, as they are now
    // Creates the schedule file with the text when there is none (never over one); false
    // when it is still missing.
    std::function<bool(std::string_view text)> createHolidayFile;
    // Opens the schedule file in the user's editor; false when that failed.
    std::function<bool()> openHolidayFile;
};

// The month view's buttons and labels, in description order. The note is a read-only box
// that scrolls, so that every line it names can be read.
enum class MonthPart { PreviousMonth, Header, NextMonth, Today, Details, Note, AddSchedule };

inline constexpr std::string_view kCannotCreateText = "无法创建holidays.txt";
inline constexpr std::string_view kCannotOpenText = "无法打开holidays.txt";

class MonthWindow final : public ui::WindowOf<MonthPart>, public calendar::TickListener {
public:
    explicit MonthWindow(MonthHost& host);
    ~MonthWindow() override;

    const MonthSelection& selection() const { return selection_; }
    const MonthPage& page() const { return page_; }
    // Device pixels in the client area, at the current DPI.
    RECT CellRect(int index) const;
    RECT GridRect() const;

    // The font a cell's line is drawn with: the largest step at which the line fits its cell;
    // "" when even the smallest does not.
    std::string LineFont(std::string_view line) const;
    // The same for the header's label.
    std::string HeaderFont(std::string_view header) const;
    // Whether the CR LF lines of text fit one of the labels, each as wide and all as tall;
    // for the note, whether each line fits its box's width beside the scroll bar.
    bool LinesFit(MonthPart label, std::string_view text) const;

protected:
    void OnCreate() override;
    void OnReady() override;
    void OnControlEvent(ui::Control& control, ui::ControlEvent event) override;
    void OnCommand(UINT id) override;
    void OnDpiChanged() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnPaint(HDC dc, const RECT& dirty) override;
    void OnDestroy() override;
    void OnNewDay(const calendar::Moment& now) override;

private:
    // Shows a selection: the month composed again when it changed, the labels, the buttons.
    void Show(const MonthSelection& next, bool recompose = false);
    void ShowToday();
    void ShowNote();
    // The selected day's details, its reminders all named where they fit, else as many as
    // fit and the count.
    void ShowDetails();
    void ReadHolidays();
    void ReadReminders();
    void AddSchedule();
    bool OnKey(WPARAM key);
    void OnWheel(int delta);
    void OnClick(POINT at);
    void FitClientArea();
    void PaintWeekdays(HDC dc);
    void PaintCell(HDC dc, int index);
    int CellAt(POINT at) const;
    int LineRoom() const;  // the width a cell's line may take, in device pixels

    MonthHost& host_;
    HolidayFile holidayFile_;  // as last read, to tell an edit from the same file
    Holidays holidays_;
    RemindersOfYear reminders_;
    std::vector<DayReminder> shownReminders_;  // those of the years the page shows
    std::string editProblem_;  // why the schedule file could not be created or opened
    sys_days today_{};
    MonthSelection selection_{};
    MonthPage page_{};
    bool composed_ = false;
    int wheel_ = 0;  // wheel movement not yet turned into a month
};

ui::WindowDesc MonthDescription();

}  // namespace month
