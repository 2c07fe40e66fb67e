#include "info/form2_win.h"

#include <algorithm>

#include "info/notes_text.h"

namespace info {

TextWindow::TextWindow(ui::WindowDesc desc, std::size_t focusBox)
    : ui::Window(std::move(desc)), focusBox_(focusBox) {}

HWND TextWindow::FocusBox() const { return ControlAt(focusBox_).hwnd; }

void TextWindow::OnCreate() {
    FitControlsInClient();
    ui::CentreUnderCursor(hwnd());
}

void TextWindow::OnDpiChanged() { FitControlsInClient(); }

void TextWindow::FitControlsInClient() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    for (std::size_t row = 0; row < controls().size(); ++row) {
        ui::Control& c = ControlAt(row);
        if (c.rect.right <= client.right && c.rect.bottom <= client.bottom) continue;
        c.rect.right = std::min(c.rect.right, client.right);
        c.rect.bottom = std::min(c.rect.bottom, client.bottom);
        if (c.hwnd)
            SetWindowPos(c.hwnd, nullptr, 0, 0, c.rect.right - c.rect.left,
                         c.rect.bottom - c.rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        else
            Invalidate(c);
    }
}

void TextWindow::ShowText(std::string_view text) {
    SetText(ControlAt(focusBox_), text);
    HWND box = FocusBox();
    if (!box) return;
    SetFocus(box);
    // The caret is put at the start on purpose: an edit focused the dialog way has its whole
    // text selected, and then the first keystroke would replace all of it.
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

bool TextWindow::OnMessage(UINT msg, WPARAM wp, LPARAM /*lp*/, LRESULT& result) {
    if (msg != WM_ACTIVATE) return false;
    if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        savedFocus_ = focus && IsChild(hwnd(), focus) ? focus : nullptr;
        return false;
    }
    // Activated while minimised: the focus follows once the window is restored.
    if (HIWORD(wp)) return false;
    HWND target = savedFocus_ && IsWindow(savedFocus_) && IsChild(hwnd(), savedFocus_) ? savedFocus_
                                                                                       : FocusBox();
    if (!target) return false;
    SetFocus(target);
    result = 0;
    return true;
}

ui::WindowDesc TextWindowDescription(std::string_view className, std::string caption, int width,
                                     int height, std::string icon) {
    ui::WindowDesc d;
    d.className = std::string(className);
    d.caption = std::move(caption);
    d.width = width;
    d.height = height;
    d.style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
    d.exStyle = WS_EX_CONTROLPARENT;
    d.icon = std::move(icon);
    d.font = "Microsoft YaHei,9,0";
    return d;
}

ui::WindowDesc Form2Description() {
    ui::WindowDesc d = TextWindowDescription(kForm2Class, "科普_日历小知识", 438, 570, "ICON_HELP");
    using ui::ControlKind;
    d.controls = {
        ui::Describe(ControlKind::TextBox, NotesPart::Notes, "Text1", 2, 0, 432, 542)
            .Style(ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL)
            .Font("Microsoft YaHei,9,0"),
    };
    return d;
}

Form2::Form2() : WindowOf(Form2Description(), ui::RowOf(NotesPart::Notes)) {}

void Form2::OnReady() { ShowText(NotesText()); }

}  // namespace info
