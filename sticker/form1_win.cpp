#include "sticker/form1_win.h"

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
  kTextColour = 104,
  kTools = 105,
  kAbout = 106,
  kClose = 107,
  kStartWithSystem = 108,
  kNoStartWithSystem = 109,
};

constexpr UINT kTooltipArea = 1;

}  // namespace

ui::WindowDesc Form1Description() {
  ui::WindowDesc d;
  d.className = "Tavelon.Form1";
  d.caption = std::string(kProductName);
  d.width = 333;
  d.height = 168;
  d.style = 0x860B0000;  // pop-up, clipping, system menu, minimise and maximise capability
  d.exStyle = WS_EX_CONTROLPARENT;
  d.systemBackground = false;
  d.background = kDefaultTextColour;
  d.colourKey = true;
  d.icon = "AAAAA_APPICON";
  const COLORREF text = ColoursForText(kDefaultTextColour).text;
  using ui::ControlKind;
  d.controls = {
      ui::Describe(ControlKind::Label, "Label1", 6, 0, 314, 56).Font("Microsoft YaHei,38,1").Colour(text),
      ui::Describe(ControlKind::Label, "Label2", 9, 56, 314, 69).Font("SimSun,12,1").Colour(text),
      ui::Describe(ControlKind::Label, "Label3", 10, 124, 314, 40).Font("SimSun,12,1").Colour(text),
  };
  return d;
}

Form1::Form1(App& app) : ui::Window(Form1Description()), app_(app) {}

void Form1::OnCreate() {
  app_.forms.Track(FormId::Form1, *this);
  timer_.Attach(hwnd(), kTimer1);
  timer_.Enable(NextTickDelay(MillisecondsIntoSecond()));
}

void Form1::OnShown() {
  tooltip_.Create(hwnd(), true);
  tooltip_.AddArea(kTooltipArea, ClientArea(), kFaceTooltipTitle, kFaceTooltipBody);
  tooltip_.SetMaxWidth(Scaled(400));
  // The system's tooltip font may lack Chinese glyphs; the faces' own font has them.
  tooltip_.SetFont(ui::CachedFont(kFaceTooltipFont, dpi()));
  BuildMenu();
}

void Form1::BuildMenu() {
  menu_.Build({{kNotes, "ICON_HELP", "科普"},
               {kSwitchFace, "ICON_BL", "变脸"},
               {kTextColour, "ICON_ZS", "字色"},
               {kTools, "ICON_TOOL", "工具"},
               {kAbout, "ICON_ABOUT", "关于"},
               {kClose, "ICON_ESC", "关闭"},
               {kStartWithSystem, "ICON_RUNSETUP", "设为开机启动"},
               {kNoStartWithSystem, "ICON_RERUNSETUP", "取消开机启动"}},
              dpi());
}

RECT Form1::ClientArea() const {
  RECT r{};
  GetClientRect(hwnd(), &r);
  return r;
}

void Form1::OnReady() { ComposeMainFace(); }

void Form1::ComposeMainFace() {
  const FacePosition at = MainFacePosition(GetSystemMetrics(SM_CXFULLSCREEN), Scaled(description().width));
  SetWindowPos(hwnd(), nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  app_.FaceCentre = WindowCentre(hwnd());
  const Moment now = app_.clock.Now();
  const StickerSettings settings = LoadStickerSettings(app_.settings, now.today);
  app_.schedule = settings.schedule;
  app_.proposals = settings.proposals;
  ApplyTextColour(settings.textColour);
  composedFor_.reset();
  RefreshDate(now);
}

void Form1::RefreshDate(const Moment& now) {
  const MainFaceTexts texts = ComposeMainFaceTexts(now);
  const bool newDate = composedFor_ != now.today;
  composedFor_ = now.today;
  if (texts.InRange()) SetText("Label2", texts.label2);
  // The message once per date: a second time change on the same day does not repeat it.
  else if (newDate) app_.showMessage(hwnd(), texts.message, kRangeCaption);
}

void Form1::ApplyTextColour(std::uint32_t colour) {
  const FaceColours colours = ColoursForText(colour);
  for (const char* label : {"Label1", "Label2", "Label3"}) SetColour(label, colours.text);
  SetBackground(colours.background);
}

void Form1::OnTimer(UINT_PTR id) {
  if (id == kTimer1) Tick();
}

void Form1::Tick() {
  timer_.Suspend();
  const Moment now = app_.clock.Now();
  // A timer that fires just before its second boundary would tick the same second twice.
  if (lastTick_ != now) {
    lastTick_ = now;
    CheckChimeAndAlarms(now, app_.schedule, app_.voice, app_.sound);
    // Sounds and speech take seconds: the labels show the time after them.
    const Moment shown = app_.clock.Now();
    if (composedFor_ && *composedFor_ != shown.today) RefreshDate(shown);
    const MainClockTexts texts = ComposeMainClockTexts(shown);
    SetText("Label1", texts.label1);
    SetText("Label3", texts.label3);
    if (!minimised_) UpdateWindow(hwnd());
  }
  timer_.Resume(NextTickDelay(MillisecondsIntoSecond()));
}

void Form1::OnCommand(UINT id) {
  switch (id) {
    case kNotes:
      app_.forms.Open(FormId::Form2);
      break;
    case kSwitchFace:
      ShowWindow(hwnd(), SW_MINIMIZE);
      break;
    case kTextColour:
      ChooseTextColour();
      break;
    case kTools:
      app_.forms.Open(FormId::Form3);
      break;
    case kAbout:
      app_.forms.Open(FormId::Form5);
      break;
    case kClose:
      RequestClose();
      break;
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

void Form1::ChooseTextColour() {
  const std::optional<std::uint32_t> colour = app_.chooseColour(hwnd());
  if (!colour) return;
  ApplyTextColour(*colour);
  WriteSetting(app_.settings, kSettingsKey, kColourValue, ColourText(*colour));
}

void Form1::ShowMenuAtCursor() {
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
}

void Form1::OnMinimised() {
  bool created = false;
  ui::Window* face = app_.forms.Open(FormId::Form4, &created);
  // Its own composition then moves it to the top-right corner.
  if (face && created) CentreWindowOn(face->hwnd(), app_.FaceCentre);
}

void Form1::OnRestored() {
  app_.forms.Close(FormId::Form4);
  CentreWindowOn(hwnd(), app_.FaceCentre);
}

bool Form1::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_LBUTTONDOWN: {
      const POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      const ui::Control* hit = WindowlessAt(at);
      if (hit && hit->desc.name == "Label1") {
        app_.dragMover(hwnd());
        app_.FaceCentre = WindowCentre(hwnd());
      }
      return true;
    }
    case WM_RBUTTONDOWN: {
      const ui::Control* hit = WindowlessAt(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
      if (hit && hit->desc.kind == ui::ControlKind::Label) ShowMenuAtCursor();
      return true;
    }
    case WM_SIZE:
      if (wp == SIZE_MINIMIZED && !minimised_) {
        minimised_ = true;
        OnMinimised();
      } else if (wp == SIZE_RESTORED && minimised_) {
        minimised_ = false;
        OnRestored();
      }
      return false;
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

void Form1::OnDpiChanged() {
  tooltip_.MoveArea(kTooltipArea, ClientArea());
  tooltip_.SetMaxWidth(Scaled(400));
  // The system's tooltip font may lack Chinese glyphs; the faces' own font has them.
  tooltip_.SetFont(ui::CachedFont(kFaceTooltipFont, dpi()));
  BuildMenu();
}

void Form1::OnDestroy() {
  timer_.Disable();
  PostQuitMessage(0);
}

}  // namespace sticker
