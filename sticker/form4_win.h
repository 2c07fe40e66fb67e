#pragma once
// The alternate face: a square picture with a large clock and four text blocks in fixed
// colours. It is shown while the main face is minimised (the main face keeps ticking, so the
// chime and the alarms go on) and it never announces anything itself.
#include <windows.h>

#include "sticker/face_win.h"
#include "ui/window.h"

namespace sticker {

inline constexpr std::string_view kForm4Class = "Tavelon.Form4";

// The alternate face's picture and labels, in description order.
enum class AlternateFacePart {
    Picture,     // the face itself, under the labels
    Clock,       // "hh:mm:ss", every tick
    Date,        // "yyyy年mm月dd日", once per composition
    WeekLine,    // weekday, week and the days to the Spring Festival
    LunarBlock,  // the lunar date, the year and the month and day pillars, three lines
    HourLines,   // the hour pillar and its quarter, two lines, every tick
};

class Form4 final : public ui::WindowOf<AlternateFacePart, Face> {
public:
    // The menu's command ids.
    static constexpr FaceMenuColumn kMenuIds = &FaceMenuItem::alternateId;
    static constexpr UINT kMonth = CommandId(kMenuIds, FaceAction::Month);
    static constexpr UINT kNotes = CommandId(kMenuIds, FaceAction::Notes);
    static constexpr UINT kSwitchFace = CommandId(kMenuIds, FaceAction::SwitchFace);
    static constexpr UINT kTools = CommandId(kMenuIds, FaceAction::Tools);
    static constexpr UINT kAbout = CommandId(kMenuIds, FaceAction::About);
    static constexpr UINT kClose = CommandId(kMenuIds, FaceAction::Close);
    static constexpr UINT kStartWithSystem = CommandId(kMenuIds, FaceAction::StartWithSystem);
    static constexpr UINT kNoStartWithSystem = CommandId(kMenuIds, FaceAction::NoStartWithSystem);

    explicit Form4(FaceHost& host);

    // Places the window at the top-right corner and writes the date, the week line and the
    // lunar block; FaceCentre stays.
    void ComposeAlternateFace();

protected:
    void OnReady() override;

private:
    void OnFaceAction(FaceAction action) override;
    // Anywhere on the picture, the labels over it included.
    bool OpensMonthFrom(const ui::Control& /*hit*/) const override { return true; }
    void WriteClock(const calendar::Moment& now) override;
    void WriteDate(const calendar::Moment& now, bool newDate) override;
    FacePosition PlacementOn(const RECT& workArea) const override;
};

ui::WindowDesc Form4Description();

}  // namespace sticker
