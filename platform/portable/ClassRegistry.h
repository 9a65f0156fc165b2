// The classes a layout may name, and their stored properties.
//
// Each class is registered once with its name, its base class, how to
// create it and the properties a layout may set on it, by name. A property
// is set from a plain value, names another component (resolved after the
// whole layout has been read) or names an event handler of the layout's root.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/portable/Component.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutText.h"

enum class TPropertyKind { Value, Reference, Event };

struct TPropertyInfo {
    std::string Name;
    TPropertyKind Kind = TPropertyKind::Value;
    std::function<void(TComponent&, const TLayoutValue&)> SetValue;
    // Receives the named component; raises Exception when it is of a class
    // the property cannot hold.
    std::function<void(TComponent&, TComponent*)> SetReference;
    std::function<void(TComponent&, TNotifyEvent)> SetEvent;
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

// Registers a class C with typed property setters:
//   TClassBuilder<TLabel>(registry, "TLabel", "TGraphicControl").Creatable()
//       .Str("Caption", &TLabel::SetCaption).Int("Left", &TLabel::SetLeft);
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
    TClassBuilder& Value(const std::string& name, std::function<void(C&, const TLayoutValue&)> set) {
        TPropertyInfo p;
        p.Name = name;
        p.SetValue = [set](TComponent& c, const TLayoutValue& v) { set(static_cast<C&>(c), v); };
        FInfo.Properties.push_back(std::move(p));
        return *this;
    }
    TClassBuilder& Int(const std::string& name, void (C::*set)(int)) {
        return Value(name, [set](C& c, const TLayoutValue& v) { (c.*set)(LayoutInt(v)); });
    }
    TClassBuilder& Bool(const std::string& name, void (C::*set)(bool)) {
        return Value(name, [set](C& c, const TLayoutValue& v) { (c.*set)(LayoutBool(v)); });
    }
    TClassBuilder& Str(const std::string& name, void (C::*set)(const std::string&)) {
        return Value(name, [set](C& c, const TLayoutValue& v) { (c.*set)(LayoutString(v)); });
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
