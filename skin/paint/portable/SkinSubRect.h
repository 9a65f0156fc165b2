// Parts that lie inside a skin rectangle (a caption, a gripper, a button of
// the frame) carried to an element of another size: each part follows the
// corner it sits in, or stretches with the element when it spans corners.
//
// The corner zones of a skin SW x SH with corner points LT, RT, LB, RB
// (rectangles, right and bottom exclusive, in skin coordinates):
//
//   0      LT.X          RT.X       SW
//   +--------+-------------+--------+ 0
//   |   LT   |             |   RT   |
//   +--------+ LT.Y        |        |
//   |                      +--------+ RT.Y
//   |                               |
//   +-------+ LB.Y                  |
//   |       |          RB.Y +-------+
//   |  LB   |               |   RB  |
//   +-------+---------------+-------+ SH
//         LB.X             RB.X
//
// A part in the left-top zone stays, in the right-top zone moves right with
// the right edge, in the left-bottom zone moves down with the bottom edge,
// in the right-bottom zone moves with both. Parts that span zones grow.
// dW and dH are how much wider and taller the element is than the skin.
#pragma once

#include "platform/portable/Types.h"

// R carried by the corner zones above, first match wins:
//  - R lies wholly in a zone (its pixels do: Left and Top on or after the
//    zone's, Right and Bottom on or before the zone's exclusive edges), tried
//    LT, RT, LB, RB: stays, moves by (dW, 0), (0, dH), (dW, dH);
//  - else its top-left and bottom-right corner points, each tested against
//    the zones with all edges inclusive: LT to RB grows by (dW, dH); LT to RT
//    grows by dW; LB to RB grows by dW and moves down by dH; LT to LB grows
//    by dH; RT to RB moves right by dW and grows by dH;
//  - else it stays.
// Sums that would leave the int range are held at its ends.
TRect MapRectByCornerZones(const TRect& R, TPoint LT, TPoint RT, TPoint LB, TPoint RB, int SW, int SH, int dW, int dH);

// R, in skin coordinates, carried to an element W x H composed from SrcRect
// by resize mode Mode (GetSkinResizeMode):
//  - 1: the corner zones above with the source points;
//  - 2: R from at or before SrcLT.X to at or after SrcRT.X grows by dW;
//    R from at or after SrcRT.X (and ending after it) moves by dW;
//  - 3: the same downwards with SrcLT.Y, SrcLB.Y and dH;
//  - 0, -1 and any other mode: R stays.
TRect MapSkinSubRect(const TRect& R, int Mode, const TRect& SrcRect, TPoint SrcLT, TPoint SrcRT, TPoint SrcLB,
                     TPoint SrcRB, int W, int H);
