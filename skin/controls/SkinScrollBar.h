// TbsSkinScrollBar: the skinned scroll bar, horizontal or vertical, drawn
// from its "hscrollbar", "vscrollbar" or "bothhscrollbar" record or plainly.
//
// Parts: the thumb, the increase button (bottom or right end) and the
// decrease button (top or left end), each hot under the pointer and pressed
// while held. A press on a button steps by SmallChange at once, again after
// 500 ms, then every 50 ms while the pointer stays on it (the steps pause
// while it is off); a press on the track pages by LargeChange the same way
// until the thumb reaches the pointer; a press on the thumb drags it. The
// repetition runs on the window's timer tidScrollBarRepeat; tests drive it
// by sending WM_TIMER and read the pointer through the cursor hook.
//
// Another control attaches a bar (a list's or a rich edit's) by mirroring
// its native scroll information into it (MirrorNativeScroll, which uses
// SetRange and raises no event) and by setting the bar's events: OnChange
// for the position, and, when it scrolls by lines itself,
// OnIncreaseClick and OnDecreaseClick, which then replace the bar's own
// steps. ScrollNativeTo and ScrollNativeLine send the native requests.
//
// The arithmetic lives in skin/controls/portable/ScrollBarGeometry.h.
#pragma once

#include "platform/portable/Types.h"

#include <windows.h>

#include <functional>
#include <string>

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/TimerIds.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/portable/ScrollBarGeometry.h"

class TbsSkinScrollBar;

// What a user action did to the bar, for OnScroll.
enum class TbsScrollCode { LineDecrease, LineIncrease, PageDecrease, PageIncrease, Track, ThumbReleased };
using TbsScrollEvent = std::function<void(TbsSkinScrollBar* sender, TbsScrollCode code, int position)>;

class TbsSkinScrollBar : public TbsSkinCustomControl {
public:
    explicit TbsSkinScrollBar(TComponent* AOwner);
    ~TbsSkinScrollBar() override;

    // Accessibility (platform/Accessible.h; SkinAccessible.cpp).
    void GetAccessibleFacts(TAccessibleFacts& facts) const override;

    TScrollBarKind GetKind() const { return FKind; }
    // Turns the bar: outside loading it swaps width and height and, when the
    // bar uses the other kind's record name, takes its own kind's.
    void SetKind(TScrollBarKind value);
    int GetMin() const { return FValues.Min; }
    // Stores the minimum, then keeps Position within the range (SetPosition).
    void SetMin(int value);
    int GetMax() const { return FValues.Max; }
    // Stores the maximum, then keeps Position within the range (SetPosition).
    void SetMax(int value);
    int GetPosition() const { return FValues.Position; }
    // Stores the value clamped to Min .. the last page's start
    // (ClampScrollPosition); when that differs from the stored position it
    // repaints and raises OnChange.
    void SetPosition(int value);
    int GetPageSize() const { return FValues.PageSize; }
    // Accepted only when the page fits from Position (ScrollPageSizeFits);
    // repaints either way.
    void SetPageSize(int value);
    // Stores all four, keeps the position within them and repaints, raising
    // no event: how an owner mirrors its own scrolling into the bar.
    void SetRange(int min, int max, int pageSize, int position);
    const TbsScrollValues& Values() const { return FValues; }
    int GetSmallChange() const { return FSmallChange; }
    void SetSmallChange(int value);
    int GetLargeChange() const { return FLargeChange; }
    void SetLargeChange(int value);
    // The bar takes the focus on a press, steps by the arrow keys and the
    // wheel; it is a tab stop exactly when it can be focused.
    bool GetCanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);
    // A horizontal bar beside a vertical one: the "Both" record, or a plain
    // bar leaving BothMarkerWidth free at its right end.
    bool GetBoth() const { return FBoth; }
    void SetBoth(bool value);
    int GetBothMarkerWidth() const { return FBothMarkerWidth; }
    void SetBothMarkerWidth(int value);
    const std::string& GetBothSkinDataName() const { return FBothSkinDataName; }
    void SetBothSkinDataName(const std::string& value);

    TNotifyEvent OnChange;         // the position changed (not by SetRange)
    TNotifyEvent OnIncreaseClick;  // set: replaces the increase button's own step
    TNotifyEvent OnDecreaseClick;  // set: replaces the decrease button's own step
    TNotifyEvent OnPageDecrease;
    TNotifyEvent OnPageIncrease;
    TNotifyEvent OnThumbReleased;  // the end of a drag of the thumb
    TbsScrollEvent OnScroll;       // after each step, page or drag move, and at the thumb's release

    // The layout for the current size, values and binding, computed afresh
    // (the record is looked up again) at every paint, hit test and press.
    TbsScrollBarLayout Layout();
    bool IsPartHot(TbsScrollPart part) const;
    bool IsPartPressed(TbsScrollPart part) const;
    bool ThumbDragging() const { return FThumbDragging; }
    // The interval of the running repetition, ms; 0 when none runs.
    UINT RepeatInterval() const { return TimerRunning(tidScrollBarRepeat) ? FRepeatInterval : 0; }

    void FetchSkinRecord() override;

    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseMove(unsigned shift, int x, int y) override;
    void MouseLeave() override;

protected:
    void PaintSkin(TbsBitmap& bitmap) override;
    void PaintNoSkin(TbsBitmap& bitmap) override;
    bool OnEraseBackground(HDC dc) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnKeyDown(WORD key, unsigned shift) override;
    bool OnMouseWheel(int delta, unsigned shift, TPoint screenPos) override;
    LRESULT OnGetDlgCode(WPARAM key, MSG* msg) override;
    void CaptureLost() override;
    void EnabledChanged() override;

private:
    // What the bar copies from its record, beyond the base geometry. The
    // button images follow the buttons' places (AssignScrollButtons).
    struct TBarSkin {
        bool Bound = false;  // the record is a scroll bar's
        TbsScrollBarSkinGeometry Geometry;
        TRect IncreaseActive, IncreaseDown, DecreaseActive, DecreaseDown;
        TRect ThumbRect, ActiveThumbRect, DownThumbRect;
        int ThumbOffset1 = 0, ThumbOffset2 = 0;
        bool ThumbTransparent = false;
        TColor ThumbTransparentColor = 0;
        bool ThumbStretch = false;
        TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
        bool GlyphTransparent = false;
        TColor GlyphTransparentColor = 0;
    };
    struct TPartState {
        bool Hot = false, Pressed = false;
    };
    // What the repeat timer does on its ticks.
    enum class TRepeat { None, Decrease, Increase, PageDecrease, PageIncrease };

    static int PartIndex(TbsScrollPart part);  // 0 thumb, 1 increase, 2 decrease, -1 none
    TbsScrollPart PartUnder(TPoint p);
    void SetHotPart(int index);
    void Step(TRepeat action);
    void StartRepeat(TRepeat action);
    void StopRepeat();
    void ReleaseCapturedPart(bool raiseRelease);
    int Along(TPoint p) const { return FKind == TScrollBarKind::sbVertical ? p.Y : p.X; }
    TPoint PointerInClient() const;
    void RaiseScroll(TbsScrollCode code);
    void Rebind();

    void PaintSkinButton(TbsBitmap& bitmap, const TbsBitmap& picture, const TRect& place, int index,
                         const TRect& active, const TRect& down);
    void PaintSkinThumb(TbsBitmap& bitmap, const TbsBitmap& picture, const TbsScrollBarLayout& layout);
    void PaintPlainPart(TbsBitmap& bitmap, const TRect& rect, int index, int arrow);

    TScrollBarKind FKind = TScrollBarKind::sbHorizontal;
    TbsScrollValues FValues;
    int FSmallChange = 1, FLargeChange = 1;
    bool FCanFocused = false;
    bool FBoth = false;
    int FBothMarkerWidth = 19;  // pixels
    std::string FBothSkinDataName = "bothhscrollbar";
    std::string FNormalSkinDataName;  // the name restored when Both is cleared

    TBarSkin FBar;
    TPartState FParts[3];
    int FCapturedPart = -1;
    bool FThumbDragging = false;
    TRepeat FRepeat = TRepeat::None;
    bool FWaitMode = false;      // the first, longer wait of the repetition is pending
    UINT FRepeatInterval = 0;    // ms
    int FDragStartCoord = 0;     // along, client coordinates
    int FDragStartOffset = 0;    // the thumb's ThumbOffset at the press
};

// Mirrors a native window's scroll information for one direction into an
// attached bar (SetRange: no event). When the window's own bar in that
// direction is not visible, or the platform cannot tell, the skinned bar is
// disabled and the native range set to 0..0; otherwise it is enabled.
void MirrorNativeScroll(HWND wnd, bool vertical, TbsSkinScrollBar& bar);
// Scrolls a native window to a thumb position (SB_THUMBPOSITION).
void ScrollNativeTo(HWND wnd, bool vertical, int position);
// Scrolls a native window by a line (SB_LINEDOWN or SB_LINEUP).
void ScrollNativeLine(HWND wnd, bool vertical, bool increase);

// Registers TbsSkinScrollBar with its stored properties; the skinned
// control bases must be registered already.
void RegisterSkinScrollBarClasses(TClassRegistry& registry);
