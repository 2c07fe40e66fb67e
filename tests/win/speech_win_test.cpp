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
    ResourceSoundPlayer player;
    player.Play("WAV_NO_SUCH_SOUND");
    SUCCEED();
}

TEST(LocalClock, AgreesWithTheSystemClock) {
    SYSTEMTIME before{};
    GetLocalTime(&before);
    const calendar::Moment now = LocalClock().Now();
    const year_month_day date{now.today};
    EXPECT_EQ(int(date.year()), before.wYear);
    EXPECT_GE(now.timeOfDay, seconds{0});
    EXPECT_LT(now.timeOfDay, hours{24});
}

}  // namespace
}  // namespace app
