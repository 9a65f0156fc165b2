#include "tools/zevrak/ZevrakSkin.h"

#include <stdexcept>

#include "tools/zevrak/ZevrakDefinition.h"
#include "tools/zevrak/ZevrakLayout.h"
#include "tools/zevrak/ZevrakPictures.h"

namespace zevrak {

using namespace layout;

namespace {

TCanvas PaintActivePicture(int index) {
    switch (index) {
        case piActive: return PaintCaptionButtons();
        case piPopup: return PaintPopupFrame();
        case piMenuItems: return PaintMenuItems();
        case piControls: return PaintControls();
        case piHint: return PaintHint();
        case piHintMask: return PaintHintMask();
        case piPopupMask: return PaintPopupMask();
        case piRoundButtonMask: return PaintRoundButtonMask();
        case piButtonMask: return PaintButtonMask();
        case piCaptionButtonMask: return PaintCaptionButtonMask();
        case piHTrackMask: return PaintHTrackMask();
        case piVTrackMask: return PaintVTrackMask();
        case piGlow: return PaintGlow();
        case piGlowMask: return PaintGlowMask();
        case piLayer: return PaintLayerBorder();
        case piLayerMask: return PaintLayerBorderMask();
        case piRibbon: return PaintRibbon();
        case piAppMenu: return PaintAppMenu();
        case piAppMenuBg: return PaintAppMenuBackground();
        default: throw std::logic_error("no painter for picture " + std::to_string(index));
    }
}

TSkinFile Encode(const TPictureSpec& pic, const TCanvas& picture) {
    if (picture.Width() != pic.Width || picture.Height() != pic.Height)
        throw std::logic_error(std::string(pic.FileName) + " painted at the wrong size");
    return TSkinFile{pic.FileName, pic.BitsPerPixel == 1 ? EncodeBmp1(picture) : EncodeBmp24(picture)};
}

}  // namespace

std::vector<TSkinFile> BuildZevrakFolder() {
    std::vector<TSkinFile> files;
    std::string text = BuildZevrakDefinition().Render();
    files.push_back(TSkinFile{DefinitionFileName, TBytes(text.begin(), text.end())});
    files.push_back(Encode(MainPicture, PaintMainPicture()));
    files.push_back(Encode(MaskPicture, PaintMainMask()));
    for (int i = 0; i < PictureCount; ++i) files.push_back(Encode(ActivePictures[i], PaintActivePicture(i)));
    return files;
}

void WriteSkinFolder(const std::string& folder, const std::vector<TSkinFile>& files) {
    for (const auto& file : files) WriteFile(folder + "/" + file.Name, file.Bytes);
}

}  // namespace zevrak
