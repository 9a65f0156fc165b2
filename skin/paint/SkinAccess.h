// The look-ups of portable/SkinAccess.h on the manager component, and the
// conversion of its pictures into what the platform draws with.
//
// A skinned control keeps its manager (not owned; cleared when the manager
// is removed), the index of its record and the indexes of its pictures. At
// each paint, sizing or hit test it asks here again:
//
//   const auto* record = SkinControlRecordAs<TbsDataSkinButtonControl>(FSkinData, FSkinRecordIndex);
//   const TbsBitmap* picture = SkinPictures().Bitmap(FSkinData, geometry.PictureIndex);
//   TRgbView mask = SkinPictures().RgbView(FSkinData, geometry.MaskPictureIndex);
//
// Nothing found (null, -1, an empty view) means: draw plainly.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/paint/TbsBitmap.h"
#include "skin/paint/portable/EffectPixelsRgb.h"
#include "skin/paint/portable/SkinAccess.h"

// The skin a manager holds; null for no manager.
inline const TbsSkinDataCore* SkinOf(const TbsSkinData* manager) { return manager ? &manager->GetSkin() : nullptr; }

inline bool SkinUsable(const TbsSkinData* manager) { return SkinUsable(SkinOf(manager)); }
inline int FindSkinControlIndex(const TbsSkinData* manager, std::string_view name) {
    return FindSkinControlIndex(SkinOf(manager), name);
}
inline int FindSkinObjectIndex(const TbsSkinData* manager, std::string_view name) {
    return FindSkinObjectIndex(SkinOf(manager), name);
}
inline const TbsDataSkinControl* SkinControlRecord(const TbsSkinData* manager, int index) {
    return SkinControlRecord(SkinOf(manager), index);
}
inline const TbsDataSkinObject* SkinObjectRecord(const TbsSkinData* manager, int index) {
    return SkinObjectRecord(SkinOf(manager), index);
}
template <class T>
const T* SkinControlRecordAs(const TbsSkinData* manager, int index) {
    return SkinControlRecordAs<T>(SkinOf(manager), index);
}
template <class T>
const T* SkinObjectRecordAs(const TbsSkinData* manager, int index) {
    return SkinObjectRecordAs<T>(SkinOf(manager), index);
}
inline const TPixelBuffer* SkinPicture(const TbsSkinData* manager, int index) {
    return SkinPicture(SkinOf(manager), index);
}
inline TPixelView SkinPictureView(const TbsSkinData* manager, int index) {
    return SkinPictureView(SkinOf(manager), index);
}

// The active pictures of managers converted for drawing, made on first
// request and shared by every element that asks. A conversion is kept with
// the skin's generation (TbsSkinDataCore::GetGeneration) and given out only
// while the manager still holds that skin: after a load, a clear or a failed
// load the old conversions are released at the next request, and when the
// manager is destroyed they are released at once.
//
// What a request returns stays valid until the manager's skin changes or the
// manager goes, so it may be used for the rest of the current message only.
// Requests give nothing in the cases the look-ups above do (no manager, no
// usable skin, index out of range, a picture without pixels), and when the
// platform cannot make the bitmap (reported once through ReportPaintError).
class TbsSkinPictureCache : public TComponent {
public:
    TbsSkinPictureCache();
    ~TbsSkinPictureCache() override;

    // The picture as a 32-bit bitmap with its alpha (TbsBitmap::Assign).
    const TbsBitmap* Bitmap(TbsSkinData* manager, int index);
    // The picture as 24-bit pixels (RgbBufferOf), the form mask regions and
    // effect bitmaps read.
    TRgbView RgbView(TbsSkinData* manager, int index);

    // Conversions held now, over all managers.
    int HeldCount() const;

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    struct TEntry {
        TbsSkinData* Manager = nullptr;  // not owned; the entry goes when it is destroyed
        std::uint64_t Generation = 0;  // 0: none yet (skins count from 1)
        // By picture index; null until asked for.
        std::vector<std::unique_ptr<TbsBitmap>> Bitmaps;
        std::vector<std::unique_ptr<TRgbBuffer>> Rgb;
    };
    // The entry of a manager with a usable skin, emptied when its generation
    // is not the skin's; null when the skin is not usable (the entry's
    // conversions are released then too).
    TEntry* CurrentEntry(TbsSkinData* manager);

    std::vector<std::unique_ptr<TEntry>> FEntries;
};

// The cache the skinned elements share. It lives until the process ends
// (never destroyed, so no bitmap outlives the platform's list of bitmaps at
// exit); what it holds goes with each manager.
TbsSkinPictureCache& SkinPictures();
