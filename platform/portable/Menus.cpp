#include "platform/portable/Menus.h"

#include <algorithm>

#include "platform/portable/Accelerator.h"
#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Exception.h"
#include "platform/portable/ImageList.h"
#include "platform/portable/LayoutText.h"

std::string TMenuItem::DisplayCaption() const {
    std::string text;
    for (std::size_t i = 0; i < FCaption.size(); ++i) {
        // "&&" draws one "&"; a single "&" marks the next character.
        if (FCaption[i] == '&' && ++i >= FCaption.size()) break;
        text += FCaption[i];
    }
    return text;
}

char TMenuItem::Accelerator() const { return AcceleratorOf(FCaption); }

void TMenuItem::SetChecked(bool value) {
    FChecked = value;
    if (!value || !FRadioItem || !FParent) return;
    for (const auto& sibling : FParent->FItems)
        if (sibling.get() != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
            sibling->FChecked = false;
}

TMenuItem* TMenuItem::Insert(int index, std::unique_ptr<TMenuItem> item) {
    if (!item) return nullptr;
    if (index < 0 || index > Count()) index = Count();
    item->FParent = this;
    TMenuItem* added = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    return added;
}

TMenuItem* TMenuItem::Add(std::unique_ptr<TMenuItem> item) { return Insert(Count(), std::move(item)); }

TMenuItem* TMenuItem::Add(std::string caption, std::string name) {
    return Add(std::make_unique<TMenuItem>(std::move(caption), std::move(name)));
}

void TMenuItem::Delete(int index) {
    if (index >= 0 && index < Count()) FItems.erase(FItems.begin() + index);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[std::size_t(i)].get() == item) return i;
    return -1;
}

TMenuItem* TMenuItem::Find(const std::string& name) const {
    for (const auto& item : FItems)
        if (item->FName == name) return item.get();
    return nullptr;
}

std::vector<int> TMenuItem::ShownIndexes(int startIndex, bool reduceLines) const {
    std::vector<int> shown;
    for (int i = std::max(startIndex, 0); i < Count(); ++i) {
        const TMenuItem& item = *FItems[std::size_t(i)];
        if (!item.FVisible) continue;
        if (reduceLines && item.IsSeparator() && (shown.empty() || Items(shown.back())->IsSeparator())) continue;
        shown.push_back(i);
    }
    if (reduceLines && !shown.empty() && Items(shown.back())->IsSeparator()) shown.pop_back();
    return shown;
}

int TMenuItem::IndexOfAccelerator(char ch) const {
    for (int i = 0; i < Count(); ++i) {
        const TMenuItem& item = *FItems[std::size_t(i)];
        if (item.FVisible && !item.IsSeparator() && IsAccelerator(ch, item.FCaption)) return i;
    }
    return -1;
}

void TMenuItem::Update() {
    if (Action && Action->OnUpdate) Action->OnUpdate(*this);
}

void TMenuItem::Click() {
    if (Action && Action->OnExecute) Action->OnExecute(*this);
    else if (OnClick) OnClick(*this);
}

TImageList* TMenuItem::GetImages() const {
    const TMenuItem* root = this;
    while (root->FParent) root = root->FParent;
    return root->FImages;
}

void TPopupMenu::SetImages(TImageList* value) {
    if (TImageList* old = FItems.GetImages()) RemoveFreeNotification(old);
    FItems.SetImages(value);
    if (value) FreeNotification(value);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FItems.GetImages()) FItems.SetImages(nullptr);
}

// ---- layouts ----------------------------------------------------------------------

TMenuItemComponent::TMenuItemComponent(TComponent* AOwner)
    : TComponent(AOwner), FUnplaced(std::make_unique<TMenuItem>()), FItem(FUnplaced.get()) {}

void TMenuItemComponent::SetParentComponent(TComponent* value) {
    TMenuItem* parent = nullptr;
    if (auto* menu = dynamic_cast<TPopupMenu*>(value)) parent = &menu->Items();
    else if (auto* item = dynamic_cast<TMenuItemComponent*>(value)) parent = &item->Item();
    if (!parent) throw Exception("a menu item belongs in a popup menu or another menu item");
    if (!FUnplaced) throw Exception("the menu item is placed already");
    FItem->SetName(GetName());
    parent->Add(std::move(FUnplaced));
}

void TMenuItemComponent::SetOnClick(TNotifyEvent value) {
    if (!value) {
        FItem->OnClick = nullptr;
        return;
    }
    FItem->OnClick = [this, handler = std::move(value)](TMenuItem&) { handler(this); };
}

void RegisterMenuClasses(TClassRegistry& registry) {
    if (registry.Find("TPopupMenu")) return;
    TClassBuilder<TPopupMenu>(registry, "TPopupMenu", "TComponent")
        .Creatable()
        .Bool("AutoLineReduction", &TPopupMenu::GetAutoLineReduction, &TPopupMenu::SetAutoLineReduction)
        .Ref("Images", &TPopupMenu::GetImages, &TPopupMenu::SetImages);
    TClassBuilder<TImageList>(registry, "TImageList", "TComponent")
        .Creatable()
        .Value("Width", [](TImageList& l, const TLayoutValue& v) { l.SetSize(LayoutInt(v), l.GetHeight()); })
        .Value("Height", [](TImageList& l, const TLayoutValue& v) { l.SetSize(l.GetWidth(), LayoutInt(v)); });
    using C = TMenuItemComponent;
    TClassBuilder<C>(registry, "TMenuItem", "TComponent")
        .Creatable()
        .Value("Caption", [](C& c, const TLayoutValue& v) { c.Item().SetCaption(LayoutString(v)); })
        .Value("ShortCut",
               [](C& c, const TLayoutValue& v) {
                   // Stored as its number, or written out ("Ctrl+S").
                   c.Item().SetShortCut(v.Kind == TLayoutValue::TKind::String ? TextToShortCut(LayoutString(v))
                                                                        : TShortCut(LayoutInteger(v, 0, 0xFFFF)));
               })
        .Value("Enabled", [](C& c, const TLayoutValue& v) { c.Item().SetEnabled(LayoutBool(v)); })
        .Value("Checked", [](C& c, const TLayoutValue& v) { c.Item().SetChecked(LayoutBool(v)); })
        .Value("RadioItem", [](C& c, const TLayoutValue& v) { c.Item().SetRadioItem(LayoutBool(v)); })
        .Value("GroupIndex", [](C& c, const TLayoutValue& v) { c.Item().SetGroupIndex(LayoutInt(v)); })
        .Value("Visible", [](C& c, const TLayoutValue& v) { c.Item().SetVisible(LayoutBool(v)); })
        .Value("Default", [](C& c, const TLayoutValue& v) { c.Item().SetDefault(LayoutBool(v)); })
        .Value("ImageIndex", [](C& c, const TLayoutValue& v) { c.Item().SetImageIndex(LayoutInt(v)); })
        .Value("Hint", [](C& c, const TLayoutValue& v) { c.Item().SetHint(LayoutString(v)); })
        .Event("OnClick", &C::SetOnClick);
}
