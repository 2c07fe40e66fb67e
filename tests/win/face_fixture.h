#pragma once
// A sticker assembled for a test: a settable clock, a recorder for sounds and speech, settings
// in memory, and stand-ins for the dialogs and modal loops a person would drive.
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sticker/app_win.h"
#include "sticker/fakes.h"
#include "sticker/form1_win.h"
#include "sticker/form4_win.h"
#include "sticker/settings_memory.h"

namespace tavelon_test {

inline sticker::Moment At(int y, int mo, int d, int h, int mi, int s) {
    return *sticker::MomentOf(y, mo, d, h, mi, s);
}

// The faces' one-second timers are armed toward the real clock's next second, which can be a
// few milliseconds away; the tests tick the faces themselves, against their own clock.
inline bool IsFaceTick(const MSG& msg) {
    if (msg.message != WM_TIMER || msg.wParam != sticker::Face::kTimer1 || !msg.hwnd) return false;
    wchar_t name[32] = {};
    GetClassNameW(msg.hwnd, name, 32);
    return std::wstring_view(name) == L"Tavelon.Form1" ||
           std::wstring_view(name) == L"Tavelon.Form4";
}

// Delivers everything waiting in the thread's queue but the faces' own ticks; tells whether the
// loop was asked to end.
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
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    }
    return quit;
}

// Records sounds and sentences in one list, and can look at the sticker while each plays.
class Recorder final : public sticker::Voice, public sticker::SoundPlayer {
public:
    void Speak(std::string_view sentence) override { Record(sticker::SpeakAction(sentence)); }
    void Play(std::string_view name) override { Record(sticker::PlayAction(name)); }
    std::vector<sticker::Action> actions;
    std::function<void()> during;

private:
    void Record(sticker::Action a) {
        actions.push_back(std::move(a));
        if (during) during();
    }
};

struct MessageShown {
    std::string text;
    std::string caption;
};

class Sticker {
public:
    explicit Sticker(sticker::Moment now) : clock(now), app(clock, recorder, recorder, store) {
        app.program = sticker::ProgramPath{"C:\\Program Files\\Tavelon\\", "tavelon.exe"};
        app.chooseColour = [this](HWND) {
            ++colourDialogs;
            return chosenColour;
        };
        app.showMessage = [this](HWND, std::string_view text, std::string_view caption) {
            messages.push_back({std::string(text), std::string(caption)});
        };
        app.dragMover = [this](HWND hwnd) {
            ++drags;
            if (dragTo)
                SetWindowPos(hwnd, nullptr, dragTo->x, dragTo->y, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        };
        app.trackMenu = [this](HWND, HMENU, POINT at) {
            menuPoints.push_back(at);
            return menuChoice;
        };
        app.forms.SetFactory(sticker::FormId::Form4,
                             [](sticker::App& a) { return std::make_unique<sticker::Form4>(a); });
    }

    ~Sticker() {
        form1.reset();
        Pump();
    }

    // Creates the main face and delivers its ready notification.
    sticker::Form1& Start() {
        form1 = std::make_unique<sticker::Form1>(app);
        form1->Create(SW_SHOWNOACTIVATE);
        Pump();
        return *form1;
    }

    void Tick() { SendMessageW(form1->hwnd(), WM_TIMER, sticker::Form1::kTimer1, 0); }
    void Command(HWND hwnd, UINT id) {
        SendMessageW(hwnd, WM_COMMAND, id, 0);
        Pump();
    }
    sticker::Form4* Form4() {
        return static_cast<sticker::Form4*>(app.forms.Find(sticker::FormId::Form4));
    }

    sticker::FixedClock clock;
    Recorder recorder;
    sticker::MemorySettingsStore store;
    sticker::App app;
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

}  // namespace tavelon_test
