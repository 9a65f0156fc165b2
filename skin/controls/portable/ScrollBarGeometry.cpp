#include "skin/controls/portable/ScrollBarGeometry.h"

#include <algorithm>
#include <climits>

namespace {

// The plain bar: a 1-pixel border, 16-pixel buttons and thumb.
constexpr int kPlainBorder = 1;
constexpr int kPlainButton = 16;
constexpr int kPlainThumb = 16;

int ToInt(std::int64_t v) { return int(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }

// Along and across coordinates of a rectangle, so that both kinds share one
// computation.
struct TSpan {
    int First = 0, Last = 0;  // Last exclusive
};
TSpan AlongOf(const TRect& r, bool vertical) { return vertical ? TSpan{r.Top, r.Bottom} : TSpan{r.Left, r.Right}; }
TSpan AcrossOf(const TRect& r, bool vertical) { return vertical ? TSpan{r.Left, r.Right} : TSpan{r.Top, r.Bottom}; }
TRect FromSpans(TSpan along, TSpan across, bool vertical) {
    return vertical ? Rect(across.First, along.First, across.Last, along.Last)
                    : Rect(along.First, across.First, along.Last, across.Last);
}
int AlongOf(TPoint p, bool vertical) { return vertical ? p.Y : p.X; }

}  // namespace

std::int64_t RoundHalfEven(std::int64_t num, std::int64_t den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    std::int64_t q = num / den, r = num % den;
    if (r < 0) {  // floor division
        --q;
        r += den;
    }
    if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
    return q;
}

int ScrollUpperBound(int max, int pageSize) {
    if (pageSize == 0) return max;
    return ToInt(std::int64_t(max) - pageSize + 1);
}

int ClampScrollPosition(int value, int min, int max, int pageSize) {
    if (value < min) return min;
    const int upper = ScrollUpperBound(max, pageSize);
    return value > upper ? upper : value;
}

bool ScrollPageSizeFits(int pageSize, int max, int position) {
    if (pageSize < 0) return false;
    return std::int64_t(max) - position + 1 >= pageSize;
}

TbsScrollButtonPair AssignScrollButtons(const TRect& up, const TRect& down, bool vertical) {
    if (AlongOf(down, vertical).First > AlongOf(up, vertical).First) return {down, up, true};
    return {up, down, false};
}

TbsScrollBarLayout ScrollBarLayout(const TbsScrollBarSkinGeometry* skin, TScrollBarKind kind, int width, int height,
                                   int bothMarkerWidth, const TbsScrollValues& v) {
    const bool vertical = kind == TScrollBarKind::sbVertical;
    TbsScrollBarLayout out;
    int thumbAlong = kPlainThumb, thumbAcross = 0;
    if (skin) {
        const int dw = width - skin->SkinWidth, dh = height - skin->SkinHeight;
        out.Track = skin->TrackArea;
        out.IncreaseButton = skin->IncreaseButton;
        out.DecreaseButton = skin->DecreaseButton;
        // The track and the buttons past the fixed start follow the far edge.
        const auto follow = [&](TRect& r) {
            if (vertical && r.Top > skin->LeftBottomY) r = OffsetRect(r, 0, dh);
            if (!vertical && r.Left > skin->RightTopX) r = OffsetRect(r, dw, 0);
        };
        if (vertical) {
            out.Track.Bottom += dh;
        } else {
            out.Track.Right += dw;
        }
        follow(out.IncreaseButton);
        follow(out.DecreaseButton);
        thumbAlong = vertical ? skin->ThumbHeight : skin->ThumbWidth;
        thumbAcross = vertical ? skin->ThumbWidth : skin->ThumbHeight;
        if (skin->ThumbMinSize != 0) thumbAlong = skin->ThumbMinSize;
    } else if (vertical) {
        const int b = kPlainBorder, s = kPlainButton;
        out.DecreaseButton = Rect(b, b, width - b, b + s);
        out.IncreaseButton = Rect(b, height - b - s, width - b, height - b);
        out.Track = Rect(b, b + s, width - b, height - b - s);
    } else {
        const int b = kPlainBorder, s = kPlainButton, w = width - bothMarkerWidth;
        out.DecreaseButton = Rect(b, b, b + s, height - b);
        out.IncreaseButton = Rect(w - b - s, b, w - b, height - b);
        out.Track = Rect(b + s, b, w - b - s, height - b);
    }
    if (!skin) thumbAcross = AcrossOf(out.Track, vertical).Last - AcrossOf(out.Track, vertical).First;

    const TSpan track = AlongOf(out.Track, vertical);
    const std::int64_t trackLength = std::int64_t(track.Last) - track.First;
    const std::int64_t range = std::int64_t(v.Max) - v.Min;  // Max - Min
    std::int64_t length = 0, shareNum = 0, shareDen = 1;
    if (v.PageSize != 0) {
        const std::int64_t count = range + 1;
        if (count > 0) length = RoundHalfEven(trackLength * v.PageSize, count);
        length = std::max<std::int64_t>(length, thumbAlong);
        shareDen = count - v.PageSize;
        shareNum = std::int64_t(v.Position) - v.Min;
        if (shareDen <= 0) {
            shareNum = vertical ? 0 : 1;
            shareDen = 1;
        }
    } else {
        length = skin && skin->ThumbMinPageSize != 0 ? skin->ThumbMinPageSize : thumbAlong;
        shareNum = std::int64_t(v.Position) - v.Min;
        shareDen = range;
        if (shareDen <= 0) {
            shareNum = 0;
            shareDen = 1;
        }
    }
    shareNum = std::clamp<std::int64_t>(shareNum, 0, shareDen);
    out.ThumbLength = ToInt(length);
    out.ThumbStart = ToInt(track.First + length / 2);
    // The thumb spans centre - length / 2 .. + length: ending the travel at
    // the track's end less the longer half keeps an odd-length thumb off the
    // increase button.
    out.ThumbEnd = std::max(out.ThumbStart, ToInt(track.Last - (length - length / 2)));
    out.ThumbOffset = ToInt(RoundHalfEven(shareNum * (std::int64_t(out.ThumbEnd) - out.ThumbStart), shareDen));

    const int centre = out.ThumbStart + out.ThumbOffset;
    const TSpan across = AcrossOf(out.Track, vertical);
    const int acrossFirst = across.First + (across.Last - across.First - thumbAcross) / 2;
    const int first = ToInt(std::int64_t(centre) - length / 2);
    out.Thumb = FromSpans({first, ToInt(std::int64_t(first) + length)}, {acrossFirst, acrossFirst + thumbAcross},
                          vertical);
    return out;
}

TbsScrollPart ScrollPartAt(const TbsScrollBarLayout& layout, TScrollBarKind kind, TPoint p, bool thumbShown) {
    if (thumbShown && PtInRect(layout.Thumb, p)) return TbsScrollPart::Thumb;
    if (PtInRect(layout.IncreaseButton, p)) return TbsScrollPart::IncreaseButton;
    if (PtInRect(layout.DecreaseButton, p)) return TbsScrollPart::DecreaseButton;
    if (!PtInRect(layout.Track, p)) return TbsScrollPart::None;
    const bool vertical = kind == TScrollBarKind::sbVertical;
    return AlongOf(p, vertical) < layout.ThumbStart + layout.ThumbOffset ? TbsScrollPart::TrackBefore
                                                                          : TbsScrollPart::TrackAfter;
}

bool PointBeforeThumb(const TbsScrollBarLayout& layout, TScrollBarKind kind, TPoint p) {
    const bool vertical = kind == TScrollBarKind::sbVertical;
    return AlongOf(p, vertical) < AlongOf(layout.Thumb, vertical).First;
}

bool PointAfterThumb(const TbsScrollBarLayout& layout, TScrollBarKind kind, TPoint p) {
    const bool vertical = kind == TScrollBarKind::sbVertical;
    return AlongOf(p, vertical) >= AlongOf(layout.Thumb, vertical).Last;
}

std::optional<int> ScrollDragPosition(const TbsScrollBarLayout& layout, const TbsScrollValues& v, int displacement,
                                      int startOffset) {
    const std::int64_t travel = std::int64_t(layout.ThumbEnd) - layout.ThumbStart;
    if (travel <= 0) return std::nullopt;
    const std::int64_t moved = std::clamp<std::int64_t>(std::int64_t(displacement) + startOffset, 0, travel);
    std::int64_t span = std::int64_t(v.Max) - v.Min;
    if (v.PageSize != 0) span = span - v.PageSize + 1;
    return ToInt(v.Min + RoundHalfEven(span * moved, travel));
}
