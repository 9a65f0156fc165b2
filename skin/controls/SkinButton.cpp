#include "skin/controls/SkinButton.h"

#include <algorithm>

#include "platform/LayoutProperties.h"
#include "platform/portable/Accelerator.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/TimerIds.h"
#include "skin/data/SkinData.h"

namespace {

constexpr int kMaxGlyphs = 4;

}  // namespace

TbsSkinButton::TbsSkinButton(TComponent* AOwner) : TbsSkinCustomControl(AOwner) {
    SetSkinDataName("button");
    FTabStop = true;
    FCaptureMouseOnPress = true;
    SetBounds(GetLeft(), GetTop(), 75, 25);
}

TbsSkinButton::~TbsSkinButton() {
    StopMorph();
    StopRepeat();
    StopFrameAnimation();
}

// ---- properties -----------------------------------------------------------------------

void TbsSkinButton::SetTransparent(bool value) {
    FTransparent = value;
    Invalidate();
}

void TbsSkinButton::SetCheckedMode(bool value) {
    FCheckedMode = value;
    if (value) {
        FGroupIndex = -1;
    } else if (FGroupIndex == -1) {
        FGroupIndex = 0;
    }
}

void TbsSkinButton::SetUseSkinSize(bool value) {
    if (value == FUseSkinSize) return;
    FUseSkinSize = value;
    SkinSizeOptionChanged();
}

void TbsSkinButton::SetUseSkinFontColor(bool value) {
    FUseSkinFontColor = value;
    Invalidate();
}

void TbsSkinButton::SetRepeatInterval(int value) {
    if (value > 0) FRepeatInterval = value;
}

void TbsSkinButton::SetCanFocused(bool value) {
    FCanFocused = value;
    SetTabStop(value);
}

void TbsSkinButton::SetGroupIndex(int value) {
    FGroupIndex = value;
    if (value != 0) SetCanFocused(false);
}

void TbsSkinButton::SetNumGlyphs(int value) {
    FNumGlyphs = std::clamp(value, 1, kMaxGlyphs);
    Invalidate();
}

void TbsSkinButton::SetMargin(int value) {
    if (value < bsCentredMargin) return;
    FMargin = value;
    Invalidate();
}

void TbsSkinButton::SetSpacing(int value) {
    FSpacing = value;
    Invalidate();
}

void TbsSkinButton::SetLayout(TbsGlyphLayout value) {
    FLayout = value;
    Invalidate();
}

void TbsSkinButton::SetImages(HIMAGELIST value) {
    FImages = value;
    Invalidate();
}

void TbsSkinButton::SetImageIndex(int value) {
    FImageIndex = value;
    Invalidate();
}

void TbsSkinButton::SetDefault(bool value) {
    FDefault = value;
    // The form's buttons work the active default out again from where the
    // focus is now.
    auto topOf = [](TWinControl* c) {
        while (c->GetParent()) c = c->GetParent();
        return c;
    };
    TWinControl* focused = TWinControl::FromHandle(GetFocus());
    TWinControl* top = topOf(this);
    if (focused && top != this && topOf(focused) == top) {
        top->ForEachControl([focused](TControl& c) { c.FocusChanged(focused); });
    } else {
        FActiveDefault = value;
        Invalidate();
    }
}

void TbsSkinButton::SetDown(bool value) {
    if (value == FDown) return;
    FDown = value;
    if (MorphActive()) {
        if (value) {
            FMorphValue = 1;
            StopMorph();
        } else if (HandleAllocated()) {
            StartTimer(tidButtonMorph, kButtonMorphInterval);
        }
    }
    Invalidate();
    if (!value || FGroupIndex <= 0 || FAllowAllUp || !GetParent()) return;
    TWinControl* parent = GetParent();
    for (int i = 0; i < parent->GetControlCount(); ++i) {
        auto* other = dynamic_cast<TbsSkinButton*>(parent->GetControl(i));
        if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown) other->SetDown(false);
    }
}

// ---- state ------------------------------------------------------------------------------

bool TbsSkinButton::MorphActive() const {
    const TbsSkinData* manager = GetSkinData();
    return FButton.Morphing && manager && !manager->GetEmpty() && manager->GetEnableSkinEffects();
}

TbsButtonState TbsSkinButton::StateNow() const {
    TbsButtonState s;
    s.Enabled = GetEnabled();
    s.Down = FDown;
    s.MouseOver = FMouseOver;
    s.Focused = Focused();
    s.CanFocused = FCanFocused;
    s.PressedByMouse = FPressedByMouse;
    s.GroupIndex = FGroupIndex;
    s.HasDisabledRect = !FButton.DisabledSkinRect.IsEmpty();
    s.HasFocusedRect = !FButton.FocusedSkinRect.IsEmpty();
    s.FrameAnimating = TimerRunning(tidButtonFrameAnimation);
    s.MorphActive = MorphActive();
    s.MorphValue = FMorphValue;
    return s;
}

TbsButtonImage TbsSkinButton::CurrentImage() const { return ChooseButtonImage(StateNow()); }

TRect TbsSkinButton::SkinRectOf(TbsButtonRect which) const {
    TRect rect;
    switch (which) {
        case bsbrActive: rect = FButton.ActiveSkinRect; break;
        case bsbrDown: rect = FButton.DownSkinRect; break;
        case bsbrFocused: rect = FButton.FocusedSkinRect; break;
        case bsbrDisabled: rect = FButton.DisabledSkinRect; break;
        default: rect = FSkin.SrcRect; break;
    }
    // A frame of the animation stands in for the hot image going forward
    // and for the normal image going back.
    if (FAnimFrame > 0 && TimerRunning(tidButtonFrameAnimation)) {
        const TRect frame = ButtonAnimationFrame(FButton.AnimateSkinRect, FSkin.SrcRect, FAnimFrame, FButton.FrameCount);
        if (!frame.IsEmpty() && ((FAnimForward && which == bsbrActive) || (!FAnimForward && which == bsbrSkin)))
            rect = frame;
    }
    return rect;
}

TColor TbsSkinButton::CaptionColor(bool isActive, bool isDown) {
    const bool bound = GetSkinRecordIndex() != -1;
    if (!bound) return GetEnabled() ? DefaultFont().GetColor() : clBtnShadow;
    if (GetEnabled() && !FUseSkinFontColor) return DefaultFont().GetColor();
    if (!GetEnabled()) return FButton.DisabledFontColor;
    if (isActive && isDown) return FButton.DownFontColor;
    if (isActive) return FButton.ActiveFontColor;
    return FButton.Font.Color;
}

// ---- binding and size ------------------------------------------------------------------

void TbsSkinButton::FetchSkinRecord() {
    TbsSkinCustomControl::FetchSkinRecord();
    const auto* record = SkinControlRecordAs<TbsDataSkinButtonControl>(GetSkinData(), GetSkinRecordIndex());
    FButton = record ? ButtonSkinOf(*record) : TbsButtonSkin{};
    // A button of any size has no shape of the skin's.
    if (!FUseSkinSize) FSkin.MaskPictureIndex = -1;
}

void TbsSkinButton::CalcSkinSize(int& width, int& height) {
    if (GetSkinRecordIndex() == -1) return;
    if (FUseSkinSize || FSkin.ResizeMode == bsrmNinePart) {
        TbsSkinCustomControl::CalcSkinSize(width, height);
        return;
    }
    // The size stays; the client area grows with it.
    const int dW = width - FSkin.SkinWidth(), dH = height - FSkin.SkinHeight();
    FSized.DstClient = Rect(FSkin.SrcClient.Left, FSkin.SrcClient.Top, FSkin.SrcClient.Right + dW,
                            FSkin.SrcClient.Bottom + dH);
}

void TbsSkinButton::ApplySkinChange() {
    StopMorph();
    StopFrameAnimation();
    FMorphValue = 0;
    TbsSkinCustomControl::ApplySkinChange();
    if (MorphActive() && GetSkinRecordIndex() != -1 && (Focused() || FMouseOver)) FMorphValue = 1;
    if (FMouseOver) PostToSelf(WM_SHOWBUTTONGLOW);
}

void TbsSkinButton::PrepareSkinChange() {
    HideGlow();
    TbsSkinCustomControl::PrepareSkinChange();
}

// ---- the morph, the frame animation and the repeat -------------------------------------

void TbsSkinButton::RefreshState() {
    if (GetEnabled() && MorphActive() && GetSkinRecordIndex() != -1) {
        if (!TimerRunning(tidButtonMorph) && HandleAllocated()) StartTimer(tidButtonMorph, kButtonMorphInterval);
        return;
    }
    Invalidate();
}

void TbsSkinButton::MorphTick() {
    const bool target = FMouseOver || FocusedForDrawing();
    FetchSkinRecord();
    if (MorphActive() && GetSkinRecordIndex() != -1) {
        const TbsMorphStep step = StepButtonMorph(FMorphValue, target);
        FMorphValue = step.Value;
        if (step.Stop) StopMorph();
        Invalidate();
        return;
    }
    FMorphValue = target ? 1 : 0;
    StopMorph();
}

void TbsSkinButton::StopMorph() { StopTimer(tidButtonMorph); }

void TbsSkinButton::StartFrameAnimation(bool forward) {
    const TbsSkinData* manager = GetSkinData();
    if (!GetEnabled() || !manager || !manager->GetEnableSkinEffects() || GetSkinRecordIndex() == -1 ||
        FButton.AnimateSkinRect.IsEmpty() || FButton.FrameCount < 1 || !HandleAllocated())
        return;
    FAnimForward = forward;
    if (forward && FAnimFrame < 1) FAnimFrame = 1;
    StartTimer(tidButtonFrameAnimation, UINT(std::max(FButton.AnimateInterval, 1)));
    Invalidate();
}

void TbsSkinButton::StopFrameAnimation() {
    if (!TimerRunning(tidButtonFrameAnimation)) return;
    StopTimer(tidButtonFrameAnimation);
    FAnimFrame = 0;
    Invalidate();
}

void TbsSkinButton::FrameTick() {
    if (FAnimForward) {
        if (FAnimFrame < FButton.FrameCount) {
            ++FAnimFrame;
        } else {
            StopFrameAnimation();
            return;
        }
    } else if (FAnimFrame > 0) {
        --FAnimFrame;
        if (FAnimFrame == 0) {
            StopFrameAnimation();
            return;
        }
    } else {
        StopFrameAnimation();
        return;
    }
    Invalidate();
}

void TbsSkinButton::StartRepeat() {
    if (HandleAllocated()) StartTimer(tidButtonRepeat, kButtonRepeatDelay);
}

void TbsSkinButton::StopRepeat() { StopTimer(tidButtonRepeat); }

bool TbsSkinButton::OnTimer(UINT_PTR id) {
    if (!TimerRunning(id)) return TbsSkinCustomControl::OnTimer(id);
    switch (id) {
        case tidButtonMorph:
            MorphTick();
            return true;
        case tidButtonRepeat:
            // After the first delay the clicks come every RepeatInterval.
            StartTimer(tidButtonRepeat, UINT(FRepeatInterval));
            if (!IsEnabledInParents()) {
                StopRepeat();
                return true;
            }
            ExecuteClick();
            return true;
        case tidButtonFrameAnimation:
            FrameTick();
            return true;
        default:
            return TbsSkinCustomControl::OnTimer(id);
    }
}

void TbsSkinButton::ReleaseState() {
    StopMorph();
    StopRepeat();
    StopFrameAnimation();
    FMorphValue = 0;
    FMouseOver = false;
    FPressedByMouse = false;
    FSpacePressed = false;
    FCheckPending = false;
}

// ---- the click -------------------------------------------------------------------------

void TbsSkinButton::ExecuteClick() {
    // A disabled button never clicks, whichever path asks.
    if (!IsEnabledInParents()) return;
    Click();
}

bool TbsSkinButton::DialogKey(WORD key, unsigned shift) {
    if (!IsEnabledInParents()) return false;
    if (key == VK_RETURN && FActiveDefault) {
        ExecuteClick();
        return true;
    }
    if (key == VK_ESCAPE && FCancel && FCanFocused && CanFocus() && (shift & ssShift) == 0) {
        ExecuteClick();
        return true;
    }
    return false;
}

bool TbsSkinButton::DialogChar(char ch) {
    if (!IsAccelerator(ch, GetCaption()) || !FCanFocused || !CanFocus()) return false;
    SetFocus();
    ExecuteClick();
    return true;
}

void TbsSkinButton::FocusChanged(TWinControl* focused) {
    const bool wasActive = FActiveDefault;
    const bool onSkinButton = dynamic_cast<TbsSkinButton*>(focused) != nullptr;
    FActiveDefault = onSkinButton ? focused == this : FDefault;
    // A default button is drawn hot while the focus is on a control that is
    // not a skinned button.
    if (FDefault && FCanFocused && focused != this) {
        const bool hot = (FActiveDefault && !onSkinButton) || IsMouseInside();
        if (hot != FMouseOver) {
            FMouseOver = hot;
            RefreshState();
        }
    }
    if (wasActive != FActiveDefault) Invalidate();
}

// ---- mouse -------------------------------------------------------------------------------

void TbsSkinButton::MouseEnter() {
    TbsSkinCustomControl::MouseEnter();
    if (!GetEnabled()) return;
    FMouseOver = true;
    const bool changesLook = IsGroupMember() ? !FDown : (!Focused() || FDown);
    if (changesLook) {
        if (FDown) {
            if (MorphActive()) FMorphValue = 1;
            Invalidate();
        } else {
            StartFrameAnimation(true);
            RefreshState();
        }
    }
    if (FDown && FRepeatMode && !IsGroupMember() && FPressedByMouse) StartRepeat();
    PostToSelf(WM_SHOWBUTTONGLOW);
}

void TbsSkinButton::MouseLeave() {
    TbsSkinCustomControl::MouseLeave();
    // A focusable default button that answers Enter stays hot.
    if (!(FCanFocused && FDefault && FActiveDefault && !Focused())) FMouseOver = false;
    const bool changesLook = IsGroupMember() ? !FDown : (!Focused() || FDown);
    if (changesLook) {
        if (FDown) {
            Invalidate();
        } else {
            StartFrameAnimation(false);
            RefreshState();
        }
    }
    if (FDown && !IsGroupMember()) StopRepeat();
    PostToSelf(WM_HIDEBUTTONGLOW);
}

void TbsSkinButton::MouseDown(TMouseButton button, unsigned shift, int x, int y) {
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !GetEnabled()) return;
    StopFrameAnimation();
    FPressedByMouse = true;
    if (!FDown) {
        FMouseOver = true;
        SetDown(true);
        if (FCheckedMode) {
            FCheckPending = true;
            ExecuteClick();
        } else if (FRepeatMode && !IsGroupMember()) {
            StartRepeat();
        } else if (IsGroupMember()) {
            ExecuteClick();
        }
        FWasDown = false;
    } else if (IsGroupMember()) {
        FWasDown = true;
    }
}

void TbsSkinButton::MouseUp(TMouseButton button, unsigned shift, int x, int y) {
    if (button == TMouseButton::mbLeft && FPressedByMouse) {
        FPressedByMouse = false;
        if (FCheckedMode) {
            if (FCheckPending) {
                FCheckPending = false;  // the press checked it already
            } else if (FMouseOver) {
                SetDown(false);
                ExecuteClick();
            }
        } else if (!IsGroupMember()) {
            const bool wasDown = FDown;
            StopRepeat();
            SetDown(false);
            // Drawn up before the click runs: a click handler that disables
            // the button or runs a long round shows it released.
            if (FMouseOver && IsMouseInside() && wasDown) {
                Update();
                ExecuteClick();
            }
        } else if (FDown && FAllowAllUp && FWasDown && FMouseOver) {
            SetDown(false);
            ExecuteClick();
        }
    }
    if (HandleAllocated() && GetVisible()) TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinButton::CaptureLost() {
    // The press ends without a click.
    FPressedByMouse = false;
    FCheckPending = false;
    StopRepeat();
    if (!FCheckedMode && !IsGroupMember()) SetDown(false);
    Invalidate();
}

// ---- keyboard and focus --------------------------------------------------------------------

LRESULT TbsSkinButton::OnGetDlgCode(WPARAM key, MSG* msg) {
    LRESULT code = TbsSkinCustomControl::OnGetDlgCode(key, msg);
    // Enter on the focused button is the button's own, not the form's.
    if (FCanFocused && key == VK_RETURN) code |= DLGC_WANTALLKEYS;
    return code;
}

bool TbsSkinButton::OnKeyDown(WORD key, unsigned shift) {
    if (TbsSkinCustomControl::OnKeyDown(key, shift)) return true;
    if (!FCanFocused) return false;
    if (key == VK_SPACE) {
        if (!GetEnabled()) return true;
        StopFrameAnimation();
        FSpacePressed = true;
        SetDown(true);
        if (FRepeatMode) ExecuteClick();
        return true;
    }
    if (key == VK_RETURN) {
        ExecuteClick();
        return true;
    }
    return false;
}

bool TbsSkinButton::OnKeyUp(WORD key, unsigned shift) {
    if (TbsSkinCustomControl::OnKeyUp(key, shift)) return true;
    if (!FCanFocused || key != VK_SPACE) return false;
    // Only a space that went down here clicks: a key held while the focus
    // arrived does not.
    if (!FSpacePressed) return true;
    FSpacePressed = false;
    SetDown(false);
    ExecuteClick();
    return true;
}

void TbsSkinButton::OnSetFocus(HWND previous) {
    TbsSkinCustomControl::OnSetFocus(previous);
    StartFrameAnimation(true);
    RefreshState();
}

void TbsSkinButton::OnKillFocus(HWND next) {
    TbsSkinCustomControl::OnKillFocus(next);
    if (FDown && !IsGroupMember() && !FCheckedMode) {
        FDown = false;  // released without a click
        FSpacePressed = false;
    }
    StopRepeat();
    StartFrameAnimation(false);
    RefreshState();
}

LRESULT TbsSkinButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SHOWBUTTONGLOW:
            ShowGlow();
            return 0;
        case WM_HIDEBUTTONGLOW:
            HideGlow();
            return 0;
        case BM_CLICK:
            // What accessibility and automation tools send to press a
            // button: one click, refused like any other while disabled.
            ExecuteClick();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // A focusable button takes the focus first; one that cannot
            // take it drops the press.
            if (FCanFocused && !Focused()) {
                SetFocus();
                if (!Focused()) return 0;
            }
            return TbsSkinCustomControl::WndProc(msg, wParam, lParam);
        default:
            return TbsSkinCustomControl::WndProc(msg, wParam, lParam);
    }
}

void TbsSkinButton::CreateParams(TCreateParams& params) {
    TbsSkinCustomControl::CreateParams(params);
    params.WinClassName = "TbsSkinButton";
}

void TbsSkinButton::InitializeWnd() {
    TbsSkinCustomControl::InitializeWnd();
    FActiveDefault = FDefault;
}

void TbsSkinButton::EnabledChanged() {
    // The window first: disabling it takes the focus away, whose handlers
    // would start the morph again.
    TbsSkinCustomControl::EnabledChanged();
    ReleaseState();
    if (FDown && !FCheckedMode && !IsGroupMember()) FDown = false;
    HideGlow();
    Invalidate();
}

void TbsSkinButton::ParentBackgroundChanged() {
    if (FTransparent && !FDown && !FMouseOver) Invalidate();
}

bool TbsSkinButton::OnEraseBackground(HDC dc) {
    // Erased from outside the button's own paint: paint the button there.
    if (dc && !IsPaintingFromMessage() && !FPainting) {
        TCanvas canvas(dc);
        PaintReporting(canvas);
    }
    return true;
}

// ---- layout registration -----------------------------------------------------------------------

namespace {

const TEnumNames kButtonLayoutNames = {
    {"blGlyphLeft", bsglGlyphLeft},
    {"blGlyphRight", bsglGlyphRight},
    {"blGlyphTop", bsglGlyphTop},
    {"blGlyphBottom", bsglGlyphBottom},
};

}  // namespace

void RegisterSkinButtonClasses(TClassRegistry& registry) {
    using B = TbsSkinButton;
    TClassBuilder<B> button(registry, "TbsSkinButton", "TbsSkinCustomControl");
    button.Creatable()
        .Bool("Transparent", &B::GetTransparent, &B::SetTransparent)
        .Bool("CheckedMode", &B::GetCheckedMode, &B::SetCheckedMode)
        .Bool("AlwaysShowLayeredFrame", &B::GetAlwaysShowLayeredFrame, &B::SetAlwaysShowLayeredFrame)
        .Bool("UseSkinSize", &B::GetUseSkinSize, &B::SetUseSkinSize)
        .Bool("UseSkinFontColor", &B::GetUseSkinFontColor, &B::SetUseSkinFontColor)
        .Bool("RepeatMode", &B::GetRepeatMode, &B::SetRepeatMode)
        .Int("RepeatInterval", &B::GetRepeatInterval, &B::SetRepeatInterval)
        .Bool("AllowAllUp", &B::GetAllowAllUp, &B::SetAllowAllUp)
        .Bool("CanFocused", &B::GetCanFocused, &B::SetCanFocused)
        .Bool("Down", &B::GetDown, &B::SetDown)
        .Int("GroupIndex", &B::GetGroupIndex, &B::SetGroupIndex)
        .Int("NumGlyphs", &B::GetNumGlyphs, &B::SetNumGlyphs)
        .Int("Margin", &B::GetMargin, &B::SetMargin)
        .Int("Spacing", &B::GetSpacing, &B::SetSpacing)
        .Enum<TbsGlyphLayout>("Layout", &B::SetLayout, kButtonLayoutNames)
        .Int("ImageIndex", &B::GetImageIndex, &B::SetImageIndex)
        .Bool("Default", &B::GetDefault, &B::SetDefault)
        .Bool("Cancel", &B::GetCancel, &B::SetCancel)
        .Int("ModalResult", &B::GetModalResult, &B::SetModalResult);
}
