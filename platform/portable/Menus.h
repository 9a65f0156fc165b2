// The menu model: a tree of menu items, and the popup-menu component that
// owns one. Nothing here draws: the skinned popup menu shows the items.
//
// An item whose caption is exactly "-" is a separator. "&" in a caption
// marks the accelerator ("&&" is a plain "&"). Checking an item of a radio
// group unchecks the other radio items of the same group among its
// siblings.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/portable/Component.h"
#include "platform/portable/PixelBuffer.h"
#include "platform/portable/ShortCuts.h"

class TMenuItem;
class TImageList;

// An action an item is linked to: it may update the item before it shows
// (enabled, checked, caption) and runs instead of the item's OnClick.
struct TMenuAction {
    std::function<void(TMenuItem& item)> OnUpdate;
    std::function<void(TMenuItem& item)> OnExecute;
};

class TMenuItem {
public:
    TMenuItem() = default;
    explicit TMenuItem(std::string caption, std::string name = {}) : FCaption(std::move(caption)), FName(std::move(name)) {}
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    const std::string& GetName() const { return FName; }
    void SetName(std::string value) { FName = std::move(value); }
    const std::string& GetCaption() const { return FCaption; }
    void SetCaption(std::string value) { FCaption = std::move(value); }
    bool IsSeparator() const { return FCaption == "-"; }
    // The caption without its "&" marks, as drawn.
    std::string DisplayCaption() const;
    char Accelerator() const;

    TShortCut GetShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value) { FShortCut = value; }
    std::string ShortCutText() const { return ShortCutToText(FShortCut); }
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool GetChecked() const { return FChecked; }
    void SetChecked(bool value);
    bool GetRadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value) { FRadioItem = value; }
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    bool GetDefault() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    const std::string& GetHint() const { return FHint; }
    void SetHint(std::string value) { FHint = std::move(value); }
    // A picture of its own (32-bit, premultiplied alpha), drawn instead of
    // an image of the list; shared so a picture can serve several items.
    std::shared_ptr<const TPixelBuffer> Bitmap;
    // Linked action, or none (not owned: the action outlives the item).
    TMenuAction* Action = nullptr;

    // The image list of the menu the item is in (its root's), or null.
    TImageList* GetImages() const;
    // Sets the image list of a root item (the popup menu does).
    void SetImages(TImageList* value) { FImages = value; }

    // ---- sub-items, owned ----
    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(std::size_t(index)).get(); }
    TMenuItem* GetParent() const { return FParent; }  // not owned
    // Adds at the end (or at index) and returns the item.
    TMenuItem* Add(std::unique_ptr<TMenuItem> item);
    TMenuItem* Insert(int index, std::unique_ptr<TMenuItem> item);
    TMenuItem* Add(std::string caption, std::string name = {});
    void Delete(int index);
    void Clear() { FItems.clear(); }
    int IndexOf(const TMenuItem* item) const;
    // The sub-item of that name, or null (names compared exactly).
    TMenuItem* Find(const std::string& name) const;
    // The visible sub-items from startIndex on, in order; with reduceLines
    // without the separators that would show first, last or twice in a row.
    std::vector<int> ShownIndexes(int startIndex, bool reduceLines) const;
    // The visible sub-item whose caption carries ch as its accelerator
    // (either letter case), or -1.
    int IndexOfAccelerator(char ch) const;

    // Lets the action update the item.
    void Update();
    // The item's command: the action's, else OnClick.
    void Click();
    std::function<void(TMenuItem& item)> OnClick;

private:
    std::string FCaption;
    std::string FName;
    TShortCut FShortCut = 0;
    bool FEnabled = true, FChecked = false, FRadioItem = false, FVisible = true, FDefault = false;
    int FGroupIndex = 0;
    int FImageIndex = -1;
    std::string FHint;
    TMenuItem* FParent = nullptr;  // not owned
    TImageList* FImages = nullptr;  // not owned; the root's only
    std::vector<std::unique_ptr<TMenuItem>> FItems;
};

// A popup menu: a component that owns its root item, whose sub-items are
// the menu's items.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}
    TMenuItem& Items() { return FItems; }
    const TMenuItem& Items() const { return FItems; }
    // Removes separators made redundant by hidden items before it shows.
    bool GetAutoLineReduction() const { return FAutoLineReduction; }
    void SetAutoLineReduction(bool value) { FAutoLineReduction = value; }
    // The pictures the items draw by their image index (not owned).
    TImageList* GetImages() const { return FItems.GetImages(); }
    void SetImages(TImageList* value);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TMenuItem FItems;
    bool FAutoLineReduction = true;
};

// A menu item as a layout names it: a component placed in a popup menu or
// in another such item, which puts its item into that menu's (or item's)
// sub-items when placed. Item() is the code's way to the item; it belongs
// to the menu's tree, not to this component, and is valid while the menu
// lives.
class TMenuItemComponent : public TComponent {
public:
    explicit TMenuItemComponent(TComponent* AOwner);
    TMenuItem& Item() const { return *FItem; }
    // Moves the item into the parent's sub-items, named as the component.
    void SetParentComponent(TComponent* value) override;
    void SetOnClick(TNotifyEvent value);

private:
    std::unique_ptr<TMenuItem> FUnplaced;  // the item until it is placed
    TMenuItem* FItem;                      // not owned once placed
};

class TClassRegistry;
// Registers TPopupMenu and TMenuItem (as TMenuItemComponent) for layouts;
// a registry that has them already is left as it is.
void RegisterMenuClasses(TClassRegistry& registry);
