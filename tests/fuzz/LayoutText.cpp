// Any text given to the layout parser and reader either builds components
// or raises Exception; nothing else (no crash, no other exception, no hang).
// Whatever parses is written back (LayoutWriter.h) to a text that parses to
// an equal layout.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutReader.h"
#include "platform/portable/LayoutText.h"
#include "platform/portable/LayoutWriter.h"

namespace {

struct TFuzzItem {
    std::string Text;
    const std::string& GetText() const { return Text; }
    void SetText(const std::string& v) { Text = v; }
};

struct TFuzzItems {
    std::vector<TFuzzItem> Items;
    int GetCount() const { return int(Items.size()); }
    TFuzzItem& GetItem(int i) { return Items.at(std::size_t(i)); }
    const TFuzzItem& GetItem(int i) const { return Items.at(std::size_t(i)); }
    TFuzzItem& Add() { return Items.emplace_back(); }
    void Clear() { Items.clear(); }
};

class TFuzzThing : public TComponent {
public:
    using TComponent::TComponent;
    void SetNumber(int v) { Number = v; }
    void SetText(const std::string& v) { Text = v; }
    void SetOther(TFuzzThing* v) { Other = v; }
    int Number = 0;
    std::string Text;
    TFuzzThing* Other = nullptr;
    TFuzzItems List;
};

class TFuzzRoot : public TComponent {
public:
    TFuzzRoot() : TComponent(nullptr) {}
    TNotifyEvent FindMethod(const std::string& name) override {
        if (name == "Handler") return [](TComponent*) {};
        return {};
    }
};

const TClassRegistry& Classes() {
    static TClassRegistry r;
    static bool done = false;
    if (!done) {
        done = true;
        TClassBuilder<TComponent>(r, "TComponent", "");
        TClassBuilder<TFuzzRoot>(r, "TRoot", "TComponent");
        TClassBuilder<TFuzzThing>(r, "TThing", "TComponent")
            .Creatable()
            .Int("Number", &TFuzzThing::SetNumber)
            .Str("Text", &TFuzzThing::SetText)
            .Ref("Other", &TFuzzThing::SetOther)
            .Value("Data", [](TFuzzThing&, const TLayoutValue& v) { (void)ReadStoredPicture(LayoutBinary(v)); })
            .Collection("List", [](auto& thing) -> auto& { return thing.List; })
            .Str("Text", &TFuzzItem::GetText, &TFuzzItem::SetText);
    }
    return r;
}

std::optional<std::vector<std::uint8_t>> Resources(const std::string& name) {
    if (name == "R") return std::vector<std::uint8_t>{10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e', 1, 0, 0, 0, 7};
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    TLayoutNode node;
    try {
        node = ParseLayoutText(text, Resources);
    } catch (const Exception&) {
        return 0;
    }
    // Not inside the try: a parsed layout the writer refuses is a fault.
    if (!(ParseLayoutText(FormatLayoutText(node), Resources) == node)) __builtin_trap();
    try {
        TFuzzRoot root;
        ReadLayout(root, node, Classes());
    } catch (const Exception&) {
    }
    return 0;
}
