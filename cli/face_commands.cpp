#include "cli/face_commands.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/today.h"
#include "sticker/chime.h"
#include "sticker/clock_labels.h"
#include "sticker/compose.h"
#include "settings/forms.h"

namespace cli {

namespace {

using std::chrono::seconds;

// The moment of --at, or the local clock; nothing after a usage error.
std::optional<calendar::Moment> MomentOption(ArgReader& args) {
    if (args.failed()) return std::nullopt;
    if (const std::string* at = args.Option("--at")) {
        std::optional<calendar::Moment> moment = calendar::ParseMoment(*at);
        if (!moment)
            args.Fail("malformed moment " + QuoteArgument(*at) + " (want \"YYYY-MM-DD HH:MM:SS\")");
        return moment;
    }
    std::optional<calendar::Moment> now = LocalMoment();
    if (!now) args.Fail("the local date is not available");
    return now;
}

// A label text on one line: the CR LF inside it written as the four characters \r\n.
void WriteLabel(std::ostream& out, std::string_view name, std::string_view text) {
    out << name << '\t';
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;) {
        out << text.substr(0, end) << "\\r\\n";
        text.remove_prefix(end + 2);
    }
    out << text << '\n';
}

int RunFaceMain(const Invocation& call) {
    ArgReader args(call);
    args.Options({"--at", "--colour"});
    const std::optional<calendar::Moment> now = MomentOption(args);
    if (!args.Done()) return kExitUsage;

    const sticker::MainFaceTexts date = sticker::ComposeMainFaceTexts(*now);
    const sticker::MainClockTexts clock = sticker::ComposeMainClockTexts(*now);
    WriteLabel(call.out, "Label1", clock.clock);
    if (date.InRange()) {
        WriteLabel(call.out, "Label2", date.dateBlock);
    } else {
        WriteLabel(call.out, "message", date.message);
    }
    WriteLabel(call.out, "Label3", clock.pillarLines);
    // The colour as the sticker would take it from a stored ZS text, with the background
    // and transparent key derived from it.
    if (const std::string* stored = args.Option("--colour")) {
        const sticker::FaceColours colours = sticker::ColoursForText(
            settings::ColourFromText(*stored).value_or(settings::kDefaultTextColour));
        call.out << "colour\t" << colours.text << "\nbackground\t" << colours.background << '\n';
    }
    return kExitOk;
}

int RunFaceAlternate(const Invocation& call) {
    ArgReader args(call);
    args.Options({"--at"});
    const std::optional<calendar::Moment> now = MomentOption(args);
    if (!args.Done()) return kExitUsage;

    const sticker::AlternateFaceTexts date = sticker::ComposeAlternateFaceTexts(*now);
    const sticker::AlternateClockTexts clock = sticker::ComposeAlternateClockTexts(*now);
    WriteLabel(call.out, "Label1", clock.clock);
    WriteLabel(call.out, "Label2", date.date);
    WriteLabel(call.out, "Label3", date.weekLine);
    WriteLabel(call.out, "Label4", date.lunarBlock);
    WriteLabel(call.out, "Label5", clock.hourLines);
    return kExitOk;
}

int RunChime(const Invocation& call) {
    ArgReader args(call);
    args.Options({"--at", "--mode", "--alarm1", "--alarm2"});
    std::optional<seconds> at;
    settings::Schedule schedule;
    if (!args.failed()) {
        const std::string* atText = args.Option("--at");
        const std::string* modeText = args.Option("--mode");
        if (!atText)
            args.Fail("missing --at HH:MM:SS");
        else if (!(at = calendar::ParseTimeOfDay(*atText)))
            args.Fail("malformed time " + QuoteArgument(*atText));
        if (!modeText) {
            args.Fail("missing --mode M");
        } else {
            const char* end = modeText->data() + modeText->size();
            const auto [ptr, ec] = std::from_chars(modeText->data(), end, schedule.ChimeMode);
            if (ec != std::errc{} || ptr != end)
                args.Fail("malformed mode " + QuoteArgument(*modeText));
        }
        for (const auto& [flag, alarm] : {std::pair{"--alarm1", &schedule.AlarmTime1},
                                          std::pair{"--alarm2", &schedule.AlarmTime2}}) {
            const std::string* text = args.Option(flag);
            if (text && !(*alarm = calendar::ParseTimeOfDay(*text))) {
                args.Fail("malformed alarm time " + QuoteArgument(*text));
            }
        }
    }
    if (!args.Done()) return kExitUsage;

    for (const sticker::Action& action : sticker::ChimeAndAlarmActions(*at, schedule)) {
        call.out << (action.kind == sticker::Action::Kind::Play ? "play " : "speak ") << action.text
                 << '\n';
    }
    return kExitOk;
}

int RunToday(const Invocation& call) {
    ArgReader args(call);
    if (!args.Done()) return kExitUsage;
    return RunTodayCalendar(call.out, call.err);
}

}  // namespace

std::string MainFaceView(const calendar::Moment& now) {
    const sticker::MainFaceTexts date = sticker::ComposeMainFaceTexts(now);
    const sticker::MainClockTexts clock = sticker::ComposeMainClockTexts(now);
    std::string view = clock.clock + "\r\n" + (date.InRange() ? date.dateBlock : date.message) +
                       "\r\n" + clock.pillarLines + "\r\n";
    std::string lines;
    for (const char c : view) {
        if (c != '\r') lines += c;
    }
    return lines;
}

int RunMainFaceNow(std::ostream& out, std::ostream& err) {
    const std::optional<calendar::Moment> now = LocalMoment();
    if (!now) {
        err << "tavelon-cal: the local date is not available\n";
        return kExitFailure;
    }
    out << MainFaceView(*now);
    return kExitOk;
}

std::span<const Command> FaceCommands() {
    static constexpr Command kCommands[] = {
        {"face main", "[--at \"YYYY-MM-DD HH:MM:SS\"] [--colour N]",
         "the main face's labels, LABEL<TAB>TEXT (CR LF as \\r\\n); --colour adds the colours of a stored ZS",
         RunFaceMain},
        {"face alt", "[--at \"YYYY-MM-DD HH:MM:SS\"]", "the alternate face's labels",
         RunFaceAlternate},
        {"chime", "--at HH:MM:SS --mode M [--alarm1 HH:MM[:SS]] [--alarm2 HH:MM[:SS]]",
         "what that second plays and speaks, in order", RunChime},
        {"today", "", "today's calendar at a glance", RunToday},
    };
    return kCommands;
}

}  // namespace cli
