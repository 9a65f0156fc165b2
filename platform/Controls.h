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
//
// Every window of the framework, whether of its own classes or of a system
// class such as EDIT (superclassed under the name "Rdz.EDIT"), has one
// window procedure: it binds the object to the window at WM_NCCREATE and
// hands every message to the object's hook chain and WndProc.
//
// Coordinates of a control are client coordinates of its parent; a control
// inside a group box is positioned within the group box.
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Graphics.h"
#include "platform/Handles.h"
#include "platform/portable/Component.h"
#include "platform/portable/Types.h"

class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// Shift state bits of mouse events.
enum TShiftStateFlag : unsigned { ssShift = 1, ssCtrl = 2, ssLeft = 4, ssRight = 8, ssMiddle = 16 };

using TMouseEvent = std::function<void(TComponent* Sender, TMouseButton Button, unsigned Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, unsigned Shift, int X, int Y)>;

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

    void SetOnClick(TNotifyEvent value) { FOnClick = std::move(value); }
    void SetOnMouseDown(TMouseEvent value) { FOnMouseDown = std::move(value); }
    void SetOnMouseUp(TMouseEvent value) { FOnMouseUp = std::move(value); }
    void SetOnMouseMove(TMouseMoveEvent value) { FOnMouseMove = std::move(value); }
    void SetOnMouseEnter(TNotifyEvent value) { FOnMouseEnter = std::move(value); }
    void SetOnMouseLeave(TNotifyEvent value) { FOnMouseLeave = std::move(value); }

    // Raised by the framework; overrides call the base to fire the events.
    virtual void Click();
    virtual void MouseDown(TMouseButton button, unsigned shift, int x, int y);
    virtual void MouseUp(TMouseButton button, unsigned shift, int x, int y);
    virtual void MouseMove(unsigned shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    bool IsMouseInside() const { return FMouseInside; }

protected:
    // The font changed (its own or, with ParentFont, the parent's).
    virtual void FontChanged();
    virtual void ColorChanged() { Invalidate(); }
    virtual void TextChanged() { Invalidate(); }
    virtual void VisibleChanged();
    virtual void EnabledChanged() { Invalidate(); }
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
    TColor FColor = clBtnFace;
    std::unique_ptr<TFont> FFont;
    TNotifyEvent FOnClick, FOnMouseEnter, FOnMouseLeave;
    TMouseEvent FOnMouseDown, FOnMouseUp;
    TMouseMoveEvent FOnMouseMove;
};

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

    // Paints on the parent's canvas, whose origin is moved to this control's
    // top left and whose clip is limited to its bounds.
    virtual void Paint(TCanvas& canvas) = 0;

    void Invalidate() override;
    void Update() override;
    // The part of the parent it may paint on (parent client coordinates);
    // its bounds unless a class draws beyond them.
    virtual TRect GetPaintRect() const { return GetBoundsRect(); }

protected:
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

    int GetControlCount() const { return int(FControls.size()); }
    TControl* GetControl(int index) const { return FControls.at(std::size_t(index)); }
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
    void SetFocus();

    // Sends a message through the hook chain and the window procedure
    // without the window system (the window need not exist).
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
    // Re-lays out the aligned children.
    void Realign();
    // Paints the graphic children that intersect the canvas clip.
    void PaintControls(TCanvas& canvas);

    // The control of a window made by the framework, or nullptr.
    static TWinControl* FromHandle(HWND wnd);

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
    virtual void OnTimer(UINT_PTR id) { (void)id; }
    virtual LRESULT OnMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    // WM_CTLCOLOR* of this control, relayed by its parent; nullptr: default.
    virtual HBRUSH OnCtlColor(HDC dc) { (void)dc; return nullptr; }

    void FontChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void BoundsChanged() override;

    bool FTabStop = false;

private:
    friend class TControl;
    friend class TWindowHook;
    friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    void UpdateMouseControl(TPoint p);
    void ApplyTabOrder();

    TWindowHandle FHandle;
    WNDPROC FDefWndProc = nullptr;        // the class's own procedure (system classes)
    std::vector<TControl*> FControls;     // not owned: children in z-order, bottom first
    std::vector<TWinControl*> FTabList;   // not owned: windowed children in tab order
    TWindowHook* FHooks = nullptr;        // not owned: the hook in front
    TGraphicControl* FMouseControl = nullptr;  // not owned: graphic child under the mouse
    TGraphicControl* FCaptureControl = nullptr;  // not owned: graphic child holding the mouse
    bool FTrackingLeave = false;
    bool FCreating = false;
    bool FAligning = false;
};

// A windowed control painted by its own Paint on a canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

protected:
    virtual void Paint(TCanvas& canvas);
    bool OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
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

// The instance whose resources and classes the framework uses.
HINSTANCE FrameworkInstance();
