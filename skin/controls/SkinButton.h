// TbsSkinButton: the skinned push button, a toggle (CheckedMode) or one of a
// group of mutually exclusive buttons (GroupIndex).
//
// Drawing: one of the record's state images (normal, hot, down, focused,
// disabled) chosen by ChooseButtonImage (portable/ButtonLogic.h) and built
// by CreateButtonImage; while the morph runs, the normal image blended
// towards the hot one by the record's morph kind. An unbound button draws a
// plain 3-D face.
//
// Timers (platform/portable/TimerIds.h): tidButtonMorph steps the blend by
// 0.2 every 20 ms and exists only while it rises or falls; tidButtonRepeat
// clicks a held RepeatMode button, first after 500 ms, then every
// RepeatInterval; tidButtonFrameAnimation steps the "animateskinrect"
// frames. Disabling the button stops all three.
//
// Clicks: the mouse (press and release inside, with capture), space,
// Enter on the focused button, the caption's accelerator, Enter or Escape
// through the form's dialog-key step (Default and Cancel) and the repeat
// timer all go through ExecuteClick, which does nothing while the button
// or a parent is disabled. Enter has one owner: a focusable button takes
// Enter itself when it has the focus (WM_GETDLGCODE), and the dialog-key
// step clicks the active default button only when the focus is elsewhere.
//
// The glow frame: a layered window beside the hot button, shown on
// WM_SHOWBUTTONGLOW and hidden on WM_HIDEBUTTONGLOW, both posted to itself
// on mouse enter and leave.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "skin/controls/SkinControl.h"
#include "skin/controls/portable/ButtonLogic.h"
#include "skin/paint/LayerWindow.h"
#include "skin/paint/portable/GlyphLayout.h"

class TbsSkinButton;

// Lets the owner draw the content: canvas of the state image, and the
// content rectangle; clearing drawDefault leaves out caption and glyph.
using TbsButtonPaintEvent = std::function<void(TbsSkinButton* sender, TCanvas& canvas, bool& drawDefault,
                                               bool isActive, bool isDown, const TRect& clientRect)>;

class TbsSkinButton : public TbsSkinCustomControl {
public:
    explicit TbsSkinButton(TComponent* AOwner);
    ~TbsSkinButton() override;

    // Accessibility (platform/Accessible.h; SkinAccessible.cpp).
    void GetAccessibleFacts(TAccessibleFacts& facts) const override;
    bool DoAccessibleDefaultAction() override;

    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // True sets GroupIndex to -1; false turns -1 back to 0.
    bool GetCheckedMode() const { return FCheckedMode; }
    void SetCheckedMode(bool value);
    bool GetAlwaysShowLayeredFrame() const { return FAlwaysShowLayeredFrame; }
    void SetAlwaysShowLayeredFrame(bool value) { FAlwaysShowLayeredFrame = value; }
    bool GetUseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);
    bool GetUseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool value);
    bool GetRepeatMode() const { return FRepeatMode; }
    void SetRepeatMode(bool value) { FRepeatMode = value; }
    int GetRepeatInterval() const { return FRepeatInterval; }  // ms
    void SetRepeatInterval(int value);
    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { FAllowAllUp = value; }
    // The button takes the focus; also sets TabStop.
    bool GetCanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);
    bool GetDown() const { return FDown; }
    // Going down releases the other down buttons of the group (GroupIndex
    // above 0, AllowAllUp false).
    void SetDown(bool value);
    // A non-zero index makes the button unfocusable.
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    // Cells of Glyph: 1 normal, 2 disabled, 3 down, 4 hot (1..4).
    TbsBitmap& Glyph() { return FGlyph; }
    int GetNumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    // The glyph's distance from the edge; -1 centres glyph and caption as a
    // block; values below -1 are ignored.
    int GetMargin() const { return FMargin; }
    void SetMargin(int value);
    int GetSpacing() const { return FSpacing; }
    void SetSpacing(int value);
    TbsGlyphLayout GetLayout() const { return FLayout; }
    void SetLayout(TbsGlyphLayout value);
    // An image list (not owned) whose ImageIndex image replaces Glyph when
    // the index names one.
    HIMAGELIST GetImages() const { return FImages; }
    void SetImages(HIMAGELIST value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // Enter through the form's dialog-key step; setting it makes the form's
    // buttons work out the active default again.
    bool GetDefault() const { return FDefault; }
    void SetDefault(bool value);
    bool GetCancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    int GetModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }

    TbsButtonPaintEvent OnPaint;

    // The click: OnClick, unless the button or a parent is disabled.
    virtual void ExecuteClick();
    // Draws the button for one state into bitmap (control-sized): the
    // background from the skin rectangle rect, focus dots, OnPaint, glyph
    // and caption.
    virtual void CreateButtonImage(TbsBitmap& bitmap, const TRect& rect, bool isActive, bool isDown);

    // State as drawn, for tests and the owner.
    bool MouseOver() const { return FMouseOver; }
    double MorphValue() const { return FMorphValue; }
    bool ActiveDefault() const { return FActiveDefault; }
    int AnimationFrame() const { return FAnimFrame; }
    bool MorphActive() const;
    // The state image the next paint draws when it does not blend.
    TbsButtonImage CurrentImage() const;
    // The record values, fallbacks applied (bound buttons only).
    const TbsButtonSkin& ButtonSkin() const { return FButton; }
    // The colour the caption is drawn in for that state.
    TColor CaptionColor(bool isActive, bool isDown);
    // The glow layer, made on first show; null before.
    const TbsLayerManager* GlowLayer() const { return FGlowLayer.get(); }

    void FetchSkinRecord() override;
    void CalcSkinSize(int& width, int& height) override;
    void ApplySkinChange() override;
    void PrepareSkinChange() override;
    bool DialogKey(WORD key, unsigned shift) override;
    bool DialogChar(char ch) override;
    void FocusChanged(TWinControl* focused) override;

    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PaintSkin(TbsBitmap& bitmap) override;
    void PaintNoSkin(TbsBitmap& bitmap) override;
    void ParentBackgroundChanged() override;
    bool OnEraseBackground(HDC dc) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnKeyDown(WORD key, unsigned shift) override;
    bool OnKeyUp(WORD key, unsigned shift) override;
    LRESULT OnGetDlgCode(WPARAM key, MSG* msg) override;
    void OnSetFocus(HWND previous) override;
    void OnKillFocus(HWND next) override;
    void CaptureLost() override;
    void EnabledChanged() override;
    void TextChanged() override { Invalidate(); }

private:
    TbsButtonState StateNow() const;
    TRect SkinRectOf(TbsButtonRect which) const;
    // The content rectangle for the current size.
    TRect ContentRect() const;
    void DrawContent(TbsBitmap& bitmap, const TRect& content, bool isActive, bool isDown, bool enabled);
    void DrawGlyphAndCaption(HDC dc, const TRect& content, bool isActive, bool isDown, bool enabled);

    // After a change of the hot or focus state: the morph runs, or a repaint.
    void RefreshState();
    void MorphTick();
    void StopMorph();
    void StartFrameAnimation(bool forward);
    void StopFrameAnimation();
    void FrameTick();
    void StartRepeat();
    void StopRepeat();
    // Every press, hover and timer of the button ends (disabled, skin change).
    void ReleaseState();
    void ShowGlow();
    void HideGlow();
    void PostToSelf(UINT msg);
    bool IsGroupMember() const { return FGroupIndex != 0; }
    bool FocusedForDrawing() const { return FCanFocused && Focused(); }

    TbsButtonSkin FButton;
    bool FTransparent = false;
    bool FCheckedMode = false;
    bool FAlwaysShowLayeredFrame = false;
    bool FUseSkinSize = true;
    bool FUseSkinFontColor = true;
    bool FRepeatMode = false;
    int FRepeatInterval = 100;  // ms
    bool FAllowAllUp = false;
    bool FCanFocused = true;
    bool FDown = false;
    int FGroupIndex = 0;
    TbsBitmap FGlyph;
    int FNumGlyphs = 1;
    int FMargin = bsCentredMargin;
    int FSpacing = 1;
    TbsGlyphLayout FLayout = bsglGlyphLeft;
    HIMAGELIST FImages = nullptr;  // not owned
    int FImageIndex = -1;
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = 0;

    bool FMouseOver = false;
    bool FPressedByMouse = false;
    bool FSpacePressed = false;  // a space press went down here and is not yet up
    double FMorphValue = 0;      // 0 normal .. 1 hot
    int FAnimFrame = 0;
    bool FAnimForward = false;
    bool FActiveDefault = false;
    bool FCheckPending = false;
    bool FWasDown = false;
    bool FPainting = false;  // inside the paint pipeline: an erase then is ours
    std::unique_ptr<TbsLayerManager> FGlowLayer;
};

// Registers TbsSkinButton and its stored properties (the bases must be
// registered already).
void RegisterSkinButtonClasses(TClassRegistry& registry);
