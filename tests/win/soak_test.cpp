// Ticks must not cost the process anything: no windows, fonts, GDI or USER objects and no
// private memory may accumulate. Every test run ticks a short while; TAVELON_SOAK_TICKS asks for
// a long run (scripts/soak runs a whole day of ticks). The figures are printed before and after.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "tests/win/fixture.h"
#include "ui/font.h"

namespace {

using tavelon_test::At;
using tavelon_test::Pump;
using tavelon_test::Sticker;

struct Weight {
    DWORD gdi = 0;  // Wine reports none (always 0): compared only where the system counts them
    DWORD user = 0;
    int windows = 0;
    std::size_t fonts = 0;
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
    w.fonts = ui::CachedFontCount();
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    // The commit charge of the process: its private bytes.
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)))
        w.privateBytes = counters.PagefileUsage;
    return w;
}

void Print(const char* when, const Weight& w) {
    std::printf(
        "%s: GDI objects %lu, USER objects %lu, windows %d, fonts %zu, private bytes %llu\n", when,
        w.gdi, w.user, w.windows, w.fonts, static_cast<unsigned long long>(w.privateBytes));
}

// The objects the system counts for the process; Wine counts none, so there they say nothing.
void ExpectSameSystemObjects(const Weight& before, const Weight& after) {
    if (before.gdi > 0) {
        EXPECT_EQ(after.gdi, before.gdi);
    }
    if (before.user > 0) {
        EXPECT_EQ(after.user, before.user);
    }
}

struct SoakLength {
    long warmUp;  // ticks that fill the caches that stay (glyphs, the picture decoder)
    long ticks;   // the ticks that are weighed
};

SoakLength Length() {
    const char* text = std::getenv("TAVELON_SOAK_TICKS");
    const long asked = text ? std::atol(text) : 0;
    if (asked > 0) return {3600, asked};
    return {300, 1200};
}

TEST(Soak, TicksAndFaceSwitchesLeaveNothingBehind) {
    const SoakLength run = Length();
    // Midnight comes in the middle of the weighed ticks, so a date change is part of them.
    const long toMidnight = run.warmUp + run.ticks / 2;
    Sticker s(At(2026, 12, 7, 0, 0, 0));
    s.clock.Set(At(2026, 12, 8, 0, 0, 0));
    s.clock.Advance(std::chrono::seconds(-toMidnight));
    s.store.Write(settings::kSettingsKey, settings::kChimeValue, "3");
    s.store.Write(settings::kSettingsKey, settings::kAlarm1Value, "0");
    sticker::Form1& form = s.Start();
    const auto composedFirst = form.composedFor();
    auto tick = [&] {
        s.clock.Advance(std::chrono::seconds(1));
        s.Tick();
    };
    auto switchFaces = [&] {
        s.Command(form.hwnd(), sticker::Form1::kSwitchFace);
        s.Tick();
        s.Command(s.Form4()->hwnd(), sticker::Form4::kSwitchFace);
    };
    for (long i = 0; i < run.warmUp; ++i) tick();
    for (int i = 0; i < 5; ++i) switchFaces();
    // The first announcement of a run starts the worker that plays them, with its stack: once
    // a run, so part of the warm-up.
    s.app.announcements.Announce({sticker::PlayAction(sticker::kRingSound)});
    s.app.announcements.WaitUntilIdle();
    Pump();
    const Weight before = Measure();
    Print("before", before);

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (long i = 1; i <= run.ticks; ++i) {
        tick();
        if (i % 21600 == 0 && i < run.ticks) Print("after another 6 hours", Measure());
    }
    QueryPerformanceCounter(&end);
    Pump();
    const Weight afterTicks = Measure();
    Print("after the ticks", afterTicks);
    const double msPerTick = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                             static_cast<double>(frequency.QuadPart) /
                             static_cast<double>(run.ticks);
    std::printf("%ld ticks, %.3f ms per tick with its repaint\n", run.ticks, msPerTick);

    // Face switches create and destroy the alternate face with its picture; the heap settles
    // after the first few, so a second round must cost nothing more than the first.
    for (int i = 0; i < 20; ++i) switchFaces();
    Pump();
    const Weight firstRound = Measure();
    for (int i = 0; i < 20; ++i) switchFaces();
    Pump();
    const Weight secondRound = Measure();
    Print("after 40 face switches", secondRound);

    EXPECT_NE(form.composedFor(), composedFirst);  // midnight was crossed and the date redrawn
    EXPECT_FALSE(s.recorder.actions.empty());      // the midnight chime and alarm were heard
    EXPECT_EQ(afterTicks.windows, before.windows);
    EXPECT_EQ(secondRound.windows, before.windows);
    EXPECT_EQ(afterTicks.fonts, before.fonts);
    EXPECT_EQ(secondRound.fonts, before.fonts);
    ExpectSameSystemObjects(before, afterTicks);
    ExpectSameSystemObjects(before, secondRound);
    EXPECT_GT(before.privateBytes, 0u);
    // The heap may settle by a few pages (glyphs of new hour names, the date at midnight); a leak
    // of a few hundred bytes a tick shows in the short run, of a few bytes in a day's run.
    EXPECT_LT(afterTicks.privateBytes, before.privateBytes + 256 * 1024);
    EXPECT_LT(secondRound.privateBytes, firstRound.privateBytes + 64 * 1024);
}

}  // namespace
