// Any frame geometry a skin can state, any mask strips and any point (as a
// WM_NCHITTEST from another process may carry) give one of the hit-test
// answers, without a read outside a strip or an overflow; placing the
// caption objects for that geometry stays in bounds too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "skin/form/portable/FrameGeometry.h"

namespace {

struct TReader {
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t At = 0;
    int Next() { return At < Size ? int(std::int8_t(Data[At++])) : 0; }  // -128 ... 127
    int Small() { return Next() / 2; }                                   // -64 ... 63
    int Any() {
        std::int32_t v = 0;
        for (int i = 0; i < 4; ++i) v = std::int32_t(std::uint32_t(v) << 8 | std::uint8_t(Next()));
        return v;
    }
    TPoint P() { return Point(Small(), Small()); }
    TRect R() { return Rect(Small(), Small(), Small(), Small()); }
};

TRgbBuffer Strip(TReader& in) {
    TRgbBuffer strip(in.Next() & 31, in.Next() & 31, 0xFF);
    for (int y = 0; y < strip.Height; ++y)
        for (int x = 0; x < strip.Width; ++x)
            if (in.Next() & 1) strip.Set(x, y, 0, 0, 0);
    return strip;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TReader in{data, size};
    TbsFormInfo info;
    info.LeftTopPoint = in.P(), info.RightTopPoint = in.P(), info.LeftBottomPoint = in.P();
    info.RightBottomPoint = in.P();
    info.ClientRect = in.R(), info.MaskRectArea = in.R(), info.CaptionRect = in.R(), info.ButtonsRect = in.R();
    info.HitTestLeftTopPoint = in.P(), info.HitTestRightTopPoint = in.P();
    info.HitTestLeftBottomPoint = in.P(), info.HitTestRightBottomPoint = in.P();
    info.ButtonsOffset = in.Small();
    info.ButtonsInLeft = in.Next() & 1;
    const int PW = in.Next() & 127, PH = in.Next() & 127;
    const int W = in.Next() & 255, H = in.Next() & 255;
    const TbsFrameRects rects = CalcFrameRects(info, PW, PH, W, H);

    TRgbBuffer top = Strip(in), bottom = Strip(in), left = Strip(in), right = Strip(in);
    const TRect captions[] = {in.R()};
    TbsFrameHitState s;
    const int flags = in.Next();
    s.Resizable = flags & 1, s.Maximized = flags & 2, s.MinimizedOrRolledUp = flags & 4;
    s.ObjectActive = flags & 8, s.InSizeMove = flags & 16, s.HasMask = flags & 32;
    s.BorderWidth = (flags & 64) ? in.Any() : in.Small();
    s.TopMask = top.View(), s.BottomMask = bottom.View(), s.LeftMask = left.View(), s.RightMask = right.View();
    s.CaptionAreas = captions;
    const TbsPlainFrameLayout plain = PlainFrameLayout(W, H, flags & 128, unsigned(in.Next()), {17, 17});
    std::vector<TbsArrangeItem> items(4);
    for (TbsArrangeItem& item : items) {
        item.SkinRect = in.R();
        item.OwnPicture = in.Next() & 1, item.Visible = in.Next() & 1, item.Caption = in.Next() & 1;
        item.StdButton = in.Next() & 1;
        item.Command = TbsStdCommand((in.Next() & 0x7f) % 7);
    }
    ArrangeFrameObjects(info, PW, PH, rects, items);
    while (in.At < in.Size) {
        const TPoint p = (in.Next() & 1) ? Point(in.Any(), in.Any()) : Point(in.Small() * 4, in.Small() * 4);
        for (int code : {FrameHitTest(rects, s, p), PlainFrameHitTest(plain, W, H, s, p)}) {
            if (!(code == bsfhNowhere || code == bsfhClient || code == bsfhCaption || code == bsfhObject ||
                  (code >= bsfhLeft && code <= bsfhBottomRight)))
                std::abort();
        }
    }

    return 0;
}
