#include "ui/dialogs.h"

#include <commdlg.h>

#include "ui/text.h"

namespace ui {

std::optional<std::uint32_t> ChooseColourWithDialog(HWND owner) {
    COLORREF custom[16];
    // A blue-to-green ramp, so that the dialog offers useful colours at once.
    for (int i = 0; i < 16; ++i) custom[i] = RGB(0, 16 * i, 16 * (15 - i));
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = owner;
    cc.rgbResult = RGB(0, 0, 0);
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&cc)) return std::nullopt;
    return static_cast<std::uint32_t>(cc.rgbResult);
}

void ShowMessageBox(HWND owner, std::string_view text, std::string_view caption) {
    MessageBoxW(owner, Widen(text).c_str(), Widen(caption).c_str(), MB_OK);
}

void MoveWithMouse(HWND window) {
    ReleaseCapture();
    // The system's move loop, as if the caption bar were dragged.
    SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

UINT TrackMenu(HWND owner, HMENU menu, POINT screen) {
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT command = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
        screen.x, screen.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return command;
}

}  // namespace ui
