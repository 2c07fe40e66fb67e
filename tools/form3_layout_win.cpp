// The tools window's controls, in creation order, which is also the tab order; and the part
// of the layout that depends on the font and cannot be written into the table.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>

#include "tools/form3_win.h"
#include "tools/queries.h"
#include "ui/font.h"
#include "ui/gdi.h"
#include "ui/text.h"

namespace tools {

namespace {

constexpr char kPickerTip[] = "将日期改变一下试试？";
constexpr char kCheck1Tip[] = "注册表中存储 / 删除闹钟、报时、字色设置。";
constexpr char kQuietTip[] = "在这段时间里整点、半点不报时，闹钟照响；可跨过午夜。";
constexpr char kDayFormat[] = "yyyy年MM月dd日";
// The week and the term query read only the year of their pickers, which are too narrow for a
// whole long date: they show the year, whole, instead of a date cut by the box.
constexpr char kYearFormat[] = "yyyy年";
constexpr char kDayPickerFont[] = "Microsoft YaHei,11";
constexpr char kAlarmFont[] = "Microsoft YaHei,12,1";

// The page is designed for fonts that leave room to spare. Where the fonts at hand need more,
// the window widens and these, which reach its right side, widen with it; and what lies below
// the reading moves down by what the reading needs to show all its lines.
constexpr ToolsPart kRightSide[] = {ToolsPart::WeekRange, ToolsPart::CycleYears,
                                    ToolsPart::TermFrame, ToolsPart::Reading,
                                    ToolsPart::AlarmFrame};
constexpr int kReadingLines = 4;  // 八字, 五行, 方位, 纳音
// A closed drop-down and its list draw their item a little inside the item's rectangle.
constexpr int kItemPadding = 4;

int Width(const RECT& r) { return r.right - r.left; }

// What a box spends beside its text: edges and margins.
int EditChrome(HWND box) {
    RECT window{}, format{};
    GetWindowRect(box, &window);
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    return Width(window) - Width(format);
}

// The same for a drop-down, whose button takes part of its width; and for its list, whose
// scroll bar does.
COMBOBOXINFO ComboInfo(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(combo, &info);
    return info;
}

int ComboChrome(HWND combo) {
    RECT window{};
    GetWindowRect(combo, &window);
    return Width(window) - Width(ComboInfo(combo).rcItem);
}

int ListChrome(HWND combo) {
    const HWND list = ComboInfo(combo).hwndList;
    RECT window{}, client{};
    if (!list || !GetWindowRect(list, &window) || !GetClientRect(list, &client)) return 0;
    // The scroll bar counts even while the closed list hides it: there are always more rows
    // than the list shows.
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    const bool barShown =
        GetScrollBarInfo(list, OBJID_VSCROLL, &bar) && !(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    return Width(window) - Width(client) + (barShown ? 0 : GetSystemMetrics(SM_CXVSCROLL));
}

}  // namespace

// Rows that read as one sentence with a box standing in the label's blanks. How wide the
// blanks come out depends on the font, and with the usual ones they are narrower than the
// boxes; so the words before and after the blanks are drawn as pieces of their own, the
// head where the label starts and the tail clear of the box. The label keeps its whole
// caption as its text. A box that follows the sentence gives way to the tail, keeping its
// right edge.
struct SentenceRow {
    ToolsPart label, head, tail, box;
    std::optional<ToolsPart> spin, follower;
};

namespace {

constexpr SentenceRow kSentences[] = {
    {ToolsPart::BeforeSentence, ToolsPart::BeforeSentenceHead, ToolsPart::BeforeSentenceTail,
     ToolsPart::BeforeCount, ToolsPart::BeforeSpin, std::nullopt},
    {ToolsPart::AfterSentence, ToolsPart::AfterSentenceHead, ToolsPart::AfterSentenceTail,
     ToolsPart::AfterCount, ToolsPart::AfterSpin, std::nullopt},
    {ToolsPart::WeekSentence, ToolsPart::WeekSentenceHead, ToolsPart::WeekSentenceTail,
     ToolsPart::WeekBox, ToolsPart::WeekSpin, ToolsPart::WeekRange},
    {ToolsPart::TermSentence, ToolsPart::TermSentenceHead, ToolsPart::TermSentenceTail,
     ToolsPart::TermList, std::nullopt, std::nullopt},
};

}  // namespace

ui::WindowDesc Form3Description() {
    ui::WindowDesc d;
    d.className = std::string(kForm3Class);
    d.caption = "工具_日期计算、闹钟、报时";
    d.width = 504;
    d.height = 430;
    // A caption with a close box only: the page is laid out for exactly this size.
    d.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    d.exStyle = WS_EX_CONTROLPARENT;
    d.icon = "ICON_TOOL";
    d.bigIcon = 48;
    d.smallIcon = 32;
    d.font = "Microsoft YaHei,9,0";

    using ui::ControlKind;
    using ui::Describe;
    // An up-down takes its width from its row and sits at the right end of its buddy.
    d.controls = {
        Describe(ControlKind::Label, ToolsPart::CycleWords, "Label15", 292, 37, 34, 20)
            .Caption("年是:"),
        Describe(ControlKind::GroupBox, ToolsPart::TermFrame, "Frame2", 262, 60, 233, 46)
            .Caption("24节气"),
        Describe(ControlKind::Label, ToolsPart::TermDate, "Label14", 416, 80, 73, 18),
        Describe(ControlKind::ComboBox, ToolsPart::TermList, "Combo1", 346, 76, 49, 16)
            .ListHeight(300),
        Describe(ControlKind::UpDown, ToolsPart::WeekSpin, "UpDown3", 302, 8, 12, 22)
            .Buddy(ToolsPart::WeekBox, 1, 53, 1),
        Describe(ControlKind::Label, ToolsPart::WeekSentence, "Label12", 265, 9, 88, 18)
            .Caption("第          周是："),
        Describe(ControlKind::TextBox, ToolsPart::WeekRange, "Text3", 346, 6, 150, 24)
            .Caption("2021-12-19至2021-12-25"),
        Describe(ControlKind::TextBox, ToolsPart::WeekBox, "Text2", 278, 6, 39, 24)
            .Caption("1")
            .Style(ES_READONLY),
        Describe(ControlKind::DatePicker, ToolsPart::WeekYear, "DateTimePicker7", 204, 6, 60, 24)
            .Format(kYearFormat),
        Describe(ControlKind::UpDown, ToolsPart::AfterSpin, "UpDown2", 62, 140, 13, 18)
            .Buddy(ToolsPart::AfterCount, 0, 1000, 1),
        Describe(ControlKind::UpDown, ToolsPart::BeforeSpin, "UpDown1", 62, 118, 14, 15)
            .Buddy(ToolsPart::BeforeCount, 0, 1000, 1),
        Describe(ControlKind::TextBox, ToolsPart::Reading, "Text1", 4, 191, 489, 72)
            .Caption("Text1")
            .Style(ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL),
        Describe(ControlKind::GroupBox, ToolsPart::AlarmFrame, "Frame1", 4, 265, 488, 126)
            .Caption("闹钟与报时"),
        Describe(ControlKind::RadioButton, ToolsPart::NoChime, "Option1(0)", 80, 314, 55, 15)
            .Caption("不报时")
            .Style(WS_GROUP),
        Describe(ControlKind::RadioButton, ToolsPart::HourChime, "Option1(1)", 146, 314, 72, 15)
            .Caption("整点报时"),
        Describe(ControlKind::RadioButton, ToolsPart::HalfHourChime, "Option1(2)", 224, 314, 72, 15)
            .Caption("半点报时"),
        Describe(ControlKind::RadioButton, ToolsPart::HourAndHalfChime, "Option1(3)", 302, 314, 98,
                 15)
            .Caption("整点+半点报时"),
        // WS_GROUP ends the radio group, so the arrow keys stay among the four buttons.
        Describe(ControlKind::CheckBox, ToolsPart::SaveSettings, "Check1", 172, 332, 134, 28)
            .Caption("启用/取消设置")
            .Font("Microsoft YaHei,12")
            .Style(WS_GROUP)
            .Tooltip(kCheck1Tip),
        Describe(ControlKind::Label, ToolsPart::AfterLine, "Label8", 117, 139, 376, 20),
        Describe(ControlKind::Label, ToolsPart::BeforeLine, "Label7", 117, 116, 376, 19),
        Describe(ControlKind::DatePicker, ToolsPart::IntervalStart, "DateTimePicker1", 60, 6, 137,
                 24)
            .Format(kDayFormat)
            .Font(kDayPickerFont)
            .Tooltip(kPickerTip),
        Describe(ControlKind::Label, ToolsPart::BeforeSentence, "Label4", 2, 116, 138, 22)
            .Caption("之前：            天是："),
        Describe(ControlKind::Label, ToolsPart::StartWords, "Label1", 2, 10, 67, 18)
            .Caption("开始日期："),
        Describe(ControlKind::Label, ToolsPart::EndWords, "Label2", 2, 36, 67, 18)
            .Caption("结束日期："),
        Describe(ControlKind::Label, ToolsPart::Interval, "Label3", 22, 58, 210, 18),
        Describe(ControlKind::TextBox, ToolsPart::BeforeCount, "Text4", 33, 116, 50, 18),
        Describe(ControlKind::TextBox, ToolsPart::AfterCount, "Text5", 33, 138, 50, 18),
        Describe(ControlKind::Label, ToolsPart::AfterSentence, "Label5", 2, 139, 138, 22)
            .Caption("之后：            天是："),
        Describe(ControlKind::Label, ToolsPart::DayWords, "Label6", 2, 92, 48, 17)
            .Caption("日期："),
        Describe(ControlKind::DatePicker, ToolsPart::IntervalEnd, "DateTimePicker2", 60, 32, 137,
                 24)
            .Format(kDayFormat)
            .Font(kDayPickerFont)
            .Tooltip(kPickerTip),
        Describe(ControlKind::DatePicker, ToolsPart::ReferenceDay, "DateTimePicker3", 34, 86, 137,
                 24)
            .Format(kDayFormat)
            .Font(kDayPickerFont)
            .Tooltip(kPickerTip),
        Describe(ControlKind::DatePicker, ToolsPart::Alarm1, "DateTimePicker4", 144, 282, 72, 24)
            .Format("HH:mm")
            .Font(kAlarmFont),
        Describe(ControlKind::Label, ToolsPart::Alarm2Words, "Label9", 270, 286, 50, 18)
            .Caption("闹钟2："),
        Describe(ControlKind::Label, ToolsPart::Alarm1Words, "Label10", 102, 286, 50, 18)
            .Caption("闹钟1："),
        Describe(ControlKind::DatePicker, ToolsPart::Alarm2, "DateTimePicker5", 312, 282, 70, 24)
            .Format("HH:mm")
            .Font(kAlarmFont),
        Describe(ControlKind::DatePicker, ToolsPart::ReadingMoment, "DateTimePicker6", 5, 166, 174,
                 24)
            .Format("yyyy年MM月dd日 HH:mm")
            .Font(kDayPickerFont)
            .Tooltip(kPickerTip),
        Describe(ControlKind::Label, ToolsPart::ReadingWords, "Label11", 180, 169, 308, 17)
            .Caption("的年、月、日、时(四柱)干支(八字)、五行、方位、纳音是:"),
        Describe(ControlKind::DatePicker, ToolsPart::TermYear, "DateTimePicker8", 271, 76, 63, 25)
            .Format(kYearFormat),
        Describe(ControlKind::Label, ToolsPart::TermSentence, "Label13", 334, 81, 84, 18)
            .Caption("的            是："),
        Describe(ControlKind::ComboBox, ToolsPart::CycleList, "Combo2", 203, 33, 89, 20)
            .ListHeight(300),
        Describe(ControlKind::TextBox, ToolsPart::CycleYears, "Text6", 320, 33, 176, 25),
        // Stored at once, apart from the settings box: 取消 there leaves the quiet hours.
        Describe(ControlKind::CheckBox, ToolsPart::QuietHoursBox, "CheckQuiet", 62, 366, 76, 18)
            .Caption("免打扰")
            .Font("Microsoft YaHei,12")
            .Tooltip(kQuietTip),
        Describe(ControlKind::DatePicker, ToolsPart::QuietStart, "PickerQuietStart", 144, 362, 72,
                 24)
            .Format("HH:mm")
            .Font(kAlarmFont),
        Describe(ControlKind::Label, ToolsPart::QuietWords, "LabelQuiet", 280, 366, 24, 18)
            .Caption("至"),
        Describe(ControlKind::DatePicker, ToolsPart::QuietEnd, "PickerQuietEnd", 312, 362, 70, 24)
            .Format("HH:mm")
            .Font(kAlarmFont),
    };
    // Every picker offers the same days, each to its last second: the pickers carry a time of
    // day, and a last moment at midnight would refuse the last day at any later hour.
    using namespace std::chrono_literals;
    for (ui::ControlDesc& c : d.controls) {
        if (c.kind == ui::ControlKind::DatePicker) {
            c.Range(SystemTimeOf(PickerMoment{kFirstPickerDay}),
                    SystemTimeOf(PickerMoment{kLastPickerDay, 24h - 1s}));
        }
    }
    for (const SentenceRow& sentence : kSentences) {
        const ui::ControlDesc& row = d.controls[ui::RowOf(sentence.label)];
        const std::string caption = row.caption;
        const std::size_t first = caption.find(' '), last = caption.rfind(' ');
        ui::ControlDesc head = row, tail = row;
        head.row = static_cast<int>(sentence.head);
        head.name = row.name + ".head";
        head.caption = caption.substr(0, first);
        tail.row = static_cast<int>(sentence.tail);
        tail.name = row.name + ".tail";
        tail.caption = caption.substr(last + 1);
        d.controls.push_back(std::move(head));
        d.controls.push_back(std::move(tail));
    }
    return d;
}

void Form3::OnDpiChanged() { LayOut(); }

void Form3::LayOut() {
    for (std::size_t row = 0; row < controls().size(); ++row)
        if (ui::Control& c = ControlAt(row); c.desc.kind == ui::ControlKind::Label) FitLabel(c);
    for (const SentenceRow& s : kSentences) PlaceSentence(s);
    if (!hwnd()) return;
    const int wider = FitResultRows();
    GrowPage(wider, FitReading());
    InvalidateRect(hwnd(), nullptr, FALSE);
}

int Form3::WidestDigitsWidth(const ui::Control& control, std::string_view sample) const {
    wchar_t widest = L'0';
    for (wchar_t digit = L'1'; digit <= L'9'; ++digit)
        if (TextWidth(control, {&digit, 1}) > TextWidth(control, {&widest, 1})) widest = digit;
    std::wstring text = ui::Widen(sample);
    for (wchar_t& c : text)
        if (c >= L'0' && c <= L'9') c = widest;
    return TextWidth(control, text);
}

int Form3::FitResultRows() {
    ui::Control* combo = &control(ToolsPart::CycleList);
    ui::Control* yearLabel = &control(ToolsPart::CycleWords);
    ui::Control* cycles = &control(ToolsPart::CycleYears);
    ui::Control* week = &control(ToolsPart::WeekRange);
    if (!combo->hwnd || !cycles->hwnd || !week->hwnd) return 0;

    int widestName = 0;
    const int names = static_cast<int>(SendMessageW(combo->hwnd, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < names; ++i) {
        std::wstring name(static_cast<std::size_t>(std::max<LRESULT>(
                              0, SendMessageW(combo->hwnd, CB_GETLBTEXTLEN, i, 0))),
                          L'\0');
        name.resize(static_cast<std::size_t>(std::max<LRESULT>(
            0, SendMessageW(combo->hwnd, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(name.data())))));
        widestName = std::max(widestName, TextWidth(*combo, name));
    }
    const int padding = Scaled(kItemPadding);
    SendMessageW(combo->hwnd, CB_SETDROPPEDWIDTH, widestName + padding + ListChrome(combo->hwnd),
                 0);

    // The stem-branch row: the drop-down widens for its longest name and pushes the words and
    // the years after it to the right.
    const RECT comboDesign = ScaledRect(combo->desc);
    const int comboGrows =
        std::max(0, widestName + padding + ComboChrome(combo->hwnd) - Width(comboDesign));
    Place(*combo, RECT{comboDesign.left, comboDesign.top, comboDesign.right + comboGrows,
                       comboDesign.bottom});
    OffsetRect(&yearLabel->rect, comboGrows, 0);
    // Ages run to three digits for the earlier year and two for the later one.
    const int cyclesNeed = WidestDigitsWidth(*cycles, CycleYearsText(1, 2026)) +
                           EditChrome(cycles->hwnd) + 1;  // and the caret after the text
    const RECT cyclesDesign = ScaledRect(cycles->desc);
    const int cyclesLeft = cyclesDesign.left + comboGrows;
    Place(*cycles, RECT{cyclesLeft, cyclesDesign.top, cyclesDesign.right, cyclesDesign.bottom});

    // The week row, whose box starts where its sentence ends: two-digit months and days.
    const int weekNeed =
        WidestDigitsWidth(*week, WeekRangeText(2021, "52")) + EditChrome(week->hwnd) + 1;

    // The term's day and moment, inside its frame with the margin the frame keeps on the left.
    const ui::Control& term = control(ToolsPart::TermDate);
    const RECT frame = ScaledRect(control(ToolsPart::TermFrame).desc);
    const int margin = ScaledRect(control(ToolsPart::TermYear).desc).left - frame.left;
    const int termEnd = ScaledRect(term.desc).left +
                        WidestDigitsWidth(term, TermDateText(2026, 22).value_or("")) +
                        2 /* the label's spare */ + margin;
    return std::max(
        {0, cyclesLeft + cyclesNeed - static_cast<int>(cyclesDesign.right),
         static_cast<int>(week->rect.left) + weekNeed - static_cast<int>(week->rect.right),
         termEnd - static_cast<int>(frame.right)});
}

int Form3::FitReading() {
    ui::Control* reading = &control(ToolsPart::Reading);
    if (!reading->hwnd) return 0;
    TEXTMETRICW metrics{};
    {
        const ui::WindowDc dc(reading->hwnd);
        const ui::SelectedObject font(
            dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(reading->hwnd, WM_GETFONT, 0, 0)));
        if (!dc || !GetTextMetricsW(dc.get(), &metrics)) return 0;
    }
    // How much of its height a box gives its lines is the box's own business (margins, whole
    // lines only): it is asked, a pixel at a time, until all the lines are inside.
    const RECT designed = ScaledRect(reading->desc);
    const int needed = kReadingLines * static_cast<int>(metrics.tmHeight);
    int taller = 0;
    for (; taller < needed; ++taller) {
        SetWindowPos(reading->hwnd, nullptr, 0, 0, Width(designed),
                     designed.bottom - designed.top + taller,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT format{};
        SendMessageW(reading->hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        if (format.bottom - format.top >= needed) break;
    }
    return taller;
}

void Form3::GrowPage(int wider, int taller) {
    for (const ToolsPart part : kRightSide) {
        ui::Control& c = control(part);
        RECT r = c.rect;
        r.right = ScaledRect(c.desc).right + wider;
        Place(c, r);
    }
    ui::Control& reading = control(ToolsPart::Reading);
    Place(reading, RECT{reading.rect.left, reading.rect.top, reading.rect.right,
                        ScaledRect(reading.desc).bottom + taller});
    for (std::size_t row = 0; row < controls().size(); ++row) {
        ui::Control& c = ControlAt(row);
        if (c.desc.y < reading.desc.y + reading.desc.h) continue;
        RECT moved = c.rect;
        OffsetRect(&moved, 0, ScaledRect(c.desc).top + taller - moved.top);
        Place(c, moved);
    }
    SetWindowPos(hwnd(), nullptr, 0, 0, Scaled(description().width) + wider,
                 Scaled(description().height) + taller, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form3::Place(ui::Control& control, const RECT& rect) {
    control.rect = rect;
    if (!control.hwnd) return;
    // A drop-down's window is as tall as its open list.
    const int height = control.desc.kind == ui::ControlKind::ComboBox
                           ? Scaled(control.desc.listHeight)
                           : rect.bottom - rect.top;
    SetWindowPos(control.hwnd, nullptr, rect.left, rect.top, Width(rect), height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form3::FitLabel(ui::Control& label) {
    // Labels are painted centred in their rectangles, but on this page each one starts at its
    // left edge, the way the rows are composed. A rectangle just as wide as the text puts it
    // there, and a text longer than its design width runs on instead of wrapping onto a
    // second line that the label's height would cut off.
    label.rect = ScaledRect(label.desc);
    if (label.text.empty() || !hwnd()) return;
    // Two spare pixels keep the line from wrapping on a rounding difference.
    label.rect.right = label.rect.left + TextWidth(label, ui::Widen(label.text)) + 2;
}

void Form3::PlaceSentence(const SentenceRow& sentence) {
    ui::Control* whole = &control(sentence.label);
    ui::Control* tail = &control(sentence.tail);
    ui::Control* boxControl = &control(sentence.box);
    const std::wstring caption = ui::Widen(whole->text);
    const RECT line = ScaledRect(whole->desc);
    whole->rect = RECT{line.left, line.top, line.left, line.top};  // drawn by its pieces

    RECT boxRect = ScaledRect(boxControl->desc);
    if (ui::Control* spinControl = sentence.spin ? &control(*sentence.spin) : nullptr;
        spinControl && spinControl->hwnd && boxControl->hwnd) {
        // The up-down takes the right end of the box, so that neither covers the other's text;
        // what is left holds the largest count the up-down writes.
        const int width = Scaled(spinControl->desc.w);
        const int room = WidestDigitsWidth(*boxControl, std::to_string(spinControl->desc.maximum)) +
                         EditChrome(boxControl->hwnd) + 1;  // and the caret after the count
        boxRect.right = std::max<LONG>(boxRect.right, boxRect.left + room + width);
        Place(*boxControl, RECT{boxRect.left, boxRect.top, boxRect.right - width, boxRect.bottom});
        Place(*spinControl,
              RECT{boxRect.right - width, boxRect.top, boxRect.right, boxRect.bottom});
    }

    const int blanksEnd =
        line.left + TextWidth(*whole, caption.substr(0, caption.find_last_of(L' ') + 1));
    const int tailLeft = std::max(blanksEnd, static_cast<int>(boxRect.right) + Scaled(2));
    const int tailWidth = tail->rect.right - tail->rect.left;
    tail->rect.left = tailLeft;
    tail->rect.right = tailLeft + tailWidth;

    ui::Control* follower = sentence.follower ? &control(*sentence.follower) : nullptr;
    if (!follower || !follower->hwnd) return;
    // A full-width colon is inked in the left half of its cell; the box may cover the rest.
    const std::wstring tailText = ui::Widen(tail->text);
    int tailEnd = tail->rect.right;
    if (!tailText.empty() && tailText.back() == L'\uFF1A')
        tailEnd -= TextWidth(*tail, L"\uFF1A") / 2;
    const RECT designed = ScaledRect(follower->desc);
    if (tailEnd <= designed.left) return;
    Place(*follower, RECT{tailEnd, designed.top, designed.right, designed.bottom});
}

}  // namespace tools
