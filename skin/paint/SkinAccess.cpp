#include "skin/paint/SkinAccess.h"

#include <algorithm>
#include <iterator>

TbsSkinPictureCache::TbsSkinPictureCache() : TComponent(nullptr) {}

TbsSkinPictureCache::~TbsSkinPictureCache() = default;  // the managers forget it in TComponent

TbsSkinPictureCache::TEntry* TbsSkinPictureCache::CurrentEntry(TbsSkinData* manager) {
    if (manager == nullptr) return nullptr;
    auto it = std::find_if(FEntries.begin(), FEntries.end(),
                           [manager](const auto& entry) { return entry->Manager == manager; });
    const TbsSkinDataCore& skin = manager->GetSkin();
    if (!SkinUsable(&skin)) {
        // Between the before-change and change messages, or after a failed
        // load: release what the old skin left behind.
        if (it != FEntries.end()) {
            (*it)->Generation = 0;  // sized again at the next usable skin, whatever its stamp
            (*it)->Bitmaps.clear();
            (*it)->Rgb.clear();
        }
        return nullptr;
    }
    if (it == FEntries.end()) {
        FreeNotification(manager);
        FEntries.push_back(std::make_unique<TEntry>());
        it = std::prev(FEntries.end());
        (*it)->Manager = manager;
    }
    TEntry& entry = **it;
    if (entry.Generation != skin.GetGeneration()) {
        entry.Generation = skin.GetGeneration();
        entry.Bitmaps.clear();
        entry.Rgb.clear();
        entry.Bitmaps.resize(skin.FActivePictures.size());
        entry.Rgb.resize(skin.FActivePictures.size());
    }
    return &entry;
}

const TbsBitmap* TbsSkinPictureCache::Bitmap(TbsSkinData* manager, int index) {
    TEntry* entry = CurrentEntry(manager);
    const TPixelBuffer* picture = entry ? SkinPicture(manager, index) : nullptr;
    if (picture == nullptr) return nullptr;
    auto& slot = entry->Bitmaps[std::size_t(index)];
    if (!slot) {
        auto bitmap = std::make_unique<TbsBitmap>();
        try {
            bitmap->Assign(*picture);
        } catch (const Exception& error) {
            ReportPaintError(error);
            return nullptr;
        }
        slot = std::move(bitmap);
    }
    return slot.get();
}

TRgbView TbsSkinPictureCache::RgbView(TbsSkinData* manager, int index) {
    TEntry* entry = CurrentEntry(manager);
    const TPixelBuffer* picture = entry ? SkinPicture(manager, index) : nullptr;
    if (picture == nullptr) return TRgbView{};
    auto& slot = entry->Rgb[std::size_t(index)];
    if (!slot) slot = std::make_unique<TRgbBuffer>(RgbBufferOf(ViewOf(*picture)));
    return slot->View();
}

int TbsSkinPictureCache::HeldCount() const {
    const auto made = [](const auto& slot) { return slot != nullptr; };
    int count = 0;
    for (const auto& entry : FEntries) {
        count += int(std::count_if(entry->Bitmaps.begin(), entry->Bitmaps.end(), made));
        count += int(std::count_if(entry->Rgb.begin(), entry->Rgb.end(), made));
    }
    return count;
}

void TbsSkinPictureCache::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    std::erase_if(FEntries, [AComponent](const auto& entry) { return entry->Manager == AComponent; });
}

TbsSkinPictureCache& SkinPictures() {
    static TbsSkinPictureCache* const cache = new TbsSkinPictureCache();
    return *cache;
}
