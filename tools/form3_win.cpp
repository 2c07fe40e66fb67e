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

// The chime choices in the order of their stored option number.
constexpr std::array<ToolsPart, 4> kOptions = {ToolsPart::NoChime, ToolsPart::HourChime,
                                               ToolsPart::HalfHourChime,
                                               ToolsPart::HourAndHalfChime};

struct Route {
    ToolsPart control;
    ControlEvent event;
    void (Form3::*run)();
};

constexpr Route kRoutes[] = {
    {ToolsPart::IntervalStart, ControlEvent::DateChanged, &Form3::ShowInterval},
    {ToolsPart::IntervalEnd, ControlEvent::DateChanged, &Form3::ShowInterval},
    {ToolsPart::ReferenceDay, ControlEvent::DateChanged, &Form3::ShowDayLists},
    {ToolsPart::BeforeCount, ControlEvent::TextChanged, &Form3::ShowDayBefore},
    {ToolsPart::AfterCount, ControlEvent::TextChanged, &Form3::ShowDayAfter},
    {ToolsPart::ReadingMoment, ControlEvent::DateChanged, &Form3::ShowFourPillars},
    {ToolsPart::WeekYear, ControlEvent::DateChanged, &Form3::ShowWeekRange},
    {ToolsPart::WeekBox, ControlEvent::TextChanged, &Form3::ShowWeekRange},
    {ToolsPart::TermYear, ControlEvent::DateChanged, &Form3::ShowTermDate},
    {ToolsPart::TermList, ControlEvent::SelectionChanged, &Form3::ShowTermDate},
    {ToolsPart::CycleList, ControlEvent::SelectionChanged, &Form3::ShowCycleYears},
    {ToolsPart::SaveSettings, ControlEvent::Clicked, &Form3::ApplyAlarmSettings},
    {ToolsPart::QuietHoursBox, ControlEvent::Clicked, &Form3::ApplyQuietHours},
    {ToolsPart::QuietStart, ControlEvent::DateChanged, &Form3::ApplyQuietHours},
    {ToolsPart::QuietEnd, ControlEvent::DateChanged, &Form3::ApplyQuietHours},
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

Form3::Form3(ToolsHost& host) : WindowOf(Form3Description()), host_(host) {}

void Form3::OnCreate() {
    // The pickers would hold the system's time; the application's clock is the one the whole
    // program (and a test) runs on.
    const calendar::Moment now = host_.clock.Now();
    const PickerMoment created{now.today, now.timeOfDay};
    for (const ToolsPart picker : {ToolsPart::IntervalEnd, ToolsPart::ReferenceDay,
                                   ToolsPart::WeekYear, ToolsPart::TermYear})
        SetPickerValue(picker, created);
    SetChecked(kOptions[0], true);
    for (const ToolsPart box : {ToolsPart::BeforeCount, ToolsPart::AfterCount})
        if (const HWND hwnd = control(box).hwnd)
            SendMessageW(hwnd, EM_LIMITTEXT, kCountTextLimit, 0);
    AddItems(ToolsPart::TermList, SolarTermNames());
    AddItems(ToolsPart::CycleList, JiaziNames());
    LayOut();
    ui::CentreUnderCursor(hwnd());
}

void Form3::OnReady() {
    InitToolsWindow();
    FocusControl(ToolsPart::TermList);
}

void Form3::InitToolsWindow() {
    SetPickerValue(ToolsPart::IntervalStart, PickerMoment{sys_days{2004y / 1 / 29}, 10h + 50min});
    SetPickerValue(ToolsPart::ReadingMoment, PickerMoment{sys_days{2016y / 3 / 3}, 5h + 33min});
    ShowInterval();
    // Setting the counts fills the two day lines through their text-change events.
    SetText(ToolsPart::BeforeCount, "0");
    SetText(ToolsPart::AfterCount, "0");
    ShowWeekRange();
    LoadAlarmSettings();
    ShowFourPillars();
}

void Form3::OnControlEvent(ui::Control& control, ui::ControlEvent event) {
    for (const Route& route : kRoutes) {
        if (Is(control, route.control) && route.event == event) {
            (this->*route.run)();
            return;
        }
    }
}

void Form3::ShowInterval() {
    const auto start = PickerValue(ToolsPart::IntervalStart);
    const auto end = PickerValue(ToolsPart::IntervalEnd);
    SetLabel(ToolsPart::Interval, start && end ? IntervalText(start->day, end->day) : "");
}

void Form3::ShowDayBefore() {
    ShowFromStart(ToolsPart::BeforeCount);
    ShowDayLine(DayDirection::Before, false);
}

void Form3::ShowDayAfter() {
    ShowFromStart(ToolsPart::AfterCount);
    ShowDayLine(DayDirection::After, false);
}

void Form3::ShowDayLists() {
    ShowDayLine(DayDirection::Before, true);
    ShowDayLine(DayDirection::After, true);
}

void Form3::ShowDayLine(DayDirection direction, bool wide) {
    const bool before = direction == DayDirection::Before;
    const std::string count = Text(before ? ToolsPart::BeforeCount : ToolsPart::AfterCount);
    const auto reference = PickerValue(ToolsPart::ReferenceDay);
    SetLabel(before ? ToolsPart::BeforeLine : ToolsPart::AfterLine,
             reference ? DayLineText(*reference, count, direction, wide) : "");
}

void Form3::ShowFourPillars() {
    const auto value = PickerValue(ToolsPart::ReadingMoment);
    SetText(ToolsPart::Reading, value ? FourPillarsText(value->day, value->timeOfDay) : "");
}

void Form3::ShowWeekRange() {
    SetText(ToolsPart::WeekRange,
            WeekRangeText(PickerYear(ToolsPart::WeekYear), Text(ToolsPart::WeekBox)));
}

void Form3::ShowTermDate() {
    // With no term chosen there is nothing to show, and the last date stays.
    if (const auto date =
            TermDateText(PickerYear(ToolsPart::TermYear), Selected(ToolsPart::TermList) + 1))
        SetLabel(ToolsPart::TermDate, *date);
}

void Form3::ShowCycleYears() {
    const int row = Selected(ToolsPart::CycleList) + 1;
    if (row < 1) return;
    const int year = static_cast<int>(std::chrono::year_month_day{host_.clock.Now().today}.year());
    SetText(ToolsPart::CycleYears, CycleYearsText(row, year));
}

void Form3::LoadAlarmSettings() {
    const AlarmPage page =
        tools::LoadAlarmSettings(host_.store, host_.schedule, host_.proposals, host_.clock.Now());
    SetPickerValue(ToolsPart::Alarm1, page.alarm1);
    SetPickerValue(ToolsPart::Alarm2, page.alarm2);
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        SetChecked(kOptions[i], static_cast<int>(i) == page.chimeOption);
    SetChecked(ToolsPart::SaveSettings, page.enabled);
    const QuietPage quiet = LoadQuietHours(host_.store, host_.clock.Now().today);
    SetPickerValue(ToolsPart::QuietStart, quiet.start);
    SetPickerValue(ToolsPart::QuietEnd, quiet.end);
    SetChecked(ToolsPart::QuietHoursBox, quiet.enabled);
}

void Form3::ApplyQuietHours() {
    QuietPage page;
    page.enabled = Checked(ToolsPart::QuietHoursBox);
    const auto start = PickerValue(ToolsPart::QuietStart);
    const auto end = PickerValue(ToolsPart::QuietEnd);
    if (page.enabled && (!start || !end)) return;  // a picker that does not answer changes nothing
    if (start) page.start = *start;
    if (end) page.end = *end;
    if (const auto message = tools::ApplyQuietHours(page, host_.store, host_.schedule))
        host_.dialogs.showMessage(hwnd(), message->text, message->caption);
}

void Form3::ApplyAlarmSettings() {
    // A picker always holds a value; should one ever fail to answer, its alarm is now.
    const calendar::Moment now = host_.clock.Now();
    const PickerMoment unreadable{now.today, now.timeOfDay};
    AlarmPage page;
    page.alarm1 = PickerValue(ToolsPart::Alarm1).value_or(unreadable);
    page.alarm2 = PickerValue(ToolsPart::Alarm2).value_or(unreadable);
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        if (Checked(kOptions[i])) page.chimeOption = static_cast<int>(i);
    page.enabled = Checked(ToolsPart::SaveSettings);
    const auto message = tools::ApplyAlarmSettings(page.enabled, page, host_.store, host_.schedule);
    if (message) host_.dialogs.showMessage(hwnd(), message->text, message->caption);
}

std::optional<PickerMoment> Form3::PickerValue(ToolsPart picker) const {
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

int Form3::PickerYear(ToolsPart picker) const {
    const auto value = PickerValue(picker);
    return value ? static_cast<int>(std::chrono::year_month_day{value->day}.year()) : 0;
}

void Form3::SetPickerValue(ToolsPart picker, const PickerMoment& value) {
    SetDateTime(picker, SystemTimeOf(value));
}

void Form3::SetLabel(ToolsPart label, std::string_view text) {
    ui::Control& c = control(label);
    if (c.text == text) return;
    SetText(c, text);  // repaints where the old text was
    FitLabel(c);
    Invalidate(c);
}

void Form3::ShowFromStart(ToolsPart box) {
    const HWND hwnd = control(box).hwnd;
    if (!hwnd) return;
    // To the start and back to the caret: a count that fits is then shown whole, and a longer
    // one being typed still shows where the typing goes.
    DWORD start = 0, end = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    SendMessageW(hwnd, EM_SETSEL, 0, 0);
    SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
    SendMessageW(hwnd, EM_SETSEL, start, end);
    SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
}

void Form3::FocusControl(ToolsPart part) {
    if (const HWND hwnd = control(part).hwnd) SetFocus(hwnd);
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
            FocusControl(ToolsPart::TermList);
    }
    result = 0;
    return true;
}

}  // namespace tools
