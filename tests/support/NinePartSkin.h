// The 30 x 20 nine-part skin the composition tests share: client (5,4,25,16)
// relative to the skin, top pattern x 10..20, left pattern y 8..12, placed
// with its top-left corner at `origin` of its picture and sized to W x H.
// Stretch flags are left off; tests set the ones they exercise.
#pragma once

#include "skin/paint/portable/SkinGeometry.h"

inline TSkinImageParams NinePartSkin(int W, int H, TPoint origin = Point(0, 0)) {
    TSkinImageParams p;
    p.SrcRect = Bounds(origin.X, origin.Y, 30, 20);
    p.SrcClient = Rect(5, 4, 25, 16);
    p.SrcLT = Point(10, 8);
    p.SrcRT = Point(20, 8);
    p.SrcLB = Point(10, 12);
    p.SrcRB = Point(20, 12);
    p.W = W;
    p.H = H;
    CalcSkinGeometry(bsrmNinePart, p);
    return p;
}
