// Skinned elements draw the manager's pictures through one cache: it gives
// the pictures of the skin the manager holds now, nothing while a skin
// change is under way or after the manager is gone, and lets go of every
// bitmap it made when the skin or the manager goes.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"
#include "platform/Handles.h"
#include "platform/portable/AppMessages.h"
#include "platform/portable/Exception.h"
#include "skin/data/portable/BmpFile.h"
#include "skin/paint/SkinAccess.h"

namespace {

const char* const kDefinition = "[SKINCONTROLS]\ncount=1\n0=button:button\n[button]\npictureindex=1\n";

// A picture whose pixels tell their coordinates and which skin they are of.
TPixelBuffer Picture(int width, int height, int skin) {
    TPixelBuffer p(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) p.At(x, y) = MakePixel(std::uint8_t(x), std::uint8_t(y), std::uint8_t(skin));
    return p;
}

std::vector<std::uint8_t> Package(int skin) {
    TbsSkinPackage package;
    for (const TPixelBuffer& p : {Picture(5, 3, skin), Picture(7, 4, skin)}) {
        const std::vector<std::uint8_t> bmp = WriteBmp(p, 24);
        package.ActivePictures.push_back(ReadBmpFile(bmp.data(), bmp.size()));
    }
    package.Definition = kDefinition;
    return CompressSkinPackage(package);
}

// The bitmap holds exactly the manager's picture.
void ExpectBitmapOfPicture(const TbsBitmap* bitmap, const TPixelBuffer& picture) {
    ASSERT_NE(bitmap, nullptr);
    ASSERT_EQ(bitmap->Width(), picture.Width);
    ASSERT_EQ(bitmap->Height(), picture.Height);
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            ASSERT_EQ(*bitmap->PixelPtr(x, y), picture.At(x, y)) << "x=" << x << " y=" << y;
}

int SkinOfBitmap(const TbsBitmap* bitmap) { return bitmap ? PixelB(*bitmap->PixelPtr(0, 0)) : -1; }

struct THandleCounts {
    long Bitmaps = LiveHandleCount(THandleKind::Bitmap);
    long Dcs = LiveHandleCount(THandleKind::Dc);
    friend bool operator==(const THandleCounts&, const THandleCounts&) = default;
};

class SkinPictureCache : public testing::Test {
protected:
    void SetUp() override {
        Owner = std::make_unique<TComponent>(nullptr);
        Manager = new TbsSkinData(Owner.get());
        Stored = new TbsCompressedStoredSkin(Owner.get());
    }
    void Load(int skin) {
        Stored->SetCompressedData(Package(skin));
        Manager->LoadCompressedStoredSkin(Stored);
    }
    const TPixelBuffer& PictureOfManager(int index) const {
        return Manager->GetSkin().FActivePictures.at(std::size_t(index));
    }

    TbsSkinPictureCache Cache;
    std::unique_ptr<TComponent> Owner;
    TbsSkinData* Manager = nullptr;             // owned by Owner
    TbsCompressedStoredSkin* Stored = nullptr;  // owned by Owner
};

}  // namespace

TEST_F(SkinPictureCache, PicturesAreConvertedOnceAndHoldTheManagersPixels) {
    Load(1);
    const TbsBitmap* bitmap = Cache.Bitmap(Manager, 1);
    ExpectBitmapOfPicture(bitmap, PictureOfManager(1));
    EXPECT_EQ(Cache.Bitmap(Manager, 1), bitmap);
    EXPECT_EQ(Cache.HeldCount(), 1);

    const TRgbView rgb = Cache.RgbView(Manager, 0);
    ASSERT_EQ(rgb.Width, 5);
    ASSERT_EQ(rgb.Height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const std::uint32_t p = PictureOfManager(0).At(x, y);
            const std::uint8_t* q = rgb.Pixel(x, y);
            EXPECT_EQ((std::uint32_t(q[2]) << 16) | (std::uint32_t(q[1]) << 8) | q[0], p & 0xFFFFFFu)
                << "x=" << x << " y=" << y;
        }
    EXPECT_EQ(Cache.RgbView(Manager, 0).Bits, rgb.Bits);
    EXPECT_EQ(Cache.HeldCount(), 2);
}

TEST_F(SkinPictureCache, IndexesWithoutAPictureGiveNothing) {
    Load(1);
    for (int index : {-1, 2, 1000}) {
        EXPECT_EQ(Cache.Bitmap(Manager, index), nullptr) << index;
        EXPECT_TRUE(Cache.RgbView(Manager, index).Empty()) << index;
    }
    EXPECT_EQ(Cache.Bitmap(nullptr, 0), nullptr);
    EXPECT_TRUE(Cache.RgbView(nullptr, 0).Empty());
    EXPECT_EQ(Cache.HeldCount(), 0);
}

TEST_F(SkinPictureCache, AfterAReloadTheNewSkinsPictureIsGivenAndTheOldBitmapReleased) {
    Load(1);
    ASSERT_EQ(SkinOfBitmap(Cache.Bitmap(Manager, 1)), 1);
    const THandleCounts oneBitmap;

    Load(2);
    const TbsBitmap* bitmap = Cache.Bitmap(Manager, 1);
    EXPECT_EQ(SkinOfBitmap(bitmap), 2);
    ExpectBitmapOfPicture(bitmap, PictureOfManager(1));
    EXPECT_EQ(Cache.HeldCount(), 1);
    EXPECT_EQ(THandleCounts(), oneBitmap);

    // The same skin loaded again is still a new set of pictures.
    Load(2);
    EXPECT_EQ(SkinOfBitmap(Cache.Bitmap(Manager, 1)), 2);
    EXPECT_EQ(THandleCounts(), oneBitmap);
}

TEST_F(SkinPictureCache, ManagerGoneReleasesEveryBitmapAndAFreshManagerGetsNothingOld) {
    const THandleCounts before;
    Load(1);
    ASSERT_NE(Cache.Bitmap(Manager, 0), nullptr);
    ASSERT_NE(Cache.Bitmap(Manager, 1), nullptr);
    ASSERT_FALSE(Cache.RgbView(Manager, 1).Empty());

    Owner.reset();  // frees the manager with its owner
    EXPECT_EQ(Cache.HeldCount(), 0);
    EXPECT_EQ(THandleCounts(), before);

    // A manager made now may sit where the old one was; it has no skin yet.
    Owner = std::make_unique<TComponent>(nullptr);
    auto* fresh = new TbsSkinData(Owner.get());
    EXPECT_EQ(Cache.Bitmap(fresh, 1), nullptr);
    EXPECT_EQ(Cache.HeldCount(), 0);
}

TEST_F(SkinPictureCache, AFailedLoadLeavesNothingToDrawAndReleasesTheOldPictures) {
    const THandleCounts before;
    Load(1);
    ASSERT_NE(Cache.Bitmap(Manager, 1), nullptr);
    Stored->SetCompressedData({1, 2, 3, 4, 5});  // not a zlib stream
    EXPECT_THROW(Manager->LoadCompressedStoredSkin(Stored), Exception);
    EXPECT_EQ(Cache.Bitmap(Manager, 1), nullptr);
    EXPECT_EQ(Cache.HeldCount(), 0);
    EXPECT_EQ(THandleCounts(), before);
}

namespace {

// A form that paints from the cache whenever a skin message reaches it, as
// a skinned control would if it were asked to paint at that moment.
class TPaintingForm : public TForm {
public:
    TPaintingForm(TbsSkinPictureCache& cache, TbsSkinData*& manager)
        : TForm(nullptr), FCache(cache), FManager(manager) {}
    std::vector<std::pair<unsigned, int>> Seen;  // message, skin of the bitmap drawn (-1: drew plainly)

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_SKINCHANGEBEGIN || msg == WM_SKINLOADED || msg == WM_SKINCHANGEEND) {
            Seen.emplace_back(msg, SkinOfBitmap(FCache.Bitmap(FManager, 1)));
            return 0;
        }
        return TForm::WndProc(msg, wParam, lParam);
    }

private:
    TbsSkinPictureCache& FCache;  // not owned
    TbsSkinData*& FManager;       // not owned
};

}  // namespace

TEST_F(SkinPictureCache, APaintBetweenTheBeforeChangeAndChangeMessagesDrawsPlainly) {
    TPaintingForm form(Cache, Manager);
    form.HandleNeeded();
    Load(1);
    form.Seen.clear();
    Load(2);
    const std::vector<std::pair<unsigned, int>> expected = {
        {WM_SKINCHANGEBEGIN, -1}, {WM_SKINLOADED, 2}, {WM_SKINCHANGEEND, 2}};
    EXPECT_EQ(form.Seen, expected);
}
