#pragma once
// The main face: a borderless, colour-keyed window on which only the clock, the date block
// and the stem-branch/quarter lines are seen. Its one-second timer drives the program clock (and
// so the chime and the alarms); minimising it shows the alternate face, and closing it ends
// the program.
#include <windows.h>

#include <cstdint>
#include <string>

#include "sticker/face_win.h"
#include "ui/window.h"

namespace sticker {

inline constexpr std::string_view kForm1Class = "Tavelon.Form1";

// The main face's labels, in description order.
enum class MainFacePart {
    Clock,        // "hh:mm:ss", written every tick; the user drags the face by it
    DateBlock,    // the date's four lines, written once per composition
    PillarLines,  // month and day pillars, then the hour pillar and its quarter, every tick
};

class Form1 final : public ui::WindowOf<MainFacePart, Face> {
public:
    // The menu's command ids.
    static constexpr FaceMenuColumn kMenuIds = &FaceMenuItem::mainId;
    static constexpr UINT kMonth = CommandId(kMenuIds, FaceAction::Month);
    static constexpr UINT kNotes = CommandId(kMenuIds, FaceAction::Notes);
    static constexpr UINT kSwitchFace = CommandId(kMenuIds, FaceAction::SwitchFace);
    static constexpr UINT kTextColour = CommandId(kMenuIds, FaceAction::TextColour);
    static constexpr UINT kTools = CommandId(kMenuIds, FaceAction::Tools);
    static constexpr UINT kAbout = CommandId(kMenuIds, FaceAction::About);
    static constexpr UINT kClose = CommandId(kMenuIds, FaceAction::Close);
    static constexpr UINT kStartWithSystem = CommandId(kMenuIds, FaceAction::StartWithSystem);
    static constexpr UINT kNoStartWithSystem = CommandId(kMenuIds, FaceAction::NoStartWithSystem);

    explicit Form1(FaceHost& host);

    // Places the window, loads the settings into the schedule, applies the text colour and
    // writes the date block; out of range it shows the range message and keeps the old block.
    void ComposeMainFace();
    // The colour of the three labels and the background (also the colour key) from a text
    // colour.
    void ApplyTextColour(std::uint32_t colour);
    // At its place, the face moves left by as much as its widest line would cross the right
    // edge of its monitor's work area, and back when the lines are short again.
    void KeepTextOnMonitor();

protected:
    void OnCreate() override;
    void OnReady() override;
    void OnDestroy() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    void OnFaceAction(FaceAction action) override;
    bool DragsFrom(const ui::Control& hit) const override;
    bool OpensMenuFrom(const ui::Control& hit) const override;
    bool OpensMonthFrom(const ui::Control& hit) const override;
    bool DrivesClock() const override { return true; }
    bool IsMainFace() const override { return true; }
    void WriteClock(const calendar::Moment& now) override;
    void WriteDate(const calendar::Moment& now, bool newDate) override;
    void OnMinimised() override;
    void OnRestored() override;
    FacePosition PlacementOn(const RECT& workArea) const override;
    RECT Grip() const override;
    void OnPlaced() override;
    void ChooseTextColour();

    std::string rangeMessage_;  // waiting to be shown once the tick that found it has ended
    int textRight_ = -1;        // the right end of the text the face was last kept on screen for
};

ui::WindowDesc Form1Description();

}  // namespace sticker
