// The reminders window, the month view and the day's note list a year's reminders on every
// opening and every new day: 200 reminders must take well under a millisecond.
#include <benchmark/benchmark.h>

#include "remind/reminder.h"
#include "remind/reminders_file.h"

namespace {

std::vector<remind::Reminder> TwoHundredReminders() {
    std::vector<remind::Reminder> reminders;
    for (int i = 0; i < 200; ++i) {
        const int month = i % 12 + 1;
        const int day = i % 30 + 1;
        remind::Rule rule{remind::RuleKind::LunarYearly, 0, month, day, i % 7 == 0};
        if (i % 3 == 1) rule = {remind::RuleKind::GregorianYearly, 0, month, day % 28 + 1, false};
        if (i % 10 == 9) rule = {remind::RuleKind::Once, 2026 + i % 3, month, day % 28 + 1, false};
        reminders.push_back({"提醒" + std::to_string(i), rule, i % 4});
    }
    return reminders;
}

void BM_OccurrencesInYear200(benchmark::State& state) {
    const auto reminders = TwoHundredReminders();
    for (auto _ : state) benchmark::DoNotOptimize(remind::OccurrencesInYear(reminders, 2027));
}
BENCHMARK(BM_OccurrencesInYear200)->Unit(benchmark::kMicrosecond);

// Read on every opening of the window and every new day, written on every save.
void BM_ReminderFileRoundTrip200(benchmark::State& state) {
    remind::ReminderFile file;
    for (const remind::Reminder& r : TwoHundredReminders()) file.lines.push_back({"", r});
    const std::string text = remind::ReminderFileText(file);
    for (auto _ : state)
        benchmark::DoNotOptimize(remind::ReminderFileText(remind::ParseReminderFile(text)));
}
BENCHMARK(BM_ReminderFileRoundTrip200)->Unit(benchmark::kMicrosecond);

}  // namespace
