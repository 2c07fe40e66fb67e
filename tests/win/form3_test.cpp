#include "tools/form3_win.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

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

    ui::Window& Open() {
        ui::Window* window = s_.Open(kForm3Class);  // the ready notification fills the page
        EXPECT_NE(window, nullptr);
        form_ = window;
        return *window;
    }

    HWND Child(std::string_view name) const {
        const ui::Control* c = form_->Find(name);
        EXPECT_TRUE(c && c->hwnd) << name;
        return c ? c->hwnd : nullptr;
    }
    std::string Text(std::string_view name) const { return form_->Text(name); }

    // What a user's change of a picker amounts to: a new value and its notification.
    void ChangePicker(std::string_view name, SYSTEMTIME value) {
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
    void SetBoxText(std::string_view name, const std::string& text) {
        SetWindowTextW(Child(name), ui::Widen(text).c_str());
    }
    // Typed or pasted text, which the box's length limit applies to.
    void PasteText(std::string_view name, const std::string& text) {
        SendMessageW(Child(name), EM_SETSEL, 0, -1);
        SendMessageW(Child(name), EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(ui::Widen(text).c_str()));
    }
    void Choose(std::string_view combo, int row) {
        HWND box = Child(combo);
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageW(form_->hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(box));
    }
    void Click(std::string_view button) {
        SendMessageW(Child(button), BM_CLICK, 0, 0);
        Pump();
    }
    bool IsChecked(std::string_view button) const {
        return SendMessageW(Child(button), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    tavelon_test::Sticker s_;
    fakes::FixedClock& clock_ = s_.clock;
    settings::MemorySettingsStore& store_ = s_.store;
    app::App& app_ = s_.app;
    std::vector<tavelon_test::MessageShown>& messages_ = s_.messages;
    ui::Window* form_ = nullptr;
};

TEST_F(Form3Test, WindowIsAFixedToolWindowWithItsCaptionAndIcons) {
    ui::Window& form = Open();
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
    for (const char* name : {"Text1", "Text3", "Text6", "Frame1", "Frame2"})
        EXPECT_LE(form.Find(name)->rect.right, client.right) << name;
    EXPECT_LE(form.Find("Frame1")->rect.bottom, client.bottom);
    EXPECT_NE(SendMessageW(form.hwnd(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(form.hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(Form3Test, ControlsHaveTheirClassesCaptionsAndTabOrder) {
    Open();
    const std::vector<std::pair<const char*, const char*>> tabOrder = {
        {"Combo1", "ComboBox"},
        {"Text3", "Edit"},
        {"Text2", "Edit"},
        {"DateTimePicker7", "SysDateTimePick32"},
        {"Text1", "Edit"},
        {"Option1(0)", "Button"},
        {"Check1", "Button"},
        {"DateTimePicker1", "SysDateTimePick32"},
        {"Text4", "Edit"},
        {"Text5", "Edit"},
        {"DateTimePicker2", "SysDateTimePick32"},
        {"DateTimePicker3", "SysDateTimePick32"},
        {"DateTimePicker4", "SysDateTimePick32"},
        {"DateTimePicker5", "SysDateTimePick32"},
        {"DateTimePicker6", "SysDateTimePick32"},
        {"DateTimePicker8", "SysDateTimePick32"},
        {"Combo2", "ComboBox"},
        {"Text6", "Edit"},
    };
    HWND at = Child("Combo1");
    for (std::size_t i = 0; i < tabOrder.size(); ++i) {
        EXPECT_EQ(at, Child(tabOrder[i].first))
            << "tab stop " << i << " should be " << tabOrder[i].first;
        EXPECT_EQ(ClassOf(Child(tabOrder[i].first)), tabOrder[i].second) << tabOrder[i].first;
        at = GetNextDlgTabItem(form_->hwnd(), at, FALSE);
    }
    EXPECT_EQ(at, Child("Combo1"));  // and round again
    for (const char* spin : {"UpDown1", "UpDown2", "UpDown3"})
        EXPECT_EQ(ClassOf(Child(spin)), "msctls_updown32");
    for (const char* radio : {"Option1(1)", "Option1(2)", "Option1(3)"})
        EXPECT_EQ(ClassOf(Child(radio)), "Button");

    const std::vector<std::pair<const char*, const char*>> captions = {
        {"Label15", "年是:"},
        {"Frame2", "24节气"},
        {"Label12", "第          周是："},
        {"Frame1", "闹钟与报时"},
        {"Option1(0)", "不报时"},
        {"Option1(1)", "整点报时"},
        {"Option1(2)", "半点报时"},
        {"Option1(3)", "整点+半点报时"},
        {"Check1", "启用/取消设置"},
        {"Label4", "之前：            天是："},
        {"Label1", "开始日期："},
        {"Label2", "结束日期："},
        {"Label5", "之后：            天是："},
        {"Label6", "日期："},
        {"Label9", "闹钟2："},
        {"Label10", "闹钟1："},
        {"Label11", "的年、月、日、时(四柱)干支(八字)、五行、方位、纳音是:"},
        {"Label13", "的            是："},
    };
    for (const auto& [name, caption] : captions) EXPECT_EQ(Text(name), caption) << name;
    EXPECT_NE(GetWindowLongPtrW(Child("Text2"), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_NE(GetWindowLongPtrW(Child("Text1"), GWL_STYLE) & ES_MULTILINE, 0);
    EXPECT_NE(GetWindowLongPtrW(Child("Text1"), GWL_STYLE) & ES_WANTRETURN, 0);
    EXPECT_EQ(SendMessageW(Child("Text4"), EM_GETLIMITTEXT, 0, 0), 32);
    EXPECT_EQ(SendMessageW(Child("Text5"), EM_GETLIMITTEXT, 0, 0), 32);
    EXPECT_EQ(GetFocus(), Child("Combo1"));
}

TEST_F(Form3Test, SentenceRowsKeepTheirWordsClearOfTheBoxes) {
    Open();
    auto childRect = [&](const char* name) {
        RECT r{};
        GetWindowRect(Child(name), &r);
        MapWindowPoints(nullptr, form_->hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    const struct {
        const char *label, *box, *spin;
    } rows[] = {{"Label4", "Text4", "UpDown1"},
                {"Label5", "Text5", "UpDown2"},
                {"Label12", "Text2", "UpDown3"},
                {"Label13", "Combo1", nullptr}};
    for (const auto& row : rows) {
        RECT box = childRect(row.box);
        if (row.spin) {
            const RECT spin = childRect(row.spin);
            EXPECT_EQ(spin.left, box.right) << row.spin;
            EXPECT_EQ(std::make_pair(spin.top, spin.bottom), std::make_pair(box.top, box.bottom))
                << row.spin;
            box.right = spin.right;
        }
        const ui::Control* tail = form_->Find(std::string(row.label) + ".tail");
        ASSERT_NE(tail, nullptr);
        EXPECT_GT(tail->rect.left, box.right) << row.label;
    }
    EXPECT_GE(childRect("Text3").left,
              form_->Find("Label12.tail")->rect.right - ui::Scale(6, form_->dpi()));
}

TEST_F(Form3Test, PickersUseTheirFormatsRangeAndSpinButtons) {
    Open();
    for (const char* name :
         {"DateTimePicker1", "DateTimePicker2", "DateTimePicker3", "DateTimePicker4",
          "DateTimePicker5", "DateTimePicker6", "DateTimePicker7", "DateTimePicker8"}) {
        SYSTEMTIME range[2] = {};
        EXPECT_EQ(SendMessageW(Child(name), DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(range)),
                  GDTR_MIN | GDTR_MAX)
            << name;
        EXPECT_EQ(std::make_tuple(range[0].wYear, range[0].wMonth, range[0].wDay),
                  std::make_tuple(1601, 1, 1))
            << name;
        // To the last second: the pickers carry a time of day. (Wine's own picker refuses any
        // moment after 9999-12-31 00:00 whatever the range; Windows' takes the range.)
        EXPECT_EQ(std::make_tuple(range[1].wYear, range[1].wMonth, range[1].wDay, range[1].wHour,
                                  range[1].wMinute, range[1].wSecond),
                  std::make_tuple(9999, 12, 31, 23, 59, 59))
            << name;
        EXPECT_NE(GetWindowLongPtrW(Child(name), GWL_STYLE) & DTS_UPDOWN, 0) << name;
    }
    // The display shows the custom formats; the stored alarm proposals are 07:00 and 16:50. The
    // week and term pickers show the year they are read for, not a long date cut by the box.
    EXPECT_EQ(TextOf(Child("DateTimePicker7")), "2023年");
    EXPECT_EQ(TextOf(Child("DateTimePicker8")), "2023年");
    EXPECT_EQ(TextOf(Child("DateTimePicker1")), "2004年01月29日");
    EXPECT_EQ(TextOf(Child("DateTimePicker3")), "2023年04月19日");
    EXPECT_EQ(TextOf(Child("DateTimePicker6")), "2016年03月03日 05时");
    EXPECT_EQ(TextOf(Child("DateTimePicker4")), "07:00");
    EXPECT_EQ(TextOf(Child("DateTimePicker5")), "16:50");
}

TEST_F(Form3Test, CountBoxesShowTheirCountFromItsStart) {
    Open();
    auto firstShownAt = [&](const char* box) {
        RECT format{};
        SendMessageW(Child(box), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const LRESULT at = SendMessageW(Child(box), EM_POSFROMCHAR, 0, 0);
        return static_cast<short>(LOWORD(at)) - format.left;
    };
    for (const char* box : {"Text4", "Text5"}) {
        PasteText(box, "28000");
        PasteText(box, "81");
        EXPECT_EQ(firstShownAt(box), 0) << box;
        SetBoxText(box, "2800000");
        SetBoxText(box, "7");
        EXPECT_EQ(firstShownAt(box), 0) << box;
    }
    // A count too long for the box, typed digit by digit, keeps its end and the caret in view.
    SendMessageW(Child("Text4"), EM_SETSEL, 0, -1);
    for (const char digit : std::string("1234567890"))
        SendMessageW(Child("Text4"), WM_CHAR, static_cast<WPARAM>(digit), 0);
    EXPECT_EQ(Text("Text4"), "1234567890");
    RECT format{};
    SendMessageW(Child("Text4"), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const LRESULT last = SendMessageW(Child("Text4"), EM_POSFROMCHAR, 9, 0);
    EXPECT_LT(static_cast<short>(LOWORD(last)), format.right);
    EXPECT_GT(static_cast<short>(LOWORD(last)), format.left);
}

TEST_F(Form3Test, ListsBuddiesAndTooltipsAreWired) {
    Open();
    EXPECT_EQ(SendMessageW(Child("Combo1"), CB_GETCOUNT, 0, 0), 24);
    EXPECT_EQ(SendMessageW(Child("Combo2"), CB_GETCOUNT, 0, 0), 60);
    for (const char* combo : {"Combo1", "Combo2"})
        EXPECT_EQ(SendMessageW(Child(combo), CB_GETCURSEL, 0, 0), CB_ERR);
    auto item = [&](const char* combo, int row) {
        wchar_t text[32] = {};
        SendMessageW(Child(combo), CB_GETLBTEXT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(text));
        return ui::Narrow(text);
    };
    EXPECT_EQ(item("Combo1", 0), "立春");
    EXPECT_EQ(item("Combo1", 23), "大寒");
    EXPECT_EQ(item("Combo2", 0), "甲jiǎ子zǐ");
    EXPECT_EQ(item("Combo2", 59), "癸guǐ亥hài");

    const struct {
        const char *spin, *buddy;
        int low, high;
    } spins[] = {
        {"UpDown1", "Text4", 0, 1000}, {"UpDown2", "Text5", 0, 1000}, {"UpDown3", "Text2", 1, 53}};
    for (const auto& s : spins) {
        EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(Child(s.spin), UDM_GETBUDDY, 0, 0)),
                  Child(s.buddy))
            << s.spin;
        int low = -1, high = -1;
        SendMessageW(Child(s.spin), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                     reinterpret_cast<LPARAM>(&high));
        EXPECT_EQ(std::make_pair(low, high), std::make_pair(s.low, s.high)) << s.spin;
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
    auto tip = [&](const char* control) {
        wchar_t text[128] = {};
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.hwnd = form_->hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(Child(control));
        info.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
        return ui::Narrow(text);
    };
    for (const char* picker :
         {"DateTimePicker1", "DateTimePicker2", "DateTimePicker3", "DateTimePicker6"})
        EXPECT_EQ(tip(picker), "将日期改变一下试试？") << picker;
    EXPECT_EQ(tip("Check1"), "注册表中存储 / 删除闹钟、报时、字色设置。");
}

TEST_F(Form3Test, OpeningFillsThePageForToday) {
    Open();
    EXPECT_EQ(Text("Label3"), "间隔：19年02月21天(共7020天)");
    EXPECT_EQ(Text("Text4"), "0");
    EXPECT_EQ(Text("Text5"), "0");
    EXPECT_EQ(Text("Label7"), kTodayLine);
    EXPECT_EQ(Text("Label8"), kTodayLine);
    EXPECT_EQ(Text("Text2"), "1");
    EXPECT_EQ(Text("Text3"), "2023-1-1至2023-1-7");
    EXPECT_EQ(Text("Text1"), kStartReading);
    EXPECT_EQ(Text("Label14"), "");
    EXPECT_EQ(Text("Text6"), "");
    EXPECT_TRUE(IsChecked("Option1(0)"));
    EXPECT_FALSE(IsChecked("Check1"));
    EXPECT_EQ(app_.schedule, settings::Schedule{});
}

TEST_F(Form3Test, ChangedInputsDriveTheirTools) {
    Open();
    ChangePicker("DateTimePicker1", At(2021, 12, 19));
    ChangePicker("DateTimePicker2", At(2004, 1, 29));
    EXPECT_EQ(Text("Label3"), "间隔：17年10月20天(共-6534天)");

    // A count typed into a box moves its own line only, with the one-blank separator.
    SetBoxText("Text4", "-3");
    SetBoxText("Text5", "3");
    EXPECT_EQ(Text("Label7"), " 阴历2023年[闰2月]  (阳春)三月[小]初三   上巳");
    EXPECT_EQ(Text("Label8"), Text("Label7"));
    SetBoxText("Text4", "abc");
    EXPECT_EQ(Text("Label7"), "");
    EXPECT_EQ(Text("Label8"), " 阴历2023年[闰2月]  (阳春)三月[小]初三   上巳");

    // A new reference date redraws both lines with the two-blank separator.
    SetBoxText("Text4", "0");
    SetBoxText("Text5", "0");
    ChangePicker("DateTimePicker3", At(2021, 12, 19, 8, 15));
    EXPECT_EQ(Text("Label7"), " 阴历2021年[无闰月]   (隆冬)冬月[大]十六   ");
    EXPECT_EQ(Text("Label8"), Text("Label7"));

    // The year pillar turns at the Spring Festival; the minutes never count.
    auto firstLine = [&] {
        const std::string text = Text("Text1");
        return text.substr(0, text.find("\r\n"));
    };
    ChangePicker("DateTimePicker6", At(2024, 2, 9, 5, 59));
    EXPECT_EQ(firstLine(), "八字：癸guǐ卯mǎo[兔]年   丙bǐng寅yín月   癸guǐ卯mǎo日   乙yǐ卯mǎo时 ");
    ChangePicker("DateTimePicker6", At(2024, 2, 10, 5));
    EXPECT_EQ(firstLine(),
              "八字：甲jiǎ辰chén[龙]年   丙bǐng寅yín月   甲jiǎ辰chén日   丁dīng卯mǎo时 ");

    ChangePicker("DateTimePicker7", At(2000, 6, 15));
    SetBoxText("Text2", "53");
    EXPECT_EQ(Text("Text3"), "2000-12-24至2000-12-30");

    Choose("Combo1", 0);
    EXPECT_EQ(Text("Label14"), "2023-2-4");
    ChangePicker("DateTimePicker8", At(2024, 7, 1));
    EXPECT_EQ(Text("Label14"), "2024-2-4");

    Choose("Combo2", 0);
    EXPECT_EQ(Text("Text6"), "1924年虚100岁  1984年虚40岁");
}

TEST_F(Form3Test, UpDown3StepsTheWeekWithinItsRange) {
    Open();
    HWND spin = Child("UpDown3");
    RECT r{};
    GetClientRect(spin, &r);
    const LPARAM upperHalf = MAKELPARAM(r.right / 2, r.bottom / 4);
    auto clickUp = [&] {
        SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, upperHalf);
        SendMessageW(spin, WM_LBUTTONUP, 0, upperHalf);
        Pump();
    };
    clickUp();
    EXPECT_EQ(Text("Text2"), "2");
    EXPECT_EQ(Text("Text3"), "2023-1-8至2023-1-14");
    SendMessageW(spin, UDM_SETPOS32, 0, 53);
    EXPECT_EQ(Text("Text3"), "2023-12-31至2023-12-31");
    clickUp();
    EXPECT_EQ(Text("Text2"), "53");
}

TEST_F(Form3Test, DatesOutsideTheLunarRangeNeitherCrashNorShowWrongLines) {
    Open();
    ChangePicker("DateTimePicker6", At(1900, 6, 1, 5));
    EXPECT_EQ(Text("Text1"), calendar::kTooEarlyMessage);
    ChangePicker("DateTimePicker6", At(2100, 2, 9, 23));
    EXPECT_EQ(Text("Text1"), calendar::kTooLateMessage);

    // (Wine's pickers refuse days before 1752; 1800 is as far out for the lunar range.)
    ChangePicker("DateTimePicker3", At(1800, 1, 1));
    EXPECT_EQ(Text("Label7"), "");
    EXPECT_EQ(Text("Label8"), "");
    ChangePicker("DateTimePicker3", At(9999, 12, 31));
    SetBoxText("Text5", "1");  // a day past the last one any picker offers
    EXPECT_EQ(Text("Label8"), "");
    PasteText("Text4", std::string(40, '9'));
    EXPECT_EQ(Text("Text4"), std::string(32, '9'));
    EXPECT_EQ(Text("Label7"), "");
    ChangePicker("DateTimePicker3", At(2100, 2, 8));
    SetBoxText("Text5", "1");
    EXPECT_EQ(Text("Label8"), "");

    ChangePicker("DateTimePicker1", At(1800, 1, 1));
    ChangePicker("DateTimePicker2", At(9999, 12, 31));
    EXPECT_EQ(Text("Label3").rfind("间隔：", 0), 0u);
    ChangePicker("DateTimePicker7", At(9999, 1, 1));
    EXPECT_EQ(Text("Text3"), "9999-1-1至9999-1-2");
    ChangePicker("DateTimePicker8", At(1800, 1, 1));
    Choose("Combo1", 23);
    EXPECT_EQ(Text("Label14"), "");
}

TEST_F(Form3Test, Check1StoresAndDeletesTheSettings) {
    store_.Write(settings::kSettingsKey, settings::kColourValue, "255");
    store_.Write(settings::kSettingsKey, "QH", "22:00-07:00");
    Open();
    SYSTEMTIME alarm1 = At(kYear, kMonth, kDay, 7, 30);
    alarm1.wSecond = 42;  // shown without seconds, and not stored
    SendMessageW(Child("DateTimePicker4"), DTM_SETSYSTEMTIME, GDT_VALID,
                 reinterpret_cast<LPARAM>(&alarm1));
    Click("Option1(2)");
    EXPECT_FALSE(IsChecked("Option1(0)"));

    Click("Check1");
    EXPECT_TRUE(IsChecked("Check1"));
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "L1"), "0.3125");
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "L2"), "0.7013888888888888");
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "BS"), "2");
    using namespace std::chrono_literals;
    EXPECT_EQ(app_.schedule, (settings::Schedule{2, 7h + 30min, 16h + 50min}));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].owner, form_->hwnd());
    EXPECT_EQ(messages_[0].text, "闹钟与报时已设置成功！");
    EXPECT_EQ(messages_[0].caption, "Tavelon");

    Click("Check1");
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "ZS"), "");  // the text colour goes with them
    EXPECT_EQ(store_.Read(settings::kSettingsKey, "QH"), "22:00-07:00");  // the rest stays
    EXPECT_EQ(app_.schedule, settings::Schedule{});
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1].text, "闹钟与报时已成功取消！");

    // A store that refuses writes, then nothing left to delete: no message either time. The
    // schedule takes the page's values all the same, and keeps them when the delete fails.
    store_.failWrites = true;
    Click("Check1");
    EXPECT_EQ(app_.schedule.ChimeMode, 2);
    Click("Check1");
    EXPECT_FALSE(IsChecked("Check1"));
    EXPECT_EQ(messages_.size(), 2u);
    EXPECT_EQ(app_.schedule.ChimeMode, 2);
}

TEST_F(Form3Test, OpeningShowsTheStoredSettings) {
    store_.Write(settings::kSettingsKey, "L1", "0.3125");
    store_.Write(settings::kSettingsKey, "BS", "3");
    Open();
    EXPECT_EQ(TextOf(Child("DateTimePicker4")), "07:30");
    EXPECT_EQ(TextOf(Child("DateTimePicker5")), "16:50");  // not stored: the proposal
    EXPECT_TRUE(IsChecked("Option1(3)"));
    EXPECT_FALSE(IsChecked("Option1(0)"));
    EXPECT_TRUE(IsChecked("Check1"));
    EXPECT_EQ(app_.schedule.ChimeMode, 3);
}

TEST_F(Form3Test, AskingAgainRaisesTheOpenWindowAndClosingStartsAfresh) {
    ui::Window& first = Open();
    SetBoxText("Text4", "7");
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    Pump();
    bool created = true;
    EXPECT_EQ(app_.windows.Open(kForm3Class, &created), &first);
    Pump();
    EXPECT_FALSE(created);
    EXPECT_EQ(GetForegroundWindow(), first.hwnd());
    EXPECT_EQ(Text("Text4"), "7");
    DestroyWindow(other);

    app_.windows.Close(kForm3Class);
    Pump();
    EXPECT_EQ(FindWindowW(ui::Widen(kForm3Class).c_str(), nullptr), nullptr);
    Open();
    EXPECT_EQ(Text("Text4"), "0");
    EXPECT_EQ(TextOf(Child("DateTimePicker1")), "2004年01月29日");
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
        SetBoxText("Text4", "12");
        Choose("Combo1", i);
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
