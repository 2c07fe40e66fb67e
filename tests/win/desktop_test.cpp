// The desktop building blocks against Wine's real windows and shell: the icon in the
// notification area, the full-screen detector, click-through and the quiet hours. The faces'
// layered look and remembered places are tested through the faces.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "settings/desktop.h"
#include "sticker/face_desktop_win.h"
#include "tests/win/fixture.h"
#include "ui/layered.h"
#include "ui/monitors.h"
#include "ui/notify_icon.h"
#include "ui/unique.h"

namespace {

using UniqueWindow = ui::Unique<HWND, &::DestroyWindow>;

constexpr wchar_t kFullScreenTitle[] = L"Tavelon test: full screen";

// A plain top-level window; not a static control, which lets the mouse through to what lies
// below.
UniqueWindow PlainWindow(RECT r, DWORD exStyle = 0, const wchar_t* title = L"") {
    static const ATOM kClass = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = L"TavelonDesktopTest";
        return RegisterClassExW(&wc);
    }();
    return UniqueWindow(CreateWindowExW(exStyle, MAKEINTATOM(kClass), title, WS_POPUP | WS_VISIBLE,
                                        r.left, r.top, r.right - r.left, r.bottom - r.top, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr));
}

RECT PrimaryScreen() {
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void PumpFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    MSG msg;
    do {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    } while (GetTickCount64() < end);
}

// Run in a second process by the detector's test: a window of another program that covers
// the primary monitor and takes the foreground, until it is closed.
TEST(FullScreenProgram, DISABLED_CoversThePrimaryMonitorUntilClosed) {
    UniqueWindow full = PlainWindow(PrimaryScreen(), WS_EX_TOPMOST, kFullScreenTitle);
    ASSERT_TRUE(full.get());
    SetForegroundWindow(full.get());
    const ULONGLONG end = GetTickCount64() + 30000;
    MSG msg;
    while (IsWindow(full.get()) && GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    if (!IsWindow(full.get())) full.release();
}

class ForegroundCoversMonitorOf : public testing::Test {
protected:
    // Starts this test program again, running only the full-screen window above, and waits
    // until that window is in front.
    HWND StartFullScreenProgram() {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring command = L"\"" + std::wstring(path) +
                               L"\" --gtest_also_run_disabled_tests "
                               L"--gtest_filter=FullScreenProgram.*";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info)) {
            return nullptr;
        }
        process_.reset(info.hProcess);
        CloseHandle(info.hThread);
        for (int i = 0; i < 200; ++i) {
            const HWND full = FindWindowW(nullptr, kFullScreenTitle);
            if (full && GetForegroundWindow() == full) return full;
            PumpFor(50);
        }
        return nullptr;
    }
    void TearDown() override {
        if (!process_) return;
        if (const HWND full = FindWindowW(nullptr, kFullScreenTitle))
            PostMessageW(full, WM_CLOSE, 0, 0);
        WaitForSingleObject(process_.get(), 10000);
    }

    ui::UniqueHandle process_;
};

// Lets the face's own timer tick on the wall clock, the program's clock a second further on
// at each tick, until done() or 2 s have passed.
template <class Done>
bool WithinTwoSeconds(tavelon_test::Sticker& s, Done done) {
    const ULONGLONG end = GetTickCount64() + 2000;
    MSG msg;
    while (!done() && GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (tavelon_test::IsFaceTick(msg)) s.clock.Advance(std::chrono::seconds(1));
            ui::DeliverMessage(msg);
        }
    }
    return done();
}

// The face hides on the program clock's tick while another program's window covers its
// monitor, and shows again on the first tick after that window has gone: within 2 s either way.
// Only a window in front, not minimised, covering the whole monitor counts.
TEST_F(ForegroundCoversMonitorOf, HidesTheFaceWhileAFullScreenWindowIsInFront) {
    tavelon_test::Sticker s(tavelon_test::At(2026, 12, 7, 9, 0, 0));
    sticker::Form1& main = s.Start();
    const auto tick = [&s] {
        s.clock.Advance(std::chrono::seconds(1));
        s.Tick();
    };
    tick();
    ASSERT_TRUE(IsWindowVisible(main.hwnd()));
    const HWND full = StartFullScreenProgram();
    ASSERT_TRUE(full) << "the full-screen window did not come to the front";
    EXPECT_TRUE(WithinTwoSeconds(s, [&] { return !IsWindowVisible(main.hwnd()); }));
    EXPECT_TRUE(main.hiddenForFullScreen());

    const RECT screen = PrimaryScreen();
    SetWindowPos(full, nullptr, 0, 0, screen.right - 1, screen.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(ui::ForegroundCoversMonitorOf(main.hwnd()));
    SetWindowPos(full, nullptr, -10, -10, screen.right + 20, screen.bottom + 20,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(ui::ForegroundCoversMonitorOf(main.hwnd()));
    ShowWindowAsync(full, SW_MINIMIZE);
    for (int i = 0; i < 100 && !IsIconic(full); ++i) PumpFor(20);
    EXPECT_FALSE(ui::ForegroundCoversMonitorOf(main.hwnd()));
    ShowWindowAsync(full, SW_RESTORE);
    for (int i = 0; i < 100 && IsIconic(full); ++i) PumpFor(20);

    PostMessageW(full, WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(process_.get(), 10000), WAIT_OBJECT_0);
    EXPECT_TRUE(WithinTwoSeconds(s, [&] { return IsWindowVisible(main.hwnd()) != FALSE; }));
    EXPECT_FALSE(IsIconic(main.hwnd()));

    // With the option off, a full screen leaves the face where it is.
    s.Command(main.hwnd(), sticker::kFullScreenCommand);
    ASSERT_TRUE(StartFullScreenProgram());
    tick();
    EXPECT_TRUE(IsWindowVisible(main.hwnd()));
}

TEST_F(ForegroundCoversMonitorOf, NeverCountsOurOwnWindowsOrTheDesktop) {
    UniqueWindow face = PlainWindow({100, 100, 433, 268});
    UniqueWindow ours = PlainWindow(PrimaryScreen());
    SetForegroundWindow(ours.get());
    PumpFor(50);
    ASSERT_EQ(GetForegroundWindow(), ours.get());
    EXPECT_FALSE(ui::ForegroundCoversMonitorOf(face.get()));
    SetForegroundWindow(GetDesktopWindow());
    EXPECT_FALSE(ui::ForegroundCoversMonitorOf(face.get()));
    EXPECT_FALSE(ui::ForegroundCoversMonitorOf(nullptr));
}

TEST(SetClickThrough, ClicksReachTheWindowBelowAndComeBack) {
    const RECT r{200, 200, 500, 400};
    const POINT centre{350, 300};
    UniqueWindow below = PlainWindow(r);
    UniqueWindow face = PlainWindow(r, WS_EX_TOPMOST);
    ASSERT_TRUE(ui::SetLayeredLook(face.get(), 0x4ECD32, 255));
    ASSERT_EQ(WindowFromPoint(centre), face.get());

    ASSERT_TRUE(ui::SetClickThrough(face.get(), true));
    EXPECT_TRUE(GetWindowLongPtrW(face.get(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_EQ(WindowFromPoint(centre), below.get());

    ASSERT_TRUE(ui::SetClickThrough(face.get(), false));
    const LONG_PTR ex = GetWindowLongPtrW(face.get(), GWL_EXSTYLE);
    EXPECT_FALSE(ex & WS_EX_TRANSPARENT);
    EXPECT_TRUE(ex & WS_EX_LAYERED);  // still see-through by its colour key
    EXPECT_EQ(WindowFromPoint(centre), face.get());
}

// The shell holds an icon of ours exactly when it accepts a change to it.
bool ShellHolds(HWND hwnd) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = hwnd;
    data.uID = ui::NotifyIcon::kIconId;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &data);
}

TEST(NotifyIcon, ComesBackWhenTheTaskbarIsCreatedAndGoesWithItsOwner) {
    HWND hwnd = nullptr;
    {
        ui::NotifyIcon icon;
        ASSERT_TRUE(icon.Show("AAAAA_APPICON", "Tavelon\r\n丙午年冬月初八", {}));
        hwnd = icon.hwnd();
        EXPECT_TRUE(ShellHolds(hwnd));
        EXPECT_FALSE(IsWindowVisible(hwnd));

        // Explorer restarted: the icon is gone until the announcement.
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof(data);
        data.hWnd = hwnd;
        data.uID = ui::NotifyIcon::kIconId;
        ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
        ASSERT_FALSE(ShellHolds(hwnd));
        // A broadcast, as Explorer sends it, reaches the hidden window.
        SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0,
                            SMTO_ABORTIFHUNG, 2000, nullptr);
        EXPECT_TRUE(ShellHolds(hwnd));
        EXPECT_TRUE(icon.shown());
        // Announced while the shell still holds it (a new DPI): it stays.
        SendMessageW(hwnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        EXPECT_TRUE(ShellHolds(hwnd));
        // A tooltip longer than the shell keeps, its cut falling inside a surrogate pair.
        EXPECT_TRUE(icon.SetTip(std::string(126, 'x') + "\xF0\xA0\x80\x80" + "tail"));
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(ShellHolds(hwnd));
}

TEST(NotifyIcon, ClicksOnTheIconReachTheirHandlers) {
    int selected = 0;
    POINT menuAt{-1, -1};
    ui::NotifyIcon icon;
    ASSERT_TRUE(icon.Show("AAAAA_APPICON", "Tavelon",
                          {[&] { ++selected; }, [&](POINT at) { menuAt = at; }}));
    const HWND hwnd = icon.hwnd();
    const UINT id = ui::NotifyIcon::kIconId;
    // The events in the form the shell sends once the icon asked for its newer version.
    SendMessageW(hwnd, ui::NotifyIcon::kCallbackMessage, MAKEWPARAM(30, 40),
                 MAKELPARAM(NIN_SELECT, id));
    SendMessageW(hwnd, ui::NotifyIcon::kCallbackMessage, MAKEWPARAM(30, 40),
                 MAKELPARAM(NIN_KEYSELECT, id));
    SendMessageW(hwnd, ui::NotifyIcon::kCallbackMessage, MAKEWPARAM(700, 580),
                 MAKELPARAM(WM_CONTEXTMENU, id));
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(menuAt.x, 700);
    EXPECT_EQ(menuAt.y, 580);
    // Mouse movement over the icon does nothing.
    SendMessageW(hwnd, ui::NotifyIcon::kCallbackMessage, 0, MAKELPARAM(WM_MOUSEMOVE, id));
    EXPECT_EQ(selected, 2);
}

// The stored quiet hours reach the program clock's chimes: the chime keeps silent inside them
// and the alarm still rings (their edges are the chime table's).
TEST(QuietHours, SilenceTheFacesChimeButNotTheAlarm) {
    tavelon_test::Sticker s(tavelon_test::At(2026, 12, 7, 22, 59, 59));
    s.store.Write(settings::kSettingsKey, settings::kChimeValue, "3");
    s.store.Write(settings::kSettingsKey, settings::kAlarm1Value, "0.9583333333333334");  // 23:00
    s.store.Write(settings::kSettingsKey, settings::kQuietHoursValue, "22:00-07:00");
    s.Start();
    s.clock.Advance(std::chrono::seconds(1));
    s.Tick();
    using sticker::PlayAction;
    using sticker::SpeakAction;
    EXPECT_EQ(s.recorder.actions,
              (std::vector<sticker::Action>{PlayAction("WAV_BAOSHI"), SpeakAction("23点0分到了"),
                                            PlayAction("WAV_RING")}));
}

}  // namespace
