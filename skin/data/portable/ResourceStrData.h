// TbsResourceStrData: the non-visual component that holds the skin
// library's user-visible texts and the character set the skinned controls
// use for their fonts. A skin data manager refers to it (its
// ResourceStrData) and announces it to the open forms when it is set.
//
// ResStrings are lines "NAME=text"; GetResStr finds a text by its name.
#pragma once

#include <string>
#include <vector>

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Component.h"
#include "platform/portable/LayoutValues.h"  // FontCharSetNames

// A font's character set number when nothing chooses one (DEFAULT_CHARSET).
inline constexpr int DefaultFontCharSet = 1;

class TbsResourceStrData : public TComponent {
public:
    explicit TbsResourceStrData(TComponent* AOwner);

    const std::vector<std::string>& GetResStrings() const { return FResStrings; }
    void SetResStrings(std::vector<std::string> value) { FResStrings = std::move(value); }

    // 0 to 255; other values raise Exception and change nothing.
    int GetCharSet() const { return FCharSet; }
    void SetCharSet(int value);

    // The text after the first '=' of the first line whose part before it
    // equals name (letter case ignored, as component names); empty when no
    // line has that name. A line without '=' names nothing.
    std::string GetResStr(const std::string& name) const;

private:
    std::vector<std::string> FResStrings;
    int FCharSet = DefaultFontCharSet;
};

// Registers TbsResourceStrData with ResStrings (a list of strings) and
// CharSet (a number 0 to 255 or a FontCharSetNames identifier), both
// readable and writable.
void RegisterResourceStrDataClass(TClassRegistry& registry);
