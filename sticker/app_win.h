#pragma once
// The application record: what the program knows about itself, the services the windows use,
// the process-wide schedule and FaceCentre, and the registry of its windows.
//
// Windows are opened by form id. A window built by another module plugs in with a factory:
//
//   app.forms.SetFactory(sticker::FormId::Form3,
//                        [](sticker::App& app) { return std::make_unique<tools::Form3>(app); });
//
// The start-up (RegisterWindows in winmain_win.cpp) registers every factory it can see: for a
// window of another module it includes "tools/form3_win.h", "info/form2_win.h" and
// "info/form5_win.h" when they exist, and calls tools::CreateForm3, info::CreateForm2 and
// info::CreateForm5 (each `std::unique_ptr<ui::Window> (sticker::App&)`). Until then the menu
// commands that open those windows do nothing.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "sticker/chime.h"
#include "sticker/compose.h"
#include "sticker/schedule.h"
#include "sticker/settings_forms.h"
#include "sticker/settings_store.h"
#include "ui/window.h"

namespace sticker {

inline constexpr std::string_view kProductName = "Tavelon";
inline constexpr std::string_view kVersion = "1.0.0";

enum class FormId { Form1 = 1, Form2, Form3, Form4, Form5 };

class App;
using FormFactory = std::function<std::unique_ptr<ui::Window>(App&)>;

// Every form exists at most once. Opening an open form restores it, brings it to the front
// and flashes it; opening a closed one creates it from its factory, shown normally, without
// owner. The registry owns what its factories made and frees each object once its window has
// been destroyed; a window created elsewhere (the main face) is only tracked.
class FormRegistry {
public:
    explicit FormRegistry(App& app) : app_(app) {}
    ~FormRegistry();
    FormRegistry(const FormRegistry&) = delete;
    FormRegistry& operator=(const FormRegistry&) = delete;

    void SetFactory(FormId id, FormFactory factory);
    bool HasFactory(FormId id) const;

    // The open window of a form, or null.
    ui::Window* Find(FormId id) const;
    // The form's window after opening or raising it; null when it has no factory or its window
    // cannot be created. created tells which of the two happened.
    ui::Window* Open(FormId id, bool* created = nullptr);
    // Tracks a window that its creator keeps owning; it is forgotten when it is destroyed. It
    // must not outlive the registry.
    void Track(FormId id, ui::Window& window);
    // Destroys the form's window if it is open.
    void Close(FormId id);

private:
    struct Entry {
        ui::Window* window = nullptr;
        std::unique_ptr<ui::Window> owned;
    };
    void Forget(FormId id, ui::Window* window);

    App& app_;
    std::map<FormId, FormFactory> factories_;
    std::map<FormId, Entry> open_;
};

// The colour dialog: the chosen colour (0x00BBGGRR) or nothing when cancelled.
using ColourChooser = std::function<std::optional<std::uint32_t>(HWND owner)>;
// A message box with one OK button.
using MessageShower =
    std::function<void(HWND owner, std::string_view text, std::string_view caption)>;
// The platform's move loop for a borderless window dragged by the mouse; returns when the
// button is released.
using DragMover = std::function<void(HWND window)>;
// Shows a popup menu at a screen point and returns the chosen command, 0 when dismissed.
using MenuTracker = std::function<UINT(HWND owner, HMENU menu, POINT screen)>;

std::optional<std::uint32_t> ChooseColourWithDialog(HWND owner);
void ShowMessageBox(HWND owner, std::string_view text, std::string_view caption);
void MoveWithMouse(HWND window);
UINT TrackMenu(HWND owner, HMENU menu, POINT screen);

class App {
public:
    App(Clock& clock, Voice& voice, SoundPlayer& sound, SettingsStore& settings);

    Clock& clock;
    Voice& voice;
    SoundPlayer& sound;
    SettingsStore& settings;

    ProgramPath program;       // where the program file lives, for the start-with-system entry
    Schedule schedule;         // read by the main face's tick, edited by the tools window
    AlarmProposals proposals;  // the settings page's suggestions for absent alarms
    FacePoint FaceCentre;      // screen centre of the face last placed or dragged

    ColourChooser chooseColour = ChooseColourWithDialog;
    MessageShower showMessage = ShowMessageBox;
    DragMover dragMover = MoveWithMouse;
    MenuTracker trackMenu = TrackMenu;

    FormRegistry forms{*this};
};

// The module file name, however long.
std::string ModulePath();

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

}  // namespace sticker
