// A skin whose geometry lies far outside its pictures still gives a sheet:
// the elements the sheet cannot draw at a sane size are listed, not drawn,
// and nothing reads past a picture.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/portable/PixelBuffer.h"
#include "skin/data/portable/BmpFile.h"
#include "skin/data/portable/StoredSkin.h"
#include "tools/skinview/SheetModel.h"
#include "tools/skinview/SheetRender.h"

namespace {

namespace fs = std::filesystem;

void WriteText(const fs::path& path, const std::string& text) {
    WriteFileBytes(path.string(), reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void WritePicture(const fs::path& path, int width, int height, std::uint32_t fill) {
    const std::vector<std::uint8_t> bmp = WriteBmp(TPixelBuffer(width, height, fill), 24);
    WriteFileBytes(path.string(), bmp.data(), bmp.size());
}

TEST(HostileSkin, HugeRectanglesAndOffsetsGiveASheetThatListsWhatItCannotDraw) {
    const fs::path dir = fs::temp_directory_path() / ("skinview-hostile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(dir);
    WritePicture(dir / "main.bmp", 40, 30, 0x00404040u);
    WritePicture(dir / "p.bmp", 8, 8, 0x00808080u);
    WritePicture(dir / "glow.bmp", 16, 16, 0x00FFFFFFu);
    WritePicture(dir / "glowmask.bmp", 4, 4, 0x00FFFFFFu);  // smaller than the glow picture
    WriteText(dir / "skin.ini",
              "[VERSION]\r\nskinname=hostile\r\n"
              "[PICTURES]\r\npicture=main.bmp\r\nactivepicturescount=3\r\n0=p.bmp\r\n1=glow.bmp\r\n2=glowmask.bmp\r\n"
              "[FORMINFO]\r\nlefttoppoint=5,5\r\nrighttoppoint=35,5\r\nleftbottompoint=5,25\r\n"
              "rightbottompoint=35,25\r\nclientrect=5,5,35,25\r\n"
              "[LAYERFRAME]\r\npictureindex=0\r\nmaskpictureindex=0\r\nfullborder=1\r\nclientrect=2,2,2000000000,6\r\n"
              "[SKINOBJECTS]\r\ncount=2\r\n0=big:stdbutton\r\n1=glowing:stdbutton\r\n"
              "[big]\r\nactivepictureindex=0\r\nskinrect=0,0,65536,65536\r\n"
              "[glowing]\r\nactivepictureindex=0\r\nskinrect=0,0,4,4\r\nactiveskinrect=4,4,8,8\r\n"
              "glowlayerpictureindex=1\r\nglowlayermaskpictureindex=2\r\nglowlayeroffsetx=6\r\nglowlayeroffsety=6\r\n"
              "[SKINCONTROLS]\r\ncount=3\r\n0=wide:panel\r\n1=long:gauge\r\n2=fine:panel\r\n"
              "[wide]\r\npictureindex=0\r\nskinrect=0,0,2000000000,4\r\nlefttoppoint=1,1\r\nrighttoppoint=3,1\r\n"
              "[long]\r\npictureindex=0\r\nskinrect=0,0,8,8\r\nprogressrect=0,0,4,4\r\nprogressarea=1,1,7,7\r\n"
              "progressanimationskinrect=0,0,8,8\r\nprogressanimationcountframes=2000000000\r\n"
              "[fine]\r\npictureindex=0\r\nskinrect=0,0,8,8\r\n");

    const auto start = std::chrono::steady_clock::now();
    const TSheetModel model = ReadSheetModel(dir.string());
    const TPixelBuffer sheet = RenderContactSheet(model);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 20.0);
    fs::remove_all(dir);

    EXPECT_FALSE(sheet.Empty());
    ASSERT_EQ(model.Controls.size(), 3u);
    EXPECT_TRUE(model.Controls[0].TooLarge);
    EXPECT_FALSE(model.Controls[2].TooLarge);
    EXPECT_LE(model.Controls[1].AnimationFrames, SheetMaxAnimationFrames);
    EXPECT_EQ(model.Layer.Picture, -1);  // its client rectangle cannot be drawn
    ASSERT_EQ(model.Objects.size(), 2u);
    EXPECT_TRUE(model.Objects[0].States.empty());
    EXPECT_EQ(model.Objects[1].States.size(), 2u);
}

}  // namespace
