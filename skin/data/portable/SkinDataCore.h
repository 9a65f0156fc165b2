// The portable half of the skin data manager (TbsSkinData): the loaded
// skin, its pictures and records, the load in its fixed order with the
// announcements around it, and the options whose change is announced. The
// Win32 component owns one and supplies the broadcast to the open forms and
// the decompressed package.
//
// Load (LoadSkin), in this order:
//   1. an empty source: nothing at all;
//   2. FEmpty and FChanging true;  3. announce WM_SKINCHANGEBEGIN;
//   4. ClearSkin;  5-7. read the package (version 0 to 3, pictures);
//   8-13. the definition text into the records (TbsSkinDefinition);
//   15. FEmpty false;  16. OnLoadData;  17. announce WM_SKINLOADED;
//   18. FChanging false;  19. announce WM_SKINCHANGEEND.
// A load that fails after step 3 (unreadable package, a version outside 0
// to 3, a malformed point) ends consistent: the skin is cleared (FEmpty
// true), FChanging is false, WM_SKINCHANGEEND is announced so the windows
// repaint in their plain look, and then the error propagates.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/portable/PixelBuffer.h"
#include "skin/data/portable/SkinDefinition.h"
#include "skin/data/portable/SkinPackage.h"
#include "skin/data/portable/StoredSkin.h"

// What one decompressed skin package gives the manager.
struct TbsSkinContent {
    int Version = 3;
    TPixelBuffer MainPicture, InActivePicture, MaskPicture;  // empty when absent
    std::vector<TPixelBuffer> ActivePictures;                // picture index order
    std::string Definition;                                  // the INI text
};

// Decodes the pictures of a read package (absent main pictures stay empty).
TbsSkinContent DecodeSkinContent(const TbsSkinPackage& package);

// Inflates a compressed package and decodes it, as DecodeSkinContent of
// DecompressSkinPackage would, without copying its BMP files out first.
TbsSkinContent DecompressSkinContent(const std::uint8_t* compressed, std::size_t size);

// Receives the manager's announcements.
class TbsSkinMessageTarget {
public:
    virtual ~TbsSkinMessageTarget() = default;
    // Sends `message` to every open form, synchronously. `lastToFirst`: the
    // forms are visited from the last to the first (layered borders shown
    // and the layer frame in use), else from the first to the last.
    virtual void BroadcastSkinMessage(unsigned message, bool lastToFirst) = 0;
};

// Text of the error for a package version outside 0 to 3.
inline constexpr const char* SUnsupportedSkinVersion = "unsupported skin package version";

class TbsSkinDataCore {
public:
    explicit TbsSkinDataCore(TbsSkinMessageTarget& target);  // target: not owned
    ~TbsSkinDataCore();
    TbsSkinDataCore(const TbsSkinDataCore&) = delete;
    TbsSkinDataCore& operator=(const TbsSkinDataCore&) = delete;

    // The load above. `readContent` decompresses and reads the package
    // (step 5 to 7) and may raise; it is not called for an empty source.
    void LoadSkin(bool sourceEmpty, const std::function<TbsSkinContent()>& readContent);
    // The load from a stored skin: inflated ("compression error" when the
    // zlib data is corrupt or cut short) and read as a package.
    void LoadCompressedStoredSkin(const TbsStoredSkinPackage& stored);

    // ClearRecords, the three main pictures and their names emptied, FEmpty.
    void ClearSkin();
    // Records and active pictures released, layer frame images dropped,
    // skin colours set to the system colours.
    void ClearRecords();

    // A stamp of the records and pictures held now. It changes whenever they
    // are released or replaced (every ClearRecords, every completed read),
    // and no two managers of the process ever hold the same one, so anything
    // made from the pictures and kept with the stamp it was made under is
    // known to be stale when the stamps differ.
    std::uint64_t GetGeneration() const { return FGeneration; }

    // Exact, case-sensitive, first match, -1 when absent; no allocation.
    int FindSkinControlRecord(std::string_view name) const { return FDefinition.FindSkinControlRecord(name); }
    int FindSkinObjectRecord(std::string_view name) const { return FDefinition.FindSkinObjectRecord(name); }
    // The skin's colours (the system colours while no skin is read).
    const TbsSkinColors& GetSkinColors() const { return FDefinition.SkinColors; }

    // Options announced when changed, unless the layout is still loading.
    bool GetSkinnableForm() const { return FSkinnableForm; }
    void SetSkinnableForm(bool value);
    bool GetShowLayeredBorders() const { return FShowLayeredBorders; }
    void SetShowLayeredBorders(bool value);
    bool GetAeroBlurEnabled() const { return FAeroBlurEnabled; }
    void SetAeroBlurEnabled(bool value);
    // While true (the window layout is being read) option changes are only
    // stored.
    void SetLayoutLoading(bool value) { FLayoutLoading = value; }
    // The library texts changed (ResourceStrData was set).
    void AnnounceResourceStrings();

    // Raised after each successful load, before WM_SKINLOADED; sender: the
    // owning component, supplied by it.
    std::function<void()> OnLoadData;

    bool FEmpty = true;
    bool FChanging = false;
    TbsSkinDefinition FDefinition;  // sections and records
    TPixelBuffer FMainPicture, FInActivePicture, FMaskPicture;
    std::vector<TPixelBuffer> FActivePictures;

    // Plain stored options.
    bool AnimationForAllWindows = false;
    bool EnableSkinEffects = true;
    bool ShowButtonGlowFrames = true;
    bool ShowCaptionButtonGlowFrames = true;
    bool DlgTreeViewDrawSkin = true, DlgListViewDrawSkin = true;
    std::string DlgTreeViewItemSkinDataName = "listbox", DlgListViewItemSkinDataName = "listbox";

private:
    void Broadcast(unsigned message);
    void ReadContent(TbsSkinContent content);

    TbsSkinMessageTarget& FTarget;  // not owned
    std::uint64_t FGeneration;
    bool FSkinnableForm = true;
    bool FShowLayeredBorders = true;
    bool FAeroBlurEnabled = true;
    bool FLayoutLoading = false;
};
