// The program's entry point: one sticker per user session, the application record, GDI+, the
// main face and the message loop.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <memory>
#include <string>

#include "sticker/app_win.h"
#include "sticker/clock_win.h"
#include "sticker/form1_win.h"
#include "sticker/form4_win.h"
#include "sticker/settings_forms.h"
#include "sticker/settings_win.h"
#include "sticker/sound_win.h"
#include "sticker/speech_win.h"
#include "ui/dpi.h"
#include "ui/picture.h"
#include "ui/text.h"

#if __has_include("info/form2_win.h")
#include "info/form2_win.h"
#define TAVELON_HAS_FORM2 1
#endif
#if __has_include("tools/form3_win.h")
#include "tools/form3_win.h"
#define TAVELON_HAS_FORM3 1
#endif
#if __has_include("info/form5_win.h")
#include "info/form5_win.h"
#define TAVELON_HAS_FORM5 1
#endif

namespace {

// Session-local: each user signed in runs their own sticker, and two in one session would
// chime twice.
constexpr wchar_t kInstanceMutex[] = L"Local\\Tavelon.Sticker";

void RegisterWindows(sticker::App& app) {
    using sticker::FormId;
    app.forms.SetFactory(FormId::Form4,
                         [](sticker::App& a) { return std::make_unique<sticker::Form4>(a); });
#ifdef TAVELON_HAS_FORM2
    app.forms.SetFactory(FormId::Form2, [](sticker::App& a) { return info::CreateForm2(a); });
#endif
#ifdef TAVELON_HAS_FORM3
    app.forms.SetFactory(FormId::Form3, [](sticker::App& a) { return tools::CreateForm3(a); });
#endif
#ifdef TAVELON_HAS_FORM5
    app.forms.SetFactory(FormId::Form5, [](sticker::App& a) { return info::CreateForm5(a); });
#endif
}

// The running sticker shows whichever face is visible: the alternate one while the main face
// is minimised. It may still be starting, so look for a moment before giving up.
void RaiseRunningSticker() {
    for (int attempt = 0; attempt < 40; ++attempt) {
        HWND face = FindWindowW(L"Tavelon.Form4", nullptr);
        if (!face || !IsWindowVisible(face)) face = FindWindowW(L"Tavelon.Form1", nullptr);
        if (face) {
            ui::BringToFront(face);
            return;
        }
        Sleep(50);
    }
}

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
        RaiseRunningSticker();
        return 0;
    }

    ui::EnablePerMonitorDpiAwareness();
    sticker::LocalClock clock;
    sticker::SapiVoice voice;
    sticker::ResourceSoundPlayer sound;
    sticker::RegistrySettingsStore settings;
    int exitCode = 0;
    {
        const ui::GdiplusSession gdiplus;
        sticker::App app(clock, voice, sound, settings);
        app.program = sticker::SplitProgramPath(sticker::ModulePath());
        RegisterWindows(app);

        sticker::Form1 form1(app);
        if (!form1.Create(SW_SHOWNORMAL)) return 1;
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
        exitCode = ui::RunMessageLoop();
    }
    (void)exitCode;
    return 0;
}
