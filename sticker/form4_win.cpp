#include "sticker/form4_win.h"

#include <windowsx.h>

#include "sticker/clock_labels.h"
#include "sticker/compose.h"
#include "sticker/settings_forms.h"
#include "ui/font.h"

namespace sticker {
namespace {

enum Command : UINT {
  kNotes = 102,
  kSwitchFace = 103,
  kTools = 104,
  kAbout = 105,
  kClose = 106,
  kStartWithSystem = 107,
  kNoStartWithSystem = 108,
};

constexpr UINT kTooltipArea = 1;
constexpr COLORREF kKeyColour = RGB(195, 195, 195);
constexpr COLORREF kTextColour = RGB(0, 64, 128);

}  // namespace

ui::WindowDesc Form4Description() {
  ui::WindowDesc d;
  d.className = "Tavelon.Form4";
  d.caption = std::string(kProductName);
  d.width = 256;
  d.height = 256;
  d.style = 0x860B0000;
  d.exStyle = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW;
  d.systemBackground = false;
  d.background = kKeyColour;
  d.colourKey = true;
  d.icon = "AAAAA_APPICON";
  using ui::ControlKind;
  d.controls = {
      ui::Describe(ControlKind::Picture, "Image1", 0, 0, 256, 256).Caption("PNG_DZB"),
      ui::Describe(ControlKind::Label, "Label1", 12, 63, 230, 56).Font("Microsoft YaHei,38,1").Colour(RGB(0, 229, 115)),
      ui::Describe(ControlKind::Label, "Label2", 40, 16, 164, 23).Font("Microsoft YaHei,14").Colour(kTextColour),
      ui::Describe(ControlKind::Label, "Label3", 14, 42, 230, 20).Font("Microsoft YaHei,12").Colour(kTextColour),
      ui::Describe(ControlKind::Label, "Label4", 15, 177, 230, 63).Font("Microsoft YaHei,12").Colour(kTextColour),
      ui::Describe(ControlKind::Label, "Label5", 12, 129, 230, 41).Font("Microsoft YaHei,11").Colour(kTextColour),
  };
  return d;
}

Form4::Form4(App& app) : ui::Window(Form4Description()), app_(app) {}

void Form4::OnCreate() {
  timer_.Attach(hwnd(), kTimer1);
  timer_.Enable(NextTickDelay(MillisecondsIntoSecond()));
}

void Form4::OnShown() {
  tooltip_.Create(hwnd(), true);
  tooltip_.AddArea(kTooltipArea, ClientArea(), kFaceTooltipTitle, kFaceTooltipBody);
  tooltip_.SetMaxWidth(Scaled(400));
  // The system's tooltip font may lack Chinese glyphs; the faces' own font has them.
  tooltip_.SetFont(ui::CachedFont(kFaceTooltipFont, dpi()));
  BuildMenu();
}

void Form4::BuildMenu() {
  menu_.Build({{kNotes, "ICON_HELP", "科普"},
               {kSwitchFace, "ICON_BL", "变脸"},
               {kTools, "ICON_TOOL", "工具"},
               {kAbout, "ICON_ABOUT", "关于"},
               {kClose, "ICON_ESC", "关闭"},
               {kStartWithSystem, "ICON_RUNSETUP", "设为开机启动"},
               {kNoStartWithSystem, "ICON_RERUNSETUP", "取消开机启动"}},
              dpi());
}

RECT Form4::ClientArea() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return r;
}

void Form4::OnReady() { ComposeAlternateFace(); }

void Form4::ComposeAlternateFace() {
  const FacePosition at = AlternateFacePosition(GetSystemMetrics(SM_CXFULLSCREEN), Scaled(description().width));
  SetWindowPos(hwnd(), nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  composedFor_.reset();
  RefreshDate(app_.clock.Now());
}

void Form4::RefreshDate(const Moment& now) {
  const AlternateFaceTexts texts = ComposeAlternateFaceTexts(now);
  composedFor_ = now.today;
  SetText("Label2", texts.label2);
  SetText("Label3", texts.label3);
  SetText("Label4", texts.label4);
}

void Form4::OnTimer(UINT_PTR id) {
  if (id == kTimer1) Tick();
}

void Form4::Tick() {
  timer_.Suspend();
  const Moment now = app_.clock.Now();
  if (lastTick_ != now) {
    lastTick_ = now;
    if (composedFor_ && *composedFor_ != now.today) RefreshDate(now);
    const AlternateClockTexts texts = ComposeAlternateClockTexts(now);
    SetText("Label1", texts.label1);
    SetText("Label5", texts.label5);
    UpdateWindow(hwnd());
  }
  timer_.Resume(NextTickDelay(MillisecondsIntoSecond()));
}

void Form4::OnCommand(UINT id) {
  switch (id) {
    case kNotes:
      app_.forms.Open(FormId::Form2);
      break;
    case kSwitchFace: {
      // Destroying the window frees this object: only the local reference is used after it.
      App& app = app_;
      DestroyWindow(hwnd());
      app.forms.Open(FormId::Form1);
      break;
    }
    case kTools:
      app_.forms.Open(FormId::Form3);
      break;
    case kAbout:
      app_.forms.Open(FormId::Form5);
      break;
    case kClose: {
      App& app = app_;
      DestroyWindow(hwnd());
      app.forms.Close(FormId::Form1);
      break;
    }
    case kStartWithSystem:
      SetStartWithSystem(app_.settings, app_.program.directory, app_.program.file);
      break;
    case kNoStartWithSystem:
      RemoveStartWithSystem(app_.settings);
      break;
    default:
      break;
  }
}

bool Form4::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_LBUTTONDOWN: {
      const ui::Control* hit = WindowlessAt(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      if (hit) {
        app_.dragMover(hwnd());
        app_.FaceCentre = WindowCentre(hwnd());
      }
      return true;
    }
    case WM_RBUTTONDOWN: {
      POINT at{};
      GetCursorPos(&at);
      at.y += Scaled(10);
      // An inactive tooltip may still show once its pending hover timer fires; without an
      // area it has nothing to show over the menu.
      tooltip_.Activate(false);
      tooltip_.MoveArea(kTooltipArea, RECT{});
      const UINT command = app_.trackMenu(hwnd(), menu_.handle(), at);
      tooltip_.MoveArea(kTooltipArea, ClientArea());
      tooltip_.Activate(true);
      PostMessageW(hwnd(), WM_COMMAND, command, 0);
      return true;
    }
    case WM_TIMECHANGE:
      if (composedFor_) RefreshDate(app_.clock.Now());
      return false;
    case WM_POWERBROADCAST:
      if ((wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND) && composedFor_)
        RefreshDate(app_.clock.Now());
      result = TRUE;
      return true;
    default:
      return false;
  }
}

void Form4::OnDpiChanged() {
  tooltip_.MoveArea(kTooltipArea, ClientArea());
  tooltip_.SetMaxWidth(Scaled(400));
  // The system's tooltip font may lack Chinese glyphs; the faces' own font has them.
  tooltip_.SetFont(ui::CachedFont(kFaceTooltipFont, dpi()));
  BuildMenu();
}

void Form4::OnDestroy() { timer_.Disable(); }

}  // namespace sticker
