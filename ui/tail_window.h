#pragma once
// The end of a label that changes every second (a clock's seconds), drawn in a small layered
// window of its own over the label's window. A colour-keyed window is cut out again from all
// of its pixels after every repaint, however small (Wine does so on each flush), so a face that
// repainted its clock each second paid for its whole face each second; with the seconds in a
// window this size, the face is repainted only when something else on it changes.
//
// The window is owned by the label's window, so it stays above it and goes with it. It takes
// its owner's look (colour key, opacity, click-through), follows it when it moves, hides and
// shows with it, and hands every mouse message to it at the same screen point, so that the
// seconds are pressed, dragged and clicked as the rest of the clock is. It never activates.
#include <windows.h>

#include <optional>
#include <string>

#include "ui/gdi.h"
#include "ui/unique.h"

namespace ui {

// What the tail window draws: text in a font and colour, its top-left at origin in the
// window's client area, over the owner's own picture of the area without the tail (so that the
// text's smoothed edges blend with what lies under them, as in the owner).
struct TailPicture {
    std::wstring text;
    HFONT font = nullptr;
    COLORREF colour = 0;
    POINT origin{};
};

class TailWindow {
public:
    TailWindow() = default;
    ~TailWindow();
    TailWindow(const TailWindow&) = delete;
    TailWindow& operator=(const TailWindow&) = delete;

    // Created hidden, owned by owner; false when the window cannot be made, and the owner then
    // draws the whole label itself.
    bool Create(HWND owner);
    HWND hwnd() const { return hwnd_; }
    // Shown over area (owner client coordinates) while the owner is shown, with picture in it
    // over backdrop (as large as area; the colour key when there is none).
    void Show(const RECT& area, TailPicture picture, UniqueBitmap backdrop);
    // Only the text changed: just this window is painted again.
    void SetText(std::wstring text);
    void Hide();
    // The owner moved, was shown, hidden or minimised.
    void FollowOwner();
    // The owner's colour key, opacity and click-through, taken again after it changed them.
    void TakeOwnerLook();
    void PaintNow();
    // The owner's tooltip, told of the mouse over this window as well.
    void RelayMouseTo(HWND tooltip) { tooltip_ = tooltip; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    void Paint();

    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    HWND tooltip_ = nullptr;
    RECT area_{};
    TailPicture picture_;
    // Made when the window is placed, not on each paint: under Wine every device context or
    // bitmap made for the screen asks the server about the monitors.
    UniqueDc memory_, source_;
    UniqueBitmap buffer_, backdrop_;
    std::optional<SelectedObject> bufferIn_, backdropIn_;
    COLORREF key_ = 0;
    UniqueBrush keyBrush_;
    bool shown_ = false;
};

}  // namespace ui
