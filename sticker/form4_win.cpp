#include "sticker/form4_win.h"

#include "calendar/range.h"
#include "sticker/clock_labels.h"
#include "sticker/compose.h"
#include "sticker/form1_win.h"

namespace sticker {

using calendar::Moment;
namespace {

constexpr COLORREF kKeyColour = RGB(195, 195, 195);
constexpr COLORREF kTextColour = RGB(0, 64, 128);

}  // namespace

ui::WindowDesc Form4Description() {
    ui::WindowDesc d;
    d.className = std::string(kForm4Class);
    d.caption = std::string(kProductName);
    d.width = 256;
    d.height = 256;
    d.style = kFaceStyle;
    d.exStyle = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW;
    d.systemBackground = false;
    d.background = kKeyColour;
    d.colourKey = true;
    d.icon = "AAAAA_APPICON";
    d.doubleClicks = true;  // a double click opens the month view
    using ui::ControlKind;
    using Part = AlternateFacePart;
    d.controls = {
        ui::Describe(ControlKind::Picture, Part::Picture, "Image1", 0, 0, 256, 256)
            .Caption("PNG_DZB"),
        ui::Describe(ControlKind::Label, Part::Clock, "Label1", 12, 63, 230, 56)
            .Font("Microsoft YaHei,38,1")
            .Colour(RGB(0, 229, 115))
            .LiveTail(2),  // the seconds
        ui::Describe(ControlKind::Label, Part::Date, "Label2", 40, 16, 164, 23)
            .Font("Microsoft YaHei,14")
            .Colour(kTextColour),
        ui::Describe(ControlKind::Label, Part::WeekLine, "Label3", 14, 42, 230, 20)
            .Font("Microsoft YaHei,12")
            .Colour(kTextColour),
        ui::Describe(ControlKind::Label, Part::LunarBlock, "Label4", 15, 177, 230, 63)
            .Font("Microsoft YaHei,12")
            .Colour(kTextColour),
        ui::Describe(ControlKind::Label, Part::HourLines, "Label5", 12, 129, 230, 41)
            .Font("Microsoft YaHei,11")
            .Colour(kTextColour),
    };
    return d;
}

Form4::Form4(FaceHost& host) : WindowOf(host, Form4Description(), kMenuIds) {}

void Form4::OnReady() { ComposeAlternateFace(); }

void Form4::ComposeAlternateFace() {
    PlaceAt(AlternateFacePosition(GetSystemMetrics(SM_CXFULLSCREEN), Scaled(description().width)));
    ComposeDate(host_.clock.Now());
    GoToRememberedPlace();
}

FacePosition Form4::PlacementOn(const RECT& work) const {
    const FacePosition at =
        AlternateFacePosition(work.right - work.left, Scaled(description().width));
    return {work.left + at.left, work.top + at.top};
}

void Form4::WriteDate(const Moment& now, bool /*newDate*/) {
    const AlternateFaceTexts texts = ComposeAlternateFaceTexts(now);
    SetText(AlternateFacePart::Date, texts.date);
    if (!calendar::InLunarRange(now.today)) {
        // Both labels carry the range message, too long for either: its first clause stands
        // in the week line and the rest in the lunar block, so it reads whole, once.
        const RangeMessageParts parts = SplitRangeMessage(texts.weekLine);
        SetText(AlternateFacePart::WeekLine, parts.head);
        SetText(AlternateFacePart::LunarBlock, parts.tail);
        return;
    }
    SetText(AlternateFacePart::WeekLine, texts.weekLine);
    SetText(AlternateFacePart::LunarBlock, texts.lunarBlock);
}

void Form4::WriteClock(const Moment& now) {
    const AlternateClockTexts texts = ComposeAlternateClockTexts(now);
    SetText(AlternateFacePart::Clock, texts.clock);
    SetText(AlternateFacePart::HourLines, texts.hourLines);
}

void Form4::OnFaceAction(FaceAction action) {
    // Destroying the window frees this object: only the local reference is used after it.
    ui::WindowRegistry& windows = host_.windows;
    switch (action) {
        case FaceAction::SwitchFace:
            DestroyWindow(hwnd());
            windows.Open(kForm1Class);
            break;
        case FaceAction::Close:
            DestroyWindow(hwnd());
            windows.Close(kForm1Class);
            break;
        default:
            break;
    }
}

}  // namespace sticker
