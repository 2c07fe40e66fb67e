#include "app/speech_win.h"

#include <windows.h>
#include <objbase.h>
#include <gtest/gtest.h>

#include <chrono>

#include "app/clock_win.h"
#include "app/sound_win.h"

namespace app {
namespace {

using namespace std::chrono;

TEST(Announce, MissingSpeechObjectDropsTheSentenceQuietly) {
    EXPECT_FALSE(Announce("现在是7点整", L"Tavelon.NoSuchVoice"));
    EXPECT_FALSE(Announce("现在是7点整", L""));
}

TEST(Announce, ObjectWithoutSpeakDropsTheSentenceQuietly) {
    // An automation object that exists in a plain prefix but has no "Speak" method (or is
    // missing altogether): either way nothing is spoken and nothing is shown.
    EXPECT_FALSE(Announce("7点0分到了", L"Scripting.Dictionary"));
}

TEST(Announce, TheRealVoiceReturnsAndLeavesComAsItWas) {
    // Whether this prefix can speak or not, the call returns and the sticker goes on.
    const auto start = steady_clock::now();
    SapiVoice voice;
    voice.Speak("现在是0点整");
    voice.Speak("");
    EXPECT_LT(steady_clock::now() - start, seconds{60});
    // Each sentence balances its own COM initialisation: the thread is uninitialised again,
    // so it may still choose the multithreaded model.
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(hr, S_OK);
    if (SUCCEEDED(hr)) CoUninitialize();
}

TEST(ResourceSoundPlayer, MissingSoundReturnsAtOnce) {
    // A sound that is not there must not hold up the tick that asked for it.
    const auto start = steady_clock::now();
    ResourceSoundPlayer player;
    player.Play("WAV_NO_SUCH_SOUND");
    EXPECT_LT(steady_clock::now() - start, milliseconds{500});
}

// The system's local time as a moment, for comparison.
calendar::Moment SystemMoment() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return *calendar::MomentOf(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

bool NotLater(const calendar::Moment& a, const calendar::Moment& b) {
    return a.today < b.today || (a.today == b.today && a.timeOfDay <= b.timeOfDay);
}

TEST(LocalClock, ReadsTheSystemClock) {
    // Read between two readings of the system clock, so that it holds across midnight too.
    const calendar::Moment before = SystemMoment();
    const calendar::Moment now = LocalClock().Now();
    const calendar::Moment after = SystemMoment();
    EXPECT_TRUE(NotLater(before, now));
    EXPECT_TRUE(NotLater(now, after));
    EXPECT_GE(now.timeOfDay, seconds{0});
    EXPECT_LT(now.timeOfDay, hours{24});
}

}  // namespace
}  // namespace app
