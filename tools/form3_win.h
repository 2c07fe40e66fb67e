#pragma once
// Form3, the tools window: date interval and day lists, the four-pillar reading, the week,
// solar-term and stem-branch queries, and the alarm and chime page. It only reads its
// controls, calls the tools' pure functions and writes their texts back; the clock, the
// settings store, the schedule and the message box come from its host.
//
// It is created afresh on every opening, so each opening starts from the defaults and the
// stored alarm settings.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/moment.h"
#include "settings/forms.h"
#include "settings/schedule.h"
#include "settings/store.h"
#include "tools/day_line.h"
#include "tools/picker_moment.h"
#include "ui/dialogs.h"
#include "ui/window.h"

namespace tools {

inline constexpr std::string_view kForm3Class = "Tavelon.Form3";

// What the tools window needs of the program around it, provided by the program shell for the
// whole run: the settings page edits the schedule the main face's tick reads.
struct ToolsHost {
    calendar::Clock& clock;
    settings::SettingsStore& store;
    settings::Schedule& schedule;
    const settings::AlarmProposals& proposals;
    ui::Dialogs& dialogs;
};

// The tools window's controls, in description order (which is also the tab order), then the
// pieces the sentence rows are drawn in.
enum class ToolsPart {
    CycleWords,    // "年是:" after the stem-branch list
    TermFrame,     // the solar-term query's frame
    TermDate,      // the term's date in the chosen year
    TermList,      // the 24 solar terms
    WeekSpin,      // steps the week box
    WeekSentence,  // "第 周是：" around the week box
    WeekRange,     // the week's first and last day
    WeekBox,       // the week number
    WeekYear,      // the week query's year
    AfterSpin,     // steps the count after
    BeforeSpin,    // steps the count before
    Reading,       // the four-pillar reading
    AlarmFrame,    // the alarm and chime page's frame
    NoChime,       // the four chime choices, a radio group
    HourChime,
    HalfHourChime,
    HourAndHalfChime,
    SaveSettings,    // stores or deletes the alarm, chime and colour settings
    AfterLine,       // the lunar line of the day after
    BeforeLine,      // the lunar line of the day before
    IntervalStart,   // the interval's first day
    BeforeSentence,  // "之前： 天是：" around the count before
    StartWords,      // "开始日期："
    EndWords,        // "结束日期："
    Interval,        // the interval's years, months and days
    BeforeCount,     // days before the reference day
    AfterCount,      // days after it
    AfterSentence,   // "之后： 天是：" around the count after
    DayWords,        // "日期："
    IntervalEnd,     // the interval's last day
    ReferenceDay,    // the day the two counts start from
    Alarm1,
    Alarm2Words,  // "闹钟2："
    Alarm1Words,  // "闹钟1："
    Alarm2,
    ReadingMoment,  // the day and minute the reading is for
    ReadingWords,   // what the reading holds
    TermYear,       // the solar-term query's year
    TermSentence,   // "的 是：" around the term list
    CycleList,      // the 60 stem-branch names
    CycleYears,     // the years of the chosen name around this one
    QuietHoursBox,  // "免打扰": the chimes keep silent from the first time to the second
    QuietStart,
    QuietWords,  // "至"
    QuietEnd,
    // The words before and after the blanks of each sentence row.
    BeforeSentenceHead,
    BeforeSentenceTail,
    AfterSentenceHead,
    AfterSentenceTail,
    WeekSentenceHead,
    WeekSentenceTail,
    TermSentenceHead,
    TermSentenceTail,
};

struct SentenceRow;  // a label whose blanks hold a box

class Form3 final : public ui::WindowOf<ToolsPart> {
public:
    explicit Form3(ToolsHost& host);

    // Runs once when the window is ready: the start values, the first results and the
    // stored alarm settings.
    void InitToolsWindow();

    void ShowInterval();     // the interval's two days -> the interval
    void ShowDayBefore();    // the reference day and the count before -> the line before
    void ShowDayAfter();     // the reference day and the count after -> the line after
    void ShowDayLists();     // both lines, after the reference date changed
    void ShowFourPillars();  // the reading's moment -> the reading
    void ShowWeekRange();    // the week's year and number -> its range
    void ShowTermDate();     // the term's year and the chosen term -> its date
    void ShowCycleYears();   // the chosen stem-branch name and today -> its years
    void LoadAlarmSettings();
    void ApplyAlarmSettings();  // after the settings box has toggled
    void ApplyQuietHours();     // after the quiet-hours box or one of its times changed

protected:
    void OnCreate() override;
    void OnReady() override;
    void OnControlEvent(ui::Control& control, ui::ControlEvent event) override;
    void OnDpiChanged() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void ShowDayLine(DayDirection direction, bool wide);
    // A picker's value; nothing when it cannot be read.
    std::optional<PickerMoment> PickerValue(ToolsPart picker) const;
    int PickerYear(ToolsPart picker) const;
    void SetPickerValue(ToolsPart picker, const PickerMoment& value);
    void SetLabel(ToolsPart label, std::string_view text);
    // Layout beyond the description's rectangles, again after every DPI change.
    void LayOut();
    void FitLabel(ui::Control& label);
    void PlaceSentence(const SentenceRow& sentence);
    // Room for the longest texts of the result boxes with the fonts at hand: each returns how
    // much wider, or taller, the page must be than its design.
    int FitResultRows();
    int FitReading();
    void GrowPage(int wider, int taller);
    void Place(ui::Control& control, const RECT& rect);
    // The longest text of sample's form in a control's font: every digit the widest one.
    int WidestDigitsWidth(const ui::Control& control, std::string_view sample) const;
    // A count box scrolled for a long count keeps its offset when a shorter one replaces it.
    void ShowFromStart(ToolsPart box);
    void FocusControl(ToolsPart part);

    ToolsHost& host_;
    HWND lastFocus_ = nullptr;  // the control to give the focus back to on reactivation
};

ui::WindowDesc Form3Description();

// A picker's value as the control holds it.
SYSTEMTIME SystemTimeOf(const PickerMoment& value);

}  // namespace tools
