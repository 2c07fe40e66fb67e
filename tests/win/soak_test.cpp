// A day of ticks must not cost the process anything: no GDI or USER objects and no private
// memory may accumulate. TAVELON_SOAK_TICKS sets the number of ticks (scripts/soak runs a
// whole day of them); the figures are printed before and after.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "tests/win/fixture.h"

namespace {

using tavelon_test::At;
using tavelon_test::Pump;
using tavelon_test::Sticker;

struct Weight {
    DWORD gdi = 0;
    DWORD user = 0;
    int windows = 0;  // Wine counts no GDI or USER objects (always 0); windows it does count
    SIZE_T privateBytes = 0;
};

BOOL CALLBACK CountWindow(HWND hwnd, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(
        hwnd,
        [](HWND, LPARAM c) -> BOOL {
            ++*reinterpret_cast<int*>(c);
            return TRUE;
        },
        count);
    return TRUE;
}

Weight Measure() {
    Weight w;
    w.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    w.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&w.windows));
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    // The commit charge of the process: its private bytes.
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)))
        w.privateBytes = counters.PagefileUsage;
    return w;
}

void Print(const char* when, const Weight& w) {
    std::printf("%s: GDI objects %lu, USER objects %lu, windows %d, private bytes %llu\n", when,
                w.gdi, w.user, w.windows, static_cast<unsigned long long>(w.privateBytes));
}

long Ticks() {
    const char* text = std::getenv("TAVELON_SOAK_TICKS");
    const long n = text ? std::atol(text) : 0;
    return n > 0 ? n : 10000;
}

TEST(Soak, TicksAndFaceSwitchesLeaveNothingBehind) {
    // Midnight comes in the middle of the run, so date changes are part of it.
    Sticker s(At(2026, 12, 7, 12, 0, 0));
    s.store.Write(settings::kSettingsKey, settings::kChimeValue, "3");
    s.store.Write(settings::kSettingsKey, settings::kAlarm1Value, "0.5");
    sticker::Form1& form = s.Start();
    auto tick = [&] {
        s.clock.Advance(std::chrono::seconds(1));
        s.Tick();
    };
    auto switchFaces = [&] {
        s.Command(form.hwnd(), sticker::Form1::kSwitchFace);
        SendMessageW(s.Form4()->hwnd(), WM_TIMER, sticker::Form4::kTimer1, 0);
        s.Command(s.Form4()->hwnd(), sticker::Form4::kSwitchFace);
    };
    // The first hour fills the caches that stay (glyphs, the picture decoder) and is not counted.
    for (int i = 0; i < 3600; ++i) tick();
    for (int i = 0; i < 5; ++i) switchFaces();
    Pump();
    const Weight before = Measure();
    Print("before", before);

    const long ticks = Ticks();
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (long i = 1; i <= ticks; ++i) {
        tick();
        if (i % 21600 == 0 && i < ticks) Print("after another 6 hours", Measure());
    }
    QueryPerformanceCounter(&end);
    Pump();
    const Weight afterTicks = Measure();
    Print("after the ticks", afterTicks);
    const double msPerTick = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                             static_cast<double>(frequency.QuadPart) / static_cast<double>(ticks);
    std::printf("%ld ticks, %.3f ms per tick with its repaint\n", ticks, msPerTick);

    // Face switches create and destroy the alternate face with its picture; the heap settles
    // after the first few, so a second round must cost nothing more than the first.
    for (int i = 0; i < 20; ++i) switchFaces();
    Pump();
    const Weight firstRound = Measure();
    for (int i = 0; i < 20; ++i) switchFaces();
    Pump();
    const Weight secondRound = Measure();
    Print("after 40 face switches", secondRound);

    EXPECT_EQ(afterTicks.gdi, before.gdi);
    EXPECT_EQ(afterTicks.user, before.user);
    EXPECT_EQ(secondRound.gdi, before.gdi);
    EXPECT_EQ(secondRound.user, before.user);
    EXPECT_EQ(secondRound.windows, before.windows);
    EXPECT_GT(before.privateBytes, 0u);
    // The heap may settle by a few pages (glyphs of new hour names, the date at midnight); a leak
    // of even a few bytes a tick would show as hundreds of kilobytes over a day.
    EXPECT_LT(afterTicks.privateBytes, before.privateBytes + 256 * 1024);
    EXPECT_LT(secondRound.privateBytes, firstRound.privateBytes + 64 * 1024);
    EXPECT_FALSE(s.recorder.actions.empty());
}

}  // namespace
