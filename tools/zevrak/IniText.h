// The skin definition text as the generator writes it: sections and keys in
// the order they are added, lines ending in CR LF, values in the forms the
// skin reader expects (rectangle "l,t,r,b", point "x,y", boolean "1"/"0").
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/portable/Types.h"

namespace zevrak {

class TIniSection {
public:
    explicit TIniSection(std::string name) : FName(std::move(name)) {}

    const std::string& Name() const { return FName; }
    const std::vector<std::pair<std::string, std::string>>& Keys() const { return FKeys; }

    TIniSection& Text(const std::string& key, const std::string& value);
    TIniSection& Int(const std::string& key, long long value);
    TIniSection& Bool(const std::string& key, bool value);
    TIniSection& Rect(const std::string& key, const TRect& value);
    TIniSection& Point(const std::string& key, const TPoint& value);
    // A list: "<name>count" and the items "0".."N-1" (or, with an empty
    // name, "count" and the items, as the skin object and control lists).
    TIniSection& List(const std::string& name, const std::vector<std::string>& items);

    // The value of a key, or nullptr when it was not written.
    const std::string* Find(const std::string& key) const;

private:
    std::string FName;
    std::vector<std::pair<std::string, std::string>> FKeys;
};

class TIniText {
public:
    // The section of that name, created at the end when it does not exist.
    TIniSection& Section(const std::string& name);
    const TIniSection* Find(const std::string& name) const;
    const std::vector<TIniSection>& Sections() const { return FSections; }

    // "[name]" lines, "key=value" lines, a blank line after each section.
    std::string Render() const;

private:
    std::vector<TIniSection> FSections;
};

}  // namespace zevrak
