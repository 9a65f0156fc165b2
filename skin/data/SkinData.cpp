#include "skin/data/SkinData.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Forms.h"

TbsSkinData::TbsSkinData(TComponent* AOwner) : TComponent(AOwner) {
    FCore.OnLoadData = [this] {
        if (FOnLoadData) FOnLoadData(this);
    };
}

TbsSkinData::~TbsSkinData() = default;  // the core clears its records without announcing

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* value) {
    if (FCompressedStoredSkin) FCompressedStoredSkin->RemoveFreeNotification(this);
    FCompressedStoredSkin = value;
    if (value == nullptr) return;
    value->FreeNotification(this);
    LoadCompressedStoredSkin(value);
}

void TbsSkinData::SetSkinList(TbsCompressedSkinList* value) {
    if (FSkinList) FSkinList->RemoveFreeNotification(this);
    FSkinList = value;
    if (value == nullptr) return;
    value->FreeNotification(this);
    if (FSkinIndex >= 0 && FSkinIndex < value->GetSkins().GetCount())
        LoadCompressedStoredSkin(&value->GetSkins().GetItem(FSkinIndex).GetSkin());
}

void TbsSkinData::SetSkinIndex(int value) {
    if (value == FSkinIndex) return;
    if (FSkinList == nullptr) {
        FSkinIndex = value;
        return;
    }
    if (value < 0 || value >= FSkinList->GetSkins().GetCount()) return;
    FSkinIndex = value;
    LoadCompressedStoredSkin(&FSkinList->GetSkins().GetItem(value).GetSkin());
}

void TbsSkinData::SetResourceStrData(TbsResourceStrData* value) {
    if (FResourceStrData) FResourceStrData->RemoveFreeNotification(this);
    FResourceStrData = value;
    if (value) value->FreeNotification(this);
    FCore.AnnounceResourceStrings();
}

static_assert(DefaultFontCharSet == DEFAULT_CHARSET);

int TbsSkinData::GetCharSet() const {
    return FResourceStrData ? FResourceStrData->GetCharSet() : DefaultFontCharSet;
}

void TbsSkinData::SetSkinnableForm(bool value) {
    FCore.SetLayoutLoading(IsLoading());
    FCore.SetSkinnableForm(value);
}

void TbsSkinData::SetShowLayeredBorders(bool value) {
    FCore.SetLayoutLoading(IsLoading());
    FCore.SetShowLayeredBorders(value);
}

void TbsSkinData::SetAeroBlurEnabled(bool value) {
    FCore.SetLayoutLoading(IsLoading());
    FCore.SetAeroBlurEnabled(value);
}

void TbsSkinData::LoadCompressedStoredSkin(TbsCompressedStoredSkin* skin) {
    if (skin == nullptr) return;
    FCore.LoadCompressedStoredSkin(skin->GetPackage());
}

void TbsSkinData::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove) return;
    if (AComponent == FCompressedStoredSkin) FCompressedStoredSkin = nullptr;
    if (AComponent == FSkinList) FSkinList = nullptr;
    if (AComponent == FResourceStrData) FResourceStrData = nullptr;
}

namespace {

bool IsLayerWindow(HWND window) {
    char name[64] = {};
    return GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, LayerWindowClassName) == 0;
}

}  // namespace

void TbsSkinData::BroadcastSkinMessage(unsigned message, bool lastToFirst) {
    const WPARAM sender = reinterpret_cast<WPARAM>(this);
    // Without layered borders the manager's own form hears first.
    TForm* first = nullptr;  // not owned
    if (!FCore.GetShowLayeredBorders()) first = dynamic_cast<TForm*>(GetOwner());
    if (first && first->HandleAllocated()) {
        SendMessageA(first->WindowHandle(), message, sender, SkinMessageTag);
    } else if (first) {
        first->Perform(message, sender, SkinMessageTag);
    }

    // Windows are collected before anything is sent: a receiver may open or
    // close forms while it handles the message.
    std::vector<HWND> windows;
    std::vector<TForm*> windowless;  // not owned: forms whose window is not made yet
    for (int i = 0; i < Application().GetFormCount(); ++i) {
        TForm* form = Application().GetForm(i);
        if (form == first) continue;
        if (!form->HandleAllocated()) {
            windowless.push_back(form);
            continue;
        }
        if (IsLayerWindow(form->WindowHandle())) continue;
        windows.push_back(form->WindowHandle());
    }
    if (lastToFirst) std::reverse(windows.begin(), windows.end());
    for (HWND window : windows)
        if (IsWindow(window)) SendMessageA(window, message, sender, SkinMessageTag);
    // Their controls hear it all the same, by direct dispatch, for as long
    // as the form is still open.
    for (TForm* form : windowless) {
        const auto& open = Application();
        bool stillOpen = false;
        for (int i = 0; i < open.GetFormCount() && !stillOpen; ++i) stillOpen = open.GetForm(i) == form;
        if (stillOpen && !form->HandleAllocated()) form->Perform(message, sender, SkinMessageTag);
    }
}

void RegisterSkinDataClasses(TClassRegistry& registry) {
    if (registry.Find("TbsSkinData")) return;
    RegisterStoredSkinClasses(registry);
    RegisterResourceStrDataClass(registry);
    using T = TbsSkinData;
    TClassBuilder<T>(registry, "TbsSkinData", "TComponent")
        .Creatable()
        .Ref("CompressedStoredSkin", &T::GetCompressedStoredSkin, &T::SetCompressedStoredSkin)
        .Ref("SkinList", &T::GetSkinList, &T::SetSkinList)
        .Int("SkinIndex", &T::GetSkinIndex, &T::SetSkinIndex)
        .Ref("ResourceStrData", &T::GetResourceStrData, &T::SetResourceStrData)
        .Bool("SkinnableForm", &T::GetSkinnableForm, &T::SetSkinnableForm)
        .Bool("AnimationForAllWindows", &T::GetAnimationForAllWindows, &T::SetAnimationForAllWindows)
        .Bool("EnableSkinEffects", &T::GetEnableSkinEffects, &T::SetEnableSkinEffects)
        .Bool("ShowButtonGlowFrames", &T::GetShowButtonGlowFrames, &T::SetShowButtonGlowFrames)
        .Bool("ShowCaptionButtonGlowFrames", &T::GetShowCaptionButtonGlowFrames, &T::SetShowCaptionButtonGlowFrames)
        .Bool("ShowLayeredBorders", &T::GetShowLayeredBorders, &T::SetShowLayeredBorders)
        .Bool("AeroBlurEnabled", &T::GetAeroBlurEnabled, &T::SetAeroBlurEnabled)
        .Bool("DlgTreeViewDrawSkin", &T::GetDlgTreeViewDrawSkin, &T::SetDlgTreeViewDrawSkin)
        .Bool("DlgListViewDrawSkin", &T::GetDlgListViewDrawSkin, &T::SetDlgListViewDrawSkin)
        .Str("DlgTreeViewItemSkinDataName", &T::GetDlgTreeViewItemSkinDataName, &T::SetDlgTreeViewItemSkinDataName)
        .Str("DlgListViewItemSkinDataName", &T::GetDlgListViewItemSkinDataName, &T::SetDlgListViewItemSkinDataName)
        .Event("OnLoadData", &T::SetOnLoadData);
}
