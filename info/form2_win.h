#pragma once
// The notes window: the calendar notes in one editable text box. Edits live only as long as
// the window; every opening shows the fixed text again. It reads and writes nothing else.
#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/window.h"

namespace info {

inline constexpr std::string_view kForm2Class = "Tavelon.Form2";

// What the notes and the about window have in common: a text box that holds the keyboard
// focus, shows its text from the first line with the caret at the start, and gets the focus
// back whenever the window is activated again (a plain top-level window would take it itself).
// Both open centred on the screen the user is working on, and keep every control inside the
// client area: their outer sizes leave a client a few pixels smaller than the controls' layout,
// which would cut off the text box's right edge and the bottom line of a frame.
class TextWindow : public ui::Window {
protected:
    TextWindow(ui::WindowDesc desc, std::size_t focusBox);

    // Sets the text box's text and shows it from the top, caret at the start, focused.
    void ShowText(std::string_view text);

    void OnCreate() override;
    void OnDpiChanged() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

private:
    HWND FocusBox() const;
    void FitControlsInClient();

    std::size_t focusBox_;  // the row of the text box
    HWND savedFocus_ = nullptr;
};

enum class NotesPart { Notes };

class Form2 final : public ui::WindowOf<NotesPart, TextWindow> {
public:
    Form2();

protected:
    void OnReady() override;
};

// A caption, a close box and no resizing, the controls' font, at the given outer size.
ui::WindowDesc TextWindowDescription(std::string_view className, std::string caption, int width,
                                     int height, std::string icon);

ui::WindowDesc Form2Description();

}  // namespace info
