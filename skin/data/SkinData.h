// TbsSkinData: the skin data manager component. It loads a skin from a
// stored skin (or an item of a skin list) into its portable core
// (SkinDataCore.h: records, pictures, load order, failure states) and
// delivers the core's announcements to the application's open forms as
// window messages, synchronously, wParam the manager and lParam 1000; a form
// whose window is not made yet gets them by direct dispatch (Perform), so
// its controls hear them too.
#pragma once

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Component.h"
#include "skin/data/portable/ResourceStrData.h"
#include "skin/data/portable/SkinDataCore.h"
#include "skin/data/portable/StoredSkinComponents.h"

// The lParam of every skin message.
constexpr LPARAM SkinMessageTag = 1000;
// Window class of the layered border windows, which get no skin messages.
inline constexpr const char* LayerWindowClassName = "TbsFormLayerWindow";

class TbsSkinData : public TComponent, private TbsSkinMessageTarget {
public:
    explicit TbsSkinData(TComponent* AOwner);
    ~TbsSkinData() override;

    // Sources. Setting the stored skin loads it at once (outside a design
    // environment, which this system has not), also while the layout loads.
    TbsCompressedStoredSkin* GetCompressedStoredSkin() const { return FCompressedStoredSkin; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* value);
    TbsCompressedSkinList* GetSkinList() const { return FSkinList; }
    void SetSkinList(TbsCompressedSkinList* value);
    int GetSkinIndex() const { return FSkinIndex; }
    // Without a list only stored; with one only 0 to count-1 is taken, and
    // that item's skin is loaded.
    void SetSkinIndex(int value);
    // The component holding the library's texts; setting it (also to none)
    // announces them with WM_RESOURCESTRINGSCHANGED, also while the layout
    // loads.
    TbsResourceStrData* GetResourceStrData() const { return FResourceStrData; }
    void SetResourceStrData(TbsResourceStrData* value);
    // The character set of the skinned controls' fonts: the texts
    // component's CharSet, DEFAULT_CHARSET without one.
    int GetCharSet() const;

    bool GetSkinnableForm() const { return FCore.GetSkinnableForm(); }
    void SetSkinnableForm(bool value);
    bool GetShowLayeredBorders() const { return FCore.GetShowLayeredBorders(); }
    void SetShowLayeredBorders(bool value);
    bool GetAeroBlurEnabled() const { return FCore.GetAeroBlurEnabled(); }
    void SetAeroBlurEnabled(bool value);
    bool GetAnimationForAllWindows() const { return FCore.AnimationForAllWindows; }
    void SetAnimationForAllWindows(bool value) { FCore.AnimationForAllWindows = value; }
    bool GetEnableSkinEffects() const { return FCore.EnableSkinEffects; }
    void SetEnableSkinEffects(bool value) { FCore.EnableSkinEffects = value; }
    bool GetShowButtonGlowFrames() const { return FCore.ShowButtonGlowFrames; }
    void SetShowButtonGlowFrames(bool value) { FCore.ShowButtonGlowFrames = value; }
    bool GetShowCaptionButtonGlowFrames() const { return FCore.ShowCaptionButtonGlowFrames; }
    void SetShowCaptionButtonGlowFrames(bool value) { FCore.ShowCaptionButtonGlowFrames = value; }
    bool GetDlgTreeViewDrawSkin() const { return FCore.DlgTreeViewDrawSkin; }
    void SetDlgTreeViewDrawSkin(bool value) { FCore.DlgTreeViewDrawSkin = value; }
    bool GetDlgListViewDrawSkin() const { return FCore.DlgListViewDrawSkin; }
    void SetDlgListViewDrawSkin(bool value) { FCore.DlgListViewDrawSkin = value; }
    const std::string& GetDlgTreeViewItemSkinDataName() const { return FCore.DlgTreeViewItemSkinDataName; }
    void SetDlgTreeViewItemSkinDataName(const std::string& value) { FCore.DlgTreeViewItemSkinDataName = value; }
    const std::string& GetDlgListViewItemSkinDataName() const { return FCore.DlgListViewItemSkinDataName; }
    void SetDlgListViewItemSkinDataName(const std::string& value) { FCore.DlgListViewItemSkinDataName = value; }
    void SetOnLoadData(TNotifyEvent value) { FOnLoadData = std::move(value); }

    // The load of the core (see SkinDataCore.h); a failure propagates after
    // the manager has been left empty and the forms told the change ended.
    void LoadCompressedStoredSkin(TbsCompressedStoredSkin* skin);
    void ClearSkin() { FCore.ClearSkin(); }
    void ClearRecords() { FCore.ClearRecords(); }

    bool GetEmpty() const { return FCore.FEmpty; }
    bool GetChanging() const { return FCore.FChanging; }
    // Exact, case-sensitive, first match, -1 when absent; no allocation.
    int FindSkinControlRecord(std::string_view name) const { return FCore.FindSkinControlRecord(name); }
    int FindSkinObjectRecord(std::string_view name) const { return FCore.FindSkinObjectRecord(name); }
    // Records, pictures, frame fields and skin colours, read by the skinned
    // elements.
    const TbsSkinDataCore& GetSkin() const { return FCore; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void BroadcastSkinMessage(unsigned message, bool lastToFirst) override;

    TbsSkinDataCore FCore{*this};
    TbsCompressedStoredSkin* FCompressedStoredSkin = nullptr;  // not owned
    TbsCompressedSkinList* FSkinList = nullptr;                // not owned
    TbsResourceStrData* FResourceStrData = nullptr;            // not owned
    int FSkinIndex = 0;
    TNotifyEvent FOnLoadData;
};

// Registers TbsSkinData, the stored skin components and TbsResourceStrData
// with the properties a layout may set (and, but for OnLoadData, the writer
// writes back); a registry that has them already is left as it is.
void RegisterSkinDataClasses(TClassRegistry& registry);
