// The skinned frame's geometry: the frame of the built-in skin at the table
// window's size, the hit test (client edge, single borders, the mask's
// strips, any point at all), the size limits, the plain frame and the
// placement of the caption objects.
#include "skin/form/portable/FrameGeometry.h"
#include "skin/form/portable/SystemMenuModel.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "skin/paint/portable/MaskRegionData.h"

namespace {

constexpr int kPW = 150, kPH = 130;  // the built-in skin's frame picture

TbsFormInfo ZevrakFormInfo() {
    std::ifstream file(std::string(RDZ_SOURCE_DIR) + "/skins/Zevrak/Zevrak.ini", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    TMemIniFile ini(text);
    TbsFormInfo info;
    info.LoadFromIni(ini, true);  // the skin has a mask
    return info;
}

bool IsSizingCode(int code) { return code >= bsfhLeft && code <= bsfhBottomRight; }

// A mask of the frame picture's size, black but for a white triangle of
// three pixels in each corner (a rounded window).
TRgbBuffer RoundedMask(int w, int h) {
    TRgbBuffer mask(w, h, 0);
    const TRgbView v = mask.View();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3 - y; ++x)
            for (TPoint p : {Point(x, y), Point(w - 1 - x, y), Point(x, h - 1 - y), Point(w - 1 - x, h - 1 - y)}) {
                std::uint8_t* px = v.Pixel(p.X, p.Y);
                px[0] = px[1] = px[2] = 255;
            }
    return mask;
}

// The frame and the kept mask strips of the built-in skin at W x H.
struct TZevrakFrame {
    TbsFormInfo Info = ZevrakFormInfo();
    TbsFrameRects Rects;
    TRgbBuffer Mask = RoundedMask(kPW, kPH);
    TRgbBuffer Top, Bottom, Left, Right;
    std::vector<TRect> Captions;

    TZevrakFrame(int W, int H) : Rects(CalcFrameRects(Info, kPW, kPH, W, H)) {
        CreateSkinMaskStrips(Info.LeftTopPoint, Info.RightTopPoint, Info.LeftBottomPoint, Info.RightBottomPoint,
                             Info.MaskRectArea, Mask.View(), Rects.FrameLT, Rects.FrameRT, Rects.FrameLB,
                             Rects.FrameRB, Rects.FrameMaskArea, W, Top, Bottom, Left, Right);
        Captions.push_back(Rect(25, 3, 730, 22));
    }
    TbsFrameHitState State(bool resizable) const {
        TbsFrameHitState s;
        s.Resizable = resizable;
        s.BorderWidth = Info.BorderWidth;
        s.HasMask = true;
        s.TopMask = Top.View();
        s.BottomMask = Bottom.View();
        s.LeftMask = Left.View();
        s.RightMask = Right.View();
        s.CaptionAreas = Captions;
        return s;
    }
};

TEST(FrameGeometry, TableWindowClientGivesA777By333Window) {
    const TbsFormInfo info = ZevrakFormInfo();
    const TbsFrameRects r = CalcFrameRects(info, kPW, kPH, 777, 333);
    EXPECT_EQ(r.FrameClientRect, Rect(1, 26, 776, 332));  // frame 1, 26, 1, 1
    EXPECT_EQ(r.FrameClientRect.Width(), 775);
    EXPECT_EQ(r.FrameClientRect.Height(), 306);
    EXPECT_EQ(SkinnedClientOf(Rect(100, 50, 877, 383), info, kPW, kPH), Rect(101, 76, 876, 382));
    EXPECT_EQ(r.FrameCaptionRect, Rect(5, 3, 772, 22));
    EXPECT_EQ(r.FrameLT, Point(12, 26));
    EXPECT_EQ(r.FrameRT, Point(138 + 627, 26));
    EXPECT_EQ(r.FrameLB, Point(12, 126 + 203));
    EXPECT_EQ(r.FrameRB, Point(138 + 627, 126 + 203));
    EXPECT_EQ(r.FrameMaskArea, r.FrameClientRect);  // an empty mask area is the client rectangle
    EXPECT_TRUE(r.FrameButtonsRect.IsEmpty());
}

TEST(FrameGeometry, ClientNeverCrossesWhenTheWindowIsSmallerThanTheFrame) {
    const TbsFormInfo info = ZevrakFormInfo();
    EXPECT_EQ(SkinnedClientOf(Rect(0, 0, 1, 1), info, kPW, kPH), Rect(1, 26, 1, 26));
    EXPECT_EQ(PlainClientOf(Rect(0, 0, 4, 10), false), Rect(3, 22, 3, 22));
    EXPECT_EQ(PlainClientOf(Rect(10, 10, 210, 110), false), Rect(13, 32, 207, 107));
    EXPECT_EQ(PlainClientOf(Rect(0, 0, 200, 100), true), Rect(3, 18, 197, 97));
}

TEST(FrameGeometry, RightAndBottomEdgesOfTheClientAreNotClient) {
    const TZevrakFrame f(777, 333);
    for (bool resizable : {false, true}) {
        const TbsFrameHitState s = f.State(resizable);
        EXPECT_EQ(FrameHitTest(f.Rects, s, Point(775, 100)), bsfhClient);
        EXPECT_NE(FrameHitTest(f.Rects, s, Point(776, 100)), bsfhClient) << resizable;
        EXPECT_EQ(FrameHitTest(f.Rects, s, Point(400, 331)), bsfhClient);
        EXPECT_NE(FrameHitTest(f.Rects, s, Point(400, 332)), bsfhClient) << resizable;
    }
    EXPECT_EQ(FrameHitTest(f.Rects, f.State(true), Point(776, 100)), bsfhRight);
    EXPECT_EQ(FrameHitTest(f.Rects, f.State(false), Point(776, 100)), bsfhObject);
}

TEST(FrameGeometry, SingleBorderNeverSizesAndTheCaptionDrags) {
    const TZevrakFrame f(777, 333);
    const TbsFrameHitState s = f.State(false);
    for (int y = 0; y < 333; ++y)
        for (int x = 0; x < 777; ++x) ASSERT_FALSE(IsSizingCode(FrameHitTest(f.Rects, s, Point(x, y)))) << x << "," << y;
    EXPECT_EQ(FrameHitTest(f.Rects, s, Point(300, 10)), bsfhCaption);
    EXPECT_EQ(FrameHitTest(f.Rects, s, Point(300, 1)), bsfhObject);  // above the caption object
}

TEST(FrameGeometry, ResizableFrameAnswersTheCornersAndEdges) {
    const TZevrakFrame f(777, 333);
    const TbsFrameHitState s = f.State(true);
    struct TRow {
        TPoint P;
        int Expected;
    } rows[] = {
        {{0, 0}, bsfhTopLeft},        {{776, 0}, bsfhTopRight},    {{0, 332}, bsfhBottomLeft},
        {{776, 332}, bsfhBottomRight}, {{400, 0}, bsfhTop},         {{400, 332}, bsfhBottom},
        {{0, 200}, bsfhLeft},          {{776, 200}, bsfhRight},     {{400, 200}, bsfhClient},
        {{300, 10}, bsfhCaption},
    };
    for (const TRow& r : rows) EXPECT_EQ(FrameHitTest(f.Rects, s, r.P), r.Expected) << r.P.X << "," << r.P.Y;
    TbsFrameHitState maximized = s;
    maximized.Maximized = true;
    EXPECT_EQ(FrameHitTest(f.Rects, maximized, Point(0, 0)), bsfhObject);
    TbsFrameHitState object = s;
    object.ObjectActive = true;
    EXPECT_EQ(FrameHitTest(f.Rects, object, Point(760, 10)), bsfhObject);
    EXPECT_EQ(FrameHitTest(f.Rects, object, Point(300, 10)), bsfhCaption);
}

// The rows of the mask area's top edge belong to the side strips: reading
// them from the top strip would be one row past its end.
TEST(FrameGeometry, MaskAreaTopRowIsReadFromTheSideStrips) {
    TbsFrameRects r;
    r.Width = r.Height = 40;
    r.FrameClientRect = r.FrameMaskArea = Rect(4, 4, 36, 36);
    r.HitLT = Point(2, 2);
    r.HitRT = Point(38, 2);
    r.HitLB = Point(2, 38);
    r.HitRB = Point(38, 38);
    TRgbBuffer top(40, 4, 0), bottom(40, 4, 0), left(4, 32, 0), right(4, 32, 0);
    TbsFrameHitState s;
    s.Resizable = s.HasMask = true;
    s.BorderWidth = 2;
    s.TopMask = top.View();
    s.BottomMask = bottom.View();
    s.LeftMask = left.View();
    s.RightMask = right.View();
    // (3, 4) probes (1, 4): the left strip's first row, black, so inside.
    EXPECT_EQ(FrameHitTest(r, s, Point(3, 4)), bsfhObject);
    EXPECT_EQ(FrameHitTest(r, s, Point(1, 4)), bsfhLeft);
    // A white pixel there makes the point a border point.
    left.View().Pixel(1, 0)[0] = 255;
    EXPECT_EQ(FrameHitTest(r, s, Point(3, 4)), bsfhLeft);
}

TEST(FrameGeometry, EveryPointAroundTheWindowAndAnyPointAnswers) {
    for (int W : {200, 777}) {
        const TZevrakFrame f(W, 333);
        for (bool resizable : {false, true}) {
            TbsFrameHitState s = f.State(resizable);
            for (int y = -40; y < 333 + 40; ++y)
                for (int x = -40; x < W + 40; ++x) {
                    const int code = FrameHitTest(f.Rects, s, Point(x, y));
                    if (x < 0 || y < 0 || x >= W || y >= 333) ASSERT_EQ(code, bsfhNowhere) << x << "," << y;
                    else ASSERT_TRUE(code == bsfhClient || code == bsfhCaption || code == bsfhObject || IsSizingCode(code));
                }
            s.BorderWidth = INT_MAX;  // a skin may state any width
            std::mt19937 random(15);
            std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
            for (int i = 0; i < 20000; ++i) {
                const int code = FrameHitTest(f.Rects, s, Point(any(random), any(random)));
                ASSERT_NE(code, bsfhClient);
            }
            EXPECT_EQ(FrameHitTest(f.Rects, s, Point(INT_MIN, INT_MAX)), bsfhNowhere);
            EXPECT_EQ(FrameHitTest(f.Rects, s, Point(W - 1, 332)), resizable ? bsfhBottomRight : bsfhObject);
        }
    }
}

TEST(FrameGeometry, MaskStripReadsOutsideTheStripAreOutside) {
    TRgbBuffer strip(3, 2, 0);
    EXPECT_TRUE(MaskStripInside(strip.View(), 2, 1));
    EXPECT_FALSE(MaskStripInside(strip.View(), 3, 1));
    EXPECT_FALSE(MaskStripInside(strip.View(), 2, 2));
    EXPECT_FALSE(MaskStripInside(strip.View(), -1, 0));
    EXPECT_FALSE(MaskStripInside(strip.View(), 0, LLONG_MIN));
    EXPECT_FALSE(MaskStripInside(TRgbView{}, 0, 0));
}

TEST(FrameGeometry, PlainFrameHitTest) {
    const TbsPlainFrameLayout l = PlainFrameLayout(300, 200, false, bsbiSystemMenu | bsbiMinimize, {17, 17});
    TbsFrameHitState s;
    s.Resizable = true;
    EXPECT_EQ(PlainFrameHitTest(l, 300, 200, s, Point(0, 0)), bsfhTopLeft);
    EXPECT_EQ(PlainFrameHitTest(l, 300, 200, s, Point(2, 100)), bsfhLeft);
    EXPECT_EQ(PlainFrameHitTest(l, 300, 200, s, Point(297, 100)), bsfhRight);
    EXPECT_EQ(PlainFrameHitTest(l, 300, 200, s, Point(299, 199)), bsfhBottomRight);
    EXPECT_EQ(PlainFrameHitTest(l, 300, 200, s, Point(100, 10)), bsfhCaption);
    EXPECT_EQ(PlainFrameHitTest(l, 300, 200, s, Point(100, 100)), bsfhClient);
    EXPECT_EQ(PlainFrameHitTest(l, 300, 200, s, Point(290, 10)), bsfhObject);  // the close button
    EXPECT_EQ(PlainFrameHitTest(l, 300, 200, s, Point(300, 100)), bsfhNowhere);  // outside the window
    s.Resizable = false;
    EXPECT_EQ(PlainFrameHitTest(l, 300, 200, s, Point(0, 0)), bsfhObject);
    EXPECT_EQ(PlainFrameHitTest(l, 300, 200, s, Point(297, 100)), bsfhObject);
}

TEST(FrameGeometry, PlainFrameButtonsCloseUpFromTheRight) {
    const TbsPlainFrameLayout all =
        PlainFrameLayout(300, 200, false, bsbiSystemMenu | bsbiMinimize | bsbiMaximize | bsbiRollUp, {17, 17});
    EXPECT_EQ(all.Close, Rect(280, 4, 297, 21));
    EXPECT_EQ(all.Maximize, Rect(263, 4, 280, 21));
    EXPECT_EQ(all.Minimize, Rect(246, 4, 263, 21));
    EXPECT_EQ(all.RollUp, Rect(229, 4, 246, 21));
    EXPECT_TRUE(all.Tray.IsEmpty());
    EXPECT_EQ(all.SysMenu, Rect(3, 4, 20, 21));
    EXPECT_EQ(all.Caption, Rect(20, 3, 229, 19));
    EXPECT_EQ(all.Client, Rect(3, 22, 297, 197));
    const TbsPlainFrameLayout few = PlainFrameLayout(300, 200, false, bsbiMinimize, {17, 17});
    EXPECT_EQ(few.Minimize, Rect(263, 4, 280, 21));
    EXPECT_TRUE(few.Maximize.IsEmpty());
    EXPECT_TRUE(few.SysMenu.IsEmpty());
    EXPECT_EQ(few.Caption, Rect(3, 3, 263, 19));
}

TEST(FrameGeometry, SizeLimitsOfTheBuiltInSkinAndThePlainFrame) {
    TbsFrameLimits l;
    l.SkinLoaded = true;
    l.PictureWidth = kPW;
    l.PictureHeight = kPH;
    l.FormMinWidth = 200;
    l.ClientRect = Rect(1, 26, 149, 129);
    EXPECT_EQ(FrameMinWidth(l), 200);
    EXPECT_EQ(FrameMinHeight(l), 27);
    l.MinWidth = 300;
    l.MinHeight = 100;
    EXPECT_EQ(FrameMinWidth(l), 300);
    EXPECT_EQ(FrameMinHeight(l), 100);
    l.Minimized = true;
    EXPECT_EQ(FrameMinHeight(l), 27);
    TbsFrameLimits plain;
    EXPECT_EQ(FrameMinWidth(plain), 120);
    EXPECT_EQ(FrameMinHeight(plain), 25);
}

// The built-in skin's objects in their list order.
std::vector<TbsArrangeItem> ZevrakItems(bool maximizeVisible) {
    std::vector<TbsArrangeItem> items(5);
    items[0].SkinRect = Rect(5, 3, 145, 22);
    items[0].Caption = true;
    const TbsStdCommand commands[] = {cmMaximize, cmMinimize, cmSysMenu, cmClose};
    for (int i = 0; i < 4; ++i) {
        TbsArrangeItem& b = items[std::size_t(i) + 1];
        b.SkinRect = Bounds(1 + 23 * i, 1, 20, 20);
        b.OwnPicture = b.StdButton = true;
        b.Command = commands[i];
    }
    items[1].Visible = maximizeVisible;
    return items;
}

TEST(FrameGeometry, ArrangeClosesUpTheRowWithoutMaximize) {
    const TbsFormInfo info = ZevrakFormInfo();
    const TbsFrameRects r = CalcFrameRects(info, kPW, kPH, 777, 333);
    std::vector<TbsArrangeItem> without = ZevrakItems(false);
    ArrangeFrameObjects(info, kPW, kPH, r, without);
    EXPECT_EQ(without[4].ObjectRect, Rect(752, 3, 772, 23));  // close ends at the caption's right edge
    EXPECT_EQ(without[2].ObjectRect, Rect(730, 3, 750, 23));  // minimise 2 pixels to its left
    EXPECT_EQ(without[3].ObjectRect, Rect(5, 2, 25, 22));     // system menu centred at the caption's left
    EXPECT_EQ(without[0].ObjectRect, Rect(25, 3, 730, 22));   // the caption text between them
    EXPECT_EQ(without[1].ObjectRect, TRect{});                // the hidden maximise button is not placed

    std::vector<TbsArrangeItem> with = ZevrakItems(true);
    ArrangeFrameObjects(info, kPW, kPH, r, with);
    EXPECT_EQ(with[4].ObjectRect, Rect(752, 3, 772, 23));
    EXPECT_EQ(with[1].ObjectRect, Rect(730, 3, 750, 23));
    EXPECT_EQ(with[2].ObjectRect, Rect(708, 3, 728, 23));
    EXPECT_EQ(with[0].ObjectRect, Rect(25, 3, 708, 22));
}

TEST(FrameGeometry, ArrangeFromTheLeftAndByCornerZones) {
    TbsFormInfo info = ZevrakFormInfo();
    info.ButtonsInLeft = true;
    const TbsFrameRects r = CalcFrameRects(info, kPW, kPH, 350, 200);  // dx 200, dy 70
    std::vector<TbsArrangeItem> items = ZevrakItems(false);
    // An object of the frame picture in the bottom-right corner moves with it.
    TbsArrangeItem grip;
    grip.SkinRect = Rect(140, 127, 148, 129);
    items.push_back(grip);
    ArrangeFrameObjects(info, kPW, kPH, r, items);
    EXPECT_EQ(items[4].ObjectRect, Rect(5, 3, 25, 23));   // close first from the left
    EXPECT_EQ(items[2].ObjectRect, Rect(27, 3, 47, 23));  // then minimise
    EXPECT_EQ(items[3].ObjectRect, Rect(49, 3, 69, 23));  // the system menu ends the row
    EXPECT_EQ(items[0].ObjectRect, Rect(73, 3, 345, 22));
    EXPECT_EQ(items[5].ObjectRect, Rect(340, 197, 348, 199));
}

TEST(FrameGeometry, BackgroundTilesCoverTheAreaAndNothingForZero) {
    const TbsTileGrid grid = BackgroundTiles(10, 9, 4, 3);
    EXPECT_EQ(grid.Columns, 3);
    EXPECT_EQ(grid.Rows, 4);
    EXPECT_EQ(grid.Tile(2, 3), Rect(8, 9, 12, 12));
    for (const TbsTileGrid empty : {BackgroundTiles(0, 9, 4, 3), BackgroundTiles(10, 0, 4, 3),
                                    BackgroundTiles(10, 9, 0, 3), BackgroundTiles(10, 9, 4, -1)}) {
        EXPECT_EQ(empty.Columns * empty.Rows, 0);
    }
}

}  // namespace

namespace {

std::vector<std::string> NamesOf(const std::vector<TbsSysMenuEntry>& entries) {
    std::vector<std::string> names;
    for (const TbsSysMenuEntry& e : entries) names.push_back(e.Name);
    return names;
}

TEST(SystemMenuModel, ItemsFollowTheBorderIconsAndTheWindowState) {
    struct Row {
        const char* name;
        TbsSysMenuState state;
        std::vector<std::string> items;
    };
    const TbsBorderIcons table = bsbiSystemMenu | bsbiMinimize | bsbiRollUp;
    const TbsBorderIcons all = table | bsbiMaximize | bsbiMinimizeToTray;
    const Row rows[] = {
        {"table window", {table, false, false, false, false}, {"BSF_MINITEM", "BSF_ROLLUP", "-", "BSF_CLOSE"}},
        {"rolled up: Restore replaces Roll Up", {table, false, false, true, false},
         {"BSF_MINITEM", "BSF_RESTORE", "-", "BSF_CLOSE"}},
        {"minimised", {table, true, false, false, false}, {"BSF_RESTORE", "-", "BSF_CLOSE"}},
        {"everything", {all, false, false, false, false},
         {"BSF_MINITEM", "BSF_MAXITEM", "BSF_ROLLUP", "BSF_MINTOTRAY", "-", "BSF_CLOSE"}},
        {"maximised", {all, false, true, false, false},
         {"BSF_MINITEM", "BSF_RESTORE", "BSF_ROLLUP", "BSF_MINTOTRAY", "-", "BSF_CLOSE"}},
        {"no icons: only Close, no separator", {0, false, false, false, false}, {"BSF_CLOSE"}},
    };
    for (const Row& r : rows) EXPECT_EQ(NamesOf(DefaultSystemMenu(r.state)), r.items) << r.name;
    const auto rolled = DefaultSystemMenu({table, false, false, true, false});
    EXPECT_EQ(rolled[1].Action, bssmUnroll);
    EXPECT_EQ(DefaultSystemMenu({table, true, false, true, false})[0].Action, bssmRestore)
        << "a minimised rolled-up window is restored, not unrolled";
    EXPECT_EQ(rolled.back().ShortCut, "Alt+F4");
    EXPECT_EQ(rolled.back().Caption, "&Close");
    EXPECT_EQ(rolled.back().Key, "MI_CLOSECAPTION");
}

}  // namespace
