#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "app/announcement_queue.h"
#include "app/ticker.h"
#include "tests/support/fakes.h"

namespace app {
namespace {

using calendar::Moment;
using namespace std::chrono;
using namespace std::chrono_literals;

// Writes what it hears as "S hh:mm:ss" and "D yyyy-mm-dd day numbers".
struct Log final : calendar::TickListener {
    explicit Log(std::string name, std::vector<std::string>& into) : name(std::move(name)), into(into) {}
    void OnSecond(const Moment& now) override {
        into.push_back(name + " S " + std::to_string(now.timeOfDay.count()));
        if (onSecond) onSecond();
    }
    void OnNewDay(const Moment& now) override {
        into.push_back(name + " D " + std::to_string(now.today.time_since_epoch().count()));
    }
    std::string name;
    std::vector<std::string>& into;
    std::function<void()> onSecond;
};

TEST(Ticker, TellsEachSecondOnceAndEachNewDayBeforeItsFirstSecond) {
    fakes::FixedClock clock(Moment{sys_days{days{100}}, 86399s});
    Ticker ticker(clock);
    std::vector<std::string> heard;
    Log a("a", heard), b("b", heard);
    ticker.Subscribe(a);
    ticker.Subscribe(b);
    ticker.Subscribe(a);  // once is enough
    ticker.Tick();
    ticker.Tick();  // the same second again: nothing
    clock.Advance(1s);
    ticker.Tick();
    // A resume or a time change may move the date: told at once, and not again by the next tick.
    clock.Set(Moment{sys_days{days{105}}, 60s});
    ticker.DateMayHaveChanged();
    ticker.Tick();
    EXPECT_EQ(heard, (std::vector<std::string>{"a S 86399", "b S 86399", "a D 101", "b D 101",
                                               "a S 0", "b S 0", "a D 105", "b D 105", "a S 60",
                                               "b S 60"}));
}

TEST(Ticker, AListenerMayUnsubscribeItselfAndOthersWhileHearing) {
    fakes::FixedClock clock(Moment{sys_days{days{0}}, 0s});
    Ticker ticker(clock);
    std::vector<std::string> heard;
    Log a("a", heard), b("b", heard), c("c", heard);
    for (Log* l : {&a, &b, &c}) ticker.Subscribe(*l);
    a.onSecond = [&] {
        ticker.Unsubscribe(a);
        ticker.Unsubscribe(b);
    };
    ticker.Tick();
    clock.Advance(1s);
    ticker.Tick();
    EXPECT_EQ(heard, (std::vector<std::string>{"a S 0", "c S 0", "c S 1"}));
}

// A voice that takes its time, and notes whether two services ever ran at once.
class SlowServices final : public sticker::Voice, public sticker::SoundPlayer {
public:
    void Speak(std::string_view s) override { Run(sticker::SpeakAction(s)); }
    void Play(std::string_view s) override { Run(sticker::PlayAction(s)); }
    std::vector<sticker::Action> played;
    std::atomic<int> running{0};
    std::atomic<bool> overlapped{false};
    std::atomic<bool> started{false};

private:
    void Run(sticker::Action a) {
        if (running.fetch_add(1) != 0) overlapped = true;
        started = true;
        std::this_thread::sleep_for(100ms);
        played.push_back(std::move(a));
        running.fetch_sub(1);
    }
};

// The order through the main face is the Wine tests'; here, what a clock cannot show: one
// service at a time, a caller never held, and what has not begun dropped at exit.
TEST(AnnouncementQueue, PlaysOneAtATimeAndDropsWhatHasNotBegunAtExit) {
    SlowServices services;
    {
        AnnouncementQueue queue(services, services);
        const auto before = steady_clock::now();
        queue.Announce({sticker::PlayAction("WAV_ZDSEN"), sticker::SpeakAction("现在是7点整")});
        queue.Announce(std::vector<sticker::Action>(50, sticker::SpeakAction("现在是0点整")));
        EXPECT_LT(steady_clock::now() - before, 100ms);  // a caller that waited would take 200 ms
        while (!services.started) std::this_thread::yield();
        std::this_thread::sleep_for(250ms);
    }
    EXPECT_FALSE(services.overlapped);
    // The one playing finished; the rest never started.
    ASSERT_GE(services.played.size(), 2u);
    EXPECT_LT(services.played.size(), 52u);
    EXPECT_EQ(services.played[1], sticker::SpeakAction("现在是7点整"));
    EXPECT_EQ(services.running, 0);
}

}  // namespace
}  // namespace app
