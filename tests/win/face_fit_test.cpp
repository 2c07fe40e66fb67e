// Every text of both faces whole on the screen, for every day of the range and every two-hour
// period: the composed texts go through the real labels (their fonts, sizes and fitting) at
// 96 and 144 DPI, and the main face keeps them on its monitor. Each day is composed once; the
// hour changes only the clock labels, whose texts repeat and are fitted once per text.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <algorithm>
#include <cstdio>
#include <string>
#include <unordered_map>

#include "calendar/range.h"
#include "sticker/clock_labels.h"
#include "sticker/compose.h"
#include "tests/win/fixture.h"
#include "ui/dpi.h"
#include "ui/font.h"

namespace {

using namespace std::chrono;
using tavelon_test::At;
using tavelon_test::Sticker;

std::string DayText(sys_days day) {
    const year_month_day ymd{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(ymd.year()), unsigned(ymd.month()),
                  unsigned(ymd.day()));
    return text;
}

// How a label took a text: whether it fits, the step of its font, and where its text ends.
struct Taken {
    bool fits = true;
    int percent = 100;  // the font step, in percent of the label's own size
    int spare = 0;      // pixels between the widest line and the label's edges
    RECT box{};         // the text's extent in the face's client area
};

// One DPI: both faces, each at its place, and what their labels made of each text so far.
class Rig {
public:
    explicit Rig(UINT dpi) : sticker_(At(2026, 12, 13, 22, 0, 0)), dpi_(dpi) {
        main_ = &sticker_.Start();
        alt_ = static_cast<sticker::Form4*>(sticker_.Open(sticker::kForm4Class));
        if (dpi != ui::kBaseDpi) {
            for (ui::Window* face :
                 {static_cast<ui::Window*>(main_), static_cast<ui::Window*>(alt_)}) {
                const RECT r = tavelon_test::WindowRect(face->hwnd());
                RECT suggested{r.left, r.top, r.left + ui::Scale(face->description().width, dpi),
                               r.top + ui::Scale(face->description().height, dpi)};
                SendMessageW(face->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                             reinterpret_cast<LPARAM>(&suggested));
            }
            // Placed again by their rules for this DPI.
            main_->ComposeMainFace();
            alt_->ComposeAlternateFace();
        }
        work_ = sticker::NearestWorkArea(main_->hwnd());
        // Hidden, the faces are not repainted for each text: the sweep stays quick.
        ShowWindow(main_->hwnd(), SW_HIDE);
        ShowWindow(alt_->hwnd(), SW_HIDE);
    }
    UINT dpi() const { return dpi_; }
    sticker::Form1& main() { return *main_; }
    sticker::Form4& alt() { return *alt_; }

    Taken Take(ui::Window& face, ui::Control& label, const std::string& text) {
        face.SetText(label, text);
        const ui::Control& c = label;
        Taken t;
        t.fits = c.fit.fits && !c.fit.cut;
        t.percent = static_cast<int>(100 * ui::ParseFontSpec(c.fit.font).points /
                                         ui::ParseFontSpec(c.desc.font).points +
                                     0.5);
        t.spare = (c.rect.right - c.rect.left) - c.fit.widest;
        t.box = c.TextExtent();
        return t;
    }
    // The same for a label whose texts repeat: each text is fitted once.
    Taken TakeOnce(ui::Window& face, ui::Control& label, const std::string& text) {
        auto& seen = seen_[face.description().className + label.desc.name];
        if (auto it = seen.find(text); it != seen.end()) return it->second;
        return seen.emplace(text, Take(face, label, text)).first->second;
    }

    // Whether every text of the main face lies inside its monitor's work area once the face
    // has kept its text there. Where the face stands depends only on how far right its text
    // reaches, so each such extent is tried once.
    bool MainTextOnMonitor(const std::string& clock, const std::string& pillarLines, int right) {
        if (auto it = onMonitor_.find(right); it != onMonitor_.end()) return it->second;
        main_->SetText(sticker::MainFacePart::Clock, clock);
        main_->SetText(sticker::MainFacePart::PillarLines, pillarLines);
        main_->KeepTextOnMonitor();
        POINT origin{0, 0};
        ClientToScreen(main_->hwnd(), &origin);
        bool inside = true;
        for (const ui::Control& label : main_->controls()) {
            const RECT box = label.TextExtent();
            inside &= origin.x + box.left >= work_.left && origin.x + box.right <= work_.right;
        }
        return onMonitor_[right] = inside;
    }

private:
    Sticker sticker_;
    UINT dpi_;
    sticker::Form1* main_ = nullptr;
    sticker::Form4* alt_ = nullptr;
    RECT work_{};
    std::unordered_map<std::string, std::unordered_map<std::string, Taken>> seen_;
    std::unordered_map<int, bool> onMonitor_;
};

// The tightest text of the sweep: a failure first, then the smallest font step, then the
// fewest pixels to spare; the earliest day of equals.
bool Tighter(const Taken& a, const Taken& b) {
    if (a.fits != b.fits) return !a.fits;
    if (a.percent != b.percent) return a.percent < b.percent;
    return a.spare <= b.spare;
}

struct Worst {
    sys_days day{};
    std::string where;
    Taken taken;
    void Consider(sys_days d, std::string label, const Taken& t) {
        if (!where.empty() && Tighter(taken, t)) return;
        day = d, where = std::move(label), taken = t;
    }
};

TEST(FaceFit, EveryDayAndPeriodIsWholeOnBothFacesAt96And144Dpi) {
    Rig rigs[] = {Rig(96), Rig(144)};
    long long failed[2] = {0, 0}, dayHours = 0;
    Worst worst[2];
    for (sys_days day = calendar::kFirstLunarDay; day <= calendar::kLastLunarDay; day += days{1}) {
        const sticker::MainFaceTexts main = sticker::ComposeMainFaceTexts({day, seconds{0}});
        const sticker::AlternateFaceTexts alt =
            sticker::ComposeAlternateFaceTexts({day, seconds{0}});
        sticker::MainClockTexts mainClock[12];
        sticker::AlternateClockTexts altClock[12];
        for (int period = 0; period < 12; ++period) {
            const calendar::Moment at{day, hours{2 * period}};
            mainClock[period] = sticker::ComposeMainClockTexts(at);
            altClock[period] = sticker::ComposeAlternateClockTexts(at);
        }
        dayHours += 12;
        for (int r = 0; r < 2; ++r) {
            Rig& rig = rigs[r];
            bool dayFits = true;
            using Main = sticker::MainFacePart;
            using Alt = sticker::AlternateFacePart;
            const auto take = [&](ui::Window& face, ui::Control& label, const std::string& text,
                                  bool repeats) {
                const Taken t =
                    repeats ? rig.TakeOnce(face, label, text) : rig.Take(face, label, text);
                worst[r].Consider(day, face.description().className + " " + label.desc.name, t);
                return t;
            };
            sticker::Form1& mainFace = rig.main();
            sticker::Form4& altFace = rig.alt();
            const Taken dateBlock =
                take(mainFace, mainFace.control(Main::DateBlock), main.dateBlock, false);
            dayFits &= dateBlock.fits;
            dayFits &= take(altFace, altFace.control(Alt::Date), alt.date, false).fits;
            dayFits &= take(altFace, altFace.control(Alt::WeekLine), alt.weekLine, true).fits;
            dayFits &= take(altFace, altFace.control(Alt::LunarBlock), alt.lunarBlock, false).fits;
            // The period whose text reaches furthest right decides where the main face stands.
            int widest = 0, right = dateBlock.box.right, periodsFailed = 0;
            for (int period = 0; period < 12; ++period) {
                const Taken clock =
                    take(mainFace, mainFace.control(Main::Clock), mainClock[period].clock, true);
                const Taken pillarLines = take(mainFace, mainFace.control(Main::PillarLines),
                                               mainClock[period].pillarLines, true);
                bool fits = clock.fits && pillarLines.fits;
                fits &=
                    take(altFace, altFace.control(Alt::Clock), altClock[period].clock, true).fits;
                fits &=
                    take(altFace, altFace.control(Alt::HourLines), altClock[period].hourLines, true)
                        .fits;
                if (!fits || !dayFits) ++periodsFailed;
                const int reach = std::max(clock.box.right, pillarLines.box.right);
                if (reach > right || period == 0) widest = period;
                right = std::max<int>(right, reach);
            }
            if (!rig.MainTextOnMonitor(mainClock[widest].clock, mainClock[widest].pillarLines,
                                       right)) {
                periodsFailed = 12;
                worst[r].Consider(day, "main face beyond its monitor", Taken{false});
            }
            failed[r] += periodsFailed;
        }
    }
    for (int r = 0; r < 2; ++r) {
        const Worst& w = worst[r];
        std::printf(
            "%u dpi: %lld of %lld day-hours not whole; tightest %s on %s: %d %% font, "
            "%d px to spare\n",
            rigs[r].dpi(), failed[r], dayHours, w.where.c_str(), DayText(w.day).c_str(),
            w.taken.percent, w.taken.spare);
        EXPECT_EQ(failed[r], 0) << rigs[r].dpi() << " dpi, worst day " << DayText(w.day) << " ("
                                << w.where << ")";
    }
}

}  // namespace
