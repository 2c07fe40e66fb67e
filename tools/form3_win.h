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

struct SentenceRow;  // a label whose blanks hold a box

class Form3 final : public ui::Window {
public:
    explicit Form3(ToolsHost& host);

    // Runs once when the window is ready: the start values, the first results and the
    // stored alarm settings.
    void InitToolsWindow();

    void ShowInterval();     // DateTimePicker1, DateTimePicker2 -> Label3
    void ShowDayBefore();    // DateTimePicker3, Text4 -> Label7
    void ShowDayAfter();     // DateTimePicker3, Text5 -> Label8
    void ShowDayLists();     // both lines, after the reference date changed
    void ShowFourPillars();  // DateTimePicker6 -> Text1
    void ShowWeekRange();    // DateTimePicker7, Text2 -> Text3
    void ShowTermDate();     // DateTimePicker8, Combo1 -> Label14
    void ShowCycleYears();   // Combo2 and today -> Text6
    void LoadAlarmSettings();
    void ApplyAlarmSettings();  // after Check1 has toggled

protected:
    void OnCreate() override;
    void OnReady() override;
    void OnControlEvent(ui::Control& control, ui::ControlEvent event) override;
    void OnDpiChanged() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void ShowDayLine(DayDirection direction, bool wide);
    // A picker's value; nothing when it cannot be read.
    std::optional<PickerMoment> PickerValue(std::string_view picker) const;
    int PickerYear(std::string_view picker) const;
    void SetPickerValue(std::string_view picker, const PickerMoment& value);
    void SetLabel(std::string_view label, std::string_view text);
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
    void ShowFromStart(std::string_view box);
    void FocusControl(std::string_view name);

    ToolsHost& host_;
    HWND lastFocus_ = nullptr;  // the control to give the focus back to on reactivation
};

ui::WindowDesc Form3Description();

// A picker's value as the control holds it.
SYSTEMTIME SystemTimeOf(const PickerMoment& value);

}  // namespace tools
