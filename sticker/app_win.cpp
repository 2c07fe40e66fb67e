#include "sticker/app_win.h"

#include <commdlg.h>

#include <vector>

#include "sticker/chime.h"
#include "ui/text.h"

namespace sticker {

const std::string_view kFaceTooltipBody =
    "01时间, 02星期几, 03第几周, 04日期；\r\n"
    "05阴历年月日/月雅称, 06二十四节气；\r\n"
    "07年、月、日、时干支; 08生肖/属相; \r\n"
    "09中国节日, 10时辰/别称, 11夜五更; \r\n"
    "12时刻, 13数九, 14闰不闰月, 15月大\r\n"
    "月小, 16春节倒计时, 17工具中指定日\r\n"
    "期显示二十四节 气, 18工具中指定日期\r\n"
    "显示节日, 19工具中指定日期显示年、\r\n"
    "月、日、时的八字、五行、方位......";

App::App(Clock& clockService, Voice& voiceService, SoundPlayer& soundService,
         SettingsStore& settingsStore)
    : clock(clockService), voice(voiceService), sound(soundService), settings(settingsStore) {}

FormRegistry::~FormRegistry() {
    // Every entry is alive (each window forgets itself when it ends); without their callbacks
    // the owned ones can be destroyed here without calling back into a registry in its end.
    for (auto& [id, entry] : open_) entry.window->SetFinalCallback(nullptr);
    open_.clear();
}

void FormRegistry::SetFactory(FormId id, FormFactory factory) {
    factories_[id] = std::move(factory);
}

bool FormRegistry::HasFactory(FormId id) const {
    auto it = factories_.find(id);
    return it != factories_.end() && it->second;
}

ui::Window* FormRegistry::Find(FormId id) const {
    auto it = open_.find(id);
    return it != open_.end() && it->second.window && it->second.window->hwnd() ? it->second.window
                                                                               : nullptr;
}

ui::Window* FormRegistry::Open(FormId id, bool* created) {
    if (created) *created = false;
    if (ui::Window* open = Find(id)) {
        ui::BringToFront(open->hwnd());
        return open;
    }
    if (!HasFactory(id)) return nullptr;
    std::unique_ptr<ui::Window> window = factories_[id](app_);
    if (!window) return nullptr;
    ui::Window* raw = window.get();
    // Registered before creation, so that the window can be found while it is being created.
    open_[id] = Entry{raw, std::move(window)};
    raw->SetFinalCallback([this, id, raw] { Forget(id, raw); });
    if (!raw->Create(SW_SHOWNORMAL)) {
        raw->SetFinalCallback(nullptr);
        open_.erase(id);
        return nullptr;
    }
    if (created) *created = true;
    return raw;
}

void FormRegistry::Track(FormId id, ui::Window& window) {
    open_[id] = Entry{&window, nullptr};
    window.SetFinalCallback([this, id, w = &window] { Forget(id, w); });
}

void FormRegistry::Close(FormId id) {
    if (ui::Window* open = Find(id)) DestroyWindow(open->hwnd());
}

void FormRegistry::Forget(FormId id, ui::Window* window) {
    auto it = open_.find(id);
    // Erasing frees an owned object; this runs as the very last step of its window.
    if (it != open_.end() && it->second.window == window) open_.erase(it);
}

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
    MessageBoxW(owner, ui::Widen(text).c_str(), ui::Widen(caption).c_str(), MB_OK);
}

void MoveWithMouse(HWND window) {
    ReleaseCapture();
    // SC_MOVE | HTCAPTION: the system's move loop, as if the caption bar were dragged.
    SendMessageW(window, WM_SYSCOMMAND, 0xF012, 0);
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

std::string ModulePath() {
    std::vector<wchar_t> buffer(260);
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        // A full buffer may mean a cut path: a Run entry with a cut path would start nothing.
        if (n < buffer.size() || buffer.size() >= 32768)
            return ui::Narrow(std::wstring_view(buffer.data(), n));
        buffer.resize(buffer.size() * 2);
    }
}

UINT NextTickDelay(int millisecondsIntoSecond) {
    if (millisecondsIntoSecond < 0 || millisecondsIntoSecond > 999) millisecondsIntoSecond = 0;
    return static_cast<UINT>(1000 - millisecondsIntoSecond + kTickMarginMs);
}

int MillisecondsIntoSecond() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wMilliseconds;
}

FacePoint WindowCentre(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return FaceCentreOf(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void CentreWindowOn(HWND hwnd, FacePoint point) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(hwnd, nullptr, point.x - width / 2, point.y - height / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace sticker
