// Any geometry a skin definition can state, however inconsistent (points
// outside the skin rectangle, right points left of left points, empty client
// rectangles), composes an image, frame strips and mask strips without a
// crash, an endless tiling or a read outside the pictures; every listed step
// has a non-empty source and destination.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/paint/portable/CompositionPixels.h"
#include "skin/paint/portable/MaskRegionData.h"

namespace {

struct TReader {
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t At = 0;
    int Next() { return At < Size ? int(std::int8_t(Data[At++])) : 0; }  // -128 ... 127
    int Small() { return Next() / 4; }                                   // -32 ... 31
    TPoint P() { return Point(Small(), Small()); }
    TRect R() { return Rect(Small(), Small(), Small(), Small()); }
};

void Check(const TSkinBlits& blits) {
    for (const TSkinBlit& b : blits)
        if (b.Src.IsEmpty() || b.Dst.IsEmpty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TReader in{data, size};
    TSkinImageParams p;
    p.SrcRect = Bounds(in.Small(), in.Small(), in.Next() & 63, in.Next() & 63);
    p.SrcClient = in.R();
    p.SrcLT = in.P(), p.SrcRT = in.P(), p.SrcLB = in.P(), p.SrcRB = in.P();
    p.W = in.Next() & 127;
    p.H = in.Next() & 127;
    const int flags = in.Next();
    p.StretchLeft = flags & 1, p.StretchTop = flags & 2, p.StretchRight = flags & 4, p.StretchBottom = flags & 8;
    p.StretchCenter = flags & 16;
    p.StretchKind = TbsStretchKind(((flags >> 5) & 3) % 3);
    p.DrawClient = !(flags & 128);
    const int mode = GetSkinResizeMode(p.SrcRect, p.SrcLT, p.SrcRT, p.SrcLB, p.SrcRB);
    CalcSkinGeometry(mode, p);
    if (in.Next() & 1) {  // sometimes take destination points as stated, unrelated to the size
        p.DstLT = in.P(), p.DstRT = in.P(), p.DstLB = in.P(), p.DstRB = in.P();
        p.DstClient = in.R();
    }

    TPixelBuffer picture(in.Next() & 63, in.Next() & 63, 0xFF123456u);
    Check(SkinImageBlits(p));
    TPixelBuffer image;
    CreateSkinImage(p, ViewOf(picture), image);
    TPixelBuffer t, b, l, r;
    const TBorderPlan plan = SkinBorderBlits(p, 0, 0);
    Check(plan.Top.Blits), Check(plan.Left.Blits);
    CreateSkinBorderImages(p, ViewOf(picture), t, b, l, r);
    const int ends = in.Small(), ends2 = in.Small();
    Check(HSkinImageBlits(ends, ends2, flags & 1, p.W, p.SrcRect));
    CreateHSkinImage(ends, ends2, image, flags & 2, p.W, p.SrcRect, ViewOf(picture));
    CreateVSkinImage(ends, ends2, image, flags & 4, p.H, p.SrcRect, ViewOf(picture));

    TRgbBuffer mask(p.SrcRect.Width(), p.SrcRect.Height(), 0xFF);
    for (int y = 0; y < mask.Height; ++y)
        for (int x = 0; x < mask.Width; ++x)
            if (in.Next() & 1) mask.Set(x, y, 0, 0, 0);
    TRgbBuffer mt, mb, ml, mr;
    CreateSkinMaskStrips(p.SrcLT, p.SrcRT, p.SrcLB, p.SrcRB, p.SrcClient, mask.View(), p.DstLT, p.DstRT, p.DstLB,
                         p.DstRB, p.DstClient, p.W, mt, mb, ml, mr);
    for (const TRgbBuffer* strip : {&mt, &mb, &ml, &mr}) {
        const std::vector<std::uint8_t> region = CreateRegionData(strip->View(), 0, 0);
        if (!strip->Empty() && (region.size() - 32) % 16 != 0) std::abort();
    }
    return 0;
}
