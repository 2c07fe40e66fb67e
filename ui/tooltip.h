#pragma once
// Tooltips of one window: a balloon over an area of the client (with a title line) or a plain
// tip over a child control. The tooltip window is owned by the window it serves; destroying
// that window destroys it too, and this object only destroys it when it dies first.
#include <windows.h>

#include <string_view>

namespace ui {

class Tooltip {
public:
    Tooltip() = default;
    ~Tooltip();
    Tooltip(const Tooltip&) = delete;
    Tooltip& operator=(const Tooltip&) = delete;

    // balloon: rounded balloon with a stem; otherwise the plain rectangle. Creating again
    // replaces the previous tooltip.
    bool Create(HWND owner, bool balloon);
    HWND hwnd() const { return tip_; }

    // A tool over a client rectangle of the owner; the text may hold CR LF line breaks.
    void AddArea(UINT id, const RECT& area, std::string_view title, std::string_view text);
    void MoveArea(UINT id, const RECT& area);
    void AddControl(HWND control, std::string_view text);
    // A tool over the whole of another window that relays its own mouse messages
    // (TTM_RELAYEVENT): one that stands over the owner, as a label's live tail does.
    void AddRelayingWindow(HWND window, std::string_view text);
    // Long multi-line texts need a width limit, or the tooltip shows them on one line.
    void SetMaxWidth(int pixels);
    void SetFont(HFONT font);
    // An inactive tooltip stays hidden: over an open menu it would cover the items.
    void Activate(bool active);

private:
    HWND tip_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace ui
