#pragma once
// What the Wine tests share: the program's shell assembled with its real window wiring, a
// settable clock, a recorder for sounds and speech, settings in memory, stand-ins for the
// dialogs and modal loops a person would drive, and the one message pump of the tests.
#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_win.h"
#include "settings/memory_store.h"
#include "sticker/form1_win.h"
#include "sticker/form4_win.h"
#include "tests/support/fakes.h"
#include "ui/text.h"
#include "ui/window.h"

namespace tavelon_test {

inline calendar::Moment At(int y, int mo, int d, int h, int mi, int s) {
    return *calendar::MomentOf(y, mo, d, h, mi, s);
}

// The main face's one-second timer is armed toward the real clock's next second, which can be a
// few milliseconds away; the tests tick the program clock themselves, against their own clock.
inline bool IsFaceTick(const MSG& msg) {
    if (msg.message != WM_TIMER || msg.wParam != sticker::Face::kTimer1 || !msg.hwnd) return false;
    const ui::Window* window = ui::Window::FromHandle(msg.hwnd);
    if (!window) return false;
    const std::string& name = window->description().className;
    return name == sticker::kForm1Class || name == sticker::kForm4Class;
}

// Delivers everything waiting in the thread's queue the way the program's loop does, keyboard
// navigation included, but the faces' own ticks; tells whether the loop was asked to end.
inline bool Pump() {
    bool quit = false;
    MSG msg;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                continue;
            }
            if (IsFaceTick(msg)) continue;
            ui::DeliverMessage(msg);
        }
        Sleep(1);
    }
    return quit;
}

struct MessageShown {
    HWND owner;
    std::string text;
    std::string caption;
};

class Sticker {
public:
    explicit Sticker(calendar::Moment now) : clock(now), app(clock, recorder, recorder, store) {
        app.program = settings::ProgramPath{"C:\\Program Files\\Tavelon\\", "tavelon.exe"};
        app::RegisterWindows(app);
        app.dialogs.chooseColour = [this](HWND) {
            ++colourDialogs;
            return chosenColour;
        };
        app.dialogs.showMessage = [this](HWND owner, std::string_view text,
                                         std::string_view caption) {
            messages.push_back({owner, std::string(text), std::string(caption)});
        };
        app.dialogs.dragMover = [this](HWND hwnd) {
            ++drags;
            if (dragTo) {
                SetWindowPos(hwnd, nullptr, dragTo->x, dragTo->y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        };
        app.dialogs.trackMenu = [this](HWND, HMENU, POINT at) {
            menuPoints.push_back(at);
            return menuChoice;
        };
    }

    ~Sticker() {
        form1.reset();
        Pump();
    }

    // Creates the main face and delivers its ready notification.
    sticker::Form1& Start() {
        form1 = std::make_unique<sticker::Form1>(app.faces);
        form1->Create(SW_SHOWNOACTIVATE);
        Pump();
        return *form1;
    }
    // Opens a window the way its menu command does, and delivers its ready notification.
    ui::Window* Open(std::string_view className, bool* created = nullptr) {
        ui::Window* window = app.windows.Open(className, created);
        Pump();
        return window;
    }

    // Ticks the program clock through the main face's timer, and lets what the tick announced
    // play before the test looks at the recording.
    void Tick() {
        SendMessageW(form1->hwnd(), WM_TIMER, sticker::Face::kTimer1, 0);
        app.announcements.WaitUntilIdle();
    }
    void Command(HWND hwnd, UINT id) {
        SendMessageW(hwnd, WM_COMMAND, id, 0);
        Pump();
    }
    sticker::Form4* Form4() {
        return static_cast<sticker::Form4*>(app.windows.Find(sticker::kForm4Class));
    }

    fakes::FixedClock clock;
    fakes::Recorder recorder;
    settings::MemorySettingsStore store;
    app::App app;
    std::unique_ptr<sticker::Form1> form1;

    std::optional<std::uint32_t> chosenColour;
    int colourDialogs = 0;
    std::vector<MessageShown> messages;
    int drags = 0;
    std::optional<POINT> dragTo;
    std::vector<POINT> menuPoints;
    UINT menuChoice = 0;
};

inline RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

inline SIZE ClientSize(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
}

// Client point in the middle of a control's rectangle, as mouse messages carry it.
inline LPARAM CentreOf(const ui::Control& c) {
    return MAKELPARAM((c.rect.left + c.rect.right) / 2, (c.rect.top + c.rect.bottom) / 2);
}

inline std::string TextOf(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return ui::Narrow(text);
}

inline double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

inline double MillisecondsSince(LARGE_INTEGER from) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return Milliseconds(from, now);
}

// Opens a window of the program and times it to its first picture: the ready notification's
// repaint, flushed. The first window of a class registers it and loads its fonts, so one is
// opened and closed before.
inline ui::Window* OpenToFirstPaint(Sticker& s, std::string_view className, double& ms) {
    s.app.windows.Open(className);
    s.app.windows.Close(className);
    Pump();
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    ui::Window* window = s.app.windows.Open(className);
    if (!window) return nullptr;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ui::DeliverMessage(msg);
        if (msg.message == ui::kWindowReadyMessage && msg.hwnd == window->hwnd()) break;
    }
    GdiFlush();
    ms = MillisecondsSince(start);
    Pump();
    return window;
}

inline std::string ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return ui::Narrow(name);
}

}  // namespace tavelon_test
