// Layout text written back from nodes and from components reads back to
// the same values; what the text cannot carry is refused, not mangled.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutReader.h"
#include "platform/portable/LayoutText.h"
#include "platform/portable/LayoutWriter.h"

namespace {

TLayoutNode Parse(const std::string& text) { return ParseLayoutText(text, nullptr); }

TLayoutProperty Prop(const std::string& name, TLayoutValue value) { return {name, std::move(value), 0}; }

std::string AllBytes() {
    std::string s;
    for (int i = 0; i < 256; ++i) s += char(i);
    return s;
}

TEST(LayoutWriter, TextShowsEachValueFormReadably) {
    TLayoutNode node{"Form1", "TForm1", 0, {}, {}};
    node.Properties = {
        Prop("Caption", TLayoutValue::OfString("say \"hi\"\\\n\xC7")),
        Prop("Left", TLayoutValue::OfInteger(-12)),
        Prop("Position", TLayoutValue::OfIdent("poScreenCenter")),
        Prop("BorderIcons", TLayoutValue::OfSet({"biSystemMenu", "biMinimize"})),
        Prop("Items", TLayoutValue::OfList({"0", "00"})),
        Prop("Picture.Data", TLayoutValue::OfBinary({0x00, 0xAB, 0x10})),
    };
    TLayoutItem item;
    item.Properties = {Prop("Name", TLayoutValue::OfString("a"))};
    TLayoutNode list{"List", "TList", 0, {Prop("Skins", TLayoutValue::OfCollection({item, TLayoutItem()}))}, {}};
    node.Children = {list};
    EXPECT_EQ(FormatLayoutText(node),
              "Form1: TForm1 {\n"
              "  Caption = \"say \\\"hi\\\"\\\\\\n\\xc7\"\n"
              "  Left = -12\n"
              "  Position = poScreenCenter\n"
              "  BorderIcons = [biSystemMenu, biMinimize]\n"
              "  Items = (\"0\", \"00\")\n"
              "  Picture.Data = hex(\"00ab10\")\n"
              "  List: TList {\n"
              "    Skins = <\n"
              "      item {\n"
              "        Name = \"a\"\n"
              "      }\n"
              "      item {\n"
              "      }\n"
              "    >\n"
              "  }\n"
              "}\n");
}

TEST(LayoutWriter, EveryValueReadsBackEqualIncludingEveryByteAndTheLimits) {
    TLayoutItem inner;
    inner.Properties = {Prop("Deep", TLayoutValue::OfList({AllBytes(), ""}))};
    TLayoutItem outer;
    outer.Properties = {Prop("Text", TLayoutValue::OfString(AllBytes())),
                        Prop("Nested", TLayoutValue::OfCollection({inner, TLayoutItem()})),
                        Prop("Empty", TLayoutValue::OfCollection({}))};
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 256; ++i) bytes.push_back(std::uint8_t(255 - i));

    TLayoutNode node{"R", "TRoot", 0, {}, {}};
    node.Properties = {
        Prop("Text", TLayoutValue::OfString(AllBytes())),
        Prop("Blank", TLayoutValue::OfString("")),
        Prop("Zero", TLayoutValue::OfInteger(0)),
        Prop("Lowest", TLayoutValue::OfInteger(-4294967295LL)),
        Prop("Highest", TLayoutValue::OfInteger(4294967295LL)),
        Prop("Flag", TLayoutValue::OfBool(true)),
        Prop("NoSet", TLayoutValue::OfSet({})),
        Prop("NoList", TLayoutValue::OfList({})),
        Prop("Bytes", TLayoutValue::OfBinary(bytes)),
        Prop("NoBytes", TLayoutValue::OfBinary({})),
        Prop("Items", TLayoutValue::OfCollection({outer, outer})),
    };
    TLayoutNode child{"C1", "TThing", 0, {Prop("Name_2", TLayoutValue::OfIdent("hex"))}, {}};
    TLayoutNode grandChild{"C2", "TThing", 0, {}, {}};
    child.Children = {grandChild};
    node.Children = {child, TLayoutNode{"C3", "TThing", 0, {}, {}}};

    const std::string text = FormatLayoutText(node);
    EXPECT_EQ(Parse(text), node) << text;
    EXPECT_EQ(FormatLayoutText(Parse(text)), text);
}

TEST(LayoutWriter, ValuesTheTextCannotCarryAreRefused) {
    const auto withProperty = [](const std::string& name, TLayoutValue value) {
        return TLayoutNode{"R", "TRoot", 0, {Prop(name, std::move(value))}, {}};
    };
    const TLayoutNode refused[] = {
        withProperty("Left", TLayoutValue::OfInteger(4294967296LL)),
        withProperty("Left", TLayoutValue::OfInteger(-4294967296LL)),
        withProperty("two words", TLayoutValue::OfInteger(1)),
        withProperty("Trailing.", TLayoutValue::OfInteger(1)),
        withProperty("Align", TLayoutValue::OfIdent("3rd")),
        withProperty("Align", TLayoutValue::OfIdent("")),
        withProperty("Icons", TLayoutValue::OfSet({"ok", "not ok"})),
        TLayoutNode{"", "TRoot", 0, {}, {}},
        TLayoutNode{"R", "T.Root", 0, {}, {}},
        TLayoutNode{"R", "TRoot", 0, {}, {TLayoutNode{"A.B", "TThing", 0, {}, {}}}},
    };
    for (const TLayoutNode& node : refused) EXPECT_THROW(FormatLayoutText(node), Exception) << node.Name;
}

// Components to write: a registered root and a widget with each kind of
// property.
class TWidget : public TComponent {
public:
    using TComponent::TComponent;
    int GetSize() const { return FSize; }
    void SetSize(int v) { FSize = v; }
    const std::string& GetTitle() const { return FTitle; }
    void SetTitle(const std::string& v) { FTitle = v; }
    TComponent* GetBuddy() const { return FBuddy; }
    void SetBuddy(TComponent* v) { FBuddy = v; }
    void SetOnPing(TNotifyEvent e) { FOnPing = std::move(e); }
    int Unwritten = 0;

private:
    int FSize = 0;
    std::string FTitle;
    TComponent* FBuddy = nullptr;  // not owned
    TNotifyEvent FOnPing;
};

class TWideWidget : public TWidget {
public:
    using TWidget::TWidget;
};

class TWriterRoot : public TComponent {
public:
    TWriterRoot() : TComponent(nullptr) {}
    TNotifyEvent FindMethod(const std::string& name) override {
        if (name == "Ping") return [](TComponent*) {};
        return {};
    }
};

const TClassRegistry& WriterClasses() {
    static TClassRegistry registry;
    static bool done = false;
    if (!done) {
        done = true;
        TClassBuilder<TComponent>(registry, "TComponent", "");
        TClassBuilder<TWriterRoot>(registry, "TWriterRoot", "TComponent");
        TClassBuilder<TWidget>(registry, "TWidget", "TComponent")
            .Creatable()
            .Int("Size", &TWidget::GetSize, &TWidget::SetSize)
            .Str("Title", &TWidget::GetTitle, &TWidget::SetTitle)
            .Ref("Buddy", &TWidget::GetBuddy, &TWidget::SetBuddy)
            .Event("OnPing", &TWidget::SetOnPing)
            .Value("Unwritten", [](TWidget& w, const TLayoutValue& v) { w.Unwritten = LayoutInt(v); });
        TClassBuilder<TWideWidget>(registry, "TWideWidget", "TWidget").Creatable();
    }
    return registry;
}

TWidget* Widget(TComponent& root, const char* name) { return dynamic_cast<TWidget*>(root.FindComponent(name)); }

TEST(LayoutWriter, ComponentsReadBackWithTheirPropertiesAndReferences) {
    TWriterRoot root;
    ReadLayout(root, Parse(R"(Root: TWriterRoot {
        A: TWidget { Size = -3 Title = "tab\there" Buddy = B OnPing = Ping Unwritten = 9 }
        B: TWideWidget { Size = 7 Buddy = Root }
        C: TWidget { }
      })"), WriterClasses());

    const std::string text = WriteLayoutText(root, WriterClasses());
    // Events and properties without a getter are not written.
    EXPECT_EQ(text.find("OnPing"), std::string::npos) << text;
    EXPECT_EQ(text.find("Unwritten"), std::string::npos) << text;
    EXPECT_NE(text.find("B: TWideWidget {"), std::string::npos) << text;  // the most derived registered class

    TWriterRoot copy;
    ReadLayout(copy, Parse(text), WriterClasses());
    EXPECT_EQ(copy.GetName(), "Root");
    ASSERT_EQ(copy.GetComponentCount(), 3);
    EXPECT_EQ(Widget(copy, "A")->GetSize(), -3);
    EXPECT_EQ(Widget(copy, "A")->GetTitle(), "tab\there");
    EXPECT_EQ(Widget(copy, "A")->GetBuddy(), Widget(copy, "B"));
    EXPECT_NE(dynamic_cast<TWideWidget*>(Widget(copy, "B")), nullptr);
    EXPECT_EQ(Widget(copy, "B")->GetBuddy(), &copy);
    EXPECT_EQ(Widget(copy, "C")->GetBuddy(), nullptr);
    EXPECT_EQ(WriteLayoutText(copy, WriterClasses()), text);
}

TEST(LayoutWriter, ComponentsTheLayoutCouldNotNameAreRefused) {
    {
        TWriterRoot root;
        root.SetName("Root");
        auto* a = new TWidget(&root);
        a->SetName("A");
        TWriterRoot other;
        auto* stranger = new TWidget(&other);
        stranger->SetName("Stranger");
        a->SetBuddy(stranger);  // owned by another root: the reader could not resolve it
        EXPECT_THROW(WriteLayoutText(root, WriterClasses()), Exception);
        stranger->SetName("");
        EXPECT_THROW(WriteLayoutText(root, WriterClasses()), Exception);
        a->SetBuddy(nullptr);
        EXPECT_NO_THROW(WriteLayoutText(root, WriterClasses()));
    }
    {
        class TUnregistered : public TComponent {
        public:
            using TComponent::TComponent;
        };
        TWriterRoot root;
        root.SetName("Root");
        (new TUnregistered(&root))->SetName("X");
        // A plain TComponent is registered, so X is written as one...
        EXPECT_NE(WriteLayoutText(root, WriterClasses()).find("X: TComponent"), std::string::npos);
        // ...but without it there is no class to name.
        TClassRegistry bare;
        TClassBuilder<TWriterRoot>(bare, "TWriterRoot", "");
        EXPECT_THROW(WriteLayoutText(root, bare), Exception);
    }
}

}  // namespace
