#include "info/form2_win.h"
#include "info/form5_win.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "info/about_text.h"
#include "info/notes_text.h"
#include "tests/win/fixture.h"
#include "ui/text.h"

namespace info {
namespace {

using tavelon_test::Pump;

struct InfoWindowRow {
    std::string_view className;
    const char* caption;
    int width, height;
    std::string_view (*boxText)();
};

void PrintTo(const InfoWindowRow& row, std::ostream* os) { *os << row.className; }

// The windows are opened the way the menu opens them: through the program's window registry.
class InfoWindowsTest : public testing::Test {
protected:
    InfoWindowsTest() : s_(calendar::Moment{}) {}
    ~InfoWindowsTest() override {
        s_.app.windows.Close(kForm2Class);
        s_.app.windows.Close(kForm5Class);
        Pump();
    }

    ui::Window* Open(std::string_view className, bool* created = nullptr) {
        return s_.Open(className, created);
    }
    // The text box of either window.
    static const ui::Control& TextBox(ui::Window& window) {
        if (window.description().className == kForm2Class)
            return static_cast<Form2&>(window).control(NotesPart::Notes);
        return static_cast<Form5&>(window).control(AboutPart::ChangeLog);
    }
    static HWND Box(ui::Window& window) { return TextBox(window).hwnd; }
    static DWORD Selection(HWND box) {
        DWORD start = 99, end = 99;
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return MAKELONG(start, end);
    }
    static std::string BoxText(ui::Window& window) { return window.Text(TextBox(window)); }

    tavelon_test::Sticker s_;
    app::App& app_ = s_.app;
};

class InfoWindowOpening : public InfoWindowsTest,
                          public testing::WithParamInterface<InfoWindowRow> {};

int WindowsOfClass(std::string_view className) {
    struct Count {
        std::wstring name;
        int n = 0;
    } count{ui::Widen(className)};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto& c = *reinterpret_cast<Count*>(lp);
            wchar_t name[64] = {};
            GetClassNameW(hwnd, name, 64);
            if (c.name == name && IsWindow(hwnd)) ++c.n;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.n;
}

TEST_P(InfoWindowOpening, HasItsFrameAndShowsItsTextFromTheStartWithTheFocus) {
    const InfoWindowRow& row = GetParam();
    bool created = false;
    ui::Window* window = Open(row.className, &created);
    ASSERT_TRUE(window && created);
    HWND hwnd = window->hwnd();
    wchar_t caption[64] = {};
    GetWindowTextW(hwnd, caption, 64);
    EXPECT_EQ(ui::Narrow(caption), row.caption);
    if (window->dpi() == 96) {
        RECT r{};
        GetWindowRect(hwnd, &r);
        EXPECT_EQ(r.right - r.left, row.width);
        EXPECT_EQ(r.bottom - r.top, row.height);
    }
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & ~WS_VISIBLE, static_cast<LONG>(0x86C80000));
    const LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_CONTROLPARENT);
    EXPECT_FALSE(ex & (WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
    EXPECT_NE(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
    // Nothing cut off: every control, frames included, lies wholly inside the client area.
    RECT client{}, inside{};
    GetClientRect(hwnd, &client);
    for (const ui::Control& c : window->controls()) {
        RECT shown = c.rect;
        if (c.hwnd) {
            GetWindowRect(c.hwnd, &shown);
            MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&shown), 2);
        }
        EXPECT_TRUE(IntersectRect(&inside, &shown, &client) && EqualRect(&inside, &shown))
            << c.desc.name;
    }

    HWND box = Box(*window);
    const LONG boxStyle = GetWindowLongW(box, GWL_STYLE);
    EXPECT_EQ(boxStyle & (ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL),
              ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL);
    EXPECT_FALSE(boxStyle & (ES_READONLY | ES_AUTOHSCROLL | WS_HSCROLL));  // wrapped and editable
    EXPECT_TRUE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    // The texts are CR LF already, which is what an edit control gives back.
    EXPECT_EQ(BoxText(*window), std::string(row.boxText()));
    EXPECT_EQ(GetFocus(), box);
    EXPECT_EQ(Selection(box), MAKELONG(0, 0));
    EXPECT_EQ(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_P(InfoWindowOpening, ASecondOpenRaisesTheSameWindowWithItsCaretWhereItWas) {
    const InfoWindowRow& row = GetParam();
    ui::Window* first = Open(row.className);
    ASSERT_TRUE(first);
    HWND hwnd = first->hwnd(), box = Box(*first);
    SendMessageW(box, EM_SETSEL, 7, 7);
    // Another window takes the front, then the menu asks for this one again.
    ASSERT_TRUE(Open(row.className == kForm2Class ? kForm5Class : kForm2Class));
    EXPECT_NE(GetForegroundWindow(), hwnd);
    bool created = true;
    ui::Window* second = Open(row.className, &created);
    EXPECT_FALSE(created);
    ASSERT_EQ(second, first);
    EXPECT_EQ(second->hwnd(), hwnd);
    EXPECT_EQ(WindowsOfClass(row.className), 1);
    EXPECT_EQ(GetForegroundWindow(), hwnd);
    EXPECT_EQ(GetFocus(), box);
    EXPECT_EQ(Selection(box), MAKELONG(7, 7));
}

INSTANTIATE_TEST_SUITE_P(
    InfoWindows, InfoWindowOpening,
    testing::Values(InfoWindowRow{kForm2Class, "科普_日历小知识", 438, 570, &NotesText},
                    InfoWindowRow{kForm5Class, "关于&日志", 392, 570, &ChangeLogText}),
    [](const testing::TestParamInfo<InfoWindowRow>& info) {
        return std::string(info.param.className.substr(8));
    });

TEST_F(InfoWindowsTest, AboutWindowShowsTheAboutTextInItsFrames) {
    auto* window = static_cast<Form5*>(Open(kForm5Class));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->Text(AboutPart::About), std::string(AboutText()));
    EXPECT_EQ(window->control(AboutPart::About).colour, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(window->Text(AboutPart::AboutFrame), "关于");
    EXPECT_EQ(window->Text(AboutPart::LogFrame), "日志");
}

TEST_F(InfoWindowsTest, EnterBreaksTheLineAndEditsAreGoneOnTheNextOpening) {
    ui::Window* notes = Open(kForm2Class);
    ASSERT_TRUE(notes);
    HWND box = Box(*notes);
    PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageW(box, WM_KEYUP, VK_RETURN, 0xC01C0001);
    Pump();
    EXPECT_EQ(BoxText(*notes), "\r\n" + std::string(NotesText()));
    SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"随手记"));

    SendMessageW(notes->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_EQ(app_.windows.Find(kForm2Class), nullptr);
    EXPECT_EQ(WindowsOfClass(kForm2Class), 0);
    ui::Window* again = Open(kForm2Class);
    ASSERT_TRUE(again);
    EXPECT_EQ(BoxText(*again), std::string(NotesText()));
}

TEST_F(InfoWindowsTest, ClosingOneLeavesTheOtherAndTheAppAsTheyWere) {
    ui::Window* notes = Open(kForm2Class);
    ui::Window* about = Open(kForm5Class);
    ASSERT_TRUE(notes && about);
    HWND aboutHwnd = about->hwnd();
    const auto settingsBefore = s_.store.keys;
    SendMessageW(notes->hwnd(), WM_CLOSE, 0, 0);
    // Only the main face ends the program: a side window must not ask the loop to quit.
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    Pump();
    EXPECT_EQ(app_.windows.Find(kForm2Class), nullptr);
    EXPECT_EQ(app_.windows.Find(kForm5Class), about);
    EXPECT_TRUE(IsWindowVisible(aboutHwnd));
    EXPECT_EQ(BoxText(*about), std::string(ChangeLogText()));
    EXPECT_EQ(s_.store.keys, settingsBefore);
    EXPECT_TRUE(s_.recorder.actions.empty());
}

}  // namespace
}  // namespace info
