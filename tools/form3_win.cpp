#include "tools/form3_win.h"

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <chrono>
#include <vector>

#include "calendar/name_tables.h"
#include "calendar/solar_terms.h"
#include "tools/alarm_page.h"
#include "tools/four_pillars.h"
#include "tools/interval.h"
#include "tools/queries.h"

namespace tools {

namespace {

using namespace std::chrono_literals;
using calendar::sys_days;
using ui::ControlEvent;

// A count of days needs a handful of characters; the limit only keeps a paste from
// filling the box with pages of text.
constexpr WPARAM kCountTextLimit = 32;

constexpr std::array<std::string_view, 4> kOptions = {"Option1(0)", "Option1(1)", "Option1(2)",
                                                      "Option1(3)"};

struct Route {
    std::string_view control;
    ControlEvent event;
    void (Form3::*run)();
};

constexpr Route kRoutes[] = {
    {"DateTimePicker1", ControlEvent::DateChanged, &Form3::ShowInterval},
    {"DateTimePicker2", ControlEvent::DateChanged, &Form3::ShowInterval},
    {"DateTimePicker3", ControlEvent::DateChanged, &Form3::ShowDayLists},
    {"Text4", ControlEvent::TextChanged, &Form3::ShowDayBefore},
    {"Text5", ControlEvent::TextChanged, &Form3::ShowDayAfter},
    {"DateTimePicker6", ControlEvent::DateChanged, &Form3::ShowFourPillars},
    {"DateTimePicker7", ControlEvent::DateChanged, &Form3::ShowWeekRange},
    {"Text2", ControlEvent::TextChanged, &Form3::ShowWeekRange},
    {"DateTimePicker8", ControlEvent::DateChanged, &Form3::ShowTermDate},
    {"Combo1", ControlEvent::SelectionChanged, &Form3::ShowTermDate},
    {"Combo2", ControlEvent::SelectionChanged, &Form3::ShowCycleYears},
    {"Check1", ControlEvent::Clicked, &Form3::ApplyAlarmSettings},
};

std::vector<std::string> SolarTermNames() {
    std::vector<std::string> names;
    for (int i = 1; i <= calendar::kTermCount; ++i) names.emplace_back(calendar::SolarTermName(i));
    return names;
}

std::vector<std::string> JiaziNames() {
    std::vector<std::string> names;
    for (int i = 1; i <= 60; ++i) names.emplace_back(calendar::JiaziName(i));
    return names;
}

}  // namespace

SYSTEMTIME SystemTimeOf(const PickerMoment& value) {
    const std::chrono::year_month_day ymd{value.day};
    const std::chrono::hh_mm_ss<std::chrono::seconds> time{value.timeOfDay};
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(static_cast<int>(ymd.year()));
    t.wMonth = static_cast<WORD>(static_cast<unsigned>(ymd.month()));
    t.wDay = static_cast<WORD>(static_cast<unsigned>(ymd.day()));
    t.wDayOfWeek = static_cast<WORD>(std::chrono::weekday{value.day}.c_encoding());
    t.wHour = static_cast<WORD>(time.hours().count());
    t.wMinute = static_cast<WORD>(time.minutes().count());
    t.wSecond = static_cast<WORD>(time.seconds().count());
    return t;
}

Form3::Form3(ToolsHost& host) : ui::Window(Form3Description()), host_(host) {}

void Form3::OnCreate() {
    // A route to a control that is not there would never run: every one is checked once.
    for (const Route& route : kRoutes) Named(route.control);
    // The pickers would hold the system's time; the application's clock is the one the whole
    // program (and a test) runs on.
    const calendar::Moment now = host_.clock.Now();
    const PickerMoment created{now.today, now.timeOfDay};
    for (const std::string_view picker :
         {"DateTimePicker2", "DateTimePicker3", "DateTimePicker7", "DateTimePicker8"})
        SetPickerValue(picker, created);
    SetChecked(kOptions[0], true);
    for (const std::string_view box : {"Text4", "Text5"})
        if (const ui::Control* c = Named(box); c && c->hwnd)
            SendMessageW(c->hwnd, EM_LIMITTEXT, kCountTextLimit, 0);
    AddItems("Combo1", SolarTermNames());
    AddItems("Combo2", JiaziNames());
    LayOut();
    ui::CentreUnderCursor(hwnd());
}

void Form3::OnReady() {
    InitToolsWindow();
    FocusControl("Combo1");
}

void Form3::InitToolsWindow() {
    SetPickerValue("DateTimePicker1", PickerMoment{sys_days{2004y / 1 / 29}, 10h + 50min});
    SetPickerValue("DateTimePicker6", PickerMoment{sys_days{2016y / 3 / 3}, 5h + 33min});
    ShowInterval();
    // Setting the counts fills the two day lines through their text-change events.
    SetText("Text4", "0");
    SetText("Text5", "0");
    ShowWeekRange();
    LoadAlarmSettings();
    ShowFourPillars();
}

void Form3::OnControlEvent(ui::Control& control, ui::ControlEvent event) {
    for (const Route& route : kRoutes) {
        if (route.control == control.desc.name && route.event == event) {
            (this->*route.run)();
            return;
        }
    }
}

void Form3::ShowInterval() {
    const auto start = PickerValue("DateTimePicker1");
    const auto end = PickerValue("DateTimePicker2");
    SetLabel("Label3", start && end ? IntervalText(start->day, end->day) : "");
}

void Form3::ShowDayBefore() {
    ShowFromStart("Text4");
    ShowDayLine(DayDirection::Before, false);
}

void Form3::ShowDayAfter() {
    ShowFromStart("Text5");
    ShowDayLine(DayDirection::After, false);
}

void Form3::ShowDayLists() {
    ShowDayLine(DayDirection::Before, true);
    ShowDayLine(DayDirection::After, true);
}

void Form3::ShowDayLine(DayDirection direction, bool wide) {
    const bool before = direction == DayDirection::Before;
    const std::string count = Text(before ? "Text4" : "Text5");
    const auto reference = PickerValue("DateTimePicker3");
    SetLabel(before ? "Label7" : "Label8",
             reference ? DayLineText(*reference, count, direction, wide) : "");
}

void Form3::ShowFourPillars() {
    const auto value = PickerValue("DateTimePicker6");
    SetText("Text1", value ? FourPillarsText(value->day, value->timeOfDay) : "");
}

void Form3::ShowWeekRange() {
    SetText("Text3", WeekRangeText(PickerYear("DateTimePicker7"), Text("Text2")));
}

void Form3::ShowTermDate() {
    // With no term chosen there is nothing to show, and the last date stays.
    if (const auto date = TermDateText(PickerYear("DateTimePicker8"), Selected("Combo1") + 1))
        SetLabel("Label14", *date);
}

void Form3::ShowCycleYears() {
    const int row = Selected("Combo2") + 1;
    if (row < 1) return;
    const int year = static_cast<int>(std::chrono::year_month_day{host_.clock.Now().today}.year());
    SetText("Text6", CycleYearsText(row, year));
}

void Form3::LoadAlarmSettings() {
    const AlarmPage page =
        tools::LoadAlarmSettings(host_.store, host_.schedule, host_.proposals, host_.clock.Now());
    SetPickerValue("DateTimePicker4", page.alarm1);
    SetPickerValue("DateTimePicker5", page.alarm2);
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        SetChecked(kOptions[i], static_cast<int>(i) == page.chimeOption);
    SetChecked("Check1", page.check1);
}

void Form3::ApplyAlarmSettings() {
    // A picker always holds a value; should one ever fail to answer, its alarm is now.
    const calendar::Moment now = host_.clock.Now();
    const PickerMoment unreadable{now.today, now.timeOfDay};
    AlarmPage page;
    page.alarm1 = PickerValue("DateTimePicker4").value_or(unreadable);
    page.alarm2 = PickerValue("DateTimePicker5").value_or(unreadable);
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        if (Checked(kOptions[i])) page.chimeOption = static_cast<int>(i);
    page.check1 = Checked("Check1");
    const auto message = tools::ApplyAlarmSettings(page.check1, page, host_.store, host_.schedule);
    if (message) host_.dialogs.showMessage(hwnd(), message->text, message->caption);
}

std::optional<PickerMoment> Form3::PickerValue(std::string_view picker) const {
    const SYSTEMTIME t = DateTime(picker);
    const std::chrono::year_month_day ymd{std::chrono::year{t.wYear}, std::chrono::month{t.wMonth},
                                          std::chrono::day{t.wDay}};
    if (t.wYear == 0 || !ymd.ok() || t.wHour > 23 || t.wMinute > 59 || t.wSecond > 59)
        return std::nullopt;
    const std::chrono::seconds time = std::chrono::hours{t.wHour} +
                                      std::chrono::minutes{t.wMinute} +
                                      std::chrono::seconds{t.wSecond};
    return PickerMoment{sys_days{ymd}, time};
}

int Form3::PickerYear(std::string_view picker) const {
    const auto value = PickerValue(picker);
    return value ? static_cast<int>(std::chrono::year_month_day{value->day}.year()) : 0;
}

void Form3::SetPickerValue(std::string_view picker, const PickerMoment& value) {
    SetDateTime(picker, SystemTimeOf(value));
}

void Form3::SetLabel(std::string_view label, std::string_view text) {
    ui::Control* c = Named(label);
    if (!c || c->text == text) return;
    SetText(label, text);  // repaints where the old text was
    FitLabel(*c);
    Invalidate(*c);
}

void Form3::ShowFromStart(std::string_view box) {
    const ui::Control* c = Named(box);
    if (!c || !c->hwnd) return;
    // To the start and back to the caret: a count that fits is then shown whole, and a longer
    // one being typed still shows where the typing goes.
    DWORD start = 0, end = 0;
    SendMessageW(c->hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    SendMessageW(c->hwnd, EM_SETSEL, 0, 0);
    SendMessageW(c->hwnd, EM_SCROLLCARET, 0, 0);
    SendMessageW(c->hwnd, EM_SETSEL, start, end);
    SendMessageW(c->hwnd, EM_SCROLLCARET, 0, 0);
}

void Form3::FocusControl(std::string_view name) {
    if (const ui::Control* c = Named(name); c && c->hwnd) SetFocus(c->hwnd);
}

bool Form3::OnMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
    if (msg != WM_ACTIVATE) return false;
    // As a dialog does: leaving remembers the focused control and coming back returns to it,
    // instead of the default handling, which gives the focus to the window itself.
    if (LOWORD(wp) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
    } else if (!HIWORD(wp)) {
        if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd(), lastFocus_))
            SetFocus(lastFocus_);
        else
            FocusControl("Combo1");
    }
    result = 0;
    return true;
}

}  // namespace tools
