#pragma once
// A top-level window built from a description: its controls are created from ControlDesc
// rows, scaled to the monitor's DPI and laid out again when the DPI changes. Windowless
// controls are painted by the window into a back buffer, so a repaint never flickers.
//
// A form derives from Window, fills a WindowDesc and overrides the handlers it needs:
//
//   class Form5 : public ui::Window {
//    public:
//     Form5() : Window(Description()) {}
//    protected:
//     void OnReady() override { SetText("Text1", ChangeLog()); }
//   };
//   auto form = std::make_unique<Form5>();
//   form->Create();             // controls exist, window shown, ready notification posted
//
// Life cycle: Create() creates the window hidden, then the controls in description order,
// calls OnCreate() (timers), posts the window-ready notification and shows the window. The
// notification calls OnReady() and then repaints at once; after that the window icons are set
// and OnShown() runs (tooltips, menus: things not needed for the first picture). WM_DESTROY calls
// OnDestroy(); after WM_NCDESTROY the object is detached from its window and
// OnFinalMessage() runs last, so an object may delete itself there (or its owner may, in the
// final callback). Such an object must not touch its members after a call that destroys its
// own window. Destroying the object first destroys its window without calling any handler.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/tooltip.h"
#include "ui/unique.h"

namespace ui {

// Posted by every window to itself at the end of its creation.
inline constexpr UINT kWindowReadyMessage = WM_APP + 1;
// Posted after the ready notification's repaint: what the user need not see at once waits
// for it, so the window's first picture comes sooner.
inline constexpr UINT kWindowShownMessage = WM_APP + 2;

struct WindowDesc {
    std::string className;  // registered once; lets other code find the window by class
    std::string caption;
    int x = 0, y = 0;              // initial position in logical pixels (screen)
    bool defaultPosition = false;  // let the system choose instead of x, y
    int width = 0, height = 0;     // outer size in logical pixels
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    COLORREF background = 0;
    bool systemBackground = true;  // the button-face colour instead of background
    bool colourKey = false;        // the background is also the layered window's colour key
    std::string icon;              // icon resource, loaded at bigIcon and smallIcon logical pixels
    int bigIcon = 48, smallIcon = 32;
    std::string font = "Microsoft YaHei,9,0";  // default font of the controls
    bool doubleClicks = false;                 // the window gets double clicks (CS_DBLCLKS)
    std::vector<ControlDesc> controls;
};

class Window {
public:
    explicit Window(WindowDesc desc);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    bool Create(int showCommand = SW_SHOWNORMAL);
    HWND hwnd() const { return hwnd_; }
    UINT dpi() const { return dpi_; }
    const WindowDesc& description() const { return desc_; }
    int Scaled(int logical) const;

    // The window object behind one of our windows, or null for any other window.
    static Window* FromHandle(HWND hwnd);

    // The control of that name, or null when the window has none.
    Control* Find(std::string_view name);
    const Control* Find(std::string_view name) const;
    // The same for a control the caller knows is there: a name that is not is a programming
    // error, reported to the missing-control handler (the tests make it fail), and null.
    Control* Named(std::string_view name);
    const Control* Named(std::string_view name) const;
    const std::vector<Control>& controls() const { return controls_; }
    // The topmost windowless control under a client point: labels before pictures and frames.
    Control* WindowlessAt(POINT client);

    // The control values by name; each reports a name the window does not have, as Named.
    // Text of any control (windowless ones repaint their rectangle).
    void SetText(std::string_view name, std::string_view text);
    std::string Text(std::string_view name) const;
    void SetColour(std::string_view name, COLORREF colour);

    // Background colour; with a colour key the key follows it.
    void SetBackground(COLORREF colour);
    COLORREF background() const { return background_; }

    bool Checked(std::string_view name) const;
    void SetChecked(std::string_view name, bool checked);
    void AddItems(std::string_view name, const std::vector<std::string>& items);
    int Selected(std::string_view name) const;  // -1 when nothing is selected
    void SetSelected(std::string_view name, int index);
    SYSTEMTIME DateTime(std::string_view name) const;
    void SetDateTime(std::string_view name, const SYSTEMTIME& value);
    int Position(std::string_view name) const;
    void SetPosition(std::string_view name, int position);

    // The FontSpec a control is drawn with: its own, or the window's default.
    const std::string& FontSpecOf(const Control& control) const;
    // The width in device pixels of one line of text in a control's font (or in a FontSpec),
    // as painting draws it.
    int TextWidth(const Control& control, std::wstring_view text) const;
    int TextWidth(std::string_view fontSpec, std::wstring_view text) const;

    // Runs once when the window is gone: after its own final handler, or when the object is
    // destroyed first. Lets an owner forget (or delete) the object. Set at most one.
    void SetFinalCallback(std::function<void()> callback) { final_ = std::move(callback); }

    void Invalidate(const Control& control);
    void RepaintNow();  // paints pending changes before returning
    void RequestClose();

protected:
    virtual void OnCreate() {}
    virtual void OnReady() {}
    virtual void OnShown() {}
    virtual void OnTimer(UINT_PTR /*id*/) {}
    virtual void OnCommand(UINT /*id*/) {}
    virtual void OnControlEvent(Control& /*control*/, ControlEvent /*event*/) {}
    virtual void OnDpiChanged() {}
    // Any message first; return true when handled, with the result to return.
    virtual bool OnMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, LRESULT& /*result*/) {
        return false;
    }
    virtual void OnDestroy() {}
    virtual void OnFinalMessage() {}
    // Paints what the window draws itself into the back buffer, before (under) its windowless
    // controls; dirty is the part being repainted.
    virtual void OnPaint(HDC /*dc*/, const RECT& /*dirty*/) {}

    // Device rectangle of a control description at the current DPI.
    RECT ScaledRect(const ControlDesc& desc) const;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    bool RegisterClass() const;
    void CreateControls();
    void CreateChild(Control& control);
    void ConnectChild(Control& control);
    bool HasChildWindows() const;
    friend void DeliverMessage(MSG& msg);
    void Layout();
    void ApplyDpi(UINT dpi, const RECT* suggested);
    void Paint();
    void PaintWindowless(HDC dc, const RECT& dirty);
    void FitLabelText(Control& label);
    void PaintLabel(HDC dc, Control& label);
    void PaintGroupBox(HDC dc, const Control& control);
    BYTE TextQuality() const;
    LRESULT ColourStatic(UINT msg, HDC dc, HWND child);
    void Command(WPARAM wp, LPARAM lp);
    LRESULT Notify(const NMHDR& header);

    WindowDesc desc_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    std::vector<Control> controls_;
    COLORREF background_ = 0;
    UniqueBrush brush_;
    UniqueBitmap backBuffer_;
    SIZE backBufferSize_{};
    UniqueIcon bigIcon_, smallIcon_;
    Tooltip controlTips_;  // plain tooltips of the controls that ask for one
    std::function<void()> final_;
    bool creating_ = false;      // no control events until the window is complete
    bool settingValue_ = false;  // a value set by the program is not a user change
};

// Called with the window's class and the control name whenever a window is asked for a control
// it does not have. The program's handler tells a debugger; the tests fail on it. Null puts the
// program's back; the one it replaces is returned.
using MissingControlHandler = void (*)(std::string_view window, std::string_view control);
MissingControlHandler SetMissingControlHandler(MissingControlHandler handler);

// Runs the thread's message loop until WM_QUIT and returns its exit code. Keyboard
// navigation between controls works in every one of our windows that has child controls.
int RunMessageLoop();
// What the loop does with one message: the keyboard navigation, or the window's procedure.
void DeliverMessage(MSG& msg);

// Restores a minimised window, brings it to the front and flashes its caption and taskbar
// button 5 times at 100 ms, as asking for an open window again does.
void BringToFront(HWND hwnd);

// Centres a window on the work area of the monitor under the mouse, which is where the user
// just chose the menu command; never above or left of the work area, so the caption stays in
// reach.
void CentreUnderCursor(HWND hwnd);

}  // namespace ui
