#include "tools/form3_win.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "calendar/range.h"
#include "sticker/form1_win.h"
#include "tests/win/fixture.h"
#include "ui/dpi.h"
#include "ui/font.h"
#include "ui/text.h"

namespace tools {
namespace {

using tavelon_test::ClassOf;
using tavelon_test::Pump;
using tavelon_test::TextOf;

// The injected today: its day lies in a leap month, and week 1 of its year is a full week.
constexpr int kYear = 2023, kMonth = 4, kDay = 19;

// The reading of 2016-03-03, hour 05, that every opening starts with.
constexpr char kStartReading[] =
    "八字：丙bǐng申shēn[猴]年   庚gēng寅yín月   甲jiǎ申shēn日   丁dīng卯mǎo时 \r\n"
    "五行：太阳火金年        斧钺金木月        栋梁木金日        哗灯火木时\r\n"
    "方位：南(西南)年         西(东北)月         东(西南)日               南东时\r\n"
    "纳音：山下火年           松柏木月           泉中水日            炉中火时";
constexpr char kTodayLine[] = " 阴历2023年[闰2月]  闰(花朝)二月[小]廿九   ";

SYSTEMTIME At(int year, int month, int day, int hour = 0, int minute = 0) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(year), t.wMonth = static_cast<WORD>(month),
    t.wDay = static_cast<WORD>(day);
    t.wHour = static_cast<WORD>(hour), t.wMinute = static_cast<WORD>(minute);
    return t;
}

class Form3Test : public testing::Test {
protected:
    Form3Test() : s_(calendar::MomentOf(kYear, kMonth, kDay, 8, 15, 0).value()) {
        const auto today = s_.clock.Now().today;
        s_.app.proposals = {settings::AlarmProposal(today, settings::kAlarm1Proposal),
                            settings::AlarmProposal(today, settings::kAlarm2Proposal)};
    }
    ~Form3Test() override {
        s_.app.windows.Close(kForm3Class);
        Pump();
    }

    Form3& Open() {
        // The ready notification fills the page.
        auto* window = static_cast<Form3*>(s_.Open(kForm3Class));
        EXPECT_NE(window, nullptr);
        form_ = window;
        return *window;
    }

    // The designer's name of a control, for messages.
    const std::string& Name(ToolsPart part) const { return form_->control(part).desc.name; }
    HWND Child(ToolsPart part) const {
        const HWND hwnd = form_->control(part).hwnd;
        EXPECT_TRUE(hwnd) << Name(part);
        return hwnd;
    }
    std::string Text(ToolsPart part) const { return form_->Text(part); }

    // What a user's change of a picker amounts to: a new value and its notification.
    void ChangePicker(ToolsPart name, SYSTEMTIME value) {
        HWND picker = Child(name);
        SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
        NMDATETIMECHANGE change{};
        change.nmhdr.hwndFrom = picker;
        change.nmhdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(picker));
        change.nmhdr.code = DTN_DATETIMECHANGE;
        change.dwFlags = GDT_VALID;
        change.st = value;
        SendMessageW(form_->hwnd(), WM_NOTIFY, change.nmhdr.idFrom,
                     reinterpret_cast<LPARAM>(&change));
    }
    void SetBoxText(ToolsPart name, const std::string& text) {
        SetWindowTextW(Child(name), ui::Widen(text).c_str());
    }
    // Typed or pasted text, which the box's length limit applies to.
    void PasteText(ToolsPart name, const std::string& text) {
        SendMessageW(Child(name), EM_SETSEL, 0, -1);
        SendMessageW(Child(name), EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(ui::Widen(text).c_str()));
    }
    void Choose(ToolsPart combo, int row) {
        HWND box = Child(combo);
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageW(form_->hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(box));
    }
    void Click(ToolsPart button) {
        SendMessageW(Child(button), BM_CLICK, 0, 0);
        Pump();
    }
    bool IsChecked(ToolsPart button) const {
        return SendMessageW(Child(button), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    tavelon_test::Sticker s_;
    fakes::FixedClock& clock_ = s_.clock;
    settings::MemorySettingsStore& store_ = s_.store;
    app::App& app_ = s_.app;
    std::vector<tavelon_test::MessageShown>& messages_ = s_.messages;
    Form3* form_ = nullptr;
};

TEST_F(Form3Test, WindowIsAFixedToolWindowWithItsCaptionAndIcons) {
    Form3& form = Open();
    EXPECT_EQ(TextOf(form.hwnd()), "工具_日期计算、闹钟、报时");
    const LONG_PTR style = GetWindowLongPtrW(form.hwnd(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(GetWindow(form.hwnd(), GW_OWNER), nullptr);
    // The designed size, or larger where the fonts at hand need more room for the longest
    // texts (the fit sweep checks that they then fit).
    RECT r{};
    GetWindowRect(form.hwnd(), &r);
    EXPECT_GE(r.right - r.left, ui::Scale(504, form.dpi()));
    EXPECT_GE(r.bottom - r.top, ui::Scale(394, form.dpi()));
    RECT client{};
    GetClientRect(form.hwnd(), &client);
    for (const ToolsPart part : {ToolsPart::Reading, ToolsPart::WeekRange, ToolsPart::CycleYears,
                                 ToolsPart::AlarmFrame, ToolsPart::TermFrame})
        EXPECT_LE(form.control(part).rect.right, client.right) << Name(part);
    EXPECT_LE(form.control(ToolsPart::AlarmFrame).rect.bottom, client.bottom);
    EXPECT_NE(SendMessageW(form.hwnd(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(form.hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(Form3Test, ControlsHaveTheirClassesCaptionsAndTabOrder) {
    Open();
    const std::vector<std::pair<ToolsPart, const char*>> tabOrder = {
        {ToolsPart::TermList, "ComboBox"},
        {ToolsPart::WeekRange, "Edit"},
        {ToolsPart::WeekBox, "Edit"},
        {ToolsPart::WeekYear, "SysDateTimePick32"},
        {ToolsPart::Reading, "Edit"},
        {ToolsPart::NoChime, "Button"},
        {ToolsPart::SaveSettings, "Button"},
        {ToolsPart::IntervalStart, "SysDateTimePick32"},
        {ToolsPart::BeforeCount, "Edit"},
        {ToolsPart::AfterCount, "Edit"},
        {ToolsPart::IntervalEnd, "SysDateTimePick32"},
        {ToolsPart::ReferenceDay, "SysDateTimePick32"},
        {ToolsPart::Alarm1, "SysDateTimePick32"},
        {ToolsPart::Alarm2, "SysDateTimePick32"},
        {ToolsPart::ReadingMoment, "SysDateTimePick32"},
        {ToolsPart::TermYear, "SysDateTimePick32"},
        {ToolsPart::CycleList, "ComboBox"},
        {ToolsPart::CycleYears, "Edit"},
        {ToolsPart::QuietHoursBox, "Button"},
        {ToolsPart::QuietStart, "SysDateTimePick32"},
        {ToolsPart::QuietEnd, "SysDateTimePick32"},
    };
    HWND at = Child(ToolsPart::TermList);
    for (std::size_t i = 0; i < tabOrder.size(); ++i) {
        EXPECT_EQ(at, Child(tabOrder[i].first))
            << "tab stop " << i << " should be " << Name(tabOrder[i].first);
        EXPECT_EQ(ClassOf(Child(tabOrder[i].first)), tabOrder[i].second) << Name(tabOrder[i].first);
        at = GetNextDlgTabItem(form_->hwnd(), at, FALSE);
    }
    EXPECT_EQ(at, Child(ToolsPart::TermList));  // and round again
    for (const ToolsPart spin : {ToolsPart::BeforeSpin, ToolsPart::AfterSpin, ToolsPart::WeekSpin})
        EXPECT_EQ(ClassOf(Child(spin)), "msctls_updown32");
    for (const ToolsPart radio :
         {ToolsPart::HourChime, ToolsPart::HalfHourChime, ToolsPart::HourAndHalfChime})
        EXPECT_EQ(ClassOf(Child(radio)), "Button");

    const std::vector<std::pair<ToolsPart, const char*>> captions = {
        {ToolsPart::CycleWords, "年是:"},
        {ToolsPart::TermFrame, "24节气"},
        {ToolsPart::WeekSentence, "第          周是："},
        {ToolsPart::AlarmFrame, "闹钟与报时"},
        {ToolsPart::NoChime, "不报时"},
        {ToolsPart::HourChime, "整点报时"},
        {ToolsPart::HalfHourChime, "半点报时"},
        {ToolsPart::HourAndHalfChime, "整点+半点报时"},
        {ToolsPart::SaveSettings, "启用/取消设置"},
        {ToolsPart::BeforeSentence, "之前：            天是："},
        {ToolsPart::StartWords, "开始日期："},
        {ToolsPart::EndWords, "结束日期："},
        {ToolsPart::AfterSentence, "之后：            天是："},
        {ToolsPart::DayWords, "日期："},
        {ToolsPart::Alarm2Words, "闹钟2："},
        {ToolsPart::Alarm1Words, "闹钟1："},
        {ToolsPart::ReadingWords, "的年、月、日、时(四柱)干支(八字)、五行、方位、纳音是:"},
        {ToolsPart::TermSentence, "的            是："},
        {ToolsPart::QuietHoursBox, "免打扰"},
        {ToolsPart::QuietWords, "至"},
    };
    for (const auto& [part, caption] : captions) EXPECT_EQ(Text(part), caption) << Name(part);
    EXPECT_NE(GetWindowLongPtrW(Child(ToolsPart::WeekBox), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_NE(GetWindowLongPtrW(Child(ToolsPart::Reading), GWL_STYLE) & ES_MULTILINE, 0);
    EXPECT_NE(GetWindowLongPtrW(Child(ToolsPart::Reading), GWL_STYLE) & ES_WANTRETURN, 0);
    EXPECT_EQ(SendMessageW(Child(ToolsPart::BeforeCount), EM_GETLIMITTEXT, 0, 0), 32);
    EXPECT_EQ(SendMessageW(Child(ToolsPart::AfterCount), EM_GETLIMITTEXT, 0, 0), 32);
    EXPECT_EQ(GetFocus(), Child(ToolsPart::TermList));
}

TEST_F(Form3Test, SentenceRowsKeepTheirWordsClearOfTheBoxes) {
    Open();
    auto childRect = [&](ToolsPart name) {
        RECT r{};
        GetWindowRect(Child(name), &r);
        MapWindowPoints(nullptr, form_->hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    const struct {
        ToolsPart tail, box;
        std::optional<ToolsPart> spin;
    } rows[] = {{ToolsPart::BeforeSentenceTail, ToolsPart::BeforeCount, ToolsPart::BeforeSpin},
                {ToolsPart::AfterSentenceTail, ToolsPart::AfterCount, ToolsPart::AfterSpin},
                {ToolsPart::WeekSentenceTail, ToolsPart::WeekBox, ToolsPart::WeekSpin},
                {ToolsPart::TermSentenceTail, ToolsPart::TermList, std::nullopt}};
    for (const auto& row : rows) {
        RECT box = childRect(row.box);
        if (row.spin) {
            const RECT spin = childRect(*row.spin);
            EXPECT_EQ(spin.left, box.right) << Name(*row.spin);
            EXPECT_EQ(std::make_pair(spin.top, spin.bottom), std::make_pair(box.top, box.bottom))
                << Name(*row.spin);
            box.right = spin.right;
        }
        EXPECT_GT(form_->control(row.tail).rect.left, box.right) << Name(row.tail);
    }
    EXPECT_GE(childRect(ToolsPart::WeekRange).left,
              form_->control(ToolsPart::WeekSentenceTail).rect.right - ui::Scale(6, form_->dpi()));
}

TEST_F(Form3Test, PickersUseTheirFormatsRangeAndSpinButtons) {
    Open();
    for (const ToolsPart name :
         {ToolsPart::IntervalStart, ToolsPart::IntervalEnd, ToolsPart::ReferenceDay,
          ToolsPart::Alarm1, ToolsPart::Alarm2, ToolsPart::ReadingMoment, ToolsPart::WeekYear,
          ToolsPart::TermYear}) {
        SYSTEMTIME range[2] = {};
        EXPECT_EQ(SendMessageW(Child(name), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)),
                  GDTR_MIN | GDTR_MAX)
            << Name(name);
        EXPECT_EQ(std::make_tuple(range[0].wYear, range[0].wMonth, range[0].wDay),
                  std::make_tuple(1601, 1, 1))
            << Name(name);
        // To the last second: the pickers carry a time of day. (Wine's own picker refuses any
        // moment after 9999-12-31 00:00 whatever the range; Windows' takes the range.)
        EXPECT_EQ(std::make_tuple(range[1].wYear, range[1].wMonth, range[1].wDay, range[1].wHour,
                                  range[1].wMinute, range[1].wSecond),
                  std::make_tuple(9999, 12, 31, 23, 59, 59))
            << Name(name);
        EXPECT_NE(GetWindowLongPtrW(Child(name), GWL_STYLE) & DTS_UPDOWN, 0) << Name(name);
    }
    // The display shows the custom formats; the stored alarm proposals are 07:00 and 16:50. The
    // week and term pickers show the year they are read for, not a long date cut by the box.
    EXPECT_EQ(TextOf(Child(ToolsPart::WeekYear)), "2023年");
    EXPECT_EQ(TextOf(Child(ToolsPart::TermYear)), "2023年");
    EXPECT_EQ(TextOf(Child(ToolsPart::IntervalStart)), "2004年01月29日");
    EXPECT_EQ(TextOf(Child(ToolsPart::ReferenceDay)), "2023年04月19日");
    EXPECT_EQ(TextOf(Child(ToolsPart::ReadingMoment)), "2016年03月03日 05:33");
    EXPECT_EQ(TextOf(Child(ToolsPart::Alarm1)), "07:00");
    EXPECT_EQ(TextOf(Child(ToolsPart::Alarm2)), "16:50");
}

TEST_F(Form3Test, CountBoxesShowTheirCountFromItsStart) {
    Open();
    auto firstShownAt = [&](ToolsPart box) {
        RECT format{};
        SendMessageW(Child(box), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const LRESULT at = SendMessageW(Child(box), EM_POSFROMCHAR, 0, 0);
        return static_cast<short>(LOWORD(at)) - format.left;
    };
    for (const ToolsPart box : {ToolsPart::BeforeCount, ToolsPart::AfterCount}) {
        PasteText(box, "28000");
        PasteText(box, "81");
        EXPECT_EQ(firstShownAt(box), 0) << Name(box);
        SetBoxText(box, "2800000");
        SetBoxText(box, "7");
        EXPECT_EQ(firstShownAt(box), 0) << Name(box);
    }
    // A count too long for the box, typed digit by digit, keeps its end and the caret in view.
    SendMessageW(Child(ToolsPart::BeforeCount), EM_SETSEL, 0, -1);
    for (const char digit : std::string("1234567890"))
        SendMessageW(Child(ToolsPart::BeforeCount), WM_CHAR, static_cast<WPARAM>(digit), 0);
    EXPECT_EQ(Text(ToolsPart::BeforeCount), "1234567890");
    RECT format{};
    SendMessageW(Child(ToolsPart::BeforeCount), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const LRESULT last = SendMessageW(Child(ToolsPart::BeforeCount), EM_POSFROMCHAR, 9, 0);
    EXPECT_LT(static_cast<short>(LOWORD(last)), format.right);
    EXPECT_GT(static_cast<short>(LOWORD(last)), format.left);
}

TEST_F(Form3Test, ListsBuddiesAndTooltipsAreWired) {
    Open();
    EXPECT_EQ(SendMessageW(Child(ToolsPart::TermList), CB_GETCOUNT, 0, 0), 24);
    EXPECT_EQ(SendMessageW(Child(ToolsPart::CycleList), CB_GETCOUNT, 0, 0), 60);
    for (const ToolsPart combo : {ToolsPart::TermList, ToolsPart::CycleList})
        EXPECT_EQ(SendMessageW(Child(combo), CB_GETCURSEL, 0, 0), CB_ERR);
    auto item = [&](ToolsPart combo, int row) {
        wchar_t text[32] = {};
        SendMessageW(Child(combo), CB_GETLBTEXT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(text));
        return ui::Narrow(text);
    };
    EXPECT_EQ(item(ToolsPart::TermList, 0), "立春");
    EXPECT_EQ(item(ToolsPart::TermList, 23), "大寒");
    EXPECT_EQ(item(ToolsPart::CycleList, 0), "甲jiǎ子zǐ");
    EXPECT_EQ(item(ToolsPart::CycleList, 59), "癸guǐ亥hài");

    const struct {
        ToolsPart spin, buddy;
        int low, high;
    } spins[] = {{ToolsPart::BeforeSpin, ToolsPart::BeforeCount, 0, 1000},
                 {ToolsPart::AfterSpin, ToolsPart::AfterCount, 0, 1000},
                 {ToolsPart::WeekSpin, ToolsPart::WeekBox, 1, 53}};
    for (const auto& s : spins) {
        EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(Child(s.spin), UDM_GETBUDDY, 0, 0)),
                  Child(s.buddy))
            << Name(s.spin);
        int low = -1, high = -1;
        SendMessageW(Child(s.spin), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                     reinterpret_cast<LPARAM>(&high));
        EXPECT_EQ(std::make_pair(low, high), std::make_pair(s.low, s.high)) << Name(s.spin);
    }

    // The form's own tooltip window: owned by it, not a child.
    std::pair<HWND, HWND> search{form_->hwnd(), nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM found) -> BOOL {
            auto& [owner, tips] = *reinterpret_cast<std::pair<HWND, HWND>*>(found);
            if (ClassOf(hwnd) != "tooltips_class32" || GetWindow(hwnd, GW_OWNER) != owner)
                return TRUE;
            tips = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    HWND tips = search.second;
    ASSERT_NE(tips, nullptr);
    auto tip = [&](ToolsPart control) {
        wchar_t text[128] = {};
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.hwnd = form_->hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(Child(control));
        info.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
        return ui::Narrow(text);
    };
    for (const ToolsPart picker : {ToolsPart::IntervalStart, ToolsPart::IntervalEnd,
                                   ToolsPart::ReferenceDay, ToolsPart::ReadingMoment})
        EXPECT_EQ(tip(picker), "将日期改变一下试试？") << Name(picker);
    EXPECT_EQ(tip(ToolsPart::SaveSettings), "注册表中存储 / 删除闹钟、报时、字色设置。");
}

TEST_F(Form3Test, OpeningFillsThePageForToday) {
    Open();
    EXPECT_EQ(Text(ToolsPart::Interval), "间隔：19年02月21天(共7020天)");
    EXPECT_EQ(Text(ToolsPart::BeforeCount), "0");
    EXPECT_EQ(Text(ToolsPart::AfterCount), "0");
    EXPECT_EQ(Text(ToolsPart::BeforeLine), kTodayLine);
    EXPECT_EQ(Text(ToolsPart::AfterLine), kTodayLine);
    EXPECT_EQ(Text(ToolsPart::WeekBox), "1");
    EXPECT_EQ(Text(ToolsPart::WeekRange), "2023-1-1至2023-1-7");
    EXPECT_EQ(Text(ToolsPart::Reading), kStartReading);
    EXPECT_EQ(Text(ToolsPart::TermDate), "");
    EXPECT_EQ(Text(ToolsPart::CycleYears), "");
    EXPECT_TRUE(IsChecked(ToolsPart::NoChime));
    EXPECT_FALSE(IsChecked(ToolsPart::SaveSettings));
    EXPECT_EQ(app_.schedule, settings::Schedule{});
}

TEST_F(Form3Test, ChangedInputsDriveTheirTools) {
    Open();
    ChangePicker(ToolsPart::IntervalStart, At(2021, 12, 19));
    ChangePicker(ToolsPart::IntervalEnd, At(2004, 1, 29));
    EXPECT_EQ(Text(ToolsPart::Interval), "间隔：17年10月20天(共-6534天)");

    // A count typed into a box moves its own line only, with the one-blank separator.
    SetBoxText(ToolsPart::BeforeCount, "-3");
    SetBoxText(ToolsPart::AfterCount, "3");
    EXPECT_EQ(Text(ToolsPart::BeforeLine), " 阴历2023年[闰2月]  (阳春)三月[小]初三   上巳");
    EXPECT_EQ(Text(ToolsPart::AfterLine), Text(ToolsPart::BeforeLine));
    SetBoxText(ToolsPart::BeforeCount, "abc");
    EXPECT_EQ(Text(ToolsPart::BeforeLine), "");
    EXPECT_EQ(Text(ToolsPart::AfterLine), " 阴历2023年[闰2月]  (阳春)三月[小]初三   上巳");

    // A new reference date redraws both lines with the two-blank separator.
    SetBoxText(ToolsPart::BeforeCount, "0");
    SetBoxText(ToolsPart::AfterCount, "0");
    ChangePicker(ToolsPart::ReferenceDay, At(2021, 12, 19, 8, 15));
    EXPECT_EQ(Text(ToolsPart::BeforeLine), " 阴历2021年[无闰月]   (隆冬)冬月[大]十六   ");
    EXPECT_EQ(Text(ToolsPart::AfterLine), Text(ToolsPart::BeforeLine));

    // The year and the month turn at the minute of 立春 (2026-02-04 04:02:09), which the picker
    // shows and hands on.
    auto firstLine = [&] {
        const std::string text = Text(ToolsPart::Reading);
        return text.substr(0, text.find("\r\n"));
    };
    ChangePicker(ToolsPart::ReadingMoment, At(2026, 2, 4, 4, 2));
    EXPECT_EQ(TextOf(Child(ToolsPart::ReadingMoment)), "2026年02月04日 04:02");
    EXPECT_EQ(firstLine(), "八字：乙yǐ巳sì[蛇]年   己jǐ丑chǒu月   己jǐ酉yǒu日   丙bǐng寅yín时 ");
    ChangePicker(ToolsPart::ReadingMoment, At(2026, 2, 4, 4, 3));
    EXPECT_EQ(firstLine(), "八字：丙bǐng午wǔ[马]年   庚gēng寅yín月   己jǐ酉yǒu日   丙bǐng寅yín时 ");

    ChangePicker(ToolsPart::WeekYear, At(2000, 6, 15));
    SetBoxText(ToolsPart::WeekBox, "53");
    EXPECT_EQ(Text(ToolsPart::WeekRange), "2000-12-24至2000-12-30");

    Choose(ToolsPart::TermList, 0);
    EXPECT_EQ(Text(ToolsPart::TermDate), "2023年02月04日 10:42:35");
    ChangePicker(ToolsPart::TermYear, At(2024, 7, 1));
    EXPECT_EQ(Text(ToolsPart::TermDate), "2024年02月04日 16:27:09");

    Choose(ToolsPart::CycleList, 0);
    EXPECT_EQ(Text(ToolsPart::CycleYears), "1924年虚100岁  1984年虚40岁");
}

TEST_F(Form3Test, WeekSpinStepsTheWeekWithinItsRange) {
    Open();
    HWND spin = Child(ToolsPart::WeekSpin);
    RECT r{};
    GetClientRect(spin, &r);
    const LPARAM upperHalf = MAKELPARAM(r.right / 2, r.bottom / 4);
    auto clickUp = [&] {
        SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, upperHalf);
        SendMessageW(spin, WM_LBUTTONUP, 0, upperHalf);
        Pump();
    };
    clickUp();
    EXPECT_EQ(Text(ToolsPart::WeekBox), "2");
    EXPECT_EQ(Text(ToolsPart::WeekRange), "2023-1-8至2023-1-14");
    SendMessageW(spin, UDM_SETPOS32, 0, 53);
    EXPECT_EQ(Text(ToolsPart::WeekRange), "2023-12-31至2023-12-31");
    clickUp();
    EXPECT_EQ(Text(ToolsPart::WeekBox), "53");
}

TEST_F(Form3Test, DatesOutsideTheLunarRangeNeitherCrashNorShowWrongLines) {
    Open();
    ChangePicker(ToolsPart::ReadingMoment, At(1900, 6, 1, 5));
    EXPECT_EQ(Text(ToolsPart::Reading), calendar::kTooEarlyMessage);
    ChangePicker(ToolsPart::ReadingMoment, At(2100, 2, 9, 23));
    EXPECT_EQ(Text(ToolsPart::Reading), calendar::kTooLateMessage);

    // (Wine's pickers refuse days before 1752; 1800 is as far out for the lunar range.)
    ChangePicker(ToolsPart::ReferenceDay, At(1800, 1, 1));
    EXPECT_EQ(Text(ToolsPart::BeforeLine), "");
    EXPECT_EQ(Text(ToolsPart::AfterLine), "");
    ChangePicker(ToolsPart::ReferenceDay, At(9999, 12, 31));
    SetBoxText(ToolsPart::AfterCount, "1");  // a day past the last one any picker offers
    EXPECT_EQ(Text(ToolsPart::AfterLine), "");
    PasteText(ToolsPart::BeforeCount, std::string(40, '9'));
    EXPECT_EQ(Text(ToolsPart::BeforeCount), std::string(32, '9'));
    EXPECT_EQ(Text(ToolsPart::BeforeLine), "");
    ChangePicker(ToolsPart::ReferenceDay, At(2100, 2, 8));
    SetBoxText(ToolsPart::AfterCount, "1");
    EXPECT_EQ(Text(ToolsPart::AfterLine), "");

    ChangePicker(ToolsPart::IntervalStart, At(1800, 1, 1));
    ChangePicker(ToolsPart::IntervalEnd, At(9999, 12, 31));
    EXPECT_EQ(Text(ToolsPart::Interval).rfind("间隔：", 0), 0u);
    ChangePicker(ToolsPart::WeekYear, At(9999, 1, 1));
    EXPECT_EQ(Text(ToolsPart::WeekRange), "9999-1-1至9999-1-2");
    ChangePicker(ToolsPart::TermYear, At(1800, 1, 1));
    Choose(ToolsPart::TermList, 23);
    EXPECT_EQ(Text(ToolsPart::TermDate), "");
}

TEST_F(Form3Test, SettingsBoxStoresAndDeletesTheSettings) {
    store_.Write(settings::kSettingsKey, settings::kColourValue, "255");
    store_.Write(settings::kSettingsKey, "QH", "22:00-07:00");
    Open();
    SYSTEMTIME alarm1 = At(kYear, kMonth, kDay, 7, 30);
    alarm1.wSecond = 42;  // shown without seconds, and not stored
    SendMessageW(Child(ToolsPart::Alarm1), DTM_SETSYSTEMTIME, GDT_VALID,
                 reinterpret_cast<LPARAM>(&alarm1));
    Click(ToolsPart::HalfHourChime);
    EXPECT_FALSE(IsChecked(ToolsPart::NoChime));

    Click(ToolsPart::SaveSettings);
    EXPECT_TRUE(IsChecked(ToolsPart::SaveSettings));
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "L1"), "0.3125");
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "L2"), "0.7013888888888888");
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "BS"), "2");
    using namespace std::chrono_literals;
    EXPECT_EQ(app_.schedule, (settings::Schedule{2, 7h + 30min, 16h + 50min}));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].owner, form_->hwnd());
    EXPECT_EQ(messages_[0].text, "闹钟与报时已设置成功！");
    EXPECT_EQ(messages_[0].caption, "Tavelon");

    Click(ToolsPart::SaveSettings);
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "ZS"), "");  // the text colour goes with them
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "QH"), "22:00-07:00");  // the rest stays
    EXPECT_EQ(app_.schedule, settings::Schedule{});
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1].text, "闹钟与报时已成功取消！");

    // A store that refuses writes, then nothing left to delete: no message either time. The
    // schedule takes the page's values all the same, and keeps them when the delete fails.
    store_.failWrites = true;
    Click(ToolsPart::SaveSettings);
    EXPECT_EQ(app_.schedule.ChimeMode, 2);
    Click(ToolsPart::SaveSettings);
    EXPECT_FALSE(IsChecked(ToolsPart::SaveSettings));
    EXPECT_EQ(messages_.size(), 2u);
    EXPECT_EQ(app_.schedule.ChimeMode, 2);
}

// The quiet hours are stored as soon as they change, on their own (the settings box's 取消
// leaves them, as its own test shows; what is offered when none is stored, the page's test).
TEST_F(Form3Test, QuietHoursAreStoredAtOnceAndClearedByTheirBox) {
    store_.Write(settings::kSettingsKey, "QH", "23:30-06:15");
    Open();
    EXPECT_TRUE(IsChecked(ToolsPart::QuietHoursBox));
    EXPECT_EQ(TextOf(Child(ToolsPart::QuietStart)), "23:30");
    EXPECT_EQ(TextOf(Child(ToolsPart::QuietEnd)), "06:15");

    ChangePicker(ToolsPart::QuietEnd, At(kYear, kMonth, kDay, 7, 0));
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "QH"), "23:30-07:00");
    using namespace std::chrono_literals;
    EXPECT_EQ(app_.schedule.quietHours, (settings::QuietHours{23h + 30min, 7h}));

    Click(ToolsPart::QuietHoursBox);
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "QH"), "");
    EXPECT_EQ(app_.schedule.quietHours, std::nullopt);
}

TEST_F(Form3Test, OpeningShowsTheStoredSettings) {
    store_.Write(settings::kSettingsKey, "L1", "0.3125");
    store_.Write(settings::kSettingsKey, "BS", "3");
    Open();
    EXPECT_EQ(TextOf(Child(ToolsPart::Alarm1)), "07:30");
    EXPECT_EQ(TextOf(Child(ToolsPart::Alarm2)), "16:50");  // not stored: the proposal
    EXPECT_TRUE(IsChecked(ToolsPart::HourAndHalfChime));
    EXPECT_FALSE(IsChecked(ToolsPart::NoChime));
    EXPECT_TRUE(IsChecked(ToolsPart::SaveSettings));
    EXPECT_EQ(app_.schedule.ChimeMode, 3);
}

TEST_F(Form3Test, AskingAgainRaisesTheOpenWindowAndClosingStartsAfresh) {
    ui::Window& first = Open();
    SetBoxText(ToolsPart::BeforeCount, "7");
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    Pump();
    bool created = true;
    EXPECT_EQ(app_.windows.Open(kForm3Class, &created), &first);
    Pump();
    EXPECT_FALSE(created);
    EXPECT_EQ(GetForegroundWindow(), first.hwnd());
    EXPECT_EQ(Text(ToolsPart::BeforeCount), "7");
    DestroyWindow(other);

    app_.windows.Close(kForm3Class);
    Pump();
    EXPECT_EQ(FindWindowW(ui::Widen(kForm3Class).c_str(), nullptr), nullptr);
    Open();
    EXPECT_EQ(Text(ToolsPart::BeforeCount), "0");
    EXPECT_EQ(TextOf(Child(ToolsPart::IntervalStart)), "2004年01月29日");
}

TEST_F(Form3Test, ClosingLeavesNoWindowsOrFontsBehind) {
    auto threadWindows = [] {
        int count = 0;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND, LPARAM n) -> BOOL { return ++*reinterpret_cast<int*>(n), TRUE; },
            reinterpret_cast<LPARAM>(&count));
        return count;
    };
    // The first opening fills the shared font cache, which lives for the whole run.
    Open();
    app_.windows.Close(kForm3Class);
    Pump();
    const int windows = threadWindows();
    const std::size_t fonts = ui::CachedFontCount();
    for (int i = 0; i < 3; ++i) {
        Open();
        SetBoxText(ToolsPart::BeforeCount, "12");
        Choose(ToolsPart::TermList, i);
        app_.windows.Close(kForm3Class);
        Pump();
    }
    EXPECT_EQ(threadWindows(), windows);  // tooltips and list boxes go with the window
    EXPECT_EQ(ui::CachedFontCount(), fonts);
}

TEST_F(Form3Test, TheMainFaceMenuOpensOneToolsWindow) {
    sticker::Form1& face = s_.Start();
    SendMessageW(face.hwnd(), WM_COMMAND, sticker::Form1::kTools, 0);
    Pump();
    ui::Window* tools = app_.windows.Find(kForm3Class);
    ASSERT_NE(tools, nullptr);
    SetForegroundWindow(face.hwnd());
    SendMessageW(face.hwnd(), WM_COMMAND, sticker::Form1::kTools, 0);
    Pump();
    EXPECT_EQ(app_.windows.Find(kForm3Class), tools);
    EXPECT_EQ(GetForegroundWindow(), tools->hwnd());
    int count = 0;
    for (HWND w = nullptr;
         (w = FindWindowExW(nullptr, w, ui::Widen(kForm3Class).c_str(), nullptr));)
        ++count;
    EXPECT_EQ(count, 1);
    app_.windows.Close(kForm3Class);
    Pump();
}

}  // namespace
}  // namespace tools
