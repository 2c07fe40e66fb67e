#pragma once
// The alternate face: a square picture with a large clock and four text blocks in fixed
// colours. It is shown while the main face is minimised (the main face keeps ticking, so the
// chime and the alarms go on) and it never announces anything itself.
#include <windows.h>

#include <span>

#include "sticker/face_win.h"
#include "ui/window.h"

namespace sticker {

inline constexpr std::string_view kForm4Class = "Tavelon.Form4";

class Form4 final : public Face {
public:
    // The menu's command ids.
    enum Command : UINT {
        kMonth = 110,
        kNotes = 102,
        kSwitchFace = 103,
        kTools = 104,
        kAbout = 105,
        kClose = 106,
        kStartWithSystem = 107,
        kNoStartWithSystem = 108,
    };

    explicit Form4(FaceHost& host);

    // Places the window at the top-right corner and writes Label2..Label4; FaceCentre stays.
    void ComposeAlternateFace();

protected:
    void OnReady() override;

private:
    std::span<const FaceCommand> Commands() const override;
    void OnFaceAction(FaceAction action) override;
    // Anywhere on the picture, the labels over it included.
    bool OpensMonthFrom(const ui::Control& /*hit*/) const override { return true; }
    void WriteClock(const calendar::Moment& now) override;
    void WriteDate(const calendar::Moment& now, bool newDate) override;
    FacePosition PlacementOn(const RECT& workArea) const override;
};

ui::WindowDesc Form4Description();

}  // namespace sticker
