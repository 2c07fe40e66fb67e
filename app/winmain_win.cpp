// The program's entry point: one sticker per user session, the program shell, GDI+, the main
// face and the message loop.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "app/app_win.h"
#include "app/clock_win.h"
#include "app/sound_win.h"
#include "app/speech_win.h"
#include "app/tray_win.h"
#include "settings/registry_win.h"
#include "settings/start_with_system.h"
#include "sticker/form1_win.h"
#include "ui/dpi.h"
#include "ui/picture.h"

namespace {

// Session-local: each user signed in runs their own sticker, and two in one session would
// chime twice.
constexpr wchar_t kInstanceMutex[] = L"Local\\Tavelon.Sticker";

void WriteLine(const std::string& line) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (out && out != INVALID_HANDLE_VALUE)
        WriteFile(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

// --measure-startup: the time from entering wWinMain to the end of the first paint of the
// main face with its date block, and the private bytes once the face has settled, printed on
// standard output; the program then ends.
class StartupMeter {
public:
    explicit StartupMeter(bool on) : on_(on) {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
    }
    bool on() const { return on_; }
    void Report() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
                          static_cast<double>(frequency_.QuadPart);
        char line[96];
        std::snprintf(line, sizeof line, "startup-to-first-paint-ms %.2f\n", ms);
        WriteLine(line);
    }
    static void ReportPrivateBytes(const char* when) {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof(counters);
        if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) return;
        char line[96];
        std::snprintf(line, sizeof line, "private-bytes-%s %llu\n", when,
                      static_cast<unsigned long long>(counters.PagefileUsage));
        WriteLine(line);
    }

private:
    bool on_;
    LARGE_INTEGER frequency_{}, start_{};
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    const StartupMeter meter(commandLine && std::wstring(commandLine).find(L"--measure-startup") !=
                                                std::wstring::npos);

    if (meter.on()) meter.ReportPrivateBytes("at-entry");
    ui::UniqueHandle instance(CreateMutexW(nullptr, FALSE, kInstanceMutex));
    if (GetLastError() == ERROR_ALREADY_EXISTS && !meter.on()) {
        app::RaiseRunningSticker();
        return 0;
    }

    ui::EnablePerMonitorDpiAwareness();
    app::LocalClock clock;
    app::SapiVoice voice;
    app::ResourceSoundPlayer sound;
    settings::RegistrySettingsStore store;
    {
        const ui::GdiplusSession gdiplus;
        app::App app(clock, voice, sound, store);
        app.program = settings::SplitProgramPath(app::ModulePath());
        app::RegisterWindows(app);

        sticker::Form1 form1(app.faces);
        if (!form1.Create(SW_SHOWNORMAL)) return 1;
        // Gone before the program shell, and with it the icon.
        app::Tray tray(app);
        if (!meter.on()) tray.Show();
        if (meter.on()) {
            // The ready notification is the first message: composing and painting happen there.
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&msg);
                if (msg.message == ui::kWindowReadyMessage && msg.hwnd == form1.hwnd()) break;
            }
            GdiFlush();
            meter.Report();
            // Let the face settle (icons, tooltip, menu, the first ticks) before weighing it.
            const ULONGLONG until = GetTickCount64() + 1500;
            while (GetTickCount64() < until) {
                while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
                Sleep(10);
            }
            meter.ReportPrivateBytes("after-start");
            DestroyWindow(form1.hwnd());
        }
        // The program ends with 0 however its loop ended, once GDI+ has shut down.
        ui::RunMessageLoop();
    }
    return 0;
}
