#include "info/form2_win.h"

#include <algorithm>

#include "info/notes_text.h"

namespace info {
namespace {

// Centred on the work area of the monitor under the mouse, which is where the user just
// chose the menu command; never above or left of the work area, so the caption stays in reach.
void CentreOnWorkArea(HWND hwnd) {
  POINT cursor{};
  GetCursorPos(&cursor);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& work = monitor.rcWork;
  RECT window{};
  GetWindowRect(hwnd, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  const int left = std::max(work.left, work.left + (work.right - work.left - width) / 2);
  const int top = std::max(work.top, work.top + (work.bottom - work.top - height) / 2);
  SetWindowPos(hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

TextWindow::TextWindow(ui::WindowDesc desc, std::string focusBox)
    : ui::Window(std::move(desc)), focusBox_(std::move(focusBox)) {}

HWND TextWindow::FocusBox() const {
  const ui::Control* box = Find(focusBox_);
  return box ? box->hwnd : nullptr;
}

void TextWindow::OnCreate() { CentreOnWorkArea(hwnd()); }

void TextWindow::ShowText(std::string_view text) {
  SetText(focusBox_, text);
  HWND box = FocusBox();
  if (!box) return;
  SetFocus(box);
  // Focus alone leaves the caret wherever the last edit put it; a box reached by the Tab key
  // would even have everything selected, and one keystroke would replace the whole text.
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
  HWND target = savedFocus_ && IsWindow(savedFocus_) && IsChild(hwnd(), savedFocus_) ? savedFocus_ : FocusBox();
  if (!target) return false;
  SetFocus(target);
  result = 0;
  return true;
}

ui::WindowDesc Form2Description() {
  ui::WindowDesc d;
  d.className = "Tavelon.Form2";
  d.caption = "科普_日历小知识";
  d.width = 438;
  d.height = 570;
  d.style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
  d.exStyle = WS_EX_CONTROLPARENT;
  d.icon = "ICON_HELP";
  d.font = "Microsoft YaHei,9,0";
  using ui::ControlKind;
  d.controls = {
      ui::Describe(ControlKind::TextBox, "Text1", 2, 0, 432, 542)
          .Style(ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL)
          .Font("Microsoft YaHei,9,0"),
  };
  return d;
}

Form2::Form2() : TextWindow(Form2Description(), "Text1") {}

void Form2::OnReady() { ShowText(NotesText()); }

std::unique_ptr<ui::Window> CreateForm2(sticker::App& /*app*/) { return std::make_unique<Form2>(); }

}  // namespace info
