#pragma once
// What the two faces share: a tick each second of the program clock, the tooltip over the whole
// face, a popup menu under the cursor, dragging (which moves FaceCentre with the window), a date
// block composed again once the date is stale, on a tick or a new-day event, and a place on a
// screen kept when the screens change. The main face's timer drives the program clock. A face fills in what it shows, where its place is, which of
// its controls drag it or open its menu, and what its own commands do.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "calendar/moment.h"
#include "calendar/program_clock.h"
#include "settings/desktop.h"
#include "settings/schedule.h"
#include "settings/forms.h"
#include "settings/start_with_system.h"
#include "settings/store.h"
#include "sticker/chime.h"
#include "sticker/compose.h"
#include "ui/dialogs.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "ui/tooltip.h"
#include "ui/window.h"
#include "ui/window_registry.h"

namespace sticker {

enum class FaceAction {
    Notes,
    SwitchFace,
    TextColour,
    Tools,
    About,
    Close,
    StartWithSystem,
    NoStartWithSystem,
    Month,
    Remind,
    Settings,  // the 设置 submenu: an item that opens it, with no command of its own
};

class Face;

// What the faces need of the program around them, provided by the program shell for the whole
// run. The faces read the schedule the tools window edits, and keep FaceCentre between them.
struct FaceHost {
    calendar::Clock& clock;
    calendar::ProgramClock& ticks;
    settings::SettingsStore& store;
    settings::Schedule& schedule;
    settings::AlarmProposals& proposals;
    const settings::ProgramPath& program;
    ui::Dialogs& dialogs;
    ui::WindowRegistry& windows;
    FacePoint FaceCentre{};  // screen centre of the face last placed or dragged
    // Opens, or brings to the front, the window of a menu command that is not a face's own:
    // the notes, the tools, the about window, the month view.
    std::function<void(FaceAction)> openWindow;
    // The desktop options both faces follow, as stored; read by the program shell at start.
    settings::DesktopSettings desktop{};
    // Calls its argument with each open face, so an option takes effect on both at once.
    std::function<void(const std::function<void(Face&)>&)> eachFace;
};

inline constexpr std::string_view kProductName = "Tavelon";

// Both faces: a pop-up without border or caption, with the system menu and the minimise and
// maximise capability, clipping its children and siblings.
inline constexpr DWORD kFaceStyle =
    WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Sent by a second start of the program to the face it finds running: a face that is off every
// screen comes back into view.
inline constexpr UINT kComeIntoViewMessage = WM_APP + 16;

// The feature list shown by both faces' balloon tooltip: its title line and the lines below.
inline constexpr std::string_view kFaceTooltipTitle = "显示：";
extern const std::string_view kFaceTooltipBody;
inline constexpr std::string_view kFaceTooltipFont = "Microsoft YaHei,9";

// The delay that re-arms a one-second timer for the next second boundary: ticks stay one per
// second instead of drifting by each tick's own length until a second is skipped. The margin
// covers the timer's coarse resolution, so a tick never fires just before its boundary.
inline constexpr int kTickMarginMs = 20;
UINT NextTickDelay(int millisecondsIntoSecond);
// The millisecond part of the real local time.
int MillisecondsIntoSecond();

// The centre of a window's rectangle on the screen.
FacePoint WindowCentre(HWND hwnd);
// Moves a window so that its centre lies on point.
void CentreWindowOn(HWND hwnd, FacePoint point);
// The work area of the monitor nearest to a window.
RECT NearestWorkArea(HWND hwnd);

// One item of the faces' popup menu and its command id on each face. The alternate face leaves
// out the text colour, so its ids from there on are one lower than the main face's; the month
// view, the last action added, has the same id on both.
struct FaceMenuItem {
    FaceAction action;
    const char* icon;
    const char* caption;
    UINT mainId;       // on the main face
    UINT alternateId;  // on the alternate face; 0 where it does not offer the action
};

// Both faces' menu, in its order.
inline constexpr FaceMenuItem kFaceMenu[] = {
    {FaceAction::Month, "ICON_MONTH", "月历", 110, 110},
    {FaceAction::Remind, "ICON_REMIND", "提醒", 111, 111},
    {FaceAction::Notes, "ICON_HELP", "科普", 102, 102},
    {FaceAction::SwitchFace, "ICON_BL", "变脸", 103, 103},
    {FaceAction::TextColour, "ICON_ZS", "字色", 104, 0},
    {FaceAction::Tools, "ICON_TOOL", "工具", 105, 104},
    {FaceAction::Settings, "ICON_SET", "设置", 119, 119},
    {FaceAction::About, "ICON_ABOUT", "关于", 106, 105},
    {FaceAction::Close, "ICON_ESC", "关闭", 107, 106},
    {FaceAction::StartWithSystem, "ICON_RUNSETUP", "设为开机启动", 108, 107},
    {FaceAction::NoStartWithSystem, "ICON_RERUNSETUP", "取消开机启动", 109, 108},
};

// Which of the two id columns a face numbers its commands by.
using FaceMenuColumn = UINT FaceMenuItem::*;

// The command id of an action on a face; 0 where the face does not offer it.
constexpr UINT CommandId(FaceMenuColumn face, FaceAction action) {
    for (const FaceMenuItem& item : kFaceMenu)
        if (item.action == action) return item.*face;
    return 0;
}

class Face : public ui::Window, public calendar::TickListener {
public:
    static constexpr UINT_PTR kTimer1 = 1;

    const ui::Timer& timer() const { return timer_; }
    HMENU menu() const { return menu_.handle(); }
    HWND tooltip() const { return tooltip_.hwnd(); }
    // The date the date block was last written for; empty until the face is composed.
    std::optional<std::chrono::sys_days> composedFor() const { return composedFor_; }
    // Whether the face stands where the program put it (rather than the user), and that place.
    bool placed() const { return placed_; }
    FacePosition anchor() const { return anchor_; }
    // The work area of the monitor the face was last placed on.
    const RECT& placedOn() const { return placedOn_; }
    // Whether the face is hidden for a full-screen window in front of it.
    bool hiddenForFullScreen() const { return hiddenForFullScreen_; }

    // The menu again, its check marks and monitors as they are now.
    void RefreshMenu() { BuildMenu(); }
    // Follows the desktop options now in the host: the opacity, clicks passing through, hiding
    // for a full screen, the menu's check marks.
    void ApplyDesktop();
    // Puts the face at its corner on the monitor of that work area; a minimised face goes
    // there when it is restored.
    void GoToCorner(const RECT& workArea);
    // Stores where the face stands as its place, when places are remembered.
    void RememberPlace();

    ~Face() override;

protected:
    Face(FaceHost& host, ui::WindowDesc desc, FaceMenuColumn menuIds);

    // Switching faces and closing differ per face, and so does anything else a face adds.
    // These may destroy the window and with it this object.
    virtual void OnFaceAction(FaceAction action) = 0;
    // The main face's timer is the program's one clock; the other face only listens to it.
    virtual bool DrivesClock() const { return false; }
    virtual bool DragsFrom(const ui::Control& /*hit*/) const { return true; }
    virtual bool OpensMenuFrom(const ui::Control& /*hit*/) const { return true; }
    // A double click there opens the month view.
    virtual bool OpensMonthFrom(const ui::Control& /*hit*/) const { return false; }
    virtual void WriteClock(const calendar::Moment& now) = 0;
    // newDate is false when the same date is written again, as after a time change.
    virtual void WriteDate(const calendar::Moment& now, bool newDate) = 0;
    virtual void OnMinimised() {}
    virtual void OnRestored() {}
    // The main face's place is P1, the alternate face's P4.
    virtual bool IsMainFace() const { return false; }

    // Where the face goes by its placement rule on a monitor with this work area.
    virtual FacePosition PlacementOn(const RECT& workArea) const = 0;
    // The part of the face a user takes hold of; the face is on a screen while its centre lies
    // on a monitor's work area.
    virtual RECT Grip() const;
    // After the face has been put at its place (not by the user) or moved for another DPI.
    virtual void OnPlaced() {}

    // Writes the date block as for a new date.
    void ComposeDate(const calendar::Moment& now);
    // The colour key (the background) with the opacity of the desktop options, and clicks
    // passing through or not; again after each change of the background, which sets the key
    // alone.
    void ApplyLook();
    // At the start: to the place remembered for this face, kept on screen; false when there
    // is none (or places are not remembered) and the face stays at its corner.
    bool GoToRememberedPlace();
    // A corner the face was sent to while minimised, once: where it goes when restored.
    std::optional<RECT> TakePendingCorner() { return std::exchange(pendingCorner_, std::nullopt); }
    // Puts the face at a place of the program's choosing: it stays there, and follows its rule
    // when the screens change, until the user drags it elsewhere.
    void PlaceAt(FacePosition at);
    void Unplace() { placed_ = false; }
    // On a change of the screens: a face at its place takes its place on the monitor nearest
    // to it (followRule) and a face off every screen goes back to its place; a face the user
    // put where it can be seen stays.
    void KeepOnScreen(bool followRule);

    void OnCreate() override;
    void OnShown() override;
    void OnTimer(UINT_PTR id) override;
    void OnCommand(UINT id) override;
    void OnDpiChanged() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnDestroy() override;
    void OnSecond(const calendar::Moment& now) override;
    void OnNewDay(const calendar::Moment& now) override;

    FaceHost& host_;

private:
    const FaceMenuColumn menuIds_;
    void RefreshDate(const calendar::Moment& now);
    void ShowMenuAtCursor();
    void OnLeftButton(POINT at, bool doubleClick);
    void OnMouseMove(POINT at, WPARAM buttons);
    void Drag();  // the system's move loop; FaceCentre follows the window
    void SetUpTooltip();
    void BuildMenu();
    void OnDesktopCommand(UINT id);
    void FollowFullScreen();
    RECT ClientArea() const;

    ui::Timer timer_;
    ui::PopupMenu menu_;
    ui::Tooltip tooltip_;
    std::optional<std::chrono::sys_days> composedFor_;
    std::optional<POINT> armedAt_;  // a press that drags once the mouse moves (client point)
    bool minimised_ = false;
    bool ticking_ = false;
    bool placed_ = false;
    bool hiddenForFullScreen_ = false;
    FacePosition anchor_;
    RECT placedOn_{};
    std::optional<RECT> pendingCorner_;
};

}  // namespace sticker
