#pragma once
// The day's note: a small window beside the face that names the reminders due today (and
// those whose days ahead have begun), when the sticker starts and when the day changes. Each
// reminder is named once a day: which ones were named is kept in memory, so a restart names
// them again, which is what a person who closed the program expects. The note never takes the
// keyboard from the program the person is in: it is shown without activation and cannot be
// activated by the program.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "calendar/program_clock.h"
#include "remind/remind_win.h"
#include "remind/reminder_list.h"
#include "ui/window.h"

namespace remind {

inline constexpr std::string_view kNoteClass = "Tavelon.RemindNote";

enum class NotePart { Text, Close };

class NoteWindow final : public ui::WindowOf<NotePart> {
public:
    NoteWindow(std::string text, std::optional<RECT> face);

protected:
    void OnCreate() override;
    void OnControlEvent(ui::Control& control, ui::ControlEvent event) override;
    void OnCommand(UINT id) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    std::optional<RECT> face_;
};

ui::WindowDesc NoteDescription(std::string_view text);

// Where the note goes: left of the face and level with its top, or right of it where the work
// area has no room on the left, always inside the work area; the work area's bottom right
// corner when no face shows.
POINT NotePlace(std::optional<RECT> face, SIZE note, const RECT& work);

class DayNotes final : public calendar::TickListener {
public:
    explicit DayNotes(RemindHost& host) : host_(host) {}
    ~DayNotes() override;

    // The note on the screen, or null.
    NoteWindow* note() const;
    // Reads the reminders file and shows what is due on `today` and not yet named.
    void Check(calendar::sys_days today);

    // The first second heard is the start of the sticker.
    void OnSecond(const calendar::Moment& now) override;
    void OnNewDay(const calendar::Moment& now) override;

private:
    RemindHost& host_;
    NotedToday noted_;
    bool started_ = false;
    std::unique_ptr<NoteWindow> note_;
};

}  // namespace remind
