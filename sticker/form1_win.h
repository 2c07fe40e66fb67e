#pragma once
// The main face: a borderless, colour-keyed window on which only the clock, the date block
// and the stem-branch/quarter lines are seen. Its one-second tick drives the chime and the
// alarms; minimising it shows the alternate face, and closing it ends the program.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <optional>

#include "sticker/app_win.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "ui/tooltip.h"
#include "ui/window.h"

namespace sticker {

class Form1 final : public ui::Window {
 public:
  static constexpr UINT_PTR kTimer1 = 1;

  explicit Form1(App& app);

  // Places the window, loads the settings into the schedule, applies the text colour and
  // writes the date block; out of range it shows the range message and keeps Label2.
  void ComposeMainFace();
  // Text of Label1..Label3 and the background (also the colour key) from a text colour.
  void ApplyTextColour(std::uint32_t colour);

  const ui::Timer& timer() const { return timer_; }
  HMENU menu() const { return menu_.handle(); }
  HWND tooltip() const { return tooltip_.hwnd(); }
  std::optional<std::chrono::sys_days> composedFor() const { return composedFor_; }

 protected:
  void OnCreate() override;
  void OnReady() override;
  void OnShown() override;
  void OnTimer(UINT_PTR id) override;
  void OnCommand(UINT id) override;
  void OnDpiChanged() override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void OnDestroy() override;

 private:
  void Tick();
  void RefreshDate(const Moment& now);
  void ShowMenuAtCursor();
  void OnMinimised();
  void OnRestored();
  void ChooseTextColour();
  void BuildMenu();
  RECT ClientArea() const;

  App& app_;
  ui::Timer timer_;
  ui::PopupMenu menu_;
  ui::Tooltip tooltip_;
  std::optional<std::chrono::sys_days> composedFor_;
  std::optional<Moment> lastTick_;
  bool minimised_ = false;
};

ui::WindowDesc Form1Description();

}  // namespace sticker
