#pragma once
// The alternate face: a square picture with a large clock and four text blocks in fixed
// colours. It is shown while the main face is minimised (the main face keeps ticking, so the
// chime and the alarms go on) and it never announces anything itself.
#include <windows.h>

#include <chrono>
#include <optional>

#include "sticker/app_win.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "ui/tooltip.h"
#include "ui/window.h"

namespace sticker {

class Form4 final : public ui::Window {
 public:
  static constexpr UINT_PTR kTimer1 = 1;

  explicit Form4(App& app);

  // Places the window at the top-right corner and writes Label2..Label4; FaceCentre stays.
  void ComposeAlternateFace();

  const ui::Timer& timer() const { return timer_; }
  HMENU menu() const { return menu_.handle(); }
  HWND tooltip() const { return tooltip_.hwnd(); }

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
  void BuildMenu();
  RECT ClientArea() const;

  App& app_;
  ui::Timer timer_;
  ui::PopupMenu menu_;
  ui::Tooltip tooltip_;
  std::optional<std::chrono::sys_days> composedFor_;
  std::optional<Moment> lastTick_;
};

ui::WindowDesc Form4Description();

}  // namespace sticker
