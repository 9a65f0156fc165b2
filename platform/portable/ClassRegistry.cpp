#include "platform/portable/ClassRegistry.h"

#include <algorithm>
#include <cctype>

#include "platform/portable/Exception.h"

namespace {
std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}
}  // namespace

const TPropertyInfo* TClassInfo::FindProperty(const std::string& name) const {
    for (const TClassInfo* c = this; c; c = c->Parent) {
        for (const TPropertyInfo& p : c->Properties) {
            if (SameName(p.Name, name)) return &p;
        }
    }
    return nullptr;
}

const TItemPropertyInfo* TCollectionInfo::FindItemProperty(const std::string& name) const {
    for (const TItemPropertyInfo& p : ItemProperties) {
        if (SameName(p.Name, name)) return &p;
    }
    return nullptr;
}

bool TClassInfo::InheritsFrom(const std::string& className) const {
    for (const TClassInfo* c = this; c; c = c->Parent) {
        if (SameName(c->Name, className)) return true;
    }
    return false;
}

TClassInfo& TClassRegistry::Register(const std::string& name, const std::string& parentName) {
    std::string key = Lower(name);
    if (FClasses.count(key)) throw Exception("Class " + name + " is registered twice");
    const TClassInfo* parent = nullptr;
    if (!parentName.empty()) {
        parent = Find(parentName);
        if (!parent) throw Exception("Class " + name + " names an unregistered base class " + parentName);
    }
    auto info = std::make_unique<TClassInfo>();
    info->Name = name;
    info->Parent = parent;
    TClassInfo& ref = *info;
    FClasses.emplace(key, std::move(info));
    return ref;
}

const TClassInfo* TClassRegistry::Find(const std::string& name) const {
    auto it = FClasses.find(Lower(name));
    return it == FClasses.end() ? nullptr : it->second.get();
}

const TClassInfo* TClassRegistry::FindClassOf(const TComponent& component) const {
    const TClassInfo* best = nullptr;
    int bestDepth = -1;
    for (const auto& [key, info] : FClasses) {
        if (!info->IsInstance || !info->IsInstance(&component)) continue;
        int depth = 0;
        for (const TClassInfo* c = info->Parent; c; c = c->Parent) ++depth;
        // Of two registrations of one C++ class the first by name wins.
        if (depth > bestDepth) {
            best = info.get();
            bestDepth = depth;
        }
    }
    return best;
}

std::int64_t LayoutInteger(const TLayoutValue& v, std::int64_t min, std::int64_t max) {
    if (v.Kind != TLayoutValue::TKind::Integer) throw Exception("expected an integer, not " + v.Describe());
    if (v.Integer < min || v.Integer > max) throw Exception("value " + v.Describe() + " out of range");
    return v.Integer;
}

int LayoutInt(const TLayoutValue& v) { return int(LayoutInteger(v, INT32_MIN, INT32_MAX)); }

bool LayoutBool(const TLayoutValue& v) {
    if (v.Kind == TLayoutValue::TKind::Ident) {
        if (SameName(v.Text, "True")) return true;
        if (SameName(v.Text, "False")) return false;
    }
    throw Exception("expected True or False, not " + v.Describe());
}

const std::string& LayoutString(const TLayoutValue& v) {
    if (v.Kind != TLayoutValue::TKind::String) throw Exception("expected a string, not " + v.Describe());
    return v.Text;
}

const std::vector<std::string>& LayoutStrings(const TLayoutValue& v) {
    if (v.Kind != TLayoutValue::TKind::List) throw Exception("expected a list of strings, not " + v.Describe());
    return v.Items;
}

const std::vector<std::uint8_t>& LayoutBinary(const TLayoutValue& v) {
    if (v.Kind != TLayoutValue::TKind::Binary) throw Exception("expected binary data, not " + v.Describe());
    return v.Bytes;
}

int LayoutEnum(const TLayoutValue& v, const TEnumNames& names) {
    if (v.Kind == TLayoutValue::TKind::Ident) {
        for (const auto& [name, value] : names) {
            if (SameName(name, v.Text)) return value;
        }
    }
    throw Exception("unknown value " + v.Describe());
}

unsigned LayoutSet(const TLayoutValue& v, const TEnumNames& names) {
    if (v.Kind != TLayoutValue::TKind::Set) throw Exception("expected a set, not " + v.Describe());
    unsigned mask = 0;
    for (const std::string& item : v.Items) {
        TLayoutValue one;
        one.Kind = TLayoutValue::TKind::Ident;
        one.Text = item;
        mask |= 1u << LayoutEnum(one, names);
    }
    return mask;
}
