#include "cli/sweep.h"

#include <chrono>
#include <ostream>

#include "calendar/festivals.h"
#include "calendar/lunar.h"
#include "calendar/name_tables.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "cli/arguments.h"
#include "cli/json_text.h"

namespace cli {

namespace {

using calendar::PillarKind;
using calendar::sys_days;

// Whole chunks keep the write calls few; the size only has to dwarf one line (~1.5 kB).
constexpr std::size_t kChunkBytes = 1 << 20;

template <class Text>
void AppendField(std::string& out, std::string_view key, const Text& text) {
    out += '"';
    out += key;
    out += "\":";
    AppendJsonString(out, text);
}

// An array of texts, one per pillar kind, each made by pieceOf(kind).
template <class PieceOf>
void AppendKinds(std::string& out, PieceOf pieceOf) {
    out += '[';
    for (const calendar::PillarKind kind : calendar::kPillarKinds) {
        if (kind != calendar::kPillarKinds.front()) out += ',';
        AppendJsonString(out, pieceOf(kind));
    }
    out += ']';
}

int RunSweep(const Invocation& call) {
    ArgReader args(call);
    const auto from = args.Date("FROM");
    const auto to = args.Date("TO");
    if (!args.Done()) return kExitUsage;
    if (!CheckLunarRange(*from, call.err) || !CheckLunarRange(*to, call.err)) return kExitUsage;
    if (*from > *to) return UsageError(call, "FROM is after TO");

    std::string chunk;
    chunk.reserve(kChunkBytes + (kChunkBytes >> 4));
    for (sys_days day = *from; day <= *to; day += std::chrono::days{1}) {
        AppendSweepLine(chunk, day);
        if (chunk.size() >= kChunkBytes || day == *to) {
            call.out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            chunk.clear();
            // A full disk or a closed pipe ends the sweep rather than computing on for nothing.
            if (!call.out) {
                call.err << "tavelon-cal sweep: could not write the output\n";
                return kExitFailure;
            }
        }
    }
    return kExitOk;
}

}  // namespace

void AppendSweepLine(std::string& out, sys_days day) {
    const int year = static_cast<int>(std::chrono::year_month_day{day}.year());
    const int term = calendar::SolarTermIndexOn(day);

    out += '{';
    AppendField(out, "date", calendar::FormatDate(day));
    out += ',';
    AppendField(out, "lunar", calendar::LunarDateText(day));
    out += ',';
    AppendField(out, "term", term > 0 ? calendar::SolarTermName(term) : std::string_view());
    out += ',';
    AppendField(out, "festivals", calendar::DayFestivals(year, day));
    out += ",\"year\":";
    AppendKinds(out, [&](PillarKind k) { return calendar::YearPillar(year, k); });
    out += ',';
    AppendField(out, "zodiac", calendar::YearZodiac(year));
    out += ",\"month\":";
    AppendKinds(out, [&](PillarKind k) { return calendar::MonthPillar(day, k); });
    out += ",\"day\":";
    AppendKinds(out, [&](PillarKind k) { return calendar::DayPillar(day, k); });
    out += ",\"hours\":[";
    for (int hour = 0; hour < 24; hour += 2) {
        if (hour > 0) out += ',';
        const std::chrono::hours time{hour};
        AppendKinds(out, [&](PillarKind k) { return calendar::HourPillar(day, time, k); });
    }
    out += "]}\n";
}

std::span<const Command> SweepCommands() {
    static constexpr Command kCommands[] = {
        {"sweep", "FROM TO", "every field of every day from FROM to TO, one JSON line a day",
         RunSweep},
    };
    return kCommands;
}

}  // namespace cli
