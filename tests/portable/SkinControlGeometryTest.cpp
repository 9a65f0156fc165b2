// A skinned control's geometry: the resize mode its record's points give,
// the size the skin lets it take, and where the frame-only path lays the
// background. One row per case.
#include "skin/controls/portable/SkinControlGeometry.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/NinePartSkin.h"

namespace {

struct TPoints {
    TRect SkinRect;
    TPoint LT, RT, LB, RB;
};

std::unique_ptr<TbsDataSkinButtonControl> Record(const TPoints& p, TRect client = Rect(2, 2, 8, 8)) {
    auto r = std::make_unique<TbsDataSkinButtonControl>("button");
    r->SkinRect = p.SkinRect;
    r->LeftTopPoint = p.LT;
    r->RightTopPoint = p.RT;
    r->LeftBottomPoint = p.LB;
    r->RightBottomPoint = p.RB;
    r->ClientRect = client;
    return r;
}

TbsSkinControlGeometry Geometry(const TPoints& p, TRect client = Rect(2, 2, 8, 8)) {
    return SkinControlGeometryOf(Record(p, client).get());
}

// Sized geometry as it was before a call, so that what a mode leaves alone
// shows.
constexpr TPoint kOld{-7, -7};
const TbsSkinSizedGeometry kUntouched{kOld, kOld, kOld, kOld, Rect(-7, -7, -6, -6)};

}  // namespace

TEST(SkinControlGeometry, ResizeModeFollowsTheRecordsPoints) {
    struct TCase {
        const char* Name;
        TPoints Points;
        int Mode;
    } cases[] = {
        {"right-top (39, 10) without right-bottom: horizontal three-part",
         {Rect(0, 0, 80, 25), Point(10, 10), Point(39, 10), Point(0, 0), Point(0, 0)}, bsrmHorizontal},
        {"all four points: nine-part",
         {Rect(0, 0, 30, 20), Point(10, 8), Point(20, 8), Point(10, 12), Point(20, 12)}, bsrmNinePart},
        {"empty skin rectangle: no skin, whatever the points",
         {Rect(5, 5, 5, 30), Point(10, 8), Point(20, 8), Point(10, 12), Point(20, 12)}, bsrmNoSkin},
        {"skin rectangle with no height: no skin", {Rect(0, 9, 30, 4), {}, {}, {}, {}}, bsrmNoSkin},
        {"right-bottom needs both coordinates: (0, 5) with right-top (3, 0) is horizontal",
         {Rect(0, 0, 30, 20), {}, Point(3, 0), {}, Point(0, 5)}, bsrmHorizontal},
        {"left-bottom alone: vertical three-part", {Rect(0, 0, 30, 20), Point(4, 4), {}, Point(0, 15), {}},
         bsrmVertical},
        {"no points: fixed size", {Rect(0, 0, 30, 20), {}, {}, {}, {}}, bsrmFixed},
        {"left-top alone does not count: fixed size", {Rect(0, 0, 30, 20), Point(5, 5), {}, {}, {}}, bsrmFixed},
    };
    for (const TCase& c : cases) EXPECT_EQ(Geometry(c.Points).ResizeMode, c.Mode) << c.Name;
}

TEST(SkinControlGeometry, CopiesTheRecordsGeometryAndKeepsPicturesAsIndexes) {
    auto r = Record({Rect(3, 4, 33, 24), Point(10, 8), Point(20, 8), Point(10, 12), Point(20, 12)}, Rect(5, 4, 25, 16));
    r->PictureIndex = 7;  // beyond any picture list: checked when used, not here
    r->MaskPictureIndex = 2;
    r->LeftStretch = true;
    r->BottomStretch = true;
    r->StretchEffect = true;
    r->StretchType = bsstVert;
    const TbsSkinControlGeometry g = SkinControlGeometryOf(r.get());
    EXPECT_EQ(g.PictureIndex, 7);
    EXPECT_EQ(g.MaskPictureIndex, 2);
    EXPECT_EQ(g.SrcRect, Rect(3, 4, 33, 24));
    EXPECT_EQ(g.SrcClient, Rect(5, 4, 25, 16));
    EXPECT_EQ(g.SrcRB, Point(20, 12));
    EXPECT_TRUE(g.StretchLeft && g.StretchBottom && g.StretchCenter);
    EXPECT_FALSE(g.StretchTop || g.StretchRight);
    EXPECT_EQ(g.StretchKind, bsstVert);
    EXPECT_EQ(g.SkinWidth(), 30);
    EXPECT_EQ(g.SkinHeight(), 20);
}

// A record of a kind without the nine-part keys (a rich edit's) or no
// record gives no geometry: such a control keeps its size instead of
// shrinking to an empty or stale skin rectangle.
TEST(SkinControlGeometry, RecordWithoutGeometryGivesNoSkinAndNoPictures) {
    TbsDataSkinRichEdit richEdit("richedit");
    richEdit.SkinRect = Rect(0, 0, 40, 20);
    richEdit.PictureIndex = 0;
    for (const TbsDataSkinControl* record : {static_cast<const TbsDataSkinControl*>(&richEdit),
                                             static_cast<const TbsDataSkinControl*>(nullptr)}) {
        const TbsSkinControlGeometry g = SkinControlGeometryOf(record);
        EXPECT_EQ(g, TbsSkinControlGeometry{});
        int w = 123, h = 45;
        TbsSkinSizedGeometry sized = kUntouched;
        CalcSkinSize(g, w, h, sized);
        EXPECT_EQ(w, 123);
        EXPECT_EQ(h, 45);
        EXPECT_EQ(sized, kUntouched);
    }
}

TEST(SkinControlGeometry, CalcSkinSizeFitsTheRequestToTheModeAndMovesThePoints) {
    struct TCase {
        const char* Name;
        TPoints Points;
        int W, H;        // requested
        int OutW, OutH;  // allowed
        TbsSkinSizedGeometry Sized;
    } cases[] = {
        {"horizontal: any height becomes the skin's, the width stays",
         {Rect(0, 0, 80, 25), Point(10, 10), Point(39, 10), {}, {}}, 200, 60, 200, 25,
         {Point(10, 10), Point(159, 10), kOld, kOld, Rect(2, 2, 128, 8)}},
        {"horizontal narrower than the skin", {Rect(0, 0, 80, 25), Point(10, 10), Point(39, 10), {}, {}}, 50, 3, 50,
         25, {Point(10, 10), Point(9, 10), kOld, kOld, Rect(2, 2, -22, 8)}},
        {"nine-part: any size stays, right and bottom points move",
         {Rect(0, 0, 30, 20), Point(10, 8), Point(20, 8), Point(10, 12), Point(20, 12)}, 50, 33, 50, 33,
         {Point(10, 8), Point(40, 8), Point(10, 25), Point(40, 25), Rect(2, 2, 28, 21)}},
        {"nine-part smaller than its corners still keeps the size",
         {Rect(0, 0, 30, 20), Point(10, 8), Point(20, 8), Point(10, 12), Point(20, 12)}, 4, 2, 4, 2,
         {Point(10, 8), Point(-6, 8), Point(10, -6), Point(-6, -6), Rect(2, 2, -18, -10)}},
        {"vertical: any width becomes the skin's", {Rect(0, 0, 30, 20), Point(4, 4), {}, Point(0, 15), {}}, 99, 50,
         30, 50, {Point(4, 4), kOld, Point(0, 45), kOld, Rect(2, 2, 8, 38)}},
        {"fixed: the skin's size and client, points untouched", {Rect(6, 6, 36, 26), {}, {}, {}, {}}, 99, 50, 30, 20,
         {kOld, kOld, kOld, kOld, Rect(2, 2, 8, 8)}},
        {"no skin: nothing changes", {Rect(0, 0, 0, 0), Point(10, 8), Point(20, 8), Point(10, 12), Point(20, 12)}, 99,
         50, 99, 50, kUntouched},
    };
    for (const TCase& c : cases) {
        int w = c.W, h = c.H;
        TbsSkinSizedGeometry sized = kUntouched;
        CalcSkinSize(Geometry(c.Points), w, h, sized);
        EXPECT_EQ(w, c.OutW) << c.Name;
        EXPECT_EQ(h, c.OutH) << c.Name;
        EXPECT_EQ(sized.DstLT, c.Sized.DstLT) << c.Name;
        EXPECT_EQ(sized.DstRT, c.Sized.DstRT) << c.Name;
        EXPECT_EQ(sized.DstLB, c.Sized.DstLB) << c.Name;
        EXPECT_EQ(sized.DstRB, c.Sized.DstRB) << c.Name;
        EXPECT_EQ(sized.DstClient, c.Sized.DstClient) << c.Name;
    }
}

TEST(SkinControlGeometry, OnlyABoundControlWhoseSizeChangesIsFittedToItsSkin) {
    const TbsSkinControlGeometry horizontal =
        Geometry({Rect(0, 0, 80, 25), Point(10, 10), Point(39, 10), {}, {}});
    const TbsSkinControlGeometry empty = Geometry({Rect(0, 0, 0, 25), {}, Point(39, 10), {}, {}});
    struct TCase {
        const char* Name;
        const TbsSkinControlGeometry* Skin;
        bool Bound;
        int W, H, ReqW, ReqH;
        TbsSkinBoundsChange Out;
        bool Sized;
    } cases[] = {
        {"unbound: the request as it is", &horizontal, false, 75, 25, 120, 40, {120, 40, false}, false},
        {"bound, same size: nothing to fit", &horizontal, true, 75, 25, 75, 25, {75, 25, false}, false},
        {"bound, new height: fitted back", &horizontal, true, 75, 25, 75, 40, {75, 25, true}, true},
        {"bound, new width: kept, points follow", &horizontal, true, 75, 25, 120, 40, {120, 25, true}, true},
        {"bound to an empty skin: sizes kept, still reshaped", &empty, true, 75, 25, 120, 40, {120, 40, true}, false},
    };
    for (const TCase& c : cases) {
        TbsSkinSizedGeometry sized = kUntouched;
        EXPECT_EQ(SkinBoundsFor(*c.Skin, c.Bound, c.W, c.H, c.ReqW, c.ReqH, sized), c.Out) << c.Name;
        EXPECT_EQ(sized != kUntouched, c.Sized) << c.Name;
    }
}

TEST(SkinControlGeometry, AfterASkinChangeUnboundControlsTakeTheirDefaultSizeAndBoundOnesTheSkins) {
    const TbsSkinControlGeometry horizontal =
        Geometry({Rect(0, 0, 80, 25), Point(10, 10), Point(39, 10), {}, {}});
    const TbsSkinControlGeometry nine =
        Geometry({Rect(0, 0, 30, 20), Point(10, 8), Point(20, 8), Point(10, 12), Point(20, 12)});
    const TbsSkinControlGeometry none;
    struct TCase {
        const char* Name;
        const TbsSkinControlGeometry* Skin;
        bool Bound;
        int DefaultW, DefaultH;
        TbsSkinBoundsChange Out;  // from 75 x 30
    } cases[] = {
        {"unknown name, no defaults: keeps its stored size", &none, false, 0, 0, {75, 30, false}},
        {"unbound with a default width only", &none, false, 120, 0, {120, 30, true}},
        {"unbound with both defaults", &none, false, 120, 21, {120, 21, true}},
        {"unbound with its own size as default", &none, false, 75, 30, {75, 30, false}},
        {"bound horizontal: the skin's height, defaults ignored", &horizontal, true, 120, 21, {75, 25, true}},
        {"bound nine-part: any size stays", &nine, true, 120, 21, {75, 30, false}},
    };
    for (const TCase& c : cases) {
        TbsSkinSizedGeometry sized;
        EXPECT_EQ(SizeAfterSkinChange(*c.Skin, c.Bound, 75, 30, c.DefaultW, c.DefaultH, sized), c.Out) << c.Name;
    }
}

TEST(SkinControlGeometry, NinePartCompositionOfTheControlIsTheSkinsGeometryAtItsSize) {
    auto r =
        Record({Bounds(4, 6, 30, 20), Point(10, 8), Point(20, 8), Point(10, 12), Point(20, 12)}, Rect(5, 4, 25, 16));
    r->TopStretch = true;
    r->StretchEffect = true;
    r->StretchType = bsstHorz;
    const TbsSkinControlGeometry g = SkinControlGeometryOf(r.get());
    int w = 57, h = 41;
    TbsSkinSizedGeometry sized;
    CalcSkinSize(g, w, h, sized);

    TSkinImageParams want = NinePartSkin(57, 41, Point(4, 6));
    want.StretchTop = true;
    want.StretchCenter = true;
    want.StretchKind = bsstHorz;
    const TSkinImageParams got = SkinImageParamsOf(g, sized, w, h);
    EXPECT_EQ(SkinImageBlits(got), SkinImageBlits(want));
    EXPECT_EQ(got.DstClient, want.DstClient);
    EXPECT_TRUE(got.DrawClient);
}

TEST(SkinControlGeometry, ThreePartEndsAreMeasuredFromTheSkinRectangle) {
    const TbsSkinControlGeometry h = Geometry({Bounds(50, 50, 80, 25), Point(10, 10), Point(39, 10), {}, {}});
    EXPECT_EQ(HorizontalEnds(h), (TbsThreePartEnds{10, 41}));
    const TbsSkinControlGeometry v = Geometry({Bounds(50, 50, 30, 60), Point(4, 7), {}, Point(0, 45), {}});
    EXPECT_EQ(VerticalEnds(v), (TbsThreePartEnds{7, 15}));
}

TEST(FrameBackgroundTiles, TilesCoverTheSizedClientWithBothBoundsInclusive) {
    // A 10 x 5 tile over a 25 x 10 client at (3, 4): 25 div 10 = 2 and
    // 10 div 5 = 2, so three columns and three rows; the clip cuts the rest.
    const TRect client = Rect(3, 4, 28, 14);
    std::vector<TRect> want;
    for (int y : {4, 9, 14})
        for (int x : {3, 13, 23}) want.push_back(Bounds(x, y, 10, 5));
    EXPECT_EQ(FrameBackgroundTiles(Rect(7, 7, 17, 12), client, false, bsstFull), want);
}

TEST(FrameBackgroundTiles, StretchedCentreScalesTheTileByItsKind) {
    const TRect client = Rect(3, 4, 28, 14);
    const TRect tile = Rect(0, 0, 10, 5);
    EXPECT_EQ(FrameBackgroundTiles(tile, client, true, bsstFull), std::vector<TRect>{client});
    EXPECT_EQ(FrameBackgroundTiles(tile, client, true, bsstHorz),
              (std::vector<TRect>{Rect(3, 4, 13, 14), Rect(13, 4, 23, 14), Rect(23, 4, 33, 14)}));
    EXPECT_EQ(FrameBackgroundTiles(tile, client, true, bsstVert),
              (std::vector<TRect>{Rect(3, 4, 28, 9), Rect(3, 9, 28, 14), Rect(3, 14, 28, 19)}));
}

// An empty client area in the skin would divide by zero; an empty sized
// client has nothing to cover. Neither draws any background.
TEST(FrameBackgroundTiles, EmptySkinClientOrEmptySizedClientDrawsNoBackground) {
    struct TCase {
        const char* Name;
        TRect SkinClient, Client;
    } cases[] = {
        {"skin client without width", Rect(5, 5, 5, 10), Rect(0, 0, 50, 50)},
        {"skin client without height", Rect(5, 5, 10, 5), Rect(0, 0, 50, 50)},
        {"skin client turned inside out", Rect(10, 10, 5, 5), Rect(0, 0, 50, 50)},
        {"sized client without width", Rect(0, 0, 10, 5), Rect(20, 0, 20, 50)},
        {"sized client turned inside out", Rect(0, 0, 10, 5), Rect(20, 30, 4, 2)},
    };
    for (const TCase& c : cases)
        for (bool stretch : {false, true})
            for (TbsStretchKind kind : {bsstFull, bsstHorz, bsstVert})
                EXPECT_TRUE(FrameBackgroundTiles(c.SkinClient, c.Client, stretch, kind).empty())
                    << c.Name << (stretch ? " stretched " : " tiled ") << kind;
}
