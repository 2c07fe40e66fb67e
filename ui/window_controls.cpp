// Child controls of a Window: creation from their descriptions, layout, values and events.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>

#include "ui/dpi.h"
#include "ui/font.h"
#include "ui/resources.h"
#include "ui/text.h"
#include "ui/window.h"

namespace ui {
namespace {

constexpr int kFirstControlId = 1001;

struct ChildClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ChildClass ClassOf(const ControlDesc& d) {
    const DWORD child = WS_CHILD | WS_VISIBLE;
    switch (d.kind) {
        case ControlKind::Button:
            return {WC_BUTTONW, child | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::CheckBox:
            return {WC_BUTTONW, child | WS_TABSTOP | BS_AUTOCHECKBOX, 0};
        case ControlKind::RadioButton:
            // Only the first button of a group is a tab stop; the arrow keys move inside the group.
            return {WC_BUTTONW,
                    child | BS_AUTORADIOBUTTON | ((d.style & WS_GROUP) ? WS_TABSTOP : 0), 0};
        case ControlKind::TextBox:
            return {WC_EDITW, child | WS_TABSTOP | ((d.style & ES_MULTILINE) ? 0 : ES_AUTOHSCROLL),
                    WS_EX_CLIENTEDGE};
        case ControlKind::ComboBox:
            return {WC_COMBOBOXW,
                    child | WS_TABSTOP | WS_VSCROLL | ((d.style & 3) ? 0 : CBS_DROPDOWNLIST), 0};
        case ControlKind::UpDown:
            return {UPDOWN_CLASSW, child | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0};
        case ControlKind::DatePicker:
            return {DATETIMEPICK_CLASSW,
                    child | WS_TABSTOP | DTS_UPDOWN | (d.format.empty() ? DTS_LONGDATEFORMAT : 0),
                    0};
        default:
            return {nullptr, 0, 0};
    }
}

}  // namespace

RECT Window::ScaledRect(const ControlDesc& d) const { return ScaleRect(d.x, d.y, d.w, d.h, dpi_); }

bool Window::HasChildWindows() const {
    for (const Control& c : controls_)
        if (c.hwnd) return true;
    return false;
}

void Window::BuildControls() {
    controls_.clear();
    controls_.reserve(desc_.controls.size());
    int id = kFirstControlId;
    for (const ControlDesc& d : desc_.controls) {
        Control c;
        c.desc = d;
        c.id = id++;
        c.text = d.kind == ControlKind::Picture ? std::string() : d.caption;
        c.colour = d.colour ? *d.colour : GetSysColor(COLOR_WINDOWTEXT);
        controls_.push_back(std::move(c));
    }
}

void Window::CreateControls() {
    // Built afresh: a window created again starts from its description, as the first time.
    BuildControls();
    for (Control& c : controls_) {
        c.rect = ScaledRect(c.desc);
        if (c.desc.kind == ControlKind::Picture) c.picture.LoadResource(c.desc.caption);
    }
    for (Control& c : controls_)
        if (!c.windowless()) CreateChild(c);
    // Buddies may come after their up-down in creation order, so connect once all exist.
    for (Control& c : controls_) ConnectChild(c);
    Layout();
}

void Window::CreateChild(Control& c) {
    const ChildClass cls = ClassOf(c.desc);
    if (!cls.name) return;
    const std::wstring caption = Widen(c.desc.caption);
    c.hwnd = CreateWindowExW(
        cls.exStyle | c.desc.exStyle, cls.name, caption.c_str(), cls.style | c.desc.style,
        c.rect.left, c.rect.top, c.rect.right - c.rect.left, c.rect.bottom - c.rect.top, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), Module(), nullptr);
    if (!c.hwnd) return;
    if (!c.desc.tooltip.empty()) {
        if (!controlTips_.hwnd()) controlTips_.Create(hwnd_, false);
        controlTips_.AddControl(c.hwnd, c.desc.tooltip);
    }
}

void Window::ConnectChild(Control& c) {
    if (!c.hwnd) return;
    if (c.desc.kind == ControlKind::UpDown) {
        if (c.desc.buddy >= 0) {
            if (const Control& buddy = ControlAt(static_cast<std::size_t>(c.desc.buddy));
                buddy.hwnd)
                SendMessageW(c.hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy.hwnd), 0);
        }
        SendMessageW(c.hwnd, UDM_SETRANGE32, c.desc.minimum, c.desc.maximum);
        SendMessageW(c.hwnd, UDM_SETPOS32, 0, c.desc.position);
    } else if (c.desc.kind == ControlKind::DatePicker) {
        if (!c.desc.format.empty()) {
            const std::wstring format = Widen(c.desc.format);
            SendMessageW(c.hwnd, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format.c_str()));
        }
        if (c.desc.earliest && c.desc.latest) {
            SYSTEMTIME range[2] = {*c.desc.earliest, *c.desc.latest};
            SendMessageW(c.hwnd, DTM_SETRANGE, GDTR_MIN | GDTR_MAX,
                         reinterpret_cast<LPARAM>(range));
        }
    }
}

void Window::Layout() {
    for (Control& c : controls_) {
        c.rect = ScaledRect(c.desc);
        if (c.desc.kind == ControlKind::Label) FitLabelText(c);
        if (IsTailLabel(c)) UpdateTail(c, true);
        if (!c.hwnd) continue;
        int height = c.rect.bottom - c.rect.top;
        // A drop-down combo box's window height is the height of its open list.
        if (c.desc.kind == ControlKind::ComboBox) height = Scaled(c.desc.listHeight);
        SetWindowPos(c.hwnd, nullptr, c.rect.left, c.rect.top, c.rect.right - c.rect.left, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        HFONT font = CachedFont(FontSpecOf(c), dpi_);
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (c.desc.kind == ControlKind::DatePicker)
            SendMessageW(c.hwnd, DTM_SETMCFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

Control* Window::WindowlessAt(POINT client) {
    for (const ControlKind kind : {ControlKind::Label, ControlKind::GroupBox, ControlKind::Picture})
        for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
            if (it->desc.kind == kind && PtInRect(&it->rect, client)) return &*it;
    return nullptr;
}

namespace {

void ReportToDebugger(std::string_view window, std::string_view control) {
    const std::wstring line =
        L"Tavelon: no control " + Widen(control) + L" in " + Widen(window) + L"\n";
    OutputDebugStringW(line.c_str());
}

MissingControlHandler missingControlHandler = ReportToDebugger;

}  // namespace

MissingControlHandler SetMissingControlHandler(MissingControlHandler handler) {
    return std::exchange(missingControlHandler, handler ? handler : ReportToDebugger);
}

Control& Window::ControlAt(std::size_t row) {
    if (row < controls_.size()) return controls_[row];
    std::string name(1, '#');
    name += std::to_string(row);
    missingControlHandler(desc_.className, name);
    spare_ = Control{};
    return spare_;
}

const Control& Window::ControlAt(std::size_t row) const {
    return const_cast<Window*>(this)->ControlAt(row);
}

std::size_t Window::RowIndex(const Control& c) const {
    return static_cast<std::size_t>(&c - controls_.data());
}

void Window::CheckRowOrder() const {
    for (std::size_t row = 0; row < desc_.controls.size(); ++row)
        if (desc_.controls[row].row != static_cast<int>(row))
            missingControlHandler(desc_.className, desc_.controls[row].name);
}

void Window::Invalidate(const Control& c) {
    // A hidden window is painted whole when it is shown; asking for less costs a round trip.
    if (hwnd_ && IsWindowVisible(hwnd_)) InvalidateRect(hwnd_, &c.rect, FALSE);
}

void Window::SetText(Control& c, std::string_view text) {
    if (c.hwnd) {
        SetWindowTextW(c.hwnd, Widen(text).c_str());
    } else if (c.text != text) {
        c.text = std::string(text);
        if (c.desc.kind == ControlKind::Label) FitLabelText(c);
        if (IsTailLabel(c))
            UpdateTail(c, false);
        else
            Invalidate(c);
    }
}

std::string Window::Text(const Control& c) const {
    if (!c.hwnd) return c.text;
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(c.hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(c.hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void Window::SetColour(Control& c, COLORREF colour) {
    if (c.colour == colour) return;
    c.colour = colour;
    if (c.hwnd)
        InvalidateRect(c.hwnd, nullptr, TRUE);
    else
        Invalidate(c);
    if (IsTailLabel(c)) UpdateTail(c, true);
}

bool Window::Checked(const Control& c) const {
    return c.hwnd && SendMessageW(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Window::SetChecked(const Control& c, bool checked) {
    if (c.hwnd) SendMessageW(c.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Window::AddItems(const Control& c, const std::vector<std::string>& items) {
    if (!c.hwnd) return;
    for (const std::string& item : items)
        SendMessageW(c.hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
}

int Window::Selected(const Control& c) const {
    return c.hwnd ? static_cast<int>(SendMessageW(c.hwnd, CB_GETCURSEL, 0, 0)) : -1;
}

void Window::SetSelected(const Control& c, int index) {
    if (c.hwnd) SendMessageW(c.hwnd, CB_SETCURSEL, index, 0);
}

SYSTEMTIME Window::DateTime(const Control& c) const {
    SYSTEMTIME t{};
    if (c.hwnd) SendMessageW(c.hwnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
    return t;
}

void Window::SetDateTime(const Control& c, const SYSTEMTIME& value) {
    if (!c.hwnd) return;
    settingValue_ = true;
    SendMessageW(c.hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&value));
    settingValue_ = false;
}

int Window::Position(const Control& c) const {
    return c.hwnd ? static_cast<int>(SendMessageW(c.hwnd, UDM_GETPOS32, 0, 0)) : 0;
}

void Window::SetPosition(const Control& c, int position) {
    if (c.hwnd) SendMessageW(c.hwnd, UDM_SETPOS32, 0, position);
}

void Window::Command(WPARAM wp, LPARAM lp) {
    if (lp == 0) {
        OnCommand(LOWORD(wp));
        return;
    }
    if (creating_) return;
    for (Control& c : controls_) {
        if (c.hwnd != reinterpret_cast<HWND>(lp)) continue;
        const WORD code = HIWORD(wp);
        switch (c.desc.kind) {
            case ControlKind::Button:
            case ControlKind::CheckBox:
            case ControlKind::RadioButton:
                if (code == BN_CLICKED) OnControlEvent(c, ControlEvent::Clicked);
                break;
            case ControlKind::TextBox:
                if (code == EN_CHANGE) OnControlEvent(c, ControlEvent::TextChanged);
                break;
            case ControlKind::ComboBox:
                if (code == CBN_SELCHANGE) OnControlEvent(c, ControlEvent::SelectionChanged);
                break;
            default:
                break;
        }
        return;
    }
}

LRESULT Window::Notify(const NMHDR& header) {
    if (header.code == DTN_DATETIMECHANGE && !creating_ && !settingValue_) {
        for (Control& c : controls_)
            if (c.hwnd == header.hwndFrom) OnControlEvent(c, ControlEvent::DateChanged);
    }
    return 0;
}

}  // namespace ui
