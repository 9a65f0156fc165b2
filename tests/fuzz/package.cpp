// The package reader and the definition reader over arbitrary bytes. The
// first byte chooses what the rest is: 0 a decompressed package, 1 a skin
// file (".skn"), anything else a zlib stream holding a package. Every input
// must either load or be refused with an Exception; anything else (a crash,
// an over-read, another exception type, a hang) is a fault. A package that
// reads must write back to bytes that read as the same package (the empty
// flags are written as 1 whatever nonzero value they had). Then every image
// the manager prepares and the elements paint is made from it. The load's
// own reader, which decodes the pictures as the package inflates, must
// accept exactly the packages the whole-package reader accepts and give the
// same pictures and text.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/portable/Exception.h"
#include "platform/portable/IniFile.h"
#include "skin/data/portable/SkinDataCore.h"
#include "skin/data/portable/SkinDefinition.h"
#include "skin/data/portable/SkinPackage.h"
#include "skin/data/portable/StoredSkin.h"
#include "skin/data/portable/ZlibStream.h"
#include "skin/data/portable/SkinImages.h"
#include "skin/data/portable/SkinValues.h"
#include "skin/paint/portable/Blur.h"
#include "skin/paint/portable/CompositionPixels.h"
#include "skin/paint/portable/DrawHelpersGeometry.h"

namespace {

// What the skinned elements make from the records when they paint: every
// control composed at its skin size and at a control's size, each glow image
// (the glow picture with the alpha of its mask), and the blurred glow of
// every caption. None of it may raise: painting draws less instead.
void PaintEveryElement(const TbsSkinDefinition& definition, const std::vector<TPixelBuffer>& pictures) {
    const int count = int(pictures.size());
    TPixelBuffer image;
    for (const auto& record : definition.ControlRecords) {
        const auto* c = dynamic_cast<const TbsDataSkinCustomControl*>(record.get());
        if (!c || !IsValidPictureIndex(c->PictureIndex, count)) continue;
        const TPixelView picture = ViewOf(pictures[std::size_t(c->PictureIndex)]);
        const int mode = GetSkinResizeMode(c->SkinRect, c->LeftTopPoint, c->RightTopPoint, c->LeftBottomPoint,
                                           c->RightBottomPoint);
        for (auto [w, h] : {std::pair{c->SkinRect.Width(), c->SkinRect.Height()}, std::pair{200, 60}}) {
            TSkinImageParams p;
            p.SrcRect = c->SkinRect;
            p.SrcClient = c->ClientRect;
            p.SrcLT = c->LeftTopPoint;
            p.SrcRT = c->RightTopPoint;
            p.SrcLB = c->LeftBottomPoint;
            p.SrcRB = c->RightBottomPoint;
            p.W = w;
            p.H = h;
            p.StretchLeft = c->LeftStretch;
            p.StretchTop = c->TopStretch;
            p.StretchRight = c->RightStretch;
            p.StretchBottom = c->BottomStretch;
            p.StretchCenter = c->StretchEffect;
            p.StretchKind = c->StretchType;
            CalcSkinGeometry(mode, p);
            if (mode == bsrmNinePart)
                CreateSkinImage(p, picture, image);
            else if (mode == bsrmHorizontal)
                CreateHSkinImage(p.SrcLT.X, p.SrcRect.Width() - p.SrcRT.X, image, p.StretchCenter, p.W, p.SrcRect,
                                 picture);
            else if (mode == bsrmVertical)
                CreateVSkinImage(p.SrcLT.Y, p.SrcRect.Height() - p.SrcLB.Y, image, p.StretchCenter, p.H, p.SrcRect,
                                 picture);
            else if (mode == bsrmFixed) {
                ResizePixels(image, p.W, p.H);
                if (!image.Empty())
                    DrawSkinBlits(ViewOf(image), picture, {TSkinBlit{p.SrcRect, Rect(0, 0, p.W, p.H), NullRect()}});
            }
        }
    }
    for (const auto& record : definition.ObjectRecords) {
        if (IsValidPictureIndex(record->GlowLayerPictureIndex, count) &&
            IsValidPictureIndex(record->GlowLayerMaskPictureIndex, count)) {
            TPixelBuffer glow = pictures[std::size_t(record->GlowLayerPictureIndex)];
            ApplyAlphaMask(glow, pictures[std::size_t(record->GlowLayerMaskPictureIndex)]);
        }
        if (const auto* caption = dynamic_cast<const TbsDataSkinCaption*>(record.get())) {
            const TGlowTextGeometry g = GlowTextGeometry(caption->TextRect, bsCaptionGlowMargin);
            ResizePixels(image, g.BitmapWidth, g.BitmapHeight);
            BlurPixels(ViewOf(image), g.BlurRadius);
            BlurPixels(ViewOf(image), caption->GlowSize);
        }
    }
}

bool SameContent(const TbsSkinContent& a, const TbsSkinContent& b) {
    const auto same = [](const TPixelBuffer& x, const TPixelBuffer& y) {
        return x.Width == y.Width && x.Height == y.Height && x.Pixels == y.Pixels;
    };
    if (a.Version != b.Version || a.Definition != b.Definition || a.ActivePictures.size() != b.ActivePictures.size() ||
        !same(a.MainPicture, b.MainPicture) || !same(a.InActivePicture, b.InActivePicture) ||
        !same(a.MaskPicture, b.MaskPicture))
        return false;
    for (std::size_t i = 0; i < a.ActivePictures.size(); ++i)
        if (!same(a.ActivePictures[i], b.ActivePictures[i])) return false;
    return true;
}

void CheckStreamedLoad(const std::uint8_t* data, std::size_t size) {
    // The fastest level: the fuzzer runs this for every input.
    uLongf bound = compressBound(uLong(size));
    std::vector<std::uint8_t> compressed(bound);
    if (compress2(compressed.data(), &bound, data, uLong(size), Z_BEST_SPEED) != Z_OK) std::abort();
    compressed.resize(bound);
    std::optional<TbsSkinContent> whole, streamed;
    try {
        whole = DecodeSkinContent(ReadSkinPackage(data, size));
    } catch (const Exception&) {
    }
    try {
        streamed = DecompressSkinContent(compressed.data(), compressed.size());
    } catch (const Exception&) {
    }
    if (whole.has_value() != streamed.has_value() || (whole && !SameContent(*whole, *streamed))) std::abort();
}

void LoadPackage(const std::uint8_t* data, std::size_t size) {
    CheckStreamedLoad(data, size);
    TbsSkinPackage package = ReadSkinPackage(data, size);
    std::vector<std::uint8_t> written = WriteSkinPackage(package);
    TbsSkinPackage reread = ReadSkinPackage(written.data(), written.size());
    if (WriteSkinPackage(reread) != written || reread.Definition != package.Definition ||
        reread.ActivePictures.size() != package.ActivePictures.size() ||
        (package.Version == SkinPackageVersion && written.size() != size))
        std::abort();
    std::vector<TPixelBuffer> pictures;
    for (const TBmpFile& file : package.ActivePictures)
        pictures.push_back(file.Decode());
    for (const auto* main : {&package.MainPicture, &package.InactivePicture, &package.MaskPicture})
        if (*main)
            (*main)->Decode();
    TbsSkinDefinition definition;
    definition.LoadFromIni(TMemIniFile(package.Definition), pictures);
    PaintEveryElement(definition, pictures);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    ++data;
    --size;
    try {
        if (mode == 0) {
            LoadPackage(data, size);
        } else if (mode == 1) {
            std::vector<std::uint8_t> compressed = ReadSkinFileImage(data, size);
            std::vector<std::uint8_t> raw = DecompressBytes(compressed.data(), compressed.size(), 16u << 20);
            LoadPackage(raw.data(), raw.size());
        } else {
            std::vector<std::uint8_t> raw = DecompressBytes(data, size, 16u << 20);
            LoadPackage(raw.data(), raw.size());
        }
    } catch (const Exception&) {
        // refused: fine
    }
    return 0;
}
