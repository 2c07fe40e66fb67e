#pragma once
// What the two faces share: a one-second timer, the tooltip over the whole face, a popup menu
// under the cursor, dragging (which moves FaceCentre with the window) and a date block composed
// again once the date is stale, on a tick, a time change or a resume. A face fills in what it
// shows, which of its controls drag it or open its menu, and what its own commands do.
#include <windows.h>

#include <chrono>
#include <optional>
#include <span>

#include "sticker/app_win.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "ui/tooltip.h"
#include "ui/window.h"

namespace sticker {

enum class FaceAction {
    Notes,
    SwitchFace,
    TextColour,
    Tools,
    About,
    Close,
    StartWithSystem,
    NoStartWithSystem
};

// One popup menu item; the faces number the same actions differently.
struct FaceCommand {
    UINT id;
    FaceAction action;
    const char* icon;
    const char* caption;
};

class Face : public ui::Window {
public:
    static constexpr UINT_PTR kTimer1 = 1;

    const ui::Timer& timer() const { return timer_; }
    HMENU menu() const { return menu_.handle(); }
    HWND tooltip() const { return tooltip_.hwnd(); }
    // The date the date block was last written for; empty until the face is composed.
    std::optional<std::chrono::sys_days> composedFor() const { return composedFor_; }

protected:
    Face(App& app, ui::WindowDesc desc);

    virtual std::span<const FaceCommand> Commands() const = 0;
    // Switching faces and closing differ per face, and so does anything else a face adds.
    // These may destroy the window and with it this object.
    virtual void OnFaceAction(FaceAction action) = 0;
    virtual bool DragsFrom(const ui::Control& /*hit*/) const { return true; }
    virtual bool OpensMenuFrom(const ui::Control& /*hit*/) const { return true; }
    // Runs first in each new second; returns the moment the face then shows.
    virtual Moment OnNewSecond(const Moment& now) { return now; }
    virtual void WriteClock(const Moment& now) = 0;
    // newDate is false when the same date is written again, as after a time change.
    virtual void WriteDate(const Moment& now, bool newDate) = 0;
    virtual void OnMinimised() {}
    virtual void OnRestored() {}

    // Writes the date block as for a new date.
    void ComposeDate(const Moment& now);

    void OnCreate() override;
    void OnShown() override;
    void OnTimer(UINT_PTR id) override;
    void OnCommand(UINT id) override;
    void OnDpiChanged() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
    void OnDestroy() override;

    App& app_;

private:
    void Tick();
    void RefreshDate(const Moment& now);
    void ShowMenuAtCursor();
    void SetUpTooltip();
    void BuildMenu();
    RECT ClientArea() const;

    ui::Timer timer_;
    ui::PopupMenu menu_;
    ui::Tooltip tooltip_;
    std::optional<std::chrono::sys_days> composedFor_;
    std::optional<Moment> lastTick_;
    bool minimised_ = false;
};

}  // namespace sticker
