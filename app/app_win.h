#pragma once
// The program shell: the platform's services, what the program keeps for the whole run, the
// program clock with the worker queue that announces the chimes and alarms, and the windows,
// each opened at most once. The faces, the tools window and the month view reach what they need
// of it through their hosts; the notes and about windows need nothing. A feature that needs the
// clock subscribes to `ticks` through its host.
#include <string>

#include "app/announcement_queue.h"
#include "app/ticker.h"
#include "calendar/moment.h"
#include "month/month_win.h"
#include "remind/file_system_win.h"
#include "remind/note_win.h"
#include "remind/remind_win.h"
#include "settings/forms.h"
#include "settings/schedule.h"
#include "settings/start_with_system.h"
#include "settings/store.h"
#include "sticker/chime.h"
#include "sticker/face_win.h"
#include "tools/form3_win.h"
#include "ui/dialogs.h"
#include "ui/window_registry.h"

namespace app {

class App {
public:
    App(calendar::Clock& clock, sticker::Voice& voice, sticker::SoundPlayer& sound,
        settings::SettingsStore& store);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    calendar::Clock& clock;
    sticker::Voice& voice;
    sticker::SoundPlayer& sound;
    settings::SettingsStore& store;

    Ticker ticks;                        // driven by the main face's timer
    AnnouncementQueue announcements;     // the only caller of voice and sound
    settings::ProgramPath program;       // where the program lives, for the start-with-system entry
    settings::Schedule schedule;         // read by the chimes, edited by the tools window
    settings::AlarmProposals proposals;  // the settings page's suggestions for absent alarms
    ui::Dialogs dialogs;
    ui::WindowRegistry windows;
    sticker::FaceHost faces;
    tools::ToolsHost tools;
    month::MonthHost month;
    remind::WinFileSystem files;
    remind::RemindHost remind;
    remind::DayNotes notes{remind};  // subscribed to the clock after the chimes

private:
    // The chime and the alarms: first to hear each second, so they are queued before any
    // window repaints.
    struct Chimes final : calendar::TickListener {
        explicit Chimes(App& app) : app(app) {}
        void OnSecond(const calendar::Moment& now) override;
        App& app;
    } chimes_{*this};
};

// Gives every window but the main face its factory, and the faces their way to the others and
// to each other.
void RegisterWindows(App& app);

// Brings the face of a sticker already running in this session to the front, and into view
// when it is off every screen; false when none shows up within a moment (it may still be
// starting).
bool RaiseRunningSticker();

// The module file name, however long.
std::string ModulePath();

}  // namespace app
