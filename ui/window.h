#pragma once
// A top-level window built from a description: its controls are created from ControlDesc
// rows, scaled to the monitor's DPI and laid out again when the DPI changes. Windowless
// controls are painted by the window into a back buffer, so a repaint never flickers.
//
// A form derives from WindowOf, fills a WindowDesc and overrides the handlers it needs:
//
//   enum class AboutPart { ChangeLog };  // one enumerator per description row, in order
//   class Form5 : public ui::WindowOf<AboutPart> {
//    public:
//     Form5() : WindowOf(Description()) {}
//    protected:
//     void OnReady() override { SetText(AboutPart::ChangeLog, ChangeLog()); }
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

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/control.h"
#include "ui/tail_window.h"
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

    // Every control, in description order; a window derived from WindowOf names each one by
    // its enumerator.
    const std::vector<Control>& controls() const { return controls_; }
    // The topmost windowless control under a client point: labels before pictures and frames.
    Control* WindowlessAt(POINT client);

    // Text of any control (windowless ones repaint their rectangle).
    void SetText(Control& control, std::string_view text);
    std::string Text(const Control& control) const;
    void SetColour(Control& control, COLORREF colour);

    // Background colour; with a colour key the key follows it.
    void SetBackground(COLORREF colour);
    COLORREF background() const { return background_; }

    bool Checked(const Control& control) const;
    void SetChecked(const Control& control, bool checked);
    void AddItems(const Control& control, const std::vector<std::string>& items);
    int Selected(const Control& control) const;  // -1 when nothing is selected
    void SetSelected(const Control& control, int index);
    SYSTEMTIME DateTime(const Control& control) const;
    void SetDateTime(const Control& control, const SYSTEMTIME& value);
    int Position(const Control& control) const;
    void SetPosition(const Control& control, int position);

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
    void RepaintNow();    // paints everything again before returning
    void PaintPending();  // paints what changed before returning
    // A colour-keyed window's constant alpha (255: the colour key alone) and clicks passing
    // through it, on the window and on the window of its label's live tail alike.
    void SetLayeredLook(BYTE alpha, bool clickThrough);
    // The window drawing the live tail of a label, or null when it has none.
    HWND TailWindowHandle() const { return tail_ ? tail_->hwnd() : nullptr; }
    // The tooltip that stands over the window shows over the live tail as well.
    void ShareTooltipWithTail(Tooltip& tooltip, std::string_view text) {
        if (!tail_ || !tail_->hwnd()) return;
        tooltip.AddRelayingWindow(tail_->hwnd(), text);
        tail_->RelayMouseTo(tooltip.hwnd());
    }
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

    // The control of a description row. A row the description lacks is a programming error,
    // reported to the missing-control handler, and answered with a spare control.
    Control& ControlAt(std::size_t row);
    const Control& ControlAt(std::size_t row) const;
    std::size_t RowIndex(const Control& control) const;
    // Reports every description row whose enumerator is not its place.
    void CheckRowOrder() const;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    bool RegisterClass() const;
    void BuildControls();
    void CreateControls();
    void CreateChild(Control& control);
    void CreateTailWindow();
    void ConnectChild(Control& control);
    bool HasChildWindows() const;
    friend void DeliverMessage(MSG& msg);
    void Layout();
    void ApplyDpi(UINT dpi, const RECT* suggested);
    void Paint();
    void PaintWindowless(HDC dc, const RECT& dirty);
    void FitLabelText(Control& label);
    // How the label with a live tail is split between this window (head) and the tail window.
    struct TailSplit {
        bool live = false;
        std::wstring head, tail;
        std::string font;
        int left = 0, headWidth = 0, width = 0, raise = 0;  // client pixels of the whole line
        bool SamePlaceAs(const TailSplit& other) const {
            return live == other.live && head == other.head && font == other.font &&
                   left == other.left && headWidth == other.headWidth && width == other.width &&
                   raise == other.raise;
        }
    };
    TailSplit SplitOf(const Control& label) const;
    // After the label's text, colour or place changed (moved: the tail window is placed again).
    void UpdateTail(Control& label, bool moved);
    UniqueBitmap Backdrop(const RECT& area);
    bool IsTailLabel(const Control& c) const {
        return tail_ && tailRow_ < controls_.size() && &c == &controls_[tailRow_];
    }
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
    Control spare_;  // stands in for a row the description lacks
    COLORREF background_ = 0;
    UniqueBrush brush_;
    UniqueBitmap backBuffer_;
    SIZE backBufferSize_{};
    UniqueIcon bigIcon_, smallIcon_;
    Tooltip controlTips_;  // plain tooltips of the controls that ask for one
    std::unique_ptr<TailWindow> tail_;
    std::size_t tailRow_ = 0;
    TailSplit split_;
    std::function<void()> final_;
    bool creating_ = false;      // no control events until the window is complete
    bool settingValue_ = false;  // a value set by the program is not a user change
};

// A window whose controls are named by Id, an enum class listed in the order of the
// description's rows (see ControlId): the accessors take an Id, so only a control the window
// has can be named.
template <ControlId Id, class Base = Window>
class WindowOf : public Base {
public:
    template <class... Args>
    explicit WindowOf(Args&&... args) : Base(std::forward<Args>(args)...) {
        this->CheckRowOrder();
    }

    Control& control(Id id) { return this->ControlAt(ui::RowOf(id)); }
    const Control& control(Id id) const { return this->ControlAt(ui::RowOf(id)); }
    // Which of the window's controls this one is.
    Id IdOf(const Control& c) const { return static_cast<Id>(this->RowIndex(c)); }
    bool Is(const Control& c, Id id) const { return &c == &control(id); }

    using Base::SetText, Base::Text, Base::SetColour, Base::Checked, Base::SetChecked,
        Base::AddItems, Base::Selected, Base::SetSelected, Base::DateTime, Base::SetDateTime,
        Base::Position, Base::SetPosition;
    void SetText(Id id, std::string_view text) { Base::SetText(control(id), text); }
    std::string Text(Id id) const { return Base::Text(control(id)); }
    void SetColour(Id id, COLORREF colour) { Base::SetColour(control(id), colour); }
    bool Checked(Id id) const { return Base::Checked(control(id)); }
    void SetChecked(Id id, bool checked) { Base::SetChecked(control(id), checked); }
    void AddItems(Id id, const std::vector<std::string>& items) {
        Base::AddItems(control(id), items);
    }
    int Selected(Id id) const { return Base::Selected(control(id)); }
    void SetSelected(Id id, int index) { Base::SetSelected(control(id), index); }
    SYSTEMTIME DateTime(Id id) const { return Base::DateTime(control(id)); }
    void SetDateTime(Id id, const SYSTEMTIME& value) { Base::SetDateTime(control(id), value); }
    int Position(Id id) const { return Base::Position(control(id)); }
    void SetPosition(Id id, int position) { Base::SetPosition(control(id), position); }
};

// Called with the window's class and a row's designer name whenever a description row is not
// where its enumerator says, or a window is asked for a row it does not have. The program's
// handler tells a debugger; the tests fail on it. Null puts the program's back; the one it
// replaces is returned.
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
