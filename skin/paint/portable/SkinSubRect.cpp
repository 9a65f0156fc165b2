#include "skin/paint/portable/SkinSubRect.h"

#include "skin/paint/portable/SkinGeometry.h"

namespace {

// The pixels of R all lie in zone z.
bool Within(const TRect& R, const TRect& z) {
    return R.Left >= z.Left && R.Top >= z.Top && R.Right <= z.Right && R.Bottom <= z.Bottom;
}

// p lies in z, every edge inclusive.
bool Touches(TPoint p, const TRect& z) { return p.X >= z.Left && p.X <= z.Right && p.Y >= z.Top && p.Y <= z.Bottom; }

TRect Moved(const TRect& R, int dx, int dy) {
    return Rect(SaturatedSum(R.Left, dx), SaturatedSum(R.Top, dy), SaturatedSum(R.Right, dx),
                SaturatedSum(R.Bottom, dy));
}

TRect Grown(const TRect& R, int dx, int dy) {
    return Rect(R.Left, R.Top, SaturatedSum(R.Right, dx), SaturatedSum(R.Bottom, dy));
}

}  // namespace

TRect MapRectByCornerZones(const TRect& R, TPoint LT, TPoint RT, TPoint LB, TPoint RB, int SW, int SH, int dW,
                           int dH) {
    const TRect ltz = Rect(0, 0, LT.X, LT.Y);
    const TRect rtz = Rect(RT.X, 0, SW, RT.Y);
    const TRect lbz = Rect(0, LB.Y, LB.X, SH);
    const TRect rbz = Rect(RB.X, RB.Y, SW, SH);

    if (Within(R, ltz)) return R;
    if (Within(R, rtz)) return Moved(R, dW, 0);
    if (Within(R, lbz)) return Moved(R, 0, dH);
    if (Within(R, rbz)) return Moved(R, dW, dH);

    const TPoint tl = Point(R.Left, R.Top), br = Point(R.Right, R.Bottom);
    if (Touches(tl, ltz) && Touches(br, rbz)) return Grown(R, dW, dH);
    if (Touches(tl, ltz) && Touches(br, rtz)) return Grown(R, dW, 0);
    if (Touches(tl, lbz) && Touches(br, rbz)) return Moved(Grown(R, dW, 0), 0, dH);
    if (Touches(tl, ltz) && Touches(br, lbz)) return Grown(R, 0, dH);
    if (Touches(tl, rtz) && Touches(br, rbz)) return Grown(Moved(R, dW, 0), 0, dH);
    return R;
}

TRect MapSkinSubRect(const TRect& R, int Mode, const TRect& SrcRect, TPoint SrcLT, TPoint SrcRT, TPoint SrcLB,
                     TPoint SrcRB, int W, int H) {
    const int SW = SrcRect.Width(), SH = SrcRect.Height();
    const int dW = SaturatedDifference(W, SW), dH = SaturatedDifference(H, SH);
    switch (Mode) {
    case bsrmNinePart:
        return MapRectByCornerZones(R, SrcLT, SrcRT, SrcLB, SrcRB, SW, SH, dW, dH);
    case bsrmHorizontal:
        if (R.Left <= SrcLT.X && R.Right >= SrcRT.X) return Grown(R, dW, 0);
        if (R.Left >= SrcRT.X && R.Right > SrcRT.X) return Moved(R, dW, 0);
        return R;
    case bsrmVertical:
        if (R.Top <= SrcLT.Y && R.Bottom >= SrcLB.Y) return Grown(R, 0, dH);
        if (R.Top >= SrcLB.Y && R.Bottom > SrcLB.Y) return Moved(R, 0, dH);
        return R;
    default:
        return R;
    }
}
