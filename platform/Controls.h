// Controls: components with a place on the screen.
//
//  TControl         position, size, alignment, visibility, font, colour,
//                   mouse events; SetBounds is the one path for all geometry
//  TGraphicControl  no window of its own: painted by its parent's paint and
//                   given its mouse messages by the parent
//  TWinControl      a window of its own, created on first need (parents
//                   first), destroyed and made again by RecreateWnd
//  TCustomControl   a windowed control that paints itself on a canvas
//  TWindowHook      puts another object's handler in front of a windowed
//                   control's window procedure, and takes it out again
//  ReleaseLater     frees a component once no handler of the framework
//                   is running any more
//
// Every window of the framework, whether of its own classes or of a system
// class such as EDIT (superclassed under the name "Rdz.EDIT"), has one
// window procedure: it binds the object to the window at WM_NCCREATE and
// hands every message to the object's hook chain and WndProc.
//
// Coordinates of a control are client coordinates of its parent; a control
// inside a group box is positioned within the group box.
//
// Painting never lets an error out of a window's paint: a control whose
// paint raises has the error shown once, after the paint has ended, and
// draws plainly (PaintPlain) from then on, until RetryPaint (a skinned
// control calls it when the skin changes).
//
// Messages reach a windowed control's typed handlers (OnPaint, OnTimer,
// OnKeyDown, ...); a handler returning true has used the message up, false
// passes it on to the window class (a native control's own procedure, or
// the default one). The system's own message numbers (AppMessages.h) never
// reach a native control's procedure. Windowless controls receive messages
// only by direct dispatch (Perform).
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "platform/Handles.h"
#include "platform/portable/Component.h"
#include "platform/portable/Types.h"

class TWinControl;
struct TAccessibleFacts;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// Shift state bits of mouse and key events.
enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssCtrl = 2,
    ssLeft = 4,
    ssRight = 8,
    ssMiddle = 16,
    ssAlt = 32,
    ssDouble = 64,  // the press is the second of a double click
};

using TMouseEvent = std::function<void(TComponent* Sender, TMouseButton Button, unsigned Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, unsigned Shift, int X, int Y)>;
// Key is a virtual-key code; a handler that sets it to 0 uses the key up.
using TKeyEvent = std::function<void(TComponent* Sender, WORD& Key, unsigned Shift)>;
// Key is a character of the ANSI code page; a handler that sets it to 0 uses it up.
using TKeyPressEvent = std::function<void(TComponent* Sender, char& Key)>;
// WheelDelta: 120 per notch, positive away from the user; MousePos in
// screen coordinates. Handled true uses the turn up.
using TMouseWheelEvent =
    std::function<void(TComponent* Sender, unsigned Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;

// The shift state of the keyboard now (ssShift, ssCtrl, ssAlt).
unsigned KeyShiftState();

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* GetParent() const { return FParent; }  // not owned
    virtual void SetParent(TWinControl* value);
    void SetParentComponent(TComponent* value) override;

    int GetLeft() const { return FLeft; }
    int GetTop() const { return FTop; }
    int GetWidth() const { return FWidth; }
    int GetHeight() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    TRect GetBoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    // The one way position and size change. Negative sizes become 0.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    virtual TRect GetClientRect() const { return Rect(0, 0, FWidth, FHeight); }
    int GetClientWidth() const { return GetClientRect().Width(); }
    int GetClientHeight() const { return GetClientRect().Height(); }

    TAlign GetAlign() const { return FAlign; }
    void SetAlign(TAlign value);

    bool GetVisible() const { return FVisible; }
    virtual void SetVisible(bool value);
    // Visible, and every parent up to the top visible too.
    bool IsShowing() const;
    bool GetEnabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    TFont& Font() { return *FFont; }
    bool GetParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor value);

    // Caption or text; windowed controls keep it in their window.
    virtual std::string GetText() const { return FText; }
    virtual void SetText(const std::string& value);
    std::string GetCaption() const { return GetText(); }
    void SetCaption(const std::string& value) { SetText(value); }

    // Marks the control's area for painting.
    virtual void Invalidate();
    // Paints what is marked now.
    virtual void Update();
    void Repaint() {
        Invalidate();
        Update();
    }

    virtual TPoint ClientToScreen(TPoint p) const;
    // Enabled, and every parent up to the top enabled too.
    bool IsEnabledInParents() const;

    // A message given to the control directly, not through a window: how
    // windowless controls receive messages (WM_PARENTBGCHANGED and the
    // like). Windowed controls run it through their hooks and window
    // procedure. The base answers 0.
    virtual LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);

    // Paints into dc, whose (0, 0) is this control's top-left, what its
    // parent shows behind it: the parent's background and face, then every
    // visible sibling below this control in the parent's z-order (its
    // control list, windowed and windowless alike, bottom first) that
    // overlaps it, each clipped to its bounds. dc may be a screen or a
    // memory context; its origin and clip are left as they were.
    void DrawParentImage(HDC dc) const;

    // The form's dialog-key step offers Enter and Escape to its controls,
    // depth first, until one takes the key (a default or cancel button):
    // true when this control took it.
    virtual bool DialogKey(WORD key, unsigned shift);
    // The same for a character the focused control does not take (and
    // Alt+character): true when it was this control's accelerator.
    virtual bool DialogChar(char ch);
    // The focus moved to `focused`, a window inside the same top-level
    // window; every control of that window hears it, depth first (a default
    // button works out whether it answers Enter now).
    virtual void FocusChanged(TWinControl* focused) { (void)focused; }

    void SetOnClick(TNotifyEvent value) { FOnClick = std::move(value); }
    void SetOnMouseDown(TMouseEvent value) { FOnMouseDown = std::move(value); }
    void SetOnMouseUp(TMouseEvent value) { FOnMouseUp = std::move(value); }
    void SetOnMouseMove(TMouseMoveEvent value) { FOnMouseMove = std::move(value); }
    void SetOnMouseEnter(TNotifyEvent value) { FOnMouseEnter = std::move(value); }
    void SetOnMouseLeave(TNotifyEvent value) { FOnMouseLeave = std::move(value); }
    void SetOnDblClick(TNotifyEvent value) { FOnDblClick = std::move(value); }

    // Raised by the framework; overrides call the base to fire the events.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, unsigned shift, int x, int y);
    virtual void MouseUp(TMouseButton button, unsigned shift, int x, int y);
    virtual void MouseMove(unsigned shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    bool IsMouseInside() const { return FMouseInside; }

    // A paint of this control raised: it was reported, and the control
    // draws plainly since.
    bool PaintFailed() const { return FPaintFailed; }
    // The next paint runs the control's own paint again.
    void RetryPaint() { FPaintFailed = false; }

protected:
    // Runs paint, or plain once a paint of this control has raised (until
    // RetryPaint); a paint that raises now is followed by plain at once.
    // Returns the error of that paint, for ReportPaintFailure once the
    // window's paint has ended; plain's own errors are not reported again.
    std::exception_ptr RunPaint(const std::function<void()>& paint, const std::function<void()>& plain);

    // The font changed (its own or, with ParentFont, the parent's).
    virtual void FontChanged();
    virtual void ColorChanged() { Invalidate(); }
    virtual void TextChanged() { Invalidate(); }
    virtual void VisibleChanged();
    virtual void EnabledChanged() { Invalidate(); }
    // Makes the hover agree with Enabled and the pointer (SetEnabled calls
    // it): a disabled windowed control is not hovered, an enabled one under
    // the resting pointer is. Windowless controls follow their parent's
    // mouse messages and do nothing here.
    virtual void SettleHover() {}
    // Moves the native window, if any, after the fields changed.
    virtual void BoundsChanged() {}
    void ParentFontChanged();

    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;  // pixels, parent client coordinates
    std::string FText;
    bool FMouseInside = false;

private:
    friend class TWinControl;
    TWinControl* FParent = nullptr;  // not owned
    TAlign FAlign = TAlign::alNone;
    bool FVisible = true;
    bool FEnabled = true;
    bool FParentFont = true;
    bool FFontFromParent = false;  // guards FontChanged while copying the parent's
    bool FPaintFailed = false;     // a paint raised: plain paints until RetryPaint
    TColor FColor = clBtnFace;
    std::unique_ptr<TFont> FFont;
    TNotifyEvent FOnClick, FOnDblClick, FOnMouseEnter, FOnMouseLeave;
    TMouseEvent FOnMouseDown, FOnMouseUp;
    TMouseMoveEvent FOnMouseMove;
};

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

    // Paints on the parent's canvas, whose origin is moved to this control's
    // top left and whose clip is limited to its bounds.
    virtual void Paint(TCanvas& canvas) = 0;
    // Paint, or PaintPlain after a paint raised (RunPaint); the error of a
    // paint that raised now comes back.
    std::exception_ptr PaintGuarded(TCanvas& canvas);

    void Invalidate() override;
    void Update() override;
    // The part of the parent it may paint on (parent client coordinates);
    // its bounds unless a class draws beyond them.
    virtual TRect GetPaintRect() const { return GetBoundsRect(); }

protected:
    // What the control draws once its Paint has raised: the base draws
    // nothing, and the parent shows through.
    virtual void PaintPlain(TCanvas& canvas) { (void)canvas; }
    void BoundsChanged() override;
    bool FMouseDown = false;  // the left button went down here
    friend class TWinControl;
};

struct TCreateParams {
    std::string Caption;
    DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;  // not owned
    // The framework's own window class name, or the system class this
    // control superclasses (then the class is registered as "Rdz.<name>").
    std::string WinClassName = "RdzWindow";
    std::string SystemClassName;
    UINT ClassStyle = CS_DBLCLKS;
    HBRUSH Background = nullptr;  // not owned
};

class TWindowHook;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // Creates the window (and the parent's first) when there is none yet.
    HWND GetHandle();
    bool HandleAllocated() const { return bool(FHandle); }
    // The window if it exists, without creating it.
    HWND WindowHandle() const { return FHandle.Get(); }
    void HandleNeeded() { (void)GetHandle(); }
    // Destroys the window and makes a new one with the present settings.
    void RecreateWnd();
    // Destroys the window (and its children's) keeping the object's state.
    void DestroyHandle();

    // Children in z-order, bottom first.
    int GetControlCount() const { return int(FControls.size()); }
    TControl* GetControl(int index) const { return FControls.at(std::size_t(index)); }
    // Visits every control inside this one, depth first: a control before
    // its children, children in z-order, windowed and windowless alike. A
    // control that the visit (or anything it causes) removes is not visited
    // again, nor are its children.
    void ForEachControl(const std::function<void(TControl&)>& visit);
    // The first control, in the order of ForEachControl, that pred accepts.
    TControl* FindControl(const std::function<bool(TControl&)>& pred);
    // Sends a message to every child (not deeper): a windowed child through
    // its window when it has one, any other by direct dispatch (Perform).
    void Broadcast(UINT msg, WPARAM wParam, LPARAM lParam);
    // The visible, enabled graphic child at p (client coordinates), topmost first.
    TGraphicControl* GraphicControlAt(TPoint p) const;

    int GetTabOrder() const;
    void SetTabOrder(int value);
    bool GetTabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    // Windowed children in tab order.
    std::vector<TWinControl*> GetTabOrderList() const;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    TRect GetClientRect() const override;
    std::string GetText() const override;
    void SetText(const std::string& value) override;
    void Invalidate() override;
    void Update() override;
    TPoint ClientToScreen(TPoint p) const override;
    bool Focused() const;
    // Visible and enabled up to the top: the window may take the focus.
    bool CanFocus() const;
    void SetFocus();

    // Runs a message through the hook chain and the window procedure
    // without the window system (the window need not exist).
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Timers of this window, owned by the object: StartTimer (re)starts the
    // id with that interval (ms), StopTimer stops it. They stop when the
    // window goes (RecreateWnd included). Ids: platform/portable/TimerIds.h.
    void StartTimer(UINT_PTR id, UINT interval);
    void StopTimer(UINT_PTR id);
    bool TimerRunning(UINT_PTR id) const { return FTimers.count(id) != 0; }

    // Left button pressed on this window (not on a windowless child) and
    // not yet released, with capture on press switched on.
    bool IsMousePressed() const { return FMousePressed; }
    // Ends the hover (MouseLeave) when the pointer, as WindowUnderCursor
    // tells, is over neither this window nor a window inside it; then its
    // hovered parents check too. For pointer polling by timer.
    void CheckMouseLeave();

    void SetOnKeyDown(TKeyEvent value) { FOnKeyDown = std::move(value); }
    void SetOnKeyUp(TKeyEvent value) { FOnKeyUp = std::move(value); }
    void SetOnKeyPress(TKeyPressEvent value) { FOnKeyPress = std::move(value); }
    void SetOnEnter(TNotifyEvent value) { FOnEnter = std::move(value); }
    void SetOnExit(TNotifyEvent value) { FOnExit = std::move(value); }
    void SetOnMouseWheel(TMouseWheelEvent value) { FOnMouseWheel = std::move(value); }
    // Re-lays out the aligned children.
    void Realign();
    // Paints the graphic children that intersect the canvas clip. Returns
    // the first error of a child's paint, to be reported (ReportPaintFailure)
    // once the window's paint has ended.
    [[nodiscard]] std::exception_ptr PaintControls(TCanvas& canvas);

    // The control of a window made by the framework, or nullptr.
    static TWinControl* FromHandle(HWND wnd);

    // What assistive programs learn of this control (platform/Accessible.h).
    // The base states nothing (role 0): the window class, or the system,
    // answers for it.
    virtual void GetAccessibleFacts(TAccessibleFacts& facts) const { (void)facts; }
    // The default action the facts name, asked for by an assistive program;
    // false when there is none.
    virtual bool DoAccessibleDefaultAction() { return false; }

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // After the window exists: pushes the object's state into it.
    virtual void InitializeWnd();
    // Before the window goes: pulls its state back into the object.
    virtual void SaveWndState();

    // Every message; the switch hands typed handlers their arguments.
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // What the window class itself does with a message.
    LRESULT DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam);

    virtual bool OnPaint();  // true: handled
    virtual bool OnEraseBackground(HDC dc);
    virtual void OnCommand(WORD notifyCode) { (void)notifyCode; }
    virtual void OnSize() { Realign(); }
    // True when the id is this object's; an id it does not own goes on to
    // the window class (a native control's own timers). The base owns the
    // ids started with StartTimer.
    virtual bool OnTimer(UINT_PTR id);
    virtual LRESULT OnMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    // WM_CTLCOLOR* of this control, relayed by its parent; nullptr: default.
    virtual HBRUSH OnCtlColor(HDC dc) { (void)dc; return nullptr; }
    // WM_DRAWITEM and WM_MEASUREITEM of this owner-drawn control, relayed
    // by its parent; true when drawn (measured).
    virtual bool OnDrawItem(DRAWITEMSTRUCT& item) { (void)item; return false; }
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& item) { (void)item; return false; }
    // WM_VSCROLL (vertical) or WM_HSCROLL: of this scroll bar control,
    // relayed by its parent, or of this window's own bars. code: SB_*;
    // position: the thumb position of SB_THUMBTRACK and SB_THUMBPOSITION.
    virtual bool OnScroll(bool vertical, WORD code, int position);

    // Keyboard and focus. The bases raise the key events (KeyDown, KeyUp,
    // KeyPress); true uses the message up.
    virtual bool OnKeyDown(WORD key, unsigned shift);
    virtual bool OnKeyUp(WORD key, unsigned shift);
    virtual bool OnChar(char ch);
    virtual void OnSetFocus(HWND previous);
    virtual void OnKillFocus(HWND next);
    virtual bool OnMouseWheel(int delta, unsigned shift, TPoint screenPos);
    // WM_GETDLGCODE: which keys the control takes itself instead of the
    // dialog navigation (DLGC_*). key and msg as the message gives them (msg
    // may be null). The base answers what the window class answers.
    virtual LRESULT OnGetDlgCode(WPARAM key, MSG* msg);
    // The mouse capture went elsewhere while the left button was pressed on
    // this window (IsMousePressed): the press ends without a click.
    virtual void CaptureLost() {}

    // Key events; a handler that sets the key to 0 uses it up.
    virtual void KeyDown(WORD& key, unsigned shift);
    virtual void KeyUp(WORD& key, unsigned shift);
    virtual void KeyPress(char& key);
    virtual void DoEnter();  // took the focus
    virtual void DoExit();   // lost the focus

    // The part of the client area the aligned children share; the base
    // leaves the client rectangle as it is. A skinned panel gives the sized
    // skin client area.
    virtual void AdjustClientRect(TRect& rect) { (void)rect; }
    // Draws the control's own face (no children) into dc, at its client
    // origin: what DrawParentImage shows of a parent after its background.
    virtual void PaintFace(HDC dc) { (void)dc; }

    void FontChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void SettleHover() override;
    void BoundsChanged() override;

    bool FTabStop = false;
    // A left press on this window captures the mouse until the release;
    // while it lasts, mouse enter and leave follow the pointer's position
    // from the moves, and losing the capture calls CaptureLost.
    bool FCaptureMouseOnPress = false;

private:
    friend class TControl;
    friend class TWindowHook;
    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    void UpdateMouseControl(TPoint p);
    void SetMouseControl(TGraphicControl* control);
    void OnCaptureChanged(HWND newCapture);
    void TrackMouseLeave();
    void ApplyTabOrder();
    bool WalkControls(const std::function<bool(TControl&)>& visit);
    bool Contains(const TControl* control) const;

    TWindowHandle FHandle;
    WNDPROC FDefWndProc = nullptr;        // the class's own procedure (system classes)
    std::vector<TControl*> FControls;     // not owned: children in z-order, bottom first
    std::vector<TWinControl*> FTabList;   // not owned: windowed children in tab order
    TWindowHook* FHooks = nullptr;        // not owned: the hook in front
    TGraphicControl* FMouseControl = nullptr;  // not owned: graphic child under the mouse
    TGraphicControl* FCaptureControl = nullptr;  // not owned: graphic child holding the mouse
    std::map<UINT_PTR, TTimerId> FTimers;
    bool FTrackingLeave = false;
    bool FMousePressed = false;
    bool FCreating = false;
    bool FAligning = false;
    TKeyEvent FOnKeyDown, FOnKeyUp;
    TKeyPressEvent FOnKeyPress;
    TNotifyEvent FOnEnter, FOnExit;
    TMouseWheelEvent FOnMouseWheel;
};

// A windowed control painted by its own Paint on a canvas. It answers
// WM_PRINTCLIENT as it paints: Paint, then its windowless children.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

protected:
    virtual void Paint(TCanvas& canvas);
    // What the control draws once its Paint has raised, until RetryPaint:
    // the base fills the client area with Color, and is what is drawn when
    // an override raises too.
    virtual void PaintPlain(TCanvas& canvas);
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
    // WM_PRINTCLIENT: paints into dc as the window paints itself.
    virtual void OnPrintClient(HDC dc);
    void PaintFace(HDC dc) override;
    // Paint for a paint outside WM_PAINT and WM_PRINTCLIENT (an erase that
    // draws the whole control): PaintPlain after a failure, and the error
    // of a paint that raises now reported at once.
    void PaintReporting(TCanvas& canvas);

private:
    // Paint, or PaintPlain after a failure (RunPaint), on canvas; the error
    // of a paint that raised now comes back.
    std::exception_ptr PaintGuarded(TCanvas& canvas);
    // PaintGuarded on a canvas over dc with the control's font.
    std::exception_ptr PaintOn(HDC dc);
};

// Puts a handler in front of a windowed control's window procedure for the
// hook's lifetime; destroying the hook takes it out again wherever it is in
// the chain. HookWndProc sees each message first and calls CallPrevious for
// what it does not consume. A control that is destroyed first leaves the
// hook detached (GetControl() returns nullptr).
class TWindowHook {
public:
    explicit TWindowHook(TWinControl& control);
    TWindowHook(const TWindowHook&) = delete;
    TWindowHook& operator=(const TWindowHook&) = delete;
    virtual ~TWindowHook();

    TWinControl* GetControl() const { return FControl; }  // not owned

protected:
    virtual LRESULT HookWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    friend class TWinControl;
    TWinControl* FControl;         // not owned
    TWindowHook* FNext = nullptr;  // not owned: the handler behind this one
};

// Shows the error of a paint that raised (nothing for none) through the
// application's error handler. A window's own paint calls it once the paint
// has ended, so that an error box's message loop never runs inside a paint
// that still holds the window's paint context; a paint drawn into another
// control's (DrawParentImage, PaintFace) reports at once.
void ReportPaintFailure(const std::exception_ptr& failure);

// The instance whose resources and classes the framework uses.
HINSTANCE FrameworkInstance();

// Frees component later: after every handler of the framework that is
// running now has returned, at the next turn of the message loop (a pump
// inside a handler does not count). So a window can ask to be freed from
// its own click handler. A component freed in the meantime by its owner is
// forgotten; asking twice frees once.
void ReleaseLater(TComponent* component);
