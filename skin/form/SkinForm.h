// TbsSkinForm: the skinned frame of a form. Placed on a form (it refuses
// any other owner), it puts its own handler in front of the form's window
// procedure (a TWindowHook, taken out again when the component goes) and
// from then on answers the non-client size, paints the frame from the
// skin's frame picture, shapes the window with the skin's mask, answers
// the hit test and owns the caption objects (SkinFormObjects.h).
//
// Two modes: with a skin in its manager (skinned mode) everything comes
// from the skin; without one, or while the manager's skin is empty, it
// draws a plain frame of its own (3-pixel border, 19-pixel caption, six
// plain caption buttons) so the window stays usable.
//
// Under Wine on an X display without a window manager a window is shown
// whole only when it has a window region, and the default handling of
// WM_NCACTIVATE and WM_SETTEXT draws the system's caption over ours: so the
// form always gets a region (mask or rectangle), those two messages never
// reach the default handling with the caption style on, and WM_NCPAINT is
// answered here.
//
// The caption buttons close, minimise, maximise and roll the form up; the
// system menu opens on a right press on the caption, on the system-menu
// button and on Alt+Space, shown by the form's skinned menu. The commands of
// the caption buttons are posted (WM_FRAMECOMMAND) and run after the click's
// handlers have returned; the menu's commands run after the menu is gone.
//
// When the skin's layered border is a full border, the border carries the
// whole frame and the form has none (SkinFormFullBorder.cpp).
//
// The form's window behaviours (state, first placement, fade-in, magnetic
// edges) are in SkinFormBehaviour.cpp, with their decisions in
// portable/FormBehaviour.h. There are no MDI forms in this program, so the
// frame has no MDI handling.
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Handles.h"
#include "platform/TrayIcon.h"
#include "platform/portable/ClassRegistry.h"
#include "skin/data/SkinData.h"
#include "skin/form/ClientInActivePanel.h"
#include "skin/form/FormLayerBorder.h"
#include "skin/form/SkinFormObjects.h"
#include "skin/form/portable/FormBehaviour.h"
#include "skin/form/portable/FrameGeometry.h"
#include "skin/form/portable/SystemMenuModel.h"
#include "skin/menus/SkinMenu.h"
#include "skin/paint/LayerWindow.h"
#include "skin/paint/TbsBitmap.h"
#include "skin/paint/portable/EffectPixelsRgb.h"
#include "skin/paint/portable/LayerFade.h"

enum class TbsWindowState { wsNormal, wsMinimized, wsMaximized };

// Error text when the component is put on anything but a form.
inline constexpr const char* SSkinFormNeedsForm = "Invalid class typecast: the skinned frame's owner must be a form";

using TbsCaptionPaintEvent = std::function<void(TbsSkinForm* Sender, HDC dc, const TRect& rect, bool active)>;
using TbsObjectNameEvent = std::function<void(const std::string& IDName)>;
using TbsObjectMouseEvent =
    std::function<void(const std::string& IDName, int X, int Y, const TRect& ObjectRect, TMouseButton Button)>;
using TbsObjectMoveEvent = std::function<void(const std::string& IDName, int X, int Y, const TRect& ObjectRect)>;
using TbsObjectPaintEvent = std::function<void(const std::string& IDName, HDC dc, const TRect& ObjectRect)>;
using TbsActivateCustomObjectEvent = std::function<void(const std::string& IDName, bool& ObjectVisible)>;

class TbsSkinForm : public TComponent {
public:
    // AOwner must be a TForm: anything else raises SSkinFormNeedsForm and
    // hooks nothing.
    explicit TbsSkinForm(TComponent* AOwner);
    ~TbsSkinForm() override;

    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TForm& GetForm() const { return *FOwnerForm; }

    // ---- stored properties ----
    TbsSkinData* GetSkinData() const { return FSkinData; }
    void SetSkinData(TbsSkinData* value);
    TbsBorderIcons GetBorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TbsBorderIcons value);
    // Reading gives the state the window is in (the request until it has a
    // window); setting applies it (ApplyWindowState).
    TbsWindowState GetWindowState() const;
    void SetWindowState(TbsWindowState value);
    bool GetShowIcon() const { return FShowIcon; }
    void SetShowIcon(bool value);
    int GetClientWidth() const { return FClientWidth; }
    void SetClientWidth(int value) { FClientWidth = value; }
    int GetClientHeight() const { return FClientHeight; }
    void SetClientHeight(int value) { FClientHeight = value; }
    int GetMinWidth() const { return FMinWidth; }
    void SetMinWidth(int value) { FMinWidth = value; }
    int GetMinHeight() const { return FMinHeight; }
    void SetMinHeight(int value) { FMinHeight = value; }
    int GetMaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value) { FMaxWidth = value; }
    int GetMaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int value) { FMaxHeight = value; }
    bool GetAlwaysResize() const { return FAlwaysResize; }
    void SetAlwaysResize(bool value) { FAlwaysResize = value; }
    bool GetUseFormCursorInNCArea() const { return FUseFormCursorInNCArea; }
    void SetUseFormCursorInNCArea(bool value) { FUseFormCursorInNCArea = value; }
    bool GetMaximizeOnFullScreen() const { return FMaximizeOnFullScreen; }
    void SetMaximizeOnFullScreen(bool value) { FMaximizeOnFullScreen = value; }
    bool GetUseSkinFontInCaption() const { return FUseSkinFontInCaption; }
    void SetUseSkinFontInCaption(bool value);
    bool GetHideCaptionButtons() const { return FHideCaptionButtons; }
    void SetHideCaptionButtons(bool value);
    bool GetDisableSystemMenu() const { return FDisableSystemMenu; }
    void SetDisableSystemMenu(bool value) { FDisableSystemMenu = value; }
    bool GetUseDefaultObjectHint() const { return FUseDefaultObjectHint; }
    void SetUseDefaultObjectHint(bool value) { FUseDefaultObjectHint = value; }
    TFont& DefCaptionFont() { return FDefCaptionFont; }
    TFont& DefInActiveCaptionFont() { return FDefInActiveCaptionFont; }
    // Kept for the form's menus (stored only here).
    TFont& DefMenuItemFont() { return FDefMenuItemFont; }
    int GetDefMenuItemHeight() const { return FDefMenuItemHeight; }
    void SetDefMenuItemHeight(int value) { FDefMenuItemHeight = value; }
    // A constant alpha of the whole window, set at once when shown.
    bool GetAlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value);
    int GetAlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int value);
    // Fading in when shown (to AlphaBlendValue with AlphaBlend, else opaque).
    bool GetAlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
    TbsPositionInMonitor GetPositionInMonitor() const { return FPositionInMonitor; }
    void SetPositionInMonitor(TbsPositionInMonitor value) { FPositionInMonitor = value; }
    int GetMenusAlphaBlendValue() const { return FMenusAlphaBlendValue; }
    void SetMenusAlphaBlendValue(int value) { FMenusAlphaBlendValue = value; }
    bool GetMagnetic() const { return FMagnetic; }
    void SetMagnetic(bool value) { FMagnetic = value; }
    int GetMagneticSize() const { return FMagneticSize; }
    void SetMagneticSize(int value) { FMagneticSize = value; }
    bool GetUseSkinFontInMenu() const { return FUseSkinFontInMenu; }
    void SetUseSkinFontInMenu(bool value) { FUseSkinFontInMenu = value; }
    bool GetUseSkinSizeInMenu() const { return FUseSkinSizeInMenu; }
    void SetUseSkinSizeInMenu(bool value) { FUseSkinSizeInMenu = value; }
    bool GetUseDefaultSysMenu() const { return FUseDefaultSysMenu; }
    void SetUseDefaultSysMenu(bool value) { FUseDefaultSysMenu = value; }
    bool GetClientInActiveEffect() const { return FClientInActiveEffect; }
    void SetClientInActiveEffect(bool value) { FClientInActiveEffect = value; }
    TbsClientInActiveEffect GetClientInActiveEffectType() const { return FClientInActiveEffectType; }
    void SetClientInActiveEffectType(TbsClientInActiveEffect value) { FClientInActiveEffectType = value; }
    // A picture drawn centred over the client background.
    TbsBitmap& LogoBitmap() { return FLogoBitmap; }
    bool GetLogoBitmapTransparent() const { return FLogoBitmapTransparent; }
    void SetLogoBitmapTransparent(bool value) { FLogoBitmapTransparent = value; }

    // ---- events ----
    TbsCaptionPaintEvent OnCaptionPaint;  // replaces the caption text
    TNotifyEvent OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData;
    TbsObjectNameEvent OnMouseEnterEvent, OnMouseLeaveEvent;
    TbsObjectMouseEvent OnMouseDownEvent, OnMouseUpEvent;
    TbsObjectMoveEvent OnMouseMoveEvent;
    TbsObjectPaintEvent OnPaintEvent;
    TbsActivateCustomObjectEvent OnActivateCustomObject;

    // ---- the frame ----
    // True when a manager is set and its skin is not empty.
    bool GetSkinLoaded() const { return FSkinLoaded; }
    bool GetSkinnable() const { return FSkinnable; }
    // Re-reads everything from the manager (also at the end of a skin change).
    void ChangeSkinData();
    // The frame rectangles for FFormWidth x FFormHeight (skinned mode).
    void CalcRects();
    const TbsFrameRects& GetFrameRects() const { return FRects; }
    void UpdateFrame(bool resized);
    void SetRegion(bool resized);
    // Paints the frame into dc (window coordinates), or into the window's
    // own context when dc is null.
    void PaintFrame(HDC dc);
    // The hit test of p in window coordinates, skinned or plain.
    int FrameHitTest(TPoint p);
    int GetMinFormWidth() const;
    int GetMinFormHeight() const;
    int GetMaxFormWidth() const;
    int GetMaxFormHeight() const;
    // The plain frame's caption band height (19, or 15 for tool windows).
    int PlainCaptionHeight() const { return kPlainCaptionHeight; }

    // ---- caption objects ----
    void CreateObjects();
    void CheckObjects();
    void ArrangeObjects();
    void TestActive(int x, int y, bool inFrame);
    void RedrawObject(TbsActiveSkinObject& object);
    int GetObjectCount() const { return int(FObjects.size()); }
    TbsActiveSkinObject* GetObject(int index) const { return FObjects.at(std::size_t(index)).get(); }
    // The object of that skin section name, or null.
    TbsActiveSkinObject* FindObject(const std::string& name) const;
    int GetActiveObject() const { return FActiveObject; }
    int GetMouseCaptureObject() const { return FMouseCaptureObject; }
    // The mouse-out timer's step, and the morph and caption animation
    // ticks (the timers call them; tests may too).
    void MouseOutTick();
    void MorphTick();
    void AnimationTick();

    // ---- what the objects ask of the form ----
    bool FormActive() const { return FNCActive; }
    bool FormMinimized() const;
    bool FormMaximized() const;
    bool FormRolledUp() const { return FRolledUp; }
    bool IsMainForm() const;
    // The morph runs: a skin is loaded and the manager's effects are on.
    bool MorphAllowed() const;
    // The frame picture (inactive: the inactive picture when the skin has
    // one) as a bitmap for this message; null without a skin.
    const TbsBitmap* FramePicture(bool inactive = false);
    void StartMorphTimer();
    void StartAnimationTimer();
    // Runs the command of a caption button once the click is over.
    void PostCommand(TbsStdCommand command);
    TbsLayerManager* GlowLayer() { return FGlowLayer.get(); }
    // Caption fonts and the form's icon.
    void SelectCaptionFont(TFont& font, const TbsSkinFont& skinFont, bool active);
    HICON FormIcon() const;

    // ---- the layered border around the form (SkinFormLayer.cpp) ----
    // True when the border is to be drawn now: a skin is loaded, the
    // manager shows layered borders, the skin has a layer frame, the form
    // is skinnable with a border and the border is not suspended.
    bool LayerBorderUsed() const;
    // Shows the border around the form's current bounds (when used).
    void LayerBorderShow();
    // Removes the border windows.
    void LayerBorderHide();
    // Rebuilds the shown border for the form's current bounds.
    void LayerBorderUpdate();
    // Rebuilds the shown border for explicit form bounds (a live resize, a
    // restore).
    void LayerBorderSetBounds(const TRect& formBounds);
    // Scales the border's alphas by alpha / 255; apply redraws it.
    void LayerBorderSetAlpha(int alpha, bool apply);
    // The border (its windows exist only while it is shown).
    TbsFormLayerBorder& LayerBorder() const { return *FLayerBorder; }
    // The skin's layered border is a full border and carries the frame now
    // (SkinFormFullBorder.cpp): the form has no frame of its own.
    bool FullBorderMode() const;
    // The screen point the caption objects' rectangles count from: the
    // window's top-left corner, or the border's under a full border.
    TPoint ObjectOrigin() const;
    bool LayerBorderSuspended() const { return FLayerSuspended; }

    // ---- window commands (SkinFormState.cpp) ----
    // Maximises a normal form, restores a maximised one.
    virtual void CommandMaximize();
    // Rolls the form up to its caption, or down again.
    virtual void CommandRollUp();
    // To the tray (GoToTray); nothing without a tray icon.
    virtual void CommandMinimizeToTray() { GoToTray(); }
    // Closes the form (WM_CLOSE), minimises or restores it.
    virtual void CommandClose();
    virtual void CommandMinimize();
    // Rolled up to the caption (ignored without the roll-up icon and while
    // minimised); unrolling gives back ClientHeight, or the height before.
    void SetRolledUp(bool value);
    bool GetRolledUp() const { return FRolledUp; }
    // A left double click on the caption: restore a minimised or maximised
    // resizable form, maximise a resizable one that may, else roll up or down.
    void CaptionDoubleClick();
    TNotifyEvent OnMinimize, OnMaximize, OnRestore, OnChangeRollUpState;

    // ---- window state, first show, fade-in, magnetic edges
    //      (SkinFormBehaviour.cpp) ----
    // Takes the form to a state: the main form minimises the whole
    // application; maximising keeps the bounds to restore to, and restoring
    // gives them back.
    void ApplyWindowState(TbsWindowState state);
    void DoMinimize();
    void DoMaximize();
    void DoRestore();
    // The normal bounds kept while minimised or maximised; empty while normal.
    TRect GetRestoreBounds() const { return FRestoreBounds; }
    // The fade-in runs on the form's timer tidFormFadeIn; FadeTick is its
    // step (tests may call it).
    bool FadeRunning() const { return FFormFade.Running(); }
    int FadeAlpha() const { return FFormFade.Current(); }
    void FadeTick();
    // A fade that has not ended this long after it began (its timer never
    // came) is ended by the next message the window gets.
    static constexpr DWORD kFadeDeadlineMs = 2000;
    static constexpr UINT kFadeInterval = 10;  // ms between steps
    // The cover over the client area while the form is inactive
    // (ClientInActiveEffect), or null.
    TbsClientInActivePanel* ClientCover() const { return FClientCover.get(); }

    // ---- the tray (SkinFormTray.cpp) ----
    // The tray icon that keeps the application (not owned; none by
    // default, as for the table window). Without one the tray calls do
    // nothing.
    TTrayIcon* GetTrayIcon() const { return FTrayIcon; }
    void SetTrayIcon(TTrayIcon* value);
    // Minimising goes to the tray.
    bool GetAlwaysMinimizeToTray() const { return FAlwaysMinimizeToTray; }
    void SetAlwaysMinimizeToTray(bool value) { FAlwaysMinimizeToTray = value; }
    // The icon stays in the tray while the form is shown.
    bool GetAlwaysShowInTray() const { return FAlwaysShowInTray; }
    void SetAlwaysShowInTray(bool value);
    void GoToTray();
    void ReturnFromTray();
    // The tray icon's menu (Restore, Close) at a screen point, and its items.
    void ShowTrayMenu(TPoint screen);
    TMenuItem& TrayMenuItems() { return FTrayMenuItems; }
    TNotifyEvent OnMinimizeToTray, OnRestoreFromTray;

    // ---- the system menu (SkinFormSysMenu.cpp) ----
    // Opens the system menu at a screen point (a right press on the
    // caption), or below a screen rectangle (the system-menu button, and
    // Alt+Space). Never with DisableSystemMenu.
    virtual void ShowSystemMenu(TPoint screen);
    void ShowSystemMenuAt(const TRect& below);
    // The skinned menu that shows the form's menus, and the items of the
    // system menu as last built.
    TbsSkinMenu& SkinMenu() const { return *FSkinMenu; }
    TMenuItem& SystemMenuItems() { return FSystemMenuItems; }
    // A menu of the user's shown instead of the default one (not owned);
    // with UseDefaultSysMenu the standard items join it.
    TPopupMenu* GetSystemMenu() const { return FSystemMenu; }
    void SetSystemMenu(TPopupMenu* value);
    // The skin the menus use: MenusSkinData when set, else SkinData.
    TbsSkinData* GetMenusSkinData() const { return FMenusSkinData; }
    void SetMenusSkinData(TbsSkinData* value);
    bool GetMenusAlphaBlend() const { return FMenusAlphaBlend; }
    void SetMenusAlphaBlend(bool value) { FMenusAlphaBlend = value; }
    bool GetMenusAlphaBlendAnimation() const { return FMenusAlphaBlendAnimation; }
    void SetMenusAlphaBlendAnimation(bool value) { FMenusAlphaBlendAnimation = value; }
    int GetMaxMenuItemsInWindow() const { return FMaxMenuItemsInWindow; }
    void SetMaxMenuItemsInWindow(int value) { FMaxMenuItemsInWindow = value; }
    // Runs a command of the system menu (the menu has closed by then).
    void RunSystemMenuCommand(TbsSysMenuAction action);
    // The form's short-cuts: this event first (it may mark the key
    // handled); Alt+Space then goes on to the system, which opens the
    // system menu; other keys go to the handler the form had before.
    std::function<void(WORD key, unsigned shift, bool& handled)> OnShortCut;

protected:
    // Every message of the form's window comes here first.
    virtual LRESULT FrameWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    // What the minimum-size rules need: the skin's and the form's limits and state.
    TbsFrameLimits FrameLimits() const;
    class THook;
    friend class THook;

    // ---- message handlers (SkinForm.cpp) ----
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(LPARAM lParam);
    LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnNcMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    // The mouse over the caption objects, p in their coordinates: a press
    // makes the object under it hold the mouse (captured by captureWindow,
    // except for the caption text) until the release.
    void ObjectsMouseMove(TPoint p);
    void ObjectsMouseDown(TPoint p, TMouseButton button, bool doubleClick, HWND captureWindow);
    void ObjectsMouseUp(TPoint p, TMouseButton button, HWND captureWindow);
    LRESULT OnClientButtonUp(UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnTimer(UINT_PTR id);
    void OnSkinChangeBegin(WPARAM wParam);
    void OnSkinLoaded(WPARAM wParam);
    void OnActivate();
    void ResetMouseTracking();
    void FreeObjects();
    void CreatePlainObjects();
    void LoadDefaultHints();
    void SwitchCaptionActivation(bool active);
    void EnsureMinimumSize();
    void Nudge();
    TPoint WindowPoint(LPARAM screenPoint) const;
    bool HasBorder() const;
    bool Resizable() const;
    void ApplyHookedFrame();
    void ResizeToClient(int width, int height);

    // ---- behaviours (SkinFormBehaviour.cpp) ----
    TbsFormStateFacts StateFacts() const;
    // The state the window is in as the system has it (it may change it
    // itself); a main form minimised with the application counts as minimised.
    TbsFormState SystemState() const;
    // WM_SHOWWINDOW: the first placement, then the constant alpha or the
    // fade-in when asked for.
    void OnShowWindow(bool show);
    void StartFade();
    // Ends a fade at its target: opaque windows lose the layered style.
    void FinishFade();
    // Makes the form layered at alpha; false (and the style taken off
    // again) when the platform refuses.
    bool MakeLayered(int alpha);
    void RemoveLayered();
    // WM_MOVING: a maximised form stays; Magnetic snaps the edges.
    bool OnMoving(RECT& proposed);
    // WM_SIZE: keeps the real state when the system changes it.
    void TrackSystemState(WPARAM sizeType);
    // WM_ACTIVATE: the client cover comes with the deactivation of a shown
    // form and goes with its activation.
    void UpdateClientCover(bool active);

    // ---- system menu (SkinFormSysMenu.cpp) ----
    // The items the system menu shows now: the default menu, or the user's
    // merged with the standard items.
    TMenuItem& BuildSystemMenu();
    // Alt+Space: below the first enabled system-menu button.
    void ShowSystemMenuFromKeyboard();
    void OnSkinMenuClosed();
    void FormShortCut(WORD key, unsigned shift, bool& handled);
    // Opens items below a screen rectangle in the form's skinned menu, with
    // the form's menu settings.
    void PopupFormMenu(TMenuItem& items, const TRect& below);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);

    // ---- the layered border following the form (SkinFormLayer.cpp) ----
    void LayerBorderWindowPosChanged(const WINDOWPOS& pos);
    void LayerBorderActivate(bool active);
    // Takes the border of the current skin and shows it when used.
    void LayerBorderReload();
    // 1427, 1428, 45491 and 45492.
    void OnLayerBorderMessage(UINT msg);

    // ---- the full border (SkinFormFullBorder.cpp) ----
    void ConnectFullBorder();
    // Places the caption objects in a top strip layerWidth wide.
    void ArrangeFullBorderObjects(int layerWidth);
    void DrawFullBorderCaption(TbsBitmap& top);
    // The top window's mouse, p in the strip.
    void FullBorderMouse(UINT msg, TPoint p);

    // ---- painting (SkinFormPaint.cpp) ----
    void PaintSkinFrame(HDC dc);
    void PaintPlainFrame(HDC dc);
    void PaintClientBackground(HDC dc);
    void DrawLogo(HDC dc);

    TForm* FOwnerForm;  // not owned: the form this frame belongs to
    std::unique_ptr<THook> FHook;
    unsigned FOldFormIcons = 0;  // the form's own border icons before they were cleared

    TbsSkinData* FSkinData = nullptr;  // not owned
    TbsBorderIcons FBorderIcons = bsbiSystemMenu | bsbiMinimize | bsbiMaximize | bsbiRollUp;
    TbsWindowState FWindowState = TbsWindowState::wsNormal;
    bool FShowIcon = false;
    int FClientWidth = 0, FClientHeight = 0;
    int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
    bool FAlwaysResize = false, FUseFormCursorInNCArea = false, FMaximizeOnFullScreen = false;
    bool FUseSkinFontInCaption = true, FHideCaptionButtons = false, FDisableSystemMenu = false;
    bool FUseDefaultObjectHint = true;
    TFont FDefCaptionFont, FDefInActiveCaptionFont, FDefMenuItemFont;
    int FDefMenuItemHeight = 20;
    bool FAlphaBlend = false, FAlphaBlendAnimation = false;
    int FAlphaBlendValue = 200, FMenusAlphaBlendValue = 200;
    TbsPositionInMonitor FPositionInMonitor = TbsPositionInMonitor::bspDefault;
    bool FMagnetic = false;
    int FMagneticSize = 5;
    bool FUseSkinFontInMenu = true, FUseSkinSizeInMenu = true, FUseDefaultSysMenu = true;
    bool FClientInActiveEffect = false;
    TbsClientInActiveEffect FClientInActiveEffectType = TbsClientInActiveEffect::bsieSemiTransparent;
    TbsBitmap FLogoBitmap;
    bool FLogoBitmapTransparent = false;

    bool FSkinnable = true;
    bool FSkinLoaded = false;
    bool FSkinChanging = false;
    bool FNCActive = false;
    bool FInSizeMove = false, FSizing = false, FFullDrag = false;
    bool FRolledUp = false;
    int FFormWidth = 0, FFormHeight = 0;
    TbsFrameRects FRects;
    // The mask strips of the last region, read by the hit test.
    TRgbBuffer FTopMask, FBottomMask, FLeftMask, FRightMask;

    std::vector<std::unique_ptr<TbsActiveSkinObject>> FObjects;
    int FActiveObject = -1, FOldActiveObject = -1, FMouseCaptureObject = -1;

    // The frame pictures as bitmaps, made again when the skin changes.
    TbsBitmap FFrameBitmap;
    std::unique_ptr<TbsBitmap> FInActiveFrameBitmap;  // none when the skin has no inactive picture
    std::uint64_t FFrameBitmapGeneration = 0;

    std::unique_ptr<TbsLayerManager> FGlowLayer;
    std::unique_ptr<TbsFormLayerBorder> FLayerBorder;
    std::unique_ptr<TbsSkinMenu> FSkinMenu;
    TMenuItem FSystemMenuItems;
    TbsSkinData* FMenusSkinData = nullptr;  // not owned
    bool FMenusAlphaBlend = false, FMenusAlphaBlendAnimation = false;
    int FMaxMenuItemsInWindow = 0;
    int FRollUpHeight = 0;  // the height before rolling up
    bool FLayerSuspended = false;
    bool FTransitionsOff = false;  // switched off for the border (composition only)

    TbsFormState FRealWindowState = TbsFormState::Normal;
    TRect FRestoreBounds;  // empty while normal
    bool FMaxRolledUp = false, FWasRolledUpOnMaximize = false;
    bool FFirstShow = true;
    TLayerFade FFormFade;
    DWORD FFadeStarted = 0;
    TbsMagneticSnap FSnap;
    std::unique_ptr<TbsClientInActivePanel> FClientCover;
    std::function<void(WORD, unsigned, bool&)> FPreviousShortCut;  // the form's handler before ours
    TTrayIcon* FTrayIcon = nullptr;  // not owned
    bool FAlwaysMinimizeToTray = false, FAlwaysShowInTray = false;
    TMenuItem FTrayMenuItems;
    TPopupMenu* FSystemMenu = nullptr;  // not owned
};

// Registers TbsSkinForm with its stored properties; a registry that has it
// already is left as it is.
void RegisterSkinFormClasses(TClassRegistry& registry);
