#include "skin/form/SkinFormObjects.h"

#include <algorithm>

#include "platform/Graphics.h"
#include "skin/form/SkinForm.h"
#include "skin/paint/DrawHelpers.h"
#include "skin/paint/SkinAccess.h"
#include "skin/paint/TbsEffectBmp.h"

namespace {

constexpr double kMorphStep = 0.2;    // per 25 ms tick: a hover fades in over five ticks
constexpr int kAnimationTick = 25;    // ms

// An index of the skin's picture list, or -1 when it is not one.
int CheckedPictureIndex(TbsSkinData* manager, int index) {
    const TbsSkinDataCore* skin = SkinOf(manager);
    if (!skin || index < 0 || std::size_t(index) >= skin->FActivePictures.size()) return -1;
    return index;
}

// The text in the system's code page as UTF-16.
std::wstring Widened(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(std::size_t(std::max(n, 0)), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), wide.data(), n);
    return wide;
}

}  // namespace

// ---- TbsActiveSkinObject ----------------------------------------------------------

TbsActiveSkinObject::TbsActiveSkinObject(TbsSkinForm& form, const TbsDataSkinObject* record) : FForm(form) {
    if (!record) return;
    TbsSkinData* manager = form.GetSkinData();
    IDName = record->SectionName;
    Hint = record->Hint;
    SkinRect = record->SkinRect;
    ActiveSkinRect = record->ActiveSkinRect;
    InActiveSkinRect = record->InActiveSkinRect;
    OwnPicture = record->SkinRectInAPicture;
    ActivePictureIndex = CheckedPictureIndex(manager, record->ActivePictureIndex);
    ActiveMaskPictureIndex = CheckedPictureIndex(manager, record->ActiveMaskPictureIndex);
    Morphing = record->Morphing && !ActiveSkinRect.IsEmpty();
    MorphKind = record->MorphKind;
    GlowPictureIndex = CheckedPictureIndex(manager, record->GlowLayerPictureIndex);
    GlowMaskPictureIndex = CheckedPictureIndex(manager, record->GlowLayerMaskPictureIndex);
    GlowOffsetX = record->GlowLayerOffsetX;
    GlowOffsetY = record->GlowLayerOffsetY;
    GlowAlphaBlendValue = record->GlowLayerAlphaBlendValue;
    ObjectRect = SkinRect;
}

bool TbsActiveSkinObject::CanMouseHit(int x, int y) const {
    if (ActiveMaskPictureIndex < 0) return true;
    const TRgbView mask = SkinPictures().RgbView(FForm.GetSkinData(), ActiveMaskPictureIndex);
    if (mask.Empty()) return true;
    if (x < 0 || y < 0 || x >= mask.Width || y >= mask.Height) return false;
    const std::uint8_t* px = mask.Pixel(x, y);
    return px[0] == 0 && px[1] == 0 && px[2] == 0;
}

bool TbsActiveSkinObject::MorphInUse() const {
    return Morphing && FForm.MorphAllowed();
}

bool TbsActiveSkinObject::NeedMorph() const { return (Active && FMorphPos < 1) || (!Active && FMorphPos > 0); }

bool TbsActiveSkinObject::MorphStep() {
    const double before = FMorphPos;
    FMorphPos = std::clamp(FMorphPos + (Active ? kMorphStep : -kMorphStep), 0.0, 1.0);
    return FMorphPos != before;
}

const TbsBitmap* TbsActiveSkinObject::ActivePicture() const {
    if (ActivePictureIndex < 0) return nullptr;
    return SkinPictures().Bitmap(FForm.GetSkinData(), ActivePictureIndex);
}

void TbsActiveSkinObject::DrawPart(HDC dc, const TbsBitmap* picture, const TRect& src) const {
    if (!picture || src.IsEmpty() || ObjectRect.IsEmpty()) return;
    picture->Draw(dc, ObjectRect, src);
}

void TbsActiveSkinObject::DrawLooks(HDC dc, bool direct, const TRect& normal, const TRect& active,
                                    const TRect& inactive) {
    const TbsBitmap* own = ActivePicture();
    const TbsBitmap* normalPicture = OwnPicture ? own : FForm.FramePicture();
    if (Enabled && !FForm.FormActive() && !inactive.IsEmpty()) {
        DrawPart(dc, own, inactive);
        return;
    }
    const bool between = Active ? FMorphPos < 1 : FMorphPos > 0;
    if (MorphInUse() && between && own && normalPicture && !normal.IsEmpty() && !active.IsEmpty()) {
        // Both looks at the object's size, blended at the morph position.
        const int w = ObjectRect.Width(), h = ObjectRect.Height();
        TbsBitmap a, b;
        if (a.TrySetSize(w, h) && b.TrySetSize(w, h)) {
            normalPicture->Draw(a.DC(), Rect(0, 0, w, h), normal);
            own->Draw(b.DC(), Rect(0, 0, w, h), active);
            GdiFlush();
            TbsEffectBmp from(a.Handle()), to(b.Handle());
            from.MorphByKind(MorphKind, to, FMorphPos);
            from.Draw(dc, ObjectRect.Left, ObjectRect.Top);
            return;
        }
    }
    if (Active && !active.IsEmpty()) {
        DrawPart(dc, own, active);
        return;
    }
    // The frame strips hold the normal look of an object of the frame picture.
    if (OwnPicture || direct) DrawPart(dc, normalPicture, normal);
}

void TbsActiveSkinObject::DrawObject(HDC dc, bool direct) {
    if (!FForm.GetSkinLoaded()) return;
    DrawLooks(dc, direct, SkinRect, ActiveSkinRect, InActiveSkinRect);
}

void TbsActiveSkinObject::StartMorphOrRedraw() {
    if (ActiveSkinRect.IsEmpty()) return;
    if (MorphInUse()) FForm.StartMorphTimer();
    else FForm.RedrawObject(*this);
}

void TbsActiveSkinObject::MouseEnter() {
    FHot = Active = true;
    StartMorphOrRedraw();
    if (FForm.OnMouseEnterEvent) FForm.OnMouseEnterEvent(IDName);
    ShowGlow();
}

void TbsActiveSkinObject::MouseLeave() {
    FHot = Active = false;
    StartMorphOrRedraw();
    if (FForm.OnMouseLeaveEvent) FForm.OnMouseLeaveEvent(IDName);
    HideGlow();
}

void TbsActiveSkinObject::MouseDown(int x, int y, TMouseButton button) {
    if (FForm.OnMouseDownEvent) FForm.OnMouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TbsActiveSkinObject::MouseUp(int x, int y, TMouseButton button) {
    if (FHot && FForm.OnMouseUpEvent) FForm.OnMouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TbsActiveSkinObject::MouseMove(int x, int y) {
    if (FForm.OnMouseMoveEvent) FForm.OnMouseMoveEvent(IDName, x, y, ObjectRect);
}

void TbsActiveSkinObject::ShowGlow() {
    TbsLayerManager* layer = FForm.GlowLayer();
    TbsSkinData* manager = FForm.GetSkinData();
    if (!layer || GlowPictureIndex < 0 || !FForm.GetSkinLoaded() || !manager ||
        !manager->GetShowCaptionButtonGlowFrames() || !FForm.GetForm().HandleAllocated())
        return;
    const TbsBitmap* picture = SkinPictures().Bitmap(manager, GlowPictureIndex);
    const TbsBitmap* mask = GlowMaskPictureIndex >= 0 ? SkinPictures().Bitmap(manager, GlowMaskPictureIndex) : nullptr;
    if (!picture) return;
    const TPoint origin = FForm.ObjectOrigin();
    const int x = origin.X + ObjectRect.Left - GlowOffsetX, y = origin.Y + ObjectRect.Top - GlowOffsetY;
    if (mask) layer->Show(x, y, GlowAlphaBlendValue, *mask, *picture);
    else layer->Show(x, y, GlowAlphaBlendValue, nullptr, picture->Handle());
}

void TbsActiveSkinObject::HideGlow() {
    if (TbsLayerManager* layer = FForm.GlowLayer()) layer->Hide();
}

// ---- TbsUserObject ----------------------------------------------------------------

void TbsUserObject::DrawObject(HDC dc, bool) {
    if (FForm.OnPaintEvent) FForm.OnPaintEvent(IDName, dc, ObjectRect);
}

// ---- TbsSkinAnimateObject -----------------------------------------------------------

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsSkinForm& form, const TbsDataSkinAnimate& record)
    : TbsActiveSkinObject(form, &record),
      CountFrames(std::max(1, record.CountFrames)),
      Cycle(record.Cycle),
      ButtonStyle(record.ButtonStyle),
      TimerInterval(std::max(kAnimationTick, record.TimerInterval)),
      Command(record.Command),
      DownSkinRect(record.DownSkinRect) {}

void TbsSkinAnimateObject::DrawObject(HDC dc, bool) {
    if (!FForm.GetSkinLoaded()) return;
    const TbsBitmap* own = ActivePicture();
    if (!FForm.FormActive() && !InActiveSkinRect.IsEmpty()) {
        DrawPart(dc, own, InActiveSkinRect);
    } else if (FPressed && FHot && !DownSkinRect.IsEmpty()) {
        DrawPart(dc, own, DownSkinRect);
    } else {
        // Frame n (from 1) is the n-th cell of SkinRect's size to the right.
        const int w = SkinRect.Width();
        DrawPart(dc, own, OffsetRect(SkinRect, (FFrame - 1) * w, 0));
    }
}

bool TbsSkinAnimateObject::AnimationTick() {
    if (!Active || (FPressed && !DownSkinRect.IsEmpty())) return false;
    FClock += kAnimationTick;
    if (FClock < TimerInterval) return true;  // still counting toward the next frame
    FClock = kAnimationTick;
    if (FIncrement) {
        ++FFrame;
        if (FFrame > CountFrames) FFrame = 1;
        if (!Cycle && FFrame == CountFrames) Active = false;
    } else {
        --FFrame;
        if (FFrame < 1) FFrame = CountFrames;
        if (FFrame == 1) Active = false;
    }
    return true;
}

void TbsSkinAnimateObject::MouseEnter() {
    FHot = true;
    if (!ButtonStyle) return;
    Active = FIncrement = true;
    if (FPressed && !DownSkinRect.IsEmpty()) FForm.RedrawObject(*this);
    else FForm.StartAnimationTimer();
    if (FForm.OnMouseEnterEvent) FForm.OnMouseEnterEvent(IDName);
    ShowGlow();
}

void TbsSkinAnimateObject::MouseLeave() {
    FHot = false;
    if (!ButtonStyle) return;
    Active = true;
    FIncrement = false;
    if (FPressed && !DownSkinRect.IsEmpty()) FForm.RedrawObject(*this);
    else FForm.StartAnimationTimer();
    if (FForm.OnMouseLeaveEvent) FForm.OnMouseLeaveEvent(IDName);
    HideGlow();
}

void TbsSkinAnimateObject::MouseDown(int x, int y, TMouseButton button) {
    TbsActiveSkinObject::MouseDown(x, y, button);
    if (button != TMouseButton::mbLeft) return;
    if (!DownSkinRect.IsEmpty()) {
        FFrame = CountFrames;
        FPressed = true;
        FForm.RedrawObject(*this);
    }
    if (Command == cmSysMenu && ButtonStyle && FHot) {
        const TPoint origin = FForm.ObjectOrigin();
        FForm.ShowSystemMenu(Point(origin.X + ObjectRect.Left, origin.Y + ObjectRect.Bottom));
    }
}

void TbsSkinAnimateObject::MouseUp(int x, int y, TMouseButton button) {
    TbsActiveSkinObject::MouseUp(x, y, button);
    if (button != TMouseButton::mbLeft) return;
    if (!DownSkinRect.IsEmpty()) {
        FPressed = false;
        FForm.RedrawObject(*this);
        FForm.StartAnimationTimer();
    }
    if (FHot && Command != cmSysMenu && Command != cmDefault) FForm.PostCommand(Command);
}

void TbsSkinAnimateObject::DblClick() {
    if (Command == cmSysMenu) FForm.PostCommand(cmClose);
}

// ---- TbsSkinButtonObject ------------------------------------------------------------

TbsSkinButtonObject::TbsSkinButtonObject(TbsSkinForm& form, const TbsDataSkinButton* record)
    : TbsActiveSkinObject(form, record), Record(record) {
    if (!record) return;
    DownRect = record->DownRect;
    DisableSkinRect = record->DisableSkinRect;
}

void TbsSkinButtonObject::DrawButton(HDC dc, bool direct) {
    if (!FForm.GetSkinLoaded()) return;
    if (!Enabled && !DisableSkinRect.IsEmpty()) {
        DrawPart(dc, ActivePicture(), DisableSkinRect);
    } else if (FPressed && FHot && !DownRect.IsEmpty()) {
        DrawPart(dc, ActivePicture(), DownRect);
    } else {
        DrawLooks(dc, direct, SkinRect, ActiveSkinRect, InActiveSkinRect);
    }
}

void TbsSkinButtonObject::DrawObject(HDC dc, bool direct) { DrawButton(dc, direct); }

const TPixelBuffer* TbsSkinButtonObject::PickShape(const TPixelBuffer* normal, const TPixelBuffer* hot,
                                                   const TPixelBuffer* down, const TPixelBuffer* inactive) const {
    const TPixelBuffer* look = nullptr;
    if (FPressed && FHot) look = down;
    else if (FHot || FMorphPos > 0.5) look = hot;
    else if (!FForm.FormActive()) look = inactive;
    return look ? look : normal;
}

const TPixelBuffer* TbsSkinButtonObject::ShapeImage() const {
    if (!Record) return nullptr;
    return PickShape(Record->FSkinImage.get(), Record->FActiveSkinImage.get(), Record->FDownSkinImage.get(),
                     Record->FInActiveSkinImage.get());
}

void TbsSkinButtonObject::MouseDown(int x, int y, TMouseButton button) {
    TbsActiveSkinObject::MouseDown(x, y, button);
    if (button != TMouseButton::mbLeft || !Enabled || FPressed) return;
    FPressed = true;
    if (MorphInUse() && Active) FMorphPos = 1;
    FForm.RedrawObject(*this);
}

void TbsSkinButtonObject::MouseUp(int x, int y, TMouseButton button) {
    if (button == TMouseButton::mbLeft && Enabled) {
        FPressed = false;
        FForm.RedrawObject(*this);
        if (MorphInUse()) FForm.StartMorphTimer();
    }
    TbsActiveSkinObject::MouseUp(x, y, button);
}

void TbsSkinButtonObject::MouseEnter() {
    if (FPressed) {
        // Back over a button still held down: pressed again, without the morph.
        FHot = Active = true;
        FMorphPos = 1;
        FForm.RedrawObject(*this);
        return;
    }
    TbsActiveSkinObject::MouseEnter();
}

// ---- TbsSkinStdButtonObject ---------------------------------------------------------

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsSkinForm& form, const TbsDataSkinStdButton* record,
                                               TbsStdCommand command, const std::string& name)
    : TbsSkinButtonObject(form, record), Command(command), FromRecord(record != nullptr) {
    IDName = name;
    if (!record) {
        OwnPicture = true;  // placed by the plain frame's layout
        return;
    }
    RestoreRect = record->RestoreRect;
    RestoreActiveRect = record->RestoreActiveRect;
    RestoreDownRect = record->RestoreDownRect;
    RestoreInActiveRect = record->RestoreInActiveRect;
    NormalHint = Hint;
    RestoreHint = record->RestoreHint;
}

bool TbsSkinStdButtonObject::RestoreMode() const {
    if (RestoreRect.IsEmpty()) return false;
    switch (Command) {
        case cmMaximize: return FForm.FormMaximized();
        case cmMinimize: return FForm.FormMinimized() && !FForm.IsMainForm();
        case cmRollUp: return FForm.FormRolledUp();
        default: return false;
    }
}

const TPixelBuffer* TbsSkinStdButtonObject::ShapeImage() const {
    const auto* record = dynamic_cast<const TbsDataSkinStdButton*>(Record);
    if (!record || !RestoreMode() || !record->FRestoreImage) return TbsSkinButtonObject::ShapeImage();
    return PickShape(record->FRestoreImage.get(), record->FRestoreActiveImage.get(), record->FRestoreDownImage.get(),
                     record->FRestoreInActiveImage.get());
}

bool TbsSkinStdButtonObject::ShowsFormIcon() const {
    return Command == cmSysMenu && OwnPicture && FromRecord && FForm.GetShowIcon();
}

bool TbsSkinStdButtonObject::CanMouseHit(int x, int y) const {
    if (!FromRecord) return true;
    return TbsActiveSkinObject::CanMouseHit(x, y);
}

// A plain caption button: a raised (pressed: sunken) face with a glyph of
// lines, drawn here rather than from a symbol font the system may lack.
void TbsSkinStdButtonObject::DrawPlain(HDC dc) const {
    if (ObjectRect.IsEmpty()) return;
    const TRect& r = ObjectRect;
    if (Command == cmSysMenu) {
        DrawIconEx(dc, r.Left, r.Top, FForm.FormIcon(), r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
        return;
    }
    if (Command == cmDefault) return;
    const bool down = FPressed && FHot;
    TBrushHandle face(CreateSolidBrush(ColorToRGB(clBtnFace)));
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    FillRect(dc, &rc, face.Get());
    DrawEdge(dc, &rc, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    // The glyph's box: 4 pixels in from each side, one pixel further when pressed.
    const int shift = down ? 1 : 0;
    const int l = r.Left + 4 + shift, t = r.Top + 4 + shift, rr = r.Right - 5 + shift, b = r.Bottom - 5 + shift;
    TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(Enabled ? clBtnText : clBtnShadow)));
    TSelectObject selected(dc, pen.Get());
    TSelectObject hollow(dc, GetStockObject(NULL_BRUSH));  // a stock object: never deleted
    const auto line = [dc](int x0, int y0, int x1, int y1) {
        MoveToEx(dc, x0, y0, nullptr);
        LineTo(dc, x1, y1);
    };
    const bool restore = (Command == cmMaximize && FForm.FormMaximized()) ||
                         (Command == cmMinimize && FForm.FormMinimized());
    switch (Command) {
        case cmClose:  // a cross, two pixels thick
            line(l, t, rr + 1, b + 1);
            line(l + 1, t, rr + 1, b);
            line(rr, t, l - 1, b + 1);
            line(rr - 1, t, l - 1, b);
            break;
        case cmMaximize:
        case cmMinimize:
            if (restore) {  // two windows
                Rectangle(dc, l + 2, t, rr + 1, b - 1);
                Rectangle(dc, l, t + 3, rr - 1, b + 1);
            } else if (Command == cmMaximize) {  // a window with a thick top
                Rectangle(dc, l, t, rr + 1, b + 1);
                line(l, t + 1, rr, t + 1);
            } else {  // a bar at the bottom
                line(l, b, rr + 1, b);
                line(l, b - 1, rr + 1, b - 1);
            }
            break;
        case cmRollUp:  // a bar at the top
            line(l, t, rr + 1, t);
            line(l, t + 1, rr + 1, t + 1);
            break;
        case cmMinimizeToTray:  // a small box in the bottom-right corner
            Rectangle(dc, (l + rr) / 2, (t + b) / 2, rr + 1, b + 1);
            break;
        default:
            break;
    }
}

void TbsSkinStdButtonObject::DrawObject(HDC dc, bool direct) {
    if (!FromRecord) {
        if (Visible) DrawPlain(dc);
        return;
    }
    if (!FForm.GetSkinLoaded()) return;
    if (ShowsFormIcon()) {
        DrawIconEx(dc, ObjectRect.Left, ObjectRect.Top, FForm.FormIcon(), ObjectRect.Width(), ObjectRect.Height(), 0,
                   nullptr, DI_NORMAL);
        FMorphPos = 0;
        return;
    }
    const bool restore = RestoreMode();
    if (!(Enabled && (FForm.FormActive() || InActiveSkinRect.IsEmpty() || restore))) {
        DrawButton(dc, direct);
        return;
    }
    if (!restore) {
        if (Command == cmSysMenu && FPressed && !DownRect.IsEmpty()) DrawPart(dc, ActivePicture(), DownRect);
        else DrawButton(dc, direct);
        return;
    }
    const TbsBitmap* own = ActivePicture();
    if (!FForm.FormActive() && !RestoreInActiveRect.IsEmpty()) DrawPart(dc, own, RestoreInActiveRect);
    else if (FPressed && FHot && !RestoreDownRect.IsEmpty()) DrawPart(dc, own, RestoreDownRect);
    else DrawLooks(dc, true, RestoreRect, RestoreActiveRect, TRect{});
}

void TbsSkinStdButtonObject::MouseDown(int x, int y, TMouseButton button) {
    if (button != TMouseButton::mbLeft || !Enabled || FPressed) return;
    if (!ShowsFormIcon()) {
        FPressed = true;
        if (MorphInUse() && Active) FMorphPos = 1;
        FForm.RedrawObject(*this);
    }
    (void)x;
    (void)y;
    if (Command == cmSysMenu) {
        const TPoint origin = FForm.ObjectOrigin();
        FForm.ShowSystemMenu(Point(origin.X + ObjectRect.Left, origin.Y + ObjectRect.Bottom));
    }
}

void TbsSkinStdButtonObject::MouseUp(int x, int y, TMouseButton button) {
    if (button != TMouseButton::mbLeft) return;
    if (ShowsFormIcon()) return;
    const bool over = FHot;
    // Close is drawn up first; the form closes after this handler returned.
    if (Command == cmClose) {
        TbsSkinButtonObject::MouseUp(x, y, button);
        if (over && Enabled) FForm.PostCommand(cmClose);
        return;
    }
    if (over && Enabled && Command != cmSysMenu && Command != cmDefault) FForm.PostCommand(Command);
    TbsSkinButtonObject::MouseUp(x, y, button);
}

void TbsSkinStdButtonObject::MouseEnter() {
    if (ShowsFormIcon()) {
        FHot = true;
        return;
    }
    if (Command != cmDefault) {
        const bool restore = (Command == cmRollUp && FForm.FormRolledUp()) || (Command == cmMinimize && FForm.FormMinimized()) ||
                             (Command == cmMaximize && FForm.FormMaximized());
        Hint = restore && !RestoreHint.empty() ? RestoreHint : NormalHint;
    }
    if (!FromRecord) {
        FHot = Active = true;
        FForm.RedrawObject(*this);
        return;
    }
    TbsSkinButtonObject::MouseEnter();
}

void TbsSkinStdButtonObject::MouseLeave() {
    if (ShowsFormIcon()) {
        FHot = false;
        return;
    }
    if (!FromRecord) {
        FHot = Active = false;
        FForm.RedrawObject(*this);
        return;
    }
    TbsSkinButtonObject::MouseLeave();
}

void TbsSkinStdButtonObject::ShowGlow() {
    if (ShowsFormIcon() || !FromRecord) return;
    TbsActiveSkinObject::ShowGlow();
}

void TbsSkinStdButtonObject::DblClick() {
    if (Command == cmSysMenu) FForm.PostCommand(cmClose);
}

// ---- TbsSkinCaptionObject -----------------------------------------------------------

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsSkinForm& form, const TbsDataSkinCaption& r)
    : TbsActiveSkinObject(form, &r),
      TextRect(r.TextRect),
      Font(r.Font),
      ActiveFontColor(r.ActiveFontColor),
      Alignment(r.Alignment),
      Light(r.Light),
      Shadow(r.Shadow),
      LightColor(r.LightColor),
      ActiveLightColor(r.ActiveLightColor),
      ShadowColor(r.ShadowColor),
      ActiveShadowColor(r.ActiveShadowColor),
      VistaGlowEffect(r.VistaGlowEffect),
      VistaGlowInActiveEffect(r.VistaGlowInActiveEffect),
      GlowEffect(r.GlowEffect),
      GlowInActiveEffect(r.GlowInActiveEffect),
      GlowSize(r.GlowSize),
      GlowOffset(r.GlowOffset),
      GlowColor(r.GlowColor),
      GlowActiveColor(r.GlowActiveColor),
      ReflectionEffect(r.ReflectionEffect),
      ReflectionColor(r.ReflectionColor),
      ReflectionActiveColor(r.ReflectionActiveColor),
      ReflectionOffset(r.ReflectionOffset),
      AnimateSkinRect(r.AnimateSkinRect),
      FrameCount(r.FrameCount),
      AnimateInterval(std::max(kAnimationTick, r.AnimateInterval)) {
    // The caption's look follows the form's activation, not the mouse.
    Active = form.FormActive();
    FMorphPos = Active ? 1 : 0;
}

bool TbsSkinCaptionObject::AnimationTick() {
    if (AnimateSkinRect.IsEmpty() || FrameCount <= 0) return false;
    if (Active ? FFrame >= FrameCount : FFrame <= 0) return false;
    FClock += kAnimationTick;
    if (FClock < AnimateInterval) return true;
    FClock = kAnimationTick;
    FFrame += Active ? 1 : -1;
    return true;
}

void TbsSkinCaptionObject::DrawObject(HDC dc, bool direct) {
    if (!FForm.GetSkinLoaded()) return;
    if (!AnimateSkinRect.IsEmpty() && FFrame > 0 && ActivePicture()) {
        const int w = AnimateSkinRect.Width();
        DrawPart(dc, ActivePicture(), Rect(AnimateSkinRect.Left + (FFrame - 1) * w, AnimateSkinRect.Top,
                                           AnimateSkinRect.Left + FFrame * w, AnimateSkinRect.Bottom));
    } else {
        DrawLooks(dc, direct, SkinRect, ActiveSkinRect, InActiveSkinRect);
    }
    DrawText(dc);
}

void TbsSkinCaptionObject::DrawText(HDC dc) {
    if (FForm.OnCaptionPaint) {
        FForm.OnCaptionPaint(&FForm, dc, ObjectRect, FForm.FormActive());
        return;
    }
    if (TextRect.IsEmpty()) return;
    // The text rectangle in the object, widened with it.
    const TRect r = Rect(TextRect.Left, TextRect.Top, TextRect.Right + (ObjectRect.Width() - SkinRect.Width()),
                         TextRect.Bottom);
    DrawCaptionText(dc, OffsetRect(r, ObjectRect.Left, ObjectRect.Top));
}

void TbsSkinCaptionObject::DrawCaptionText(HDC dc, const TRect& r) {
    const bool active = FForm.FormActive();
    std::string text = FForm.GetForm().GetText();
    if (text.empty() || r.Width() <= 0) return;
    TCanvas canvas(dc);
    FForm.SelectCaptionFont(canvas.Font(), Font, active);
    const TColor color = active ? ActiveFontColor : Font.Color;
    canvas.Font().SetColor(color);
    HDC target = canvas.GetHandle();
    TSelectObject font(target, canvas.Font().GetHandle());
    ShortenText(target, text, r.Width());
    SIZE size{};
    GetTextExtentPoint32A(target, text.c_str(), int(text.size()), &size);
    int y = r.Top + r.Height() / 2 - size.cy / 2;
    if (FontHeightIsOdd(target)) --y;
    int x = r.Left;
    if (Alignment == taRightJustify) x = r.Right - size.cx;
    else if (Alignment == taCenter) x = r.Left + r.Width() / 2 - size.cx / 2;
    SetBkMode(target, TRANSPARENT);
    const auto plain = [&](int px, int py, TColor c) {
        SetTextColor(target, ColorToRGB(c));
        TextOutA(target, px, py, text.c_str(), int(text.size()));
    };
    if (Light) plain(x - 1, y - 1, active ? ActiveLightColor : LightColor);
    if (Shadow) plain(x + 1, y + 1, active ? ActiveShadowColor : ShadowColor);
    const TRect box = Rect(x, y, x + size.cx, y + size.cy);
    SetTextColor(target, ColorToRGB(color));
    const UINT format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
    if (ReflectionEffect) {
        DrawReflectionText(target, box, text, active ? ReflectionActiveColor : ReflectionColor, ReflectionOffset, format);
    } else if (VistaGlowEffect && (active || VistaGlowInActiveEffect)) {
        DrawCaptionGlowText(target, box, Widened(text), active ? GlowActiveColor : GlowColor, format);
    } else if (GlowEffect && (active || GlowInActiveEffect)) {
        DrawEffectText(target, box, text, GlowSize, active ? GlowActiveColor : GlowColor, GlowOffset, format);
    } else {
        plain(x, y, color);
    }
}
