#include "skin/controls/SkinScrollBar.h"

#include <algorithm>
#include <utility>

#include "platform/LayoutProperties.h"
#include "platform/SystemHooks.h"
#include "skin/data/SkinData.h"
#include "skin/paint/Composition.h"
#include "skin/paint/LayeredApi.h"
#include "skin/paint/MarkersGdi.h"
#include "skin/paint/portable/Markers.h"

namespace {

// Repetition of a held button or track: the wait after the press, then the pace.
constexpr UINT kRepeatFirstDelay = 500;  // ms
constexpr UINT kRepeatInterval = 50;     // ms

// The plain parts' fill and frame by state, as the plain button draws them.
constexpr TColor kPlainPressedFill = 11899781;  // hex B59385
constexpr TColor kPlainHotFill = 13811126;      // hex D2BDB6

// The part indexes of FParts.
constexpr int kThumb = 0, kIncrease = 1, kDecrease = 2;

const char* const kVerticalName = "vscrollbar";
const char* const kHorizontalName = "hscrollbar";

TRect Or(const TRect& value, const TRect& fallback) { return value.IsEmpty() ? fallback : value; }

}  // namespace

TbsSkinScrollBar::TbsSkinScrollBar(TComponent* AOwner) : TbsSkinCustomControl(AOwner) {
    SetSkinDataName(kHorizontalName);
    SetDefaultHeight(19);
    SetBounds(GetLeft(), GetTop(), 200, 19);
    FCaptureMouseOnPress = true;
    SetTabStop(false);
}

TbsSkinScrollBar::~TbsSkinScrollBar() {
    // Nothing may tick into a half-destroyed bar.
    FRepeat = TRepeat::None;
    StopTimer(tidScrollBarRepeat);
}

// ---- values -------------------------------------------------------------------------------

void TbsSkinScrollBar::SetPosition(int value) {
    const int stored = ClampScrollPosition(value, FValues.Min, FValues.Max, FValues.PageSize);
    if (stored == FValues.Position) return;
    FValues.Position = stored;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TbsSkinScrollBar::SetMin(int value) {
    FValues.Min = value;
    SetPosition(FValues.Position);
    Invalidate();
}

void TbsSkinScrollBar::SetMax(int value) {
    // The position is kept by the one rule of SetPosition, whatever Min is.
    FValues.Max = value;
    SetPosition(FValues.Position);
    Invalidate();
}

void TbsSkinScrollBar::SetPageSize(int value) {
    if (ScrollPageSizeFits(value, FValues.Max, FValues.Position)) FValues.PageSize = value;
    Invalidate();
}

void TbsSkinScrollBar::SetRange(int min, int max, int pageSize, int position) {
    FValues.Min = min;
    FValues.Max = max;
    FValues.PageSize = std::max(pageSize, 0);
    FValues.Position = ClampScrollPosition(position, min, max, FValues.PageSize);
    Invalidate();
}

void TbsSkinScrollBar::SetSmallChange(int value) {
    FSmallChange = value;
    Invalidate();
}

void TbsSkinScrollBar::SetLargeChange(int value) {
    FLargeChange = value;
    Invalidate();
}

void TbsSkinScrollBar::SetCanFocused(bool value) {
    FCanFocused = value;
    SetTabStop(value);
}

// ---- kind and binding -----------------------------------------------------------------------

void TbsSkinScrollBar::Rebind() {
    if (!IsLoading() && SkinUsable(GetSkinData())) {
        ApplySkinChange();
    } else {
        Invalidate();
    }
}

void TbsSkinScrollBar::SetKind(TScrollBarKind value) {
    if (value == FKind) return;
    FKind = value;
    if (!IsLoading()) {
        const bool vertical = value == TScrollBarKind::sbVertical;
        const int width = GetWidth(), height = GetHeight();
        if (GetSkinDataName() == (vertical ? kHorizontalName : kVerticalName))
            SetSkinDataName(vertical ? kVerticalName : kHorizontalName);
        // The plain size follows the bar's breadth.
        if (vertical && GetDefaultHeight() == 19) {
            SetDefaultHeight(0);
            SetDefaultWidth(19);
        } else if (!vertical && GetDefaultWidth() == 19) {
            SetDefaultWidth(0);
            SetDefaultHeight(19);
        }
        SetBounds(GetLeft(), GetTop(), height, width);
    }
    Rebind();
}

void TbsSkinScrollBar::SetBoth(bool value) {
    if (value == FBoth) return;
    FBoth = value;
    if (value) {
        FNormalSkinDataName = GetSkinDataName();
        SetSkinDataName(FBothSkinDataName);
    } else {
        SetSkinDataName(FNormalSkinDataName);
    }
    Rebind();
}

void TbsSkinScrollBar::SetBothMarkerWidth(int value) {
    FBothMarkerWidth = std::max(value, 0);
    Invalidate();
}

void TbsSkinScrollBar::SetBothSkinDataName(const std::string& value) {
    FBothSkinDataName = value;
    if (FBoth) {
        SetSkinDataName(value);
        Rebind();
    }
}

void TbsSkinScrollBar::FetchSkinRecord() {
    TbsSkinCustomControl::FetchSkinRecord();
    const auto* record = SkinControlRecordAs<TbsDataSkinScrollBarControl>(GetSkinData(), GetSkinRecordIndex());
    if (!record) {
        FBar = {};
        return;
    }
    const bool vertical = FKind == TScrollBarKind::sbVertical;
    TBarSkin& b = FBar;
    b.Bound = true;
    b.Geometry.SkinWidth = FSkin.SkinWidth();
    b.Geometry.SkinHeight = FSkin.SkinHeight();
    b.Geometry.LeftBottomY = FSkin.SrcLB.Y;
    b.Geometry.RightTopX = FSkin.SrcRT.X;
    b.Geometry.TrackArea = record->TrackArea;
    const TbsScrollButtonPair buttons = AssignScrollButtons(record->UpButtonRect, record->DownButtonRect, vertical);
    b.Geometry.IncreaseButton = buttons.Increase;
    b.Geometry.DecreaseButton = buttons.Decrease;
    const TRect upActive = record->ActiveUpButtonRect, upDown = Or(record->DownUpButtonRect, upActive);
    const TRect downActive = record->ActiveDownButtonRect, downDown = Or(record->DownDownButtonRect, downActive);
    b.IncreaseActive = buttons.Swapped ? downActive : upActive;
    b.IncreaseDown = buttons.Swapped ? downDown : upDown;
    b.DecreaseActive = buttons.Swapped ? upActive : downActive;
    b.DecreaseDown = buttons.Swapped ? upDown : downDown;
    b.Geometry.ThumbWidth = record->ThumbRect.Width();
    b.Geometry.ThumbHeight = record->ThumbRect.Height();
    b.Geometry.ThumbMinSize = record->ThumbMinSize;
    b.Geometry.ThumbMinPageSize = record->ThumbMinPageSize;
    b.ThumbRect = record->ThumbRect;
    b.ActiveThumbRect = Or(record->ActiveThumbRect, record->ThumbRect);
    b.DownThumbRect = Or(record->DownThumbRect, b.ActiveThumbRect);
    b.ThumbOffset1 = record->ThumbOffset1;
    b.ThumbOffset2 = record->ThumbOffset2;
    b.ThumbTransparent = record->ThumbTransparent;
    b.ThumbTransparentColor = record->ThumbTransparentColor;
    b.ThumbStretch = record->ThumbStretchEffect;
    b.GlyphRect = record->GlyphRect;
    b.ActiveGlyphRect = Or(record->ActiveGlyphRect, record->GlyphRect);
    b.DownGlyphRect = Or(record->DownGlyphRect, b.ActiveGlyphRect);
    b.GlyphTransparent = record->GlyphTransparent;
    b.GlyphTransparentColor = record->GlyphTransparentColor;
}

TbsScrollBarLayout TbsSkinScrollBar::Layout() {
    FetchSkinRecord();
    const bool bound = GetSkinRecordIndex() != -1 && FBar.Bound;
    const int marker = FBoth && FKind == TScrollBarKind::sbHorizontal ? FBothMarkerWidth : 0;
    return ScrollBarLayout(bound ? &FBar.Geometry : nullptr, FKind, GetWidth(), GetHeight(), bound ? 0 : marker,
                           FValues);
}

// ---- parts ----------------------------------------------------------------------------------

int TbsSkinScrollBar::PartIndex(TbsScrollPart part) {
    switch (part) {
        case TbsScrollPart::Thumb: return kThumb;
        case TbsScrollPart::IncreaseButton: return kIncrease;
        case TbsScrollPart::DecreaseButton: return kDecrease;
        default: return -1;
    }
}

bool TbsSkinScrollBar::IsPartHot(TbsScrollPart part) const {
    const int i = PartIndex(part);
    return i >= 0 && FParts[i].Hot;
}

bool TbsSkinScrollBar::IsPartPressed(TbsScrollPart part) const {
    const int i = PartIndex(part);
    return i >= 0 && FParts[i].Pressed;
}

TbsScrollPart TbsSkinScrollBar::PartUnder(TPoint p) { return ScrollPartAt(Layout(), FKind, p, GetEnabled()); }

void TbsSkinScrollBar::SetHotPart(int index) {
    for (int i = 0; i < 3; ++i) {
        const bool hot = i == index;
        if (FParts[i].Hot == hot) continue;
        FParts[i].Hot = hot;
        Invalidate();
    }
}

TPoint TbsSkinScrollBar::PointerInClient() const {
    const TPoint screen = CursorPos();
    const TPoint origin = ClientToScreen(Point(0, 0));
    return Point(screen.X - origin.X, screen.Y - origin.Y);
}

void TbsSkinScrollBar::RaiseScroll(TbsScrollCode code) {
    if (OnScroll) OnScroll(this, code, FValues.Position);
}

// ---- stepping and repetition --------------------------------------------------------------------

void TbsSkinScrollBar::Step(TRepeat action) {
    switch (action) {
        case TRepeat::Increase:
            if (OnIncreaseClick) {
                OnIncreaseClick(this);
            } else {
                SetPosition(FValues.Position + FSmallChange);
            }
            RaiseScroll(TbsScrollCode::LineIncrease);
            break;
        case TRepeat::Decrease:
            if (OnDecreaseClick) {
                OnDecreaseClick(this);
            } else {
                SetPosition(FValues.Position - FSmallChange);
            }
            RaiseScroll(TbsScrollCode::LineDecrease);
            break;
        case TRepeat::PageDecrease:
            SetPosition(FValues.Position - FLargeChange);
            if (OnPageDecrease) OnPageDecrease(this);
            RaiseScroll(TbsScrollCode::PageDecrease);
            break;
        case TRepeat::PageIncrease:
            SetPosition(FValues.Position + FLargeChange);
            if (OnPageIncrease) OnPageIncrease(this);
            RaiseScroll(TbsScrollCode::PageIncrease);
            break;
        case TRepeat::None:
            break;
    }
}

void TbsSkinScrollBar::StartRepeat(TRepeat action) {
    FRepeat = action;
    FWaitMode = true;
    FRepeatInterval = kRepeatFirstDelay;
    StartTimer(tidScrollBarRepeat, kRepeatFirstDelay);
}

void TbsSkinScrollBar::StopRepeat() {
    FRepeat = TRepeat::None;
    FWaitMode = false;
    FRepeatInterval = 0;
    StopTimer(tidScrollBarRepeat);
}

bool TbsSkinScrollBar::OnTimer(UINT_PTR id) {
    if (id != tidScrollBarRepeat || !TimerRunning(id)) return TbsSkinCustomControl::OnTimer(id);
    if (FWaitMode) {
        // The first wait is over: from now on at the faster pace.
        FWaitMode = false;
        FRepeatInterval = kRepeatInterval;
        StartTimer(tidScrollBarRepeat, kRepeatInterval);
    }
    switch (FRepeat) {
        case TRepeat::Increase:
        case TRepeat::Decrease:
            // Paused while the pointer is off the held button.
            if (FCapturedPart >= 0 && FParts[FCapturedPart].Hot) Step(FRepeat);
            break;
        case TRepeat::PageDecrease:
        case TRepeat::PageIncrease: {
            const TPoint p = PointerInClient();
            const TbsScrollBarLayout layout = Layout();
            const bool onTrack = PtInRect(layout.Track, p);
            const bool goOn = onTrack && (FRepeat == TRepeat::PageDecrease ? PointBeforeThumb(layout, FKind, p)
                                                                            : PointAfterThumb(layout, FKind, p));
            if (goOn) {
                Step(FRepeat);
            } else {
                StopRepeat();  // the thumb has reached the pointer
            }
            break;
        }
        case TRepeat::None:
            StopRepeat();
            break;
    }
    return true;
}

// ---- mouse ---------------------------------------------------------------------------------------

void TbsSkinScrollBar::MouseDown(TMouseButton button, unsigned shift, int x, int y) {
    if (button == TMouseButton::mbLeft && GetEnabled()) {
        if (FCanFocused && CanFocus() && !Focused()) SetFocus();
        const TbsScrollBarLayout layout = Layout();
        StopRepeat();
        FWaitMode = true;
        const TPoint p = Point(x, y);
        switch (ScrollPartAt(layout, FKind, p, true)) {
            case TbsScrollPart::Thumb:
                FCapturedPart = kThumb;
                FParts[kThumb].Pressed = true;
                FThumbDragging = true;
                FDragStartCoord = Along(p);
                FDragStartOffset = layout.ThumbOffset;
                Invalidate();
                break;
            case TbsScrollPart::IncreaseButton:
                FCapturedPart = kIncrease;
                FParts[kIncrease].Pressed = true;
                SetHotPart(kIncrease);
                Invalidate();
                Step(TRepeat::Increase);
                StartRepeat(TRepeat::Increase);
                break;
            case TbsScrollPart::DecreaseButton:
                FCapturedPart = kDecrease;
                FParts[kDecrease].Pressed = true;
                SetHotPart(kDecrease);
                Invalidate();
                Step(TRepeat::Decrease);
                StartRepeat(TRepeat::Decrease);
                break;
            case TbsScrollPart::TrackBefore:
                Step(TRepeat::PageDecrease);
                StartRepeat(TRepeat::PageDecrease);
                break;
            case TbsScrollPart::TrackAfter:
                Step(TRepeat::PageIncrease);
                StartRepeat(TRepeat::PageIncrease);
                break;
            case TbsScrollPart::None:
                break;
        }
    }
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinScrollBar::MouseMove(unsigned shift, int x, int y) {
    const TPoint p = Point(x, y);
    if (FThumbDragging) {
        const TbsScrollBarLayout layout = Layout();
        if (const auto position = ScrollDragPosition(layout, FValues, Along(p) - FDragStartCoord, FDragStartOffset)) {
            const int before = FValues.Position;
            SetPosition(*position);
            if (FValues.Position != before) RaiseScroll(TbsScrollCode::Track);
        }
    }
    const int under = PartIndex(PartUnder(p));
    // While a part is held only that part can be hot.
    SetHotPart(FCapturedPart >= 0 && under != FCapturedPart ? -1 : under);
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinScrollBar::ReleaseCapturedPart(bool raiseRelease) {
    if (FRepeat == TRepeat::PageDecrease || FRepeat == TRepeat::PageIncrease) StopRepeat();
    const bool dragged = FThumbDragging;
    if (FCapturedPart >= 0) {
        TPartState& part = FParts[FCapturedPart];
        part.Pressed = false;
        if (HandleAllocated() && PartIndex(PartUnder(PointerInClient())) != FCapturedPart) part.Hot = false;
        StopRepeat();
        FCapturedPart = -1;
        Invalidate();
    }
    FThumbDragging = false;
    if (dragged && raiseRelease) {
        if (OnThumbReleased) OnThumbReleased(this);
        RaiseScroll(TbsScrollCode::ThumbReleased);
    }
}

void TbsSkinScrollBar::MouseUp(TMouseButton button, unsigned shift, int x, int y) {
    if (button == TMouseButton::mbLeft) ReleaseCapturedPart(true);
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinScrollBar::CaptureLost() { ReleaseCapturedPart(false); }

void TbsSkinScrollBar::MouseLeave() {
    if (FCapturedPart < 0 && !FThumbDragging) SetHotPart(-1);
    if (FRepeat == TRepeat::PageDecrease || FRepeat == TRepeat::PageIncrease) StopRepeat();
    TbsSkinCustomControl::MouseLeave();
}

void TbsSkinScrollBar::EnabledChanged() {
    if (!GetEnabled()) {
        ReleaseCapturedPart(false);
        StopRepeat();
        SetHotPart(-1);
    }
    TbsSkinCustomControl::EnabledChanged();
    Invalidate();
}

// ---- keys and wheel ------------------------------------------------------------------------------

bool TbsSkinScrollBar::OnKeyDown(WORD key, unsigned shift) {
    if (FCanFocused) {
        switch (key) {
            case VK_LEFT:
            case VK_UP:
                SetPosition(FValues.Position - FSmallChange);
                RaiseScroll(TbsScrollCode::LineDecrease);
                return true;
            case VK_RIGHT:
            case VK_DOWN:
                SetPosition(FValues.Position + FSmallChange);
                RaiseScroll(TbsScrollCode::LineIncrease);
                return true;
            default:
                break;
        }
    }
    return TbsSkinCustomControl::OnKeyDown(key, shift);
}

LRESULT TbsSkinScrollBar::OnGetDlgCode(WPARAM key, MSG* msg) {
    // The arrow keys step the bar instead of moving the focus.
    if (FCanFocused) return DLGC_WANTARROWS;
    return TbsSkinCustomControl::OnGetDlgCode(key, msg);
}

bool TbsSkinScrollBar::OnMouseWheel(int delta, unsigned shift, TPoint screenPos) {
    if (FCanFocused && Focused() && delta != 0) {
        // Turning towards the user (a negative delta) increases.
        const bool increase = delta < 0;
        SetPosition(FValues.Position + (increase ? FSmallChange : -FSmallChange));
        RaiseScroll(increase ? TbsScrollCode::LineIncrease : TbsScrollCode::LineDecrease);
        return true;
    }
    return TbsSkinCustomControl::OnMouseWheel(delta, shift, screenPos);
}

// ---- painting --------------------------------------------------------------------------------------

bool TbsSkinScrollBar::OnEraseBackground(HDC dc) {
    // Erased from outside the bar's own paint: paint the whole bar there.
    if (dc && !IsPaintingFromMessage()) {
        TCanvas canvas(dc);
        PaintReporting(canvas);
    }
    return true;
}

void TbsSkinScrollBar::PaintSkin(TbsBitmap& bitmap) {
    const TbsBitmap* picture = SkinPictureBitmap();
    if (!FBar.Bound || !picture || !ComposeSkinFace(FSkin, FSized, false, GetWidth(), GetHeight(), *picture, bitmap)) {
        PaintNoSkin(bitmap);
        return;
    }
    const TbsScrollBarLayout layout = Layout();
    PaintSkinButton(bitmap, *picture, layout.IncreaseButton, kIncrease, FBar.IncreaseActive, FBar.IncreaseDown);
    PaintSkinButton(bitmap, *picture, layout.DecreaseButton, kDecrease, FBar.DecreaseActive, FBar.DecreaseDown);
    if (GetEnabled()) PaintSkinThumb(bitmap, *picture, layout);
}

void TbsSkinScrollBar::PaintSkinButton(TbsBitmap& bitmap, const TbsBitmap& picture, const TRect& place, int index,
                                       const TRect& active, const TRect& down) {
    const TPartState& part = FParts[index];
    if (!part.Hot) return;  // the button as the skin's background shows it
    const TRect& source = part.Pressed ? down : active;
    if (source.IsEmpty() || place.IsEmpty()) return;
    picture.Draw(bitmap.DC(), place, source);
}

void TbsSkinScrollBar::PaintSkinThumb(TbsBitmap& bitmap, const TbsBitmap& picture, const TbsScrollBarLayout& layout) {
    const TRect& thumb = layout.Thumb;
    if (thumb.IsEmpty()) return;
    const bool pressed = FThumbDragging || (FCanFocused && Focused());
    const bool hot = FParts[kThumb].Hot;
    const TRect source = pressed ? FBar.DownThumbRect : hot ? FBar.ActiveThumbRect : FBar.ThumbRect;
    const TRect glyphSource = pressed ? FBar.DownGlyphRect : hot ? FBar.ActiveGlyphRect : FBar.GlyphRect;
    if (source.IsEmpty()) return;
    const bool vertical = FKind == TScrollBarKind::sbVertical;

    // The thumb at its size: stretched along its length around the fixed
    // ends when the length follows a page, else the picture as it is.
    TbsBitmap image;
    if (FValues.PageSize != 0 || FBar.Geometry.ThumbMinPageSize != 0) {
        if (vertical) {
            CreateVSkinImage(FBar.ThumbOffset1, FBar.ThumbOffset2, image, FBar.ThumbStretch, thumb.Height(), source,
                             picture);
        } else {
            CreateHSkinImage(FBar.ThumbOffset1, FBar.ThumbOffset2, image, FBar.ThumbStretch, thumb.Width(), source,
                             picture);
        }
    } else if (image.TrySetSize(source.Width(), source.Height())) {
        picture.Draw(image.DC(), Rect(0, 0, source.Width(), source.Height()), source);
    }
    if (image.Empty()) return;

    // The glyph, centred, when the thumb is longer than it.
    const int glyphAlong = vertical ? glyphSource.Height() : glyphSource.Width();
    const int thumbAlong = vertical ? image.Height() : image.Width();
    TbsBitmap glyph;
    if (!glyphSource.IsEmpty() && glyphAlong < thumbAlong &&
        glyph.TrySetSize(glyphSource.Width(), glyphSource.Height())) {
        picture.Draw(glyph.DC(), Rect(0, 0, glyph.Width(), glyph.Height()), glyphSource);
        if (FBar.GlyphTransparent) glyph.SetTransparentColor(FBar.GlyphTransparentColor);
        glyph.Draw(image.DC(), (image.Width() - glyph.Width()) / 2, (image.Height() - glyph.Height()) / 2);
    }
    if (FBar.ThumbTransparent) image.SetTransparentColor(FBar.ThumbTransparentColor);
    image.Draw(bitmap.DC(), thumb, Rect(0, 0, image.Width(), image.Height()));
}

void TbsSkinScrollBar::PaintNoSkin(TbsBitmap& bitmap) {
    if (bitmap.Empty()) return;
    PaintButtonFace(bitmap);
    const TbsScrollBarLayout layout = Layout();
    const bool vertical = FKind == TScrollBarKind::sbVertical;
    PaintPlainPart(bitmap, layout.IncreaseButton, kIncrease, vertical ? bsadDown : bsadRight);
    PaintPlainPart(bitmap, layout.DecreaseButton, kDecrease, vertical ? bsadUp : bsadLeft);
    if (GetEnabled()) PaintPlainPart(bitmap, layout.Thumb, kThumb, 0);
}

void TbsSkinScrollBar::PaintPlainPart(TbsBitmap& bitmap, const TRect& rect, int index, int arrow) {
    if (rect.IsEmpty()) return;
    const TPartState& part = FParts[index];
    const bool pressed = index == kThumb ? FThumbDragging : part.Pressed;
    TColor frame = clBtnShadow, fill = clBtnFace;
    if (pressed && part.Hot) {
        frame = clNavy;
        fill = kPlainPressedFill;
    } else if (part.Hot) {
        frame = clNavy;
        fill = kPlainHotFill;
    }
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(fill);
    canvas.FillRect(rect);
    DrawFrame3D(bitmap.DC(), rect, frame, frame);
    if (arrow != 0) DrawArrow(bitmap.DC(), rect, GetEnabled() ? clBtnText : clBtnShadow, arrow);
}

// ---- native windows ---------------------------------------------------------------------------------

void MirrorNativeScroll(HWND wnd, bool vertical, TbsSkinScrollBar& bar) {
    const int kind = vertical ? SB_VERT : SB_HORZ;
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    const bool known = GetScrollBarInfoSafe(wnd, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info) != FALSE;
    if (!known || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) != 0) {
        bar.SetEnabled(false);
        SetScrollRange(wnd, kind, 0, 0, TRUE);
        return;
    }
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (!GetScrollInfo(wnd, kind, &si)) {
        bar.SetEnabled(false);
        return;
    }
    bar.SetEnabled(true);
    bar.SetRange(si.nMin, si.nMax, int(si.nPage), si.nPos);
}

void ScrollNativeTo(HWND wnd, bool vertical, int position) {
    // The request carries 16 bits of position.
    const WORD pos = WORD(std::clamp(position, 0, 0xFFFF));
    SendMessageA(wnd, vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos), 0);
}

void ScrollNativeLine(HWND wnd, bool vertical, bool increase) {
    SendMessageA(wnd, vertical ? WM_VSCROLL : WM_HSCROLL, increase ? SB_LINEDOWN : SB_LINEUP, 0);
}

// ---- layout registration ------------------------------------------------------------------------------

void RegisterSkinScrollBarClasses(TClassRegistry& registry) {
    if (registry.Find("TbsSkinScrollBar")) return;
    static const TEnumNames kKindNames = {{"sbHorizontal", int(TScrollBarKind::sbHorizontal)},
                                          {"sbVertical", int(TScrollBarKind::sbVertical)}};
    using C = TbsSkinScrollBar;
    TClassBuilder<C> bar(registry, "TbsSkinScrollBar", "TbsSkinCustomControl");
    bar.Creatable()
        .Enum<TScrollBarKind>("Kind", &C::SetKind, kKindNames)
        .Int("Min", &C::GetMin, &C::SetMin)
        .Int("Max", &C::GetMax, &C::SetMax)
        .Int("Position", &C::GetPosition, &C::SetPosition)
        .Int("SmallChange", &C::GetSmallChange, &C::SetSmallChange)
        .Int("LargeChange", &C::GetLargeChange, &C::SetLargeChange)
        .Int("PageSize", &C::GetPageSize, &C::SetPageSize)
        .Bool("CanFocused", &C::GetCanFocused, &C::SetCanFocused)
        .Bool("Both", &C::GetBoth, &C::SetBoth)
        .Int("BothMarkerWidth", &C::GetBothMarkerWidth, &C::SetBothMarkerWidth)
        .Str("BothSkinDataName", &C::GetBothSkinDataName, &C::SetBothSkinDataName);
}
