// The classes a layout may name, and their stored properties.
//
// Each class is registered once with its name, its base class, how to
// create it and the properties a layout may set on it, by name. A property
// is set from a plain value, names another component (resolved after the
// whole layout has been read), names an event handler of the layout's root,
// or is a collection: items of the component, each with properties of its
// own. Reading a collection replaces the component's items with the stored
// ones.
//
// Properties may also have getters, which the layout writer uses
// (LayoutWriter.h): a property without one is not written. Events have none.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/portable/Component.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutText.h"

enum class TPropertyKind { Value, Reference, Event, Collection };

// A getter's answer: the value to store, or nullopt when there is nothing to
// store (the property keeps its default when read back).
using TStoredValue = std::optional<TLayoutValue>;

// A property of the items of a collection; items are addressed by index.
struct TItemPropertyInfo {
    std::string Name;
    std::function<void(TComponent&, int item, const TLayoutValue&)> SetValue;
    std::function<TStoredValue(const TComponent&, int item)> GetValue;  // may be empty
};

struct TCollectionInfo {
    std::function<int(const TComponent&)> Count;
    std::function<void(TComponent&)> Clear;
    // Appends an item with its defaults; returns its index.
    std::function<int(TComponent&)> Add;
    std::vector<TItemPropertyInfo> ItemProperties;

    // The item property of that name (case-insensitive), or nullptr.
    const TItemPropertyInfo* FindItemProperty(const std::string& name) const;
};

struct TPropertyInfo {
    std::string Name;
    TPropertyKind Kind = TPropertyKind::Value;
    std::function<void(TComponent&, const TLayoutValue&)> SetValue;
    std::function<TStoredValue(const TComponent&)> GetValue;  // may be empty
    // Receives the named component; raises Exception when it is of a class
    // the property cannot hold.
    std::function<void(TComponent&, TComponent*)> SetReference;
    std::function<TComponent*(const TComponent&)> GetReference;  // may be empty
    std::function<void(TComponent&, TNotifyEvent)> SetEvent;
    // Kind Collection; owned here so that its address stays fixed.
    std::unique_ptr<TCollectionInfo> Collection;
};

struct TClassInfo {
    std::string Name;
    const TClassInfo* Parent = nullptr;  // not owned: the registered base class
    // Creates an instance owned by owner; empty for classes that are only
    // ever the root of a layout (the root exists before its layout is read).
    std::function<TComponent*(TComponent* owner)> Create;
    // Whether a component is of this class (or derived from it): properties
    // are only ever set on instances.
    std::function<bool(const TComponent*)> IsInstance;
    std::vector<TPropertyInfo> Properties;

    // The property of that name here or in a base class (case-insensitive).
    const TPropertyInfo* FindProperty(const std::string& name) const;
    bool InheritsFrom(const std::string& className) const;
};

class TClassRegistry {
public:
    // Adds a class; parentName must already be registered (or empty).
    // Registering a name twice replaces nothing and raises Exception.
    TClassInfo& Register(const std::string& name, const std::string& parentName);
    const TClassInfo* Find(const std::string& name) const;
    // The most derived registered class the component is an instance of, or
    // nullptr when it is of none.
    const TClassInfo* FindClassOf(const TComponent& component) const;

private:
    std::map<std::string, std::unique_ptr<TClassInfo>> FClasses;  // key: lower-case name
};

// Conversions of stored values; each raises Exception naming what it expected.
std::int64_t LayoutInteger(const TLayoutValue& v, std::int64_t min, std::int64_t max);
int LayoutInt(const TLayoutValue& v);
bool LayoutBool(const TLayoutValue& v);
const std::string& LayoutString(const TLayoutValue& v);
const std::vector<std::string>& LayoutStrings(const TLayoutValue& v);
const std::vector<std::uint8_t>& LayoutBinary(const TLayoutValue& v);
using TEnumNames = std::vector<std::pair<const char*, int>>;
int LayoutEnum(const TLayoutValue& v, const TEnumNames& names);
// A set of identifiers from names, as a bit mask of their values (bit numbers).
unsigned LayoutSet(const TLayoutValue& v, const TEnumNames& names);

// Registers the properties of the items of a collection property of C;
// made by TClassBuilder<C>::Collection. Items is the collection type
// (GetCount, GetItem const and not, Add returning the new item, Clear).
template <class C, class Items>
class TCollectionBuilder {
public:
    using TItem = std::remove_cvref_t<decltype(std::declval<Items&>().GetItem(0))>;

    // access(c) gives the collection of c, for a const C as for a C.
    template <class Access>
    TCollectionBuilder(TCollectionInfo& info, Access access) : FInfo(info) {
        FInfo.Count = [access](const TComponent& c) { return access(static_cast<const C&>(c)).GetCount(); };
        FInfo.Clear = [access](TComponent& c) { access(static_cast<C&>(c)).Clear(); };
        FInfo.Add = [access](TComponent& c) {
            Items& items = access(static_cast<C&>(c));
            items.Add();
            return items.GetCount() - 1;
        };
        FItem = [access](TComponent& c, int index) -> TItem& { return access(static_cast<C&>(c)).GetItem(index); };
        FConstItem = [access](const TComponent& c, int index) -> const TItem& {
            return access(static_cast<const C&>(c)).GetItem(index);
        };
    }

    TCollectionBuilder& Value(const std::string& name, std::function<void(TItem&, const TLayoutValue&)> set,
                              std::function<TStoredValue(const TItem&)> get) {
        TItemPropertyInfo p;
        p.Name = name;
        p.SetValue = [item = FItem, set](TComponent& c, int index, const TLayoutValue& v) { set(item(c, index), v); };
        if (get) p.GetValue = [item = FConstItem, get](const TComponent& c, int index) { return get(item(c, index)); };
        FInfo.ItemProperties.push_back(std::move(p));
        return *this;
    }
    TCollectionBuilder& Str(const std::string& name, const std::string& (TItem::*get)() const,
                            void (TItem::*set)(const std::string&)) {
        return Value(
            name, [set](TItem& i, const TLayoutValue& v) { (i.*set)(LayoutString(v)); },
            [get](const TItem& i) -> TStoredValue { return TLayoutValue::OfString((i.*get)()); });
    }
    TCollectionBuilder& Int(const std::string& name, int (TItem::*get)() const, void (TItem::*set)(int)) {
        return Value(
            name, [set](TItem& i, const TLayoutValue& v) { (i.*set)(LayoutInt(v)); },
            [get](const TItem& i) -> TStoredValue { return TLayoutValue::OfInteger((i.*get)()); });
    }

private:
    TCollectionInfo& FInfo;
    std::function<TItem&(TComponent&, int)> FItem;
    std::function<const TItem&(const TComponent&, int)> FConstItem;
};

// Registers a class C with typed property setters, and getters where the
// class is to be written back:
//   TClassBuilder<TLabel>(registry, "TLabel", "TGraphicControl").Creatable()
//       .Str("Caption", &TLabel::SetCaption).Int("Left", &TLabel::GetLeft, &TLabel::SetLeft);
// A collection property ends the chain and describes its items:
//   TClassBuilder<TbsCompressedSkinList>(registry, "TbsCompressedSkinList", "TComponent")
//       .Creatable()
//       .Collection("Skins", [](auto& list) -> auto& { return list.GetSkins(); })
//       .Str("Name", &TbsSkinListItem::GetName, &TbsSkinListItem::SetName);
template <class C>
class TClassBuilder {
public:
    TClassBuilder(TClassRegistry& registry, const std::string& name, const std::string& parentName)
        : FInfo(registry.Register(name, parentName)) {
        FInfo.IsInstance = [](const TComponent* c) { return dynamic_cast<const C*>(c) != nullptr; };
    }

    TClassBuilder& Creatable() {
        FInfo.Create = [](TComponent* owner) -> TComponent* { return new C(owner); };
        return *this;
    }
    TClassBuilder& Value(const std::string& name, std::function<void(C&, const TLayoutValue&)> set,
                         std::function<TStoredValue(const C&)> get = {}) {
        TPropertyInfo p;
        p.Name = name;
        p.SetValue = [set](TComponent& c, const TLayoutValue& v) { set(static_cast<C&>(c), v); };
        if (get) p.GetValue = [get](const TComponent& c) { return get(static_cast<const C&>(c)); };
        FInfo.Properties.push_back(std::move(p));
        return *this;
    }
    TClassBuilder& Int(const std::string& name, void (C::*set)(int)) {
        return Value(name, [set](C& c, const TLayoutValue& v) { (c.*set)(LayoutInt(v)); });
    }
    TClassBuilder& Int(const std::string& name, int (C::*get)() const, void (C::*set)(int)) {
        return Value(
            name, [set](C& c, const TLayoutValue& v) { (c.*set)(LayoutInt(v)); },
            [get](const C& c) -> TStoredValue { return TLayoutValue::OfInteger((c.*get)()); });
    }
    TClassBuilder& Bool(const std::string& name, void (C::*set)(bool)) {
        return Value(name, [set](C& c, const TLayoutValue& v) { (c.*set)(LayoutBool(v)); });
    }
    TClassBuilder& Bool(const std::string& name, bool (C::*get)() const, void (C::*set)(bool)) {
        return Value(
            name, [set](C& c, const TLayoutValue& v) { (c.*set)(LayoutBool(v)); },
            [get](const C& c) -> TStoredValue { return TLayoutValue::OfBool((c.*get)()); });
    }
    TClassBuilder& Str(const std::string& name, void (C::*set)(const std::string&)) {
        return Value(name, [set](C& c, const TLayoutValue& v) { (c.*set)(LayoutString(v)); });
    }
    TClassBuilder& Str(const std::string& name, const std::string& (C::*get)() const,
                       void (C::*set)(const std::string&)) {
        return Value(
            name, [set](C& c, const TLayoutValue& v) { (c.*set)(LayoutString(v)); },
            [get](const C& c) -> TStoredValue { return TLayoutValue::OfString((c.*get)()); });
    }
    template <class E>
    TClassBuilder& Enum(const std::string& name, void (C::*set)(E), const TEnumNames& names) {
        return Value(name, [set, names](C& c, const TLayoutValue& v) { (c.*set)(static_cast<E>(LayoutEnum(v, names))); });
    }
    // Accepts the value and ignores it: a stored setting with no effect here.
    TClassBuilder& Ignored(const std::string& name) {
        return Value(name, [](C&, const TLayoutValue&) {});
    }
    template <class T>
    TClassBuilder& Ref(const std::string& name, void (C::*set)(T*)) {
        TPropertyInfo p;
        p.Name = name;
        p.Kind = TPropertyKind::Reference;
        p.SetReference = [set](TComponent& c, TComponent* target) {
            T* typed = dynamic_cast<T*>(target);
            if (target && !typed) throw Exception("component " + target->GetName() + " is of the wrong class");
            (static_cast<C&>(c).*set)(typed);
        };
        FInfo.Properties.push_back(std::move(p));
        return *this;
    }
    template <class T>
    TClassBuilder& Ref(const std::string& name, T* (C::*get)() const, void (C::*set)(T*)) {
        Ref(name, set);
        FInfo.Properties.back().GetReference = [get](const TComponent& c) -> TComponent* {
            return (static_cast<const C&>(c).*get)();
        };
        return *this;
    }
    // A collection property; access(c) gives the collection of c, for a
    // const C as for a C (a generic lambda). Returns the builder of the
    // items' properties.
    template <class Access>
    auto Collection(const std::string& name, Access access) {
        using TItems = std::remove_cvref_t<decltype(access(std::declval<C&>()))>;
        TPropertyInfo p;
        p.Name = name;
        p.Kind = TPropertyKind::Collection;
        p.Collection = std::make_unique<TCollectionInfo>();
        TCollectionInfo& info = *p.Collection;
        FInfo.Properties.push_back(std::move(p));
        return TCollectionBuilder<C, TItems>(info, access);
    }
    TClassBuilder& Event(const std::string& name, void (C::*set)(TNotifyEvent)) {
        TPropertyInfo p;
        p.Name = name;
        p.Kind = TPropertyKind::Event;
        p.SetEvent = [set](TComponent& c, TNotifyEvent e) { (static_cast<C&>(c).*set)(std::move(e)); };
        FInfo.Properties.push_back(std::move(p));
        return *this;
    }

private:
    TClassInfo& FInfo;
};
