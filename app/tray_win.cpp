#include "app/tray_win.h"

#include "calendar/lunar.h"
#include "calendar/range.h"
#include "calendar/text.h"
#include "sticker/form1_win.h"
#include "sticker/form4_win.h"

namespace app {
namespace {

// The face the user sees: the alternate one while the main face is minimised.
sticker::Face* VisibleFace(App& app) {
    for (const std::string_view cls : {sticker::kForm4Class, sticker::kForm1Class}) {
        auto* face = dynamic_cast<sticker::Face*>(app.windows.Find(cls));
        if (face && face->hwnd() && !IsIconic(face->hwnd())) return face;
    }
    return dynamic_cast<sticker::Face*>(app.windows.Find(sticker::kForm1Class));
}

}  // namespace

std::string TrayTip(std::chrono::sys_days today) {
    std::string tip(sticker::kProductName);
    if (const auto lunar = calendar::LunarOf(today)) {
        tip += '\n';
        tip += calendar::ChineseYearDigits(lunar->year);
        tip += calendar::LunarMonthAndDayText(*lunar);
    }
    return tip;
}

Tray::Tray(App& app) : app_(app) { app_.ticks.Subscribe(*this); }

Tray::~Tray() { app_.ticks.Unsubscribe(*this); }

bool Tray::Show() {
    return icon_.Show("AAAAA_APPICON", TrayTip(app_.clock.Now().today),
                      {[this] { BringFaceToFront(); }, [this](POINT at) { OpenMenu(at); }});
}

void Tray::OnNewDay(const calendar::Moment& now) { icon_.SetTip(TrayTip(now.today)); }

void Tray::BringFaceToFront() {
    sticker::Face* face = VisibleFace(app_);
    if (!face || !face->hwnd()) return;
    // A face left off every screen comes back into view too.
    PostMessageW(face->hwnd(), sticker::kComeIntoViewMessage, 0, 0);
    SetWindowPos(face->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(face->hwnd());
}

void Tray::OpenMenu(POINT at) {
    sticker::Face* face = VisibleFace(app_);
    if (!face || !face->hwnd()) return;
    face->RefreshMenu();
    // The face's own commands, as if chosen from its menu; posted, since a command may close
    // the face.
    if (const UINT command = icon_.TrackMenu(face->menu(), at))
        PostMessageW(face->hwnd(), WM_COMMAND, command, 0);
}

}  // namespace app
