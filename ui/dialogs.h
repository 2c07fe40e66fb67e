#pragma once
// The modal moments of a window, each replaceable so that a test can stand in for the person:
// the colour dialog, a message box, the move loop of a dragged window and a popup menu.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace ui {

// The chosen colour (0x00BBGGRR), or nothing when cancelled.
using ColourChooser = std::function<std::optional<std::uint32_t>(HWND owner)>;
// A message box with one OK button.
using MessageShower =
    std::function<void(HWND owner, std::string_view text, std::string_view caption)>;
// The platform's move loop for a borderless window dragged by the mouse; returns when the
// button is released.
using DragMover = std::function<void(HWND window)>;
// Shows a popup menu at a screen point and returns the chosen command, 0 when dismissed.
using MenuTracker = std::function<UINT(HWND owner, HMENU menu, POINT screen)>;

std::optional<std::uint32_t> ChooseColourWithDialog(HWND owner);
void ShowMessageBox(HWND owner, std::string_view text, std::string_view caption);
void MoveWithMouse(HWND window);
UINT TrackMenu(HWND owner, HMENU menu, POINT screen);

struct Dialogs {
    ColourChooser chooseColour = ChooseColourWithDialog;
    MessageShower showMessage = ShowMessageBox;
    DragMover dragMover = MoveWithMouse;
    MenuTracker trackMenu = TrackMenu;
};

}  // namespace ui
