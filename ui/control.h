#pragma once
// What a window is made of: a description per control, in creation (and tab) order.
// Positions and sizes are logical pixels in the window's client area; the window scales them
// to its DPI and again whenever the DPI changes.
//
// Kinds and what they become:
//   Label        windowless: painted by its window on a transparent background, centred
//                horizontally, top-aligned, wrapped at word boundaries (CR LF breaks lines).
//                When a substituted font's lines are too tall for the label, lines that each
//                fit its width are set closer (down to the em height), so none is cut off.
//   Picture      windowless: a PNG from an RCDATA resource (caption = resource name),
//                stretched to the rectangle; painted before every label.
//   GroupBox     windowless: an etched frame with its caption in the top edge, painted by the
//                window, so that windowless labels inside it stay visible.
//   Button, CheckBox, RadioButton   BUTTON controls; start a radio group with WS_GROUP.
//   TextBox      EDIT with a sunken edge; add ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL for a
//                wrapped multi-line box, ES_READONLY for a read-only one.
//   ComboBox     drop-down list (CBS_DROPDOWNLIST) of listHeight logical pixels when open.
//   UpDown       spin buttons writing their position into the buddy control as a number.
//   DatePicker   date-time picker with spin buttons; format is a custom display format
//                ("yyyy年MM月dd日", "HH:mm"), empty for the system's long date.
// Events each kind reports to Window::OnControlEvent:
//   Button/CheckBox/RadioButton: Clicked; TextBox: TextChanged (also when the program sets the
//   text); ComboBox: SelectionChanged (user choices only); DatePicker: DateChanged (user
//   changes only); UpDown: PositionChanged (after the buddy has its new number).
#include <windows.h>

#include <optional>
#include <string>

#include "ui/picture.h"

namespace ui {

enum class ControlKind {
    Label,
    Picture,
    GroupBox,
    Button,
    CheckBox,
    RadioButton,
    TextBox,
    ComboBox,
    UpDown,
    DatePicker
};

enum class ControlEvent { Clicked, TextChanged, SelectionChanged, DateChanged, PositionChanged };

struct ControlDesc {
    ControlKind kind = ControlKind::Label;
    std::string name;  // the designer's name: "Label1", "Text4", "Option1(2)"
    int x = 0, y = 0, w = 0, h = 0;
    std::string caption;             // initial text; Picture: the RCDATA resource name
    std::string font;                // FontSpec text; empty: the window's default font
    std::optional<COLORREF> colour;  // label and group box text; default the system window text
    DWORD style = 0;                 // added to the kind's own styles
    DWORD exStyle = 0;               // added to the kind's own extended styles
    std::string tooltip;             // plain tooltip shown over the control
    std::string buddy;               // UpDown: name of the control it writes into
    int minimum = 0, maximum = 100, position = 0;  // UpDown range and start
    std::string format;                            // DatePicker display format
    std::optional<SYSTEMTIME> earliest, latest;    // DatePicker range; the control's own if unset
    int listHeight = 200;                          // ComboBox: height of the open list

    // Chained setters keep a description table readable:
    //   ui::Describe(ui::ControlKind::Label, "Label1", 6, 0, 314, 56).Font("SimSun,12,1")
    ControlDesc& Caption(std::string text) {
        caption = std::move(text);
        return *this;
    }
    ControlDesc& Font(std::string fontSpec) {
        font = std::move(fontSpec);
        return *this;
    }
    ControlDesc& Colour(COLORREF c) {
        colour = c;
        return *this;
    }
    ControlDesc& Style(DWORD s, DWORD ex = 0) {
        style |= s;
        exStyle |= ex;
        return *this;
    }
    ControlDesc& Tooltip(std::string text) {
        tooltip = std::move(text);
        return *this;
    }
    ControlDesc& Buddy(std::string name, int min, int max, int start) {
        buddy = std::move(name), minimum = min, maximum = max, position = start;
        return *this;
    }
    ControlDesc& Range(const SYSTEMTIME& first, const SYSTEMTIME& last) {
        earliest = first, latest = last;
        return *this;
    }
    ControlDesc& Format(std::string f) {
        format = std::move(f);
        return *this;
    }
    ControlDesc& ListHeight(int h) {
        listHeight = h;
        return *this;
    }
};

inline ControlDesc Describe(ControlKind kind, std::string name, int x, int y, int w, int h) {
    ControlDesc d;
    d.kind = kind, d.name = std::move(name), d.x = x, d.y = y, d.w = w, d.h = h;
    return d;
}

struct Control {
    ControlDesc desc;
    int id = 0;           // child-window id, also for windowless controls
    HWND hwnd = nullptr;  // null for windowless kinds
    RECT rect{};          // device pixels in client coordinates, at the current DPI
    std::string text;     // windowless kinds: the shown text
    COLORREF colour = 0;  // windowless kinds: the text colour in use
    Picture picture;

    bool windowless() const {
        return desc.kind == ControlKind::Label || desc.kind == ControlKind::Picture ||
               desc.kind == ControlKind::GroupBox;
    }
};

}  // namespace ui
