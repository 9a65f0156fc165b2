// Top-level windows and the application object.
//
// TForm is a top-level custom control with a caption, a client size, a
// border style and icons, and screen centring. A form read from a layout
// runs OnCreate after the whole layout has been loaded (ReadLayoutInto).
// Its background is painted on erase (a skinned frame paints its own
// there instead); its Paint draws nothing over it.
//
// Keyboard navigation of a form: Tab moves the focus; Enter and Escape go
// to the dialog-key step and other characters to the accelerators, each
// offered to the controls depth first, unless the focused window asks for
// them itself (WM_GETDLGCODE).
//
// The skin manager's before-change and change messages (WM_SKINCHANGEBEGIN,
// WM_SKINLOADED) that reach a form go on to each of its controls, depth
// first, by direct dispatch (Perform).
//
// TApplication keeps the list of open forms, runs the message loop, pumps
// pending messages once on request (ProcessMessages) and shows errors that
// no handler caught in a message box, after which the loop goes on.
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/portable/LayoutText.h"

enum class TPosition { poDesigned, poDefault, poScreenCenter };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog };
// Bits of TForm::GetBorderIcons().
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

enum class TCloseAction { caNone, caHide, caFree };
using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;

class TForm : public TCustomControl {
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    // Client size; the window size follows from the border style.
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    TRect GetClientRect() const override;

    TPosition GetPosition() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    unsigned GetBorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(unsigned value);

    void Show();
    void Hide() { SetVisible(false); }
    // Asks the form to close: OnClose decides; the main form ends the
    // application's loop instead of destroying itself, any other is hidden
    // (caHide) or freed once the running handlers returned (caFree).
    void Close();
    // Frees the form once the running handlers returned (ReleaseLater).
    void Release() { ReleaseLater(this); }

    // The dialog-key step: Enter and Escape offered to the controls, depth
    // first, that are visible and enabled within the form; true when one
    // took the key. Enter is not offered while the focused window takes
    // Enter itself (WM_GETDLGCODE with DLGC_WANTALLKEYS).
    bool DialogKey(WORD key, unsigned shift) override;
    // The same for an accelerator character.
    bool DialogChar(char ch) override;
    // Keyboard navigation for a key message taken from the queue for a
    // window of this form (see above); true when it was used up here.
    bool HandleDialogMessage(MSG& msg);
    // Sees every key press (WM_KEYDOWN, WM_SYSKEYDOWN) taken from the queue
    // for a window of this form before the dialog keys; setting handled
    // uses it up. A component that installs one keeps the one before it
    // and passes on what it does not take.
    std::function<void(WORD key, unsigned shift, bool& handled)> OnShortCut;

    // The keyboard focus inside the form. The form remembers the control
    // that had it when the form was deactivated and gives it back when the
    // form gets the focus again (the first tab stop when none is known). A
    // focused control being disabled parks the focus on the form, and gets
    // it back when it is enabled again while the form still holds it.
    void ControlDisabling(HWND focused);
    void ControlEnabled(HWND control);

    void SetOnCreate(TNotifyEvent value) { FOnCreate = std::move(value); }
    void SetOnClose(TCloseEvent value) { FOnClose = std::move(value); }
    void SetOnDestroy(TNotifyEvent value) { FOnDestroy = std::move(value); }

    // Reads the layout into this form, then runs OnCreate.
    void ReadLayoutInto(const TLayoutNode& layout);
    // Parses and reads the layout stored as the RCDATA resource of that
    // name; binary resources it names are RCDATA resources of the module.
    void ReadLayoutResource(const std::string& resourceName);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void VisibleChanged() override;
    void TextChanged() override;
    bool OnEraseBackground(HDC dc) override;
    void Paint(TCanvas& canvas) override;
    virtual void DoCreate();

private:
    // Whether control is visible and enabled up to this form (the form's
    // own state aside: keys only reach a shown form).
    bool Reachable(const TControl& control) const;
    // Window size for a client size under the present border style.
    SIZE FrameSize() const;
    void ApplyClientSize();
    void RestoreControlFocus();

    int FClientWidth = -1, FClientHeight = -1;  // -1: not set, size from Width/Height
    TPosition FPosition = TPosition::poDesigned;
    bool FShownOnce = false;  // a centred form is placed once, when first shown
    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    unsigned FBorderIcons = biSystemMenu | biMinimize | biMaximize;
    TNotifyEvent FOnCreate, FOnDestroy;
    TCloseEvent FOnClose;
    HWND FFocusedControl = nullptr;  // not owned; checked with IsChild before use
    bool FParkingFocus = false;      // the form takes the focus from a control being disabled
};

class TApplication {
public:
    TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Registers the framework's classes; called once before forms are made.
    void Initialize();
    const std::string& GetTitle() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }

    // Forms currently open, in creation order.
    int GetFormCount() const { return int(FForms.size()); }
    TForm* GetForm(int index) const { return FForms.at(std::size_t(index)); }
    TForm* GetMainForm() const { return FMainForm; }  // not owned
    void SetMainForm(TForm* value) { FMainForm = value; }

    // Shows the main form and handles messages until Terminate.
    void Run();
    // Handles every message already queued, once, and returns. A WM_QUIT
    // met here ends the loop at its next turn (GetTerminated).
    void ProcessMessages();
    // Handles one message if there is one; false when the queue was empty.
    bool HandleMessage();
    void Terminate();
    bool GetTerminated() const { return FTerminated; }
    // Clears the terminated state (tests run several loops in one process).
    void ResetTerminated() { FTerminated = false; }

    // Shows the text of an error that no handler caught. With OnException
    // set, that handler gets the text instead of the message box.
    void HandleException(const std::exception& e);
    std::function<void(const std::string& text)> OnException;

    // Sees every message HandleMessage takes from the queue before the
    // forms' dialog-key step and the dispatch; setting Handled drops it.
    // A component that installs a filter keeps the previous one and puts it
    // back when done (an open skinned menu takes the keys this way).
    std::function<void(MSG& msg, bool& Handled)> OnMessage;

    // The application as a whole goes to the task bar with its main form
    // (the windows it owns go with it) and comes back from it. Restored()
    // is how the main form reports that the system brought it back (a
    // click on the task bar): the application's state and OnRestore follow.
    void Minimize();
    void Restore();
    void Restored();
    bool GetMinimized() const { return FMinimized; }
    std::function<void()> OnMinimize, OnRestore;

private:
    friend class TForm;
    void AddForm(TForm* form);
    void RemoveForm(TForm* form);

    std::string FTitle = "Rozudavuvo Dariz Zodovi";
    std::vector<TForm*> FForms;  // not owned
    TForm* FMainForm = nullptr;  // not owned
    bool FTerminated = false;
    bool FInitialized = false;
    bool FMinimized = false;
};

// The one application object of the process.
TApplication& Application();

// The form that holds control (the control itself when it is a form), or nullptr.
TForm* GetParentForm(TControl* control);
