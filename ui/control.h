#pragma once
// What a window is made of: a description per control, in creation (and tab) order.
// Positions and sizes are logical pixels in the window's client area; the window scales them
// to its DPI and again whenever the DPI changes.
//
// Kinds and what they become:
//   Label        windowless: painted by its window on a transparent background, centred
//                horizontally, top-aligned, one line per CR LF and never wrapped. A label
//                fits its text (see LabelFit): a line wider than the label takes the label's
//                font down in steps, to a floor of 70 % of its size, and only a line too wide
//                even then is cut, with an ellipsis. Lines too tall for the label (a
//                substituted font) are set closer, down to the em height.
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

#include <cstddef>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

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

// A window names its controls by an enum class listed in description order: enumerator i is
// row i, so a misspelt control does not compile, and the window checks the order on creation.
template <class Id>
concept ControlId = std::is_enum_v<Id>;

template <ControlId Id>
constexpr std::size_t RowOf(Id id) {
    return static_cast<std::size_t>(id);
}

struct ControlDesc {
    ControlKind kind = ControlKind::Label;
    std::string name;  // the designer's name: "Label1", "Text4", "Option1(2)"
    int row = -1;      // the enumerator naming this row; must equal the row's place
    int x = 0, y = 0, w = 0, h = 0;
    std::string caption;             // initial text; Picture: the RCDATA resource name
    std::string font;                // FontSpec text; empty: the window's default font
    std::optional<COLORREF> colour;  // label and group box text; default the system window text
    DWORD style = 0;                 // added to the kind's own styles
    DWORD exStyle = 0;               // added to the kind's own extended styles
    std::string tooltip;             // plain tooltip shown over the control
    int buddy = -1;                  // UpDown: row of the control it writes into
    int minimum = 0, maximum = 100, position = 0;  // UpDown range and start
    std::string format;                            // DatePicker display format
    std::optional<SYSTEMTIME> earliest, latest;    // DatePicker range; the control's own if unset
    int listHeight = 200;                          // ComboBox: height of the open list
    // Label: its last liveTail characters change every second (a clock's seconds). On a
    // colour-keyed window they are drawn in a small window of their own (see TailWindow).
    std::size_t liveTail = 0;

    // Chained setters keep a description table readable:
    //   ui::Describe(ui::ControlKind::Label, Part::Clock, "Label1", 6, 0, 314, 56)
    //       .Font("SimSun,12,1")
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
    template <ControlId Id>
    ControlDesc& Buddy(Id box, int min, int max, int start) {
        buddy = static_cast<int>(box), minimum = min, maximum = max, position = start;
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
    ControlDesc& LiveTail(std::size_t characters) {
        liveTail = characters;
        return *this;
    }
    ControlDesc& ListHeight(int h) {
        listHeight = h;
        return *this;
    }
};

template <ControlId Id>
ControlDesc Describe(ControlKind kind, Id id, std::string name, int x, int y, int w, int h) {
    ControlDesc d;
    d.kind = kind, d.row = static_cast<int>(id), d.name = std::move(name);
    d.x = x, d.y = y, d.w = w, d.h = h;
    return d;
}

// How a label draws its text: worked out when the text, the label's size or the DPI changes,
// never on a paint or a tick that leaves them as they were.
struct LabelFit {
    std::string font;                 // FontSpec text of the step drawn: the label's or smaller
    std::vector<std::wstring> lines;  // the text split at CR LF
    int widest = 0;      // device pixels of the widest line as drawn (a cut line: the label width)
    int lineHeight = 0;  // of the font drawn
    int advance = 0;     // from one line's top to the next
    int raise = 0;       // a single line lifted into a label lower than its font's ascent
    bool fits = true;    // every line fits the width, and the lines the height, at this step
    bool cut = false;    // a line is cut with an ellipsis: even the floor step was too wide
    // What it was worked out for.
    std::string text;
    UINT dpi = 0;
    SIZE size{-1, -1};
};

struct Control {
    ControlDesc desc;
    int id = 0;           // child-window id, also for windowless controls
    HWND hwnd = nullptr;  // null for windowless kinds
    RECT rect{};          // device pixels in client coordinates, at the current DPI
    std::string text;     // windowless kinds: the shown text
    COLORREF colour = 0;  // windowless kinds: the text colour in use
    Picture picture;
    LabelFit fit;  // labels only

    // The part of a label's rectangle its text covers as drawn: the widest line, centred.
    RECT TextExtent() const {
        const int width = rect.right - rect.left;
        const int left = rect.left + (width - fit.widest) / 2;
        const int lines = static_cast<int>(fit.lines.size());
        const int height = lines > 0 ? (lines - 1) * fit.advance + fit.lineHeight : 0;
        return RECT{left, rect.top - fit.raise, left + fit.widest, rect.top - fit.raise + height};
    }

    bool windowless() const {
        return desc.kind == ControlKind::Label || desc.kind == ControlKind::Picture ||
               desc.kind == ControlKind::GroupBox;
    }
};

}  // namespace ui
