// The skinned control bases on real windows: they paint the composition of
// their record through WM_PRINTCLIENT, paint the button face and keep their
// size without a skin, take their window shape from the mask (the window
// owning it), bind in Loaded, and hear the manager's skin change wherever
// they sit in a form.
#include "skin/controls/SkinControl.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/FrameworkClasses.h"
#include "platform/Handles.h"
#include "platform/portable/AppMessages.h"
#include "skin/controls/GraphicSkinControl.h"
#include "skin/controls/SkinControlClasses.h"
#include "skin/data/portable/BmpFile.h"
#include "skin/data/portable/SkinPackage.h"
#include "skin/data/portable/StoredSkin.h"
#include "skin/paint/Composition.h"
#include "tests/support/NinePartSkin.h"
#include "tests/win32/DrawHelpersTestSupport.h"
#include "tests/win32/SkinControlFixture.h"
#include "tests/win32/WindowTestSupport.h"

namespace {

// Where the shared nine-part skin sits in the test picture.
constexpr TPoint kOrigin{2, 3};

// "ninepart": the shared nine-part skin with a mask whose top-left pixel is
// outside; "framed": the same, for the frame-only path; "noclient": an
// empty client area; "lostpicture": a picture index out of range.
const char* const kDefinition =
    "[SKINCONTROLS]\ncount=4\n0=ninepart:panel\n1=framed:panel\n2=noclient:panel\n3=lostpicture:panel\n"
    "[ninepart]\npictureindex=0\nmaskpictureindex=1\nskinrect=2,3,32,23\nlefttoppoint=10,8\n"
    "righttoppoint=20,8\nleftbottompoint=10,12\nrightbottompoint=20,12\nclientrect=5,4,25,16\n"
    "[framed]\npictureindex=0\nskinrect=2,3,32,23\nlefttoppoint=10,8\n"
    "righttoppoint=20,8\nleftbottompoint=10,12\nrightbottompoint=20,12\nclientrect=5,4,25,16\n"
    "[noclient]\npictureindex=0\nskinrect=2,3,32,23\nlefttoppoint=10,8\n"
    "righttoppoint=20,8\nleftbottompoint=10,12\nrightbottompoint=20,12\nclientrect=5,4,5,16\n"
    "[lostpicture]\npictureindex=7\nskinrect=2,3,32,23\nlefttoppoint=10,8\n"
    "righttoppoint=20,8\nleftbottompoint=10,12\nrightbottompoint=20,12\nclientrect=5,4,25,16\n";

// Pixels that tell their coordinates and which skin they are of.
TPixelBuffer CoordinatePicture(int skin) {
    TPixelBuffer p(40, 30);
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x) p.At(x, y) = MakePixel(std::uint8_t(x * 5), std::uint8_t(y * 7), std::uint8_t(skin));
    return p;
}

// The mask covers the skin rectangle: black inside, but for its top-left pixel.
TPixelBuffer MaskPicture() {
    TPixelBuffer p(30, 20, MakePixel(0, 0, 0));
    p.At(0, 0) = MakePixel(255, 255, 255);
    return p;
}

std::vector<std::uint8_t> TestPackage(int skin) {
    TbsSkinPackage package;
    for (const TPixelBuffer& p : {CoordinatePicture(skin), MaskPicture()}) {
        const std::vector<std::uint8_t> bmp = WriteBmp(p, 24);
        package.ActivePictures.push_back(ReadBmpFile(bmp.data(), bmp.size()));
    }
    package.Definition = kDefinition;
    return CompressSkinPackage(package);
}

std::uint32_t ButtonFace() {
    const COLORREF c = GetSysColor(COLOR_BTNFACE);
    return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c));
}

struct TRegionCount {
    long Regions = LiveHandleCount(THandleKind::Region);
    long Bitmaps = LiveHandleCount(THandleKind::Bitmap);
    long Dcs = LiveHandleCount(THandleKind::Dc);
    friend bool operator==(const TRegionCount&, const TRegionCount&) = default;
};

// A skinned control as the button and panels will be: a name of its own,
// and counters of the skin-change steps.
class TTestSkinControl : public TbsSkinCustomControl {
public:
    explicit TTestSkinControl(TComponent* AOwner) : TbsSkinCustomControl(AOwner) { SetSkinDataName("ninepart"); }
    void PrepareSkinChange() override {
        TbsSkinCustomControl::PrepareSkinChange();
        ++Prepared;
        if (OnPrepared) OnPrepared();
    }
    void ApplySkinChange() override {
        TbsSkinCustomControl::ApplySkinChange();
        ++Applied;
    }
    void SetForcedBackground(bool forced, bool drawBackground) {
        FForcedBackground = forced;
        FDrawBackground = drawBackground;
    }
    int Prepared = 0, Applied = 0, ParentBackgrounds = 0, DefaultFonts = 0;
    std::function<void()> OnPrepared;

protected:
    void ParentBackgroundChanged() override { ++ParentBackgrounds; }
    void DefaultFontChanged() override { ++DefaultFonts; }
};

class TTestGraphicSkinControl : public TbsGraphicSkinCustomControl {
public:
    explicit TTestGraphicSkinControl(TComponent* AOwner) : TbsGraphicSkinCustomControl(AOwner) {
        SetSkinDataName("ninepart");
    }
    void PrepareSkinChange() override {
        TbsGraphicSkinCustomControl::PrepareSkinChange();
        ++Prepared;
    }
    void ApplySkinChange() override {
        TbsGraphicSkinCustomControl::ApplySkinChange();
        ++Applied;
    }
    int Prepared = 0, Applied = 0;
};

class SkinControl : public TSkinControlFixture {
protected:
    void Load(int skin) {
        Stored->SetCompressedData(TestPackage(skin));
        Manager->LoadCompressedStoredSkin(Stored);
    }
    template <class T = TTestSkinControl>
    T* Add(TWinControl* parent, const TRect& bounds, const char* name = "ninepart") {
        auto* c = new T(Form.get());
        c->SetParent(parent);
        c->SetSkinDataName(name);
        c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        return c;
    }
    const TPixelBuffer& ManagerPicture(int index) const {
        return Manager->GetSkin().FActivePictures.at(std::size_t(index));
    }
    void ExpectButtonFace(TWinControl& control, const std::string& what) {
        TbsBitmap printed;
        Print(control, printed);
        ExpectPixels(printed, [](int, int) { return ButtonFace(); }, TestName() + "." + what);
    }
};

TEST_F(SkinControl, NinePartControlPaintsTheCompositionOfItsRecordAtEverySize) {
    Load(1);
    auto* control = Add(Form.get(), Bounds(0, 0, 30, 20));
    control->SetSkinData(Manager);
    TbsBitmap picture;
    picture.Assign(ManagerPicture(0));
    for (const TPoint size : {Point(30, 20), Point(64, 41), Point(12, 9), Point(31, 90)}) {
        control->SetBounds(0, 0, size.X, size.Y);
        ASSERT_EQ(control->GetWidth(), size.X);  // nine-part controls keep any size
        ASSERT_EQ(control->GetHeight(), size.Y);
        TbsBitmap expected, printed;
        CreateSkinImage(NinePartSkin(size.X, size.Y, kOrigin), picture, expected);
        Print(*control, printed);
        ExpectPixels(
            printed, [&](int x, int y) { return *expected.PixelPtr(x, y); },
            TestName() + "." + std::to_string(size.X) + "x" + std::to_string(size.Y));
    }
}

TEST_F(SkinControl, ZevrakButtonIsAHorizontalThreePartOfHeight25) {
    LoadZevrak();
    ASSERT_FALSE(Manager->GetEmpty());
    auto* control = Add(Form.get(), Bounds(0, 0, 75, 40), "button");
    control->SetSkinData(Manager);
    TbsBitmap picture;
    picture.Assign(ManagerPicture(3));
    for (const int width : {75, 56, 140, 20}) {
        control->SetBounds(0, 0, width, 60);
        ASSERT_EQ(control->GetWidth(), width);
        ASSERT_EQ(control->GetHeight(), 25);  // the height of skinrect 4,4,60,29
        TbsBitmap expected, printed;
        // Ends: left 13 (left-top x), right 56 - 39 (the right-top x from the right); stretched middle.
        CreateHSkinImage(13, 17, expected, true, width, Rect(4, 4, 60, 29), picture);
        Print(*control, printed);
        ExpectPixels(
            printed, [&](int x, int y) { return *expected.PixelPtr(x, y); },
            TestName() + "." + std::to_string(width));
    }
}

TEST_F(SkinControl, AfterAReloadTheControlPaintsTheNewSkinsPicture) {
    Load(1);
    auto* control = Add(Form.get(), Bounds(0, 0, 40, 30));
    control->SetSkinData(Manager);
    TbsBitmap printed;
    Print(*control, printed);
    ASSERT_EQ(PixelB(*printed.PixelPtr(0, 0)), 1);
    Load(2);
    Print(*control, printed);
    EXPECT_EQ(PixelB(*printed.PixelPtr(0, 0)), 2);
    EXPECT_EQ(PixelB(*printed.PixelPtr(39, 29)), 2);
}

TEST_F(SkinControl, WithoutASkinTheControlPaintsButtonFaceAndKeepsItsSize) {
    Load(1);
    auto* unbound = Add(Form.get(), Bounds(0, 0, 70, 33));
    auto* unknown = Add(Form.get(), Bounds(0, 40, 70, 33), "nosuchrecord");
    unknown->SetSkinData(Manager);
    auto* lost = Add(Form.get(), Bounds(0, 80, 70, 33), "lostpicture");
    lost->SetSkinData(Manager);
    auto* removed = Add(Form.get(), Bounds(80, 0, 70, 33));
    removed->SetSkinData(Manager);
    ASSERT_NE(removed->GetSkinRecordIndex(), -1);

    // Setting a name alone changes nothing until the next paint.
    unknown->SetSkinDataName("ninepart");
    EXPECT_EQ(unknown->GetSkinRecordIndex(), -1);
    unknown->SetSkinDataName("nosuchrecord");

    // A record whose picture is out of range is bound but draws plainly.
    lost->ApplySkinChange();
    EXPECT_NE(lost->GetSkinRecordIndex(), -1);
    ExpectButtonFace(*lost, "lost");

    delete Manager;
    Manager = nullptr;
    EXPECT_EQ(removed->GetSkinData(), nullptr);
    for (auto* c : {unbound, unknown, lost, removed}) {
        c->ApplySkinChange();
        EXPECT_EQ(c->GetWidth(), 70);
        EXPECT_EQ(c->GetHeight(), 33);
    }
    ExpectButtonFace(*unbound, "unbound");
    ExpectButtonFace(*unknown, "unknown");
    ExpectButtonFace(*removed, "removed");
}

TEST_F(SkinControl, DefaultSizeAppliesOnlyWithoutASkin) {
    Load(1);
    auto* unbound = Add(Form.get(), Bounds(0, 0, 70, 33), "nosuchrecord");
    unbound->SetSkinData(Manager);
    unbound->SetDefaultHeight(21);
    unbound->SetDefaultWidth(0);  // 0 forces nothing
    EXPECT_EQ(unbound->GetWidth(), 70);
    EXPECT_EQ(unbound->GetHeight(), 21);

    auto* bound = Add(Form.get(), Bounds(0, 40, 70, 33));
    bound->SetSkinData(Manager);
    bound->SetDefaultHeight(21);
    EXPECT_EQ(bound->GetHeight(), 33);
}

TEST_F(SkinControl, AStretchedSkinTellsItsChildrenTheBackgroundChanged) {
    LoadZevrak();
    auto* parent = Add(Form.get(), Bounds(0, 0, 120, 40), "button");  // "stretcheffect=1"
    parent->SetSkinData(Manager);
    auto* windowed = Add(parent, Bounds(2, 2, 10, 10), "nosuchrecord");
    windowed->HandleNeeded();
    auto* sibling = Add(parent, Bounds(14, 2, 10, 10), "nosuchrecord");
    parent->SetBounds(0, 0, 150, 40);
    EXPECT_EQ(windowed->ParentBackgrounds, 1);
    EXPECT_EQ(sibling->ParentBackgrounds, 1);
    // An unbound parent sends nothing.
    windowed->SetBounds(2, 2, 12, 12);
    EXPECT_EQ(windowed->ParentBackgrounds, 1);
}

TEST_F(SkinControl, DefaultFontChangesReachTheControl) {
    auto* control = Add(Form.get(), Bounds(0, 0, 70, 33), "nosuchrecord");
    EXPECT_EQ(control->DefaultFont().GetName(), "Tahoma");
    EXPECT_EQ(control->DefaultFont().GetHeight(), 13);
    control->DefaultFont().SetHeight(20);
    EXPECT_EQ(control->DefaultFonts, 1);
    TFont bold;
    bold.SetStyle(fsBold);
    control->SetDefaultFont(bold);
    EXPECT_EQ(control->DefaultFonts, 2);
}

TEST_F(SkinControl, TheMaskShapesTheWindowAndReplacingTheShapeLeaksNoHandle) {
    Load(1);
    (void)SkinPictures().RgbView(Manager, 1);  // the shared cache's conversion is not the control's
    (void)SkinPictures().Bitmap(Manager, 0);
    const TRegionCount before;
    {
        auto* control = Add(Form.get(), Bounds(10, 10, 40, 30));
        control->SetSkinData(Manager);
        HWND wnd = control->GetHandle();
        for (const TPoint size : {Point(40, 30), Point(60, 45), Point(33, 21), Point(60, 45)}) {
            control->SetBounds(10, 10, size.X, size.Y);
            TRegionHandle shape(CreateRectRgn(0, 0, 0, 0));
            ASSERT_NE(GetWindowRgn(wnd, shape.Get()), ERROR) << size.X;
            EXPECT_FALSE(PtInRegion(shape.Get(), 0, 0)) << size.X;  // the mask's white corner
            EXPECT_TRUE(PtInRegion(shape.Get(), 1, 0)) << size.X;
            EXPECT_TRUE(PtInRegion(shape.Get(), size.X - 1, size.Y - 1)) << size.X;
            EXPECT_FALSE(PtInRegion(shape.Get(), size.X, size.Y - 1)) << size.X;
        }
        // Without a skin the shape goes.
        control->SetSkinDataName("nosuchrecord");
        control->ApplySkinChange();
        TRegionHandle shape(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(GetWindowRgn(wnd, shape.Get()), ERROR);
        control->SetSkinDataName("ninepart");
        control->ApplySkinChange();
        EXPECT_NE(GetWindowRgn(wnd, shape.Get()), ERROR);
        delete control;
    }
    EXPECT_EQ(TRegionCount(), before);
}

TEST_F(SkinControl, SkinChangeReachesNestedWindowlessAndUnmadeControlsOfEveryForm) {
    auto* outer = new TPanel(Form.get());
    outer->SetParent(Form.get());
    outer->SetBounds(0, 0, 200, 150);
    auto* inner = new TPanel(Form.get());
    inner->SetParent(outer);
    inner->SetBounds(5, 5, 150, 100);
    auto* nested = Add(inner, Bounds(3, 3, 64, 41));
    nested->HandleNeeded();
    auto* windowless = Add<TTestGraphicSkinControl>(outer, Bounds(160, 5, 70, 33), "button");
    auto* topLevel = Add(Form.get(), Bounds(0, 160, 70, 33), "button");
    auto* otherManager = new TbsSkinData(Owner.get());
    auto* elsewhere = Add(Form.get(), Bounds(80, 160, 70, 33), "button");
    elsewhere->SetSkinData(otherManager);

    // A form whose window is never made, nor any of its controls'.
    auto second = std::make_unique<TForm>(nullptr);
    auto* early = new TTestSkinControl(second.get());
    early->SetParent(second.get());
    early->SetSkinDataName("button");
    early->SetBounds(0, 0, 70, 40);
    for (auto* c : {nested, topLevel, early}) c->SetSkinData(Manager);
    windowless->SetSkinData(Manager);

    LoadZevrak();
    ASSERT_FALSE(second->HandleAllocated());
    for (auto* c : {nested, topLevel, early}) {
        EXPECT_EQ(c->Prepared, 1) << c->GetLeft();
        EXPECT_EQ(c->Applied, 1) << c->GetLeft();
    }
    EXPECT_EQ(windowless->Prepared, 1);
    EXPECT_EQ(windowless->Applied, 1);
    EXPECT_EQ(elsewhere->Prepared, 0);  // another manager's change
    EXPECT_EQ(elsewhere->Applied, 0);
    // Zevrak's button and its height took effect everywhere.
    EXPECT_EQ(early->GetHeight(), 25);
    EXPECT_EQ(topLevel->GetHeight(), 25);
    EXPECT_EQ(windowless->GetHeight(), 25);
    EXPECT_NE(windowless->GetSkinRecordIndex(), -1);
    EXPECT_EQ(nested->GetSkinRecordIndex(), -1);  // Zevrak has no "ninepart"
    EXPECT_EQ(nested->GetWidth(), 64);
}

TEST_F(SkinControl, APaintBetweenTheBeforeChangeAndTheChangeDrawsPlainly) {
    Load(1);
    auto* control = Add(Form.get(), Bounds(0, 0, 40, 30));
    control->SetSkinData(Manager);
    control->HandleNeeded();
    bool printedDuringChange = false;
    control->OnPrepared = [&] {
        printedDuringChange = true;
        ExpectButtonFace(*control, "during");
    };
    Load(2);
    EXPECT_TRUE(printedDuringChange);
    TbsBitmap printed;
    Print(*control, printed);
    EXPECT_EQ(PixelB(*printed.PixelPtr(5, 5)), 2);
}

TEST_F(SkinControl, FrameOnlyPathDrawsStripsAndTilesTheClientAreaOrLeavesItAlone) {
    Load(1);
    TbsBitmap picture;
    picture.Assign(ManagerPicture(0));
    const int W = 70, H = 50;
    TbsBitmap composed;
    CreateSkinImage(NinePartSkin(W, H, kOrigin), picture, composed);
    // The skin's client area is 20 x 12 at (5, 4); the sized one is
    // (5, 4) - (65, 46).
    const auto inClient = [](int x, int y) { return x >= 5 && x < 65 && y >= 4 && y < 46; };
    const auto tile = [&](int x, int y) {
        return picture.PixelPtr(kOrigin.X + 5 + (x - 5) % 20, kOrigin.Y + 4 + (y - 4) % 12)[0];
    };
    struct TRow {
        const char* Name;
        bool DrawBackground;
        std::function<std::uint32_t(int, int)> Client;
    };
    const TRow rows[] = {
        {"tiled", true, tile},
        {"nobackground", false, [](int, int) { return kWhite; }},
    };
    for (const TRow& row : rows) {
        auto* control = Add(Form.get(), Bounds(0, 0, W, H), "framed");
        control->SetForcedBackground(true, row.DrawBackground);
        control->SetSkinData(Manager);
        TbsBitmap printed;
        Print(*control, printed);
        ExpectPixels(
            printed, [&](int x, int y) { return inClient(x, y) ? row.Client(x, y) : *composed.PixelPtr(x, y); },
            TestName() + "." + row.Name);
        delete control;
    }

    // An empty client area in the skin: the frame, and no background.
    auto* empty = Add(Form.get(), Bounds(0, 0, W, H), "noclient");
    empty->SetForcedBackground(true, true);
    empty->SetSkinData(Manager);
    TbsBitmap printed;
    Print(*empty, printed);
    EXPECT_EQ(Rgb(*printed.PixelPtr(30, 25)), Rgb(kWhite));
    EXPECT_EQ(Rgb(*printed.PixelPtr(0, 0)), Rgb(*composed.PixelPtr(0, 0)));
}

TEST_F(SkinControl, WindowlessTwinPaintsItsCompositionOnTheParent) {
    Load(1);
    auto* control = Add<TTestGraphicSkinControl>(Form.get(), Bounds(20, 10, 50, 30));
    control->SetSkinData(Manager);
    TbsBitmap picture, expected, printed;
    picture.Assign(ManagerPicture(0));
    CreateSkinImage(NinePartSkin(50, 30, kOrigin), picture, expected);
    FillCanvas(printed, 100, 60);
    SendMessageA(Form->GetHandle(), WM_PRINTCLIENT, WPARAM(printed.DC()), PRF_CLIENT);
    GdiFlush();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(Rgb(*printed.PixelPtr(20 + x, 10 + y)), Rgb(*expected.PixelPtr(x, y))) << x << "," << y;
}

TEST_F(SkinControl, BindingWaitsForLoadedWhileTheLayoutLoads) {
    LoadZevrak();
    auto* control = new TTestSkinControl(Form.get());
    control->SetParent(Form.get());
    control->BeginLoading();
    control->SetSkinDataName("button");
    control->SetBounds(0, 0, 75, 40);
    control->SetSkinData(Manager);
    EXPECT_EQ(control->Applied, 0);
    EXPECT_EQ(control->GetHeight(), 40);
    control->Loaded();
    EXPECT_EQ(control->Applied, 1);
    EXPECT_EQ(control->GetHeight(), 25);
}

TEST_F(SkinControl, LayoutPropertiesReachTheControl) {
    TClassRegistry& classes = FrameworkClasses();
    RegisterSkinControlClasses(classes);
    RegisterSkinControlClasses(classes);  // a second registration leaves the registry as it is
    const TClassInfo* info = classes.Find("TbsSkinCustomControl");
    ASSERT_NE(info, nullptr);
    ASSERT_NE(classes.Find("TbsGraphicSkinCustomControl"), nullptr);
    Load(1);
    auto* control = Add(Form.get(), Bounds(0, 0, 70, 33), "nosuchrecord");
    info->FindProperty("SkinData")->SetReference(*control, Manager);
    info->FindProperty("SkinDataName")->SetValue(*control, TLayoutValue::OfString("ninepart"));
    info->FindProperty("DefaultFont.Name")->SetValue(*control, TLayoutValue::OfString("Arial"));
    info->FindProperty("DefaultHeight")->SetValue(*control, TLayoutValue::OfInteger(21));
    info->FindProperty("UseSkinFont")->SetValue(*control, TLayoutValue::OfBool(false));
    info->FindProperty("HintTitle")->SetValue(*control, TLayoutValue::OfString("Spin"));
    EXPECT_EQ(control->GetSkinData(), Manager);
    EXPECT_EQ(control->GetSkinDataName(), "ninepart");
    EXPECT_EQ(control->DefaultFont().GetName(), "Arial");
    EXPECT_EQ(control->GetDefaultHeight(), 21);
    EXPECT_FALSE(control->GetUseSkinFont());
    EXPECT_EQ(control->GetHintTitle(), "Spin");
    EXPECT_NE(info->FindProperty("TabOrder"), nullptr);
}

}  // namespace
