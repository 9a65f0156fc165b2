#include "skin/data/portable/SkinDataCore.h"

#include "platform/portable/AppMessages.h"
#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/data/portable/SkinValues.h"

TbsSkinContent DecodeSkinContent(const TbsSkinPackage& package) {
    TbsSkinContent content;
    content.Version = package.Version;
    if (package.MainPicture) content.MainPicture = package.MainPicture->Decode();
    if (package.InactivePicture) content.InActivePicture = package.InactivePicture->Decode();
    if (package.MaskPicture) content.MaskPicture = package.MaskPicture->Decode();
    content.ActivePictures.reserve(package.ActivePictures.size());
    for (const TBmpFile& picture : package.ActivePictures) content.ActivePictures.push_back(picture.Decode());
    content.Definition = package.Definition;
    return content;
}

namespace {

// Generations are drawn from one counter for the whole process (one thread
// only), so a manager made where a destroyed one was never repeats its stamps.
std::uint64_t NextSkinGeneration() {
    static std::uint64_t last = 0;
    return ++last;
}

}  // namespace

TbsSkinDataCore::TbsSkinDataCore(TbsSkinMessageTarget& target) : FTarget(target), FGeneration(NextSkinGeneration()) {}

TbsSkinDataCore::~TbsSkinDataCore() {
    FEmpty = true;
    ClearRecords();
}

void TbsSkinDataCore::Broadcast(unsigned message) {
    const int pictures = int(FActivePictures.size());
    FTarget.BroadcastSkinMessage(
        message, FShowLayeredBorders && IsValidPictureIndex(FDefinition.LayerFrameData.PictureIndex, pictures));
}

void TbsSkinDataCore::LoadSkin(bool sourceEmpty, const std::function<TbsSkinContent()>& readContent) {
    if (sourceEmpty) return;
    FEmpty = true;
    FChanging = true;
    Broadcast(WM_SKINCHANGEBEGIN);
    ClearSkin();
    bool loaded = false;
    try {
        ReadContent(readContent());
        FEmpty = false;
        loaded = true;
        if (OnLoadData) OnLoadData();
        Broadcast(WM_SKINLOADED);
    } catch (...) {
        // Never leave FChanging set: a frame waiting for the end of the
        // change would stop painting for good.
        if (!loaded) ClearSkin();
        FChanging = false;
        Broadcast(WM_SKINCHANGEEND);
        throw;
    }
    FChanging = false;
    Broadcast(WM_SKINCHANGEEND);
}

void TbsSkinDataCore::LoadCompressedStoredSkin(const TbsStoredSkinPackage& stored) {
    LoadSkin(stored.IsEmpty(), [&stored] {
        const std::vector<std::uint8_t>& bytes = stored.GetPackageStream();
        return DecompressSkinContent(bytes.data(), bytes.size());
    });
}

void TbsSkinDataCore::ReadContent(TbsSkinContent content) {
    if (content.Version < 0 || content.Version > 3)
        throw Exception(std::string(SUnsupportedSkinVersion) + " " + std::to_string(content.Version));
    FMainPicture = std::move(content.MainPicture);
    FInActivePicture = std::move(content.InActivePicture);
    FMaskPicture = std::move(content.MaskPicture);
    FActivePictures = std::move(content.ActivePictures);
    const TMemIniFile ini(content.Definition);
    FDefinition.LoadFromIni(ini, FActivePictures);
    FGeneration = NextSkinGeneration();
}

void TbsSkinDataCore::ClearSkin() {
    ClearRecords();
    FMainPicture = TPixelBuffer();
    FInActivePicture = TPixelBuffer();
    FMaskPicture = TPixelBuffer();
    FDefinition.PictureNames.Picture.clear();
    FDefinition.PictureNames.Mask.clear();
    FEmpty = true;
}

void TbsSkinDataCore::ClearRecords() {
    FDefinition.ClearRecords();
    FActivePictures.clear();
    FGeneration = NextSkinGeneration();
}

void TbsSkinDataCore::SetSkinnableForm(bool value) {
    if (value == FSkinnableForm) return;
    FSkinnableForm = value;
    if (!FLayoutLoading) Broadcast(WM_SKINNABLEFORMCHANGED);
}

void TbsSkinDataCore::SetShowLayeredBorders(bool value) {
    if (value == FShowLayeredBorders) return;
    FShowLayeredBorders = value;
    if (!FLayoutLoading) Broadcast(WM_LAYEREDBORDERSCHANGED);
}

void TbsSkinDataCore::SetAeroBlurEnabled(bool value) {
    if (value == FAeroBlurEnabled) return;
    FAeroBlurEnabled = value;
    if (!FLayoutLoading) Broadcast(WM_AEROBLURCHANGED);
}

void TbsSkinDataCore::AnnounceResourceStrings() { Broadcast(WM_RESOURCESTRINGSCHANGED); }
