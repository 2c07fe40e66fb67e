#include "app/app_win.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "app/holiday_file_win.h"
#include "app/reminder_days_win.h"
#include "info/form2_win.h"
#include "info/form5_win.h"
#include "sticker/form1_win.h"
#include "sticker/form4_win.h"
#include "ui/text.h"

namespace app {

namespace {

// What the reminders window's export writes: the schedule the month view shows.
calendar::HolidaySchedule UserHolidaySchedule() {
    return month::LoadHolidays(ReadUserHolidayFile()).schedule;
}

// The face that shows, which the day's note stands beside: the alternate one while the main
// face is minimised.
std::optional<RECT> VisibleFaceRect() {
    for (const std::string_view name : {sticker::kForm4Class, sticker::kForm1Class}) {
        const HWND face = FindWindowW(ui::Widen(name).c_str(), nullptr);
        RECT r{};
        if (face && IsWindowVisible(face) && !IsIconic(face) && GetWindowRect(face, &r)) return r;
    }
    return std::nullopt;
}

}  // namespace

App::App(calendar::Clock& clockService, sticker::Voice& voiceService,
         sticker::SoundPlayer& soundService, settings::SettingsStore& settingsStore)
    : clock(clockService),
      voice(voiceService),
      sound(soundService),
      store(settingsStore),
      ticks(clock),
      announcements(voice, sound),
      faces{clock, ticks, store, schedule, proposals, program, dialogs, windows, {}, {}, {}, {}},
      tools{clock, store, schedule, proposals, dialogs},
      month{clock,
            ticks,
            ReadUserHolidayFile,
            ReadUserReminders,
            CreateUserHolidayFile,
            OpenUserHolidayFile},
      remind{clock, ticks, dialogs, files, remind::UserRemindersPath(), UserHolidaySchedule} {
    remind.faceRect = [this] { return VisibleFaceRect(); };
    ticks.Subscribe(chimes_);
    ticks.Subscribe(notes);
}

void App::Chimes::OnSecond(const calendar::Moment& now) {
    sticker::CheckChimeAndAlarms(now, app.schedule, app.announcements);
}

void RegisterWindows(App& app) {
    app.windows.SetFactory(sticker::kForm4Class,
                           [&app] { return std::make_unique<sticker::Form4>(app.faces); });
    app.windows.SetFactory(info::kForm2Class, [] { return std::make_unique<info::Form2>(); });
    app.windows.SetFactory(tools::kForm3Class,
                           [&app] { return std::make_unique<tools::Form3>(app.tools); });
    app.windows.SetFactory(info::kForm5Class, [] { return std::make_unique<info::Form5>(); });
    app.windows.SetFactory(month::kMonthClass,
                           [&app] { return std::make_unique<month::MonthWindow>(app.month); });
    app.windows.SetFactory(remind::kRemindClass,
                           [&app] { return std::make_unique<remind::RemindWindow>(app.remind); });
    app.faces.eachFace = [&app](const std::function<void(sticker::Face&)>& act) {
        for (const std::string_view cls : {sticker::kForm1Class, sticker::kForm4Class})
            if (auto* face = dynamic_cast<sticker::Face*>(app.windows.Find(cls))) act(*face);
    };
    app.faces.openWindow = [&app](sticker::FaceAction action) {
        switch (action) {
            case sticker::FaceAction::Notes:
                app.windows.Open(info::kForm2Class);
                break;
            case sticker::FaceAction::Tools:
                app.windows.Open(tools::kForm3Class);
                break;
            case sticker::FaceAction::About:
                app.windows.Open(info::kForm5Class);
                break;
            case sticker::FaceAction::Month:
                app.windows.Open(month::kMonthClass);
                break;
            case sticker::FaceAction::Remind:
                app.windows.Open(remind::kRemindClass);
                break;
            default:
                break;
        }
    };
}

bool RaiseRunningSticker() {
    // The running sticker shows whichever face is visible: the alternate one while the main
    // face is minimised.
    const std::wstring alternate = ui::Widen(sticker::kForm4Class);
    const std::wstring main = ui::Widen(sticker::kForm1Class);
    for (int attempt = 0; attempt < 40; ++attempt) {
        HWND face = FindWindowW(alternate.c_str(), nullptr);
        if (!face || !IsWindowVisible(face)) face = FindWindowW(main.c_str(), nullptr);
        if (face) {
            // A face left off every screen (a monitor unplugged, a smaller display) comes back.
            PostMessageW(face, sticker::kComeIntoViewMessage, 0, 0);
            ui::BringToFront(face);
            return true;
        }
        Sleep(50);
    }
    return false;
}

std::string ModulePath() {
    std::vector<wchar_t> buffer(260);
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        // A full buffer may mean a cut path: a Run entry with a cut path would start nothing.
        if (n < buffer.size() || buffer.size() >= 32768) {
            return ui::Narrow(std::wstring_view(buffer.data(), n));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace app
