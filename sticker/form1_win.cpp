#include "sticker/form1_win.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "settings/forms.h"
#include "sticker/clock_labels.h"
#include "sticker/compose.h"
#include "sticker/form4_win.h"

namespace sticker {

using calendar::Moment;
namespace {

// Posted by the tick that finds the date out of range: the message box has a modal loop of
// its own, and opened inside the tick it would hold the clock still while it is open.
constexpr UINT kShowRangeMessage = WM_APP + 17;

constexpr MainFacePart kLabels[] = {MainFacePart::Clock, MainFacePart::DateBlock,
                                    MainFacePart::PillarLines};

}  // namespace

ui::WindowDesc Form1Description() {
    ui::WindowDesc d;
    d.className = std::string(kForm1Class);
    d.caption = std::string(kProductName);
    d.width = 333;
    d.height = 168;
    d.style = kFaceStyle;
    d.exStyle = WS_EX_CONTROLPARENT;
    d.systemBackground = false;
    d.background = settings::kDefaultTextColour;
    d.colourKey = true;
    d.icon = "AAAAA_APPICON";
    d.doubleClicks = true;  // a double click opens the month view
    const COLORREF text = ColoursForText(settings::kDefaultTextColour).text;
    using ui::ControlKind;
    d.controls = {
        ui::Describe(ControlKind::Label, MainFacePart::Clock, "Label1", 6, 0, 314, 56)
            .Font("Microsoft YaHei,38,1")
            .Colour(text)
            .LiveTail(2),  // the seconds
        ui::Describe(ControlKind::Label, MainFacePart::DateBlock, "Label2", 9, 56, 314, 69)
            .Font("SimSun,12,1")
            .Colour(text),
        ui::Describe(ControlKind::Label, MainFacePart::PillarLines, "Label3", 10, 124, 314, 40)
            .Font("SimSun,12,1")
            .Colour(text),
    };
    return d;
}

Form1::Form1(FaceHost& host) : WindowOf(host, Form1Description(), kMenuIds) {}

void Form1::OnCreate() {
    host_.windows.Track(*this);
    Face::OnCreate();
}

void Form1::OnReady() { ComposeMainFace(); }

void Form1::ComposeMainFace() {
    PlaceAt(MainFacePosition(GetSystemMetrics(SM_CXFULLSCREEN), Scaled(description().width)));
    const Moment now = host_.clock.Now();
    const settings::StickerSettings stored = settings::LoadStickerSettings(host_.store, now.today);
    host_.schedule = stored.schedule;
    host_.proposals = stored.proposals;
    host_.desktop = settings::LoadDesktopSettings(host_.store);
    ApplyTextColour(stored.textColour);
    ComposeDate(now);
    if (GoToRememberedPlace()) host_.FaceCentre = WindowCentre(hwnd());
}

void Form1::WriteDate(const Moment& now, bool newDate) {
    const MainFaceTexts texts = ComposeMainFaceTexts(now);
    if (texts.InRange()) {
        SetText(MainFacePart::DateBlock, texts.dateBlock);
        KeepTextOnMonitor();
        return;
    }
    // The message once per date: a second time change on the same day does not repeat it.
    if (newDate && rangeMessage_.empty()) {
        rangeMessage_ = texts.message;
        PostMessageW(hwnd(), kShowRangeMessage, 0, 0);
    }
}

bool Form1::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (msg != kShowRangeMessage) return Face::OnMessage(msg, wp, lp, result);
    // The clock goes on ticking in the box's own loop while the box is open.
    const std::string message = std::exchange(rangeMessage_, std::string());
    if (!message.empty()) host_.dialogs.showMessage(hwnd(), message, kRangeCaption);
    return true;
}

FacePosition Form1::PlacementOn(const RECT& work) const {
    const FacePosition at = MainFacePosition(work.right - work.left, Scaled(description().width));
    return {work.left + at.left, work.top + at.top};
}

RECT Form1::Grip() const {
    // The clock is what the user drags the main face by.
    RECT r = control(MainFacePart::Clock).rect;
    MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Form1::OnPlaced() {
    host_.FaceCentre = WindowCentre(hwnd());
    textRight_ = -1;
    KeepTextOnMonitor();
}

void Form1::KeepTextOnMonitor() {
    if (!placed() || IsIconic(hwnd())) return;
    int right = 0;
    for (const MainFacePart part : kLabels)
        if (const ui::Control& label = control(part); !label.text.empty())
            right = std::max<int>(right, label.TextExtent().right);
    // The clock changes every second, its width hardly ever: most ticks end here.
    if (right == textRight_) return;
    textRight_ = right;
    POINT origin{0, 0};
    ClientToScreen(hwnd(), &origin);
    RECT window{};
    GetWindowRect(hwnd(), &window);
    // Where the text would end with the face at its place.
    const FacePosition at = anchor();
    const int end = at.left + (origin.x - window.left) + right;
    const int left = at.left - std::max(0, end - static_cast<int>(placedOn().right));
    if (window.left != left || window.top != at.top)
        SetWindowPos(hwnd(), nullptr, left, at.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::ApplyTextColour(std::uint32_t colour) {
    const FaceColours colours = ColoursForText(colour);
    for (const MainFacePart label : kLabels) SetColour(label, colours.text);
    SetBackground(colours.background);
    ApplyLook();
}

void Form1::WriteClock(const Moment& now) {
    const MainClockTexts texts = ComposeMainClockTexts(now);
    SetText(MainFacePart::Clock, texts.clock);
    SetText(MainFacePart::PillarLines, texts.pillarLines);
    KeepTextOnMonitor();
}

void Form1::OnFaceAction(FaceAction action) {
    switch (action) {
        case FaceAction::SwitchFace:
            ShowWindow(hwnd(), SW_MINIMIZE);
            break;
        case FaceAction::TextColour:
            ChooseTextColour();
            break;
        case FaceAction::Close:
            RequestClose();
            break;
        default:
            break;
    }
}

void Form1::ChooseTextColour() {
    const std::optional<std::uint32_t> colour = host_.dialogs.chooseColour(hwnd());
    if (!colour) return;
    ApplyTextColour(*colour);
    settings::WriteSetting(host_.store, settings::kSettingsKey, settings::kColourValue,
                           settings::ColourText(*colour));
}

bool Form1::DragsFrom(const ui::Control& hit) const { return Is(hit, MainFacePart::Clock); }

bool Form1::OpensMenuFrom(const ui::Control& hit) const {
    return hit.desc.kind == ui::ControlKind::Label;
}

// The date block: where the date is read, the month around it is asked for.
bool Form1::OpensMonthFrom(const ui::Control& hit) const {
    return Is(hit, MainFacePart::DateBlock);
}

void Form1::OnMinimised() {
    bool created = false;
    ui::Window* face = host_.windows.Open(kForm4Class, &created);
    // Its own composition then moves it to the top-right corner.
    if (face && created) CentreWindowOn(face->hwnd(), host_.FaceCentre);
}

void Form1::OnRestored() {
    host_.windows.Close(kForm4Class);
    if (const std::optional<RECT> corner = TakePendingCorner()) {
        PlaceAt(PlacementOn(*corner));
        return;
    }
    // Back at its place unless the alternate face was dragged since, or the main face before.
    const bool home = placed() && host_.FaceCentre == FaceCentreOf(anchor().left, anchor().top,
                                                                   Scaled(description().width),
                                                                   Scaled(description().height));
    if (!home) {
        CentreWindowOn(hwnd(), host_.FaceCentre);
        Unplace();
    }
    KeepOnScreen(true);
}

void Form1::OnDestroy() {
    Face::OnDestroy();
    PostQuitMessage(0);
}

}  // namespace sticker
