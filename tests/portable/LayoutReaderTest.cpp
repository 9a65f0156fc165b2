// Stored layouts: parsing, creation order, properties, deferred references,
// loaded notifications and the errors for each kind of bad input.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/portable/ClassRegistry.h"
#include "platform/portable/Exception.h"
#include "platform/portable/LayoutReader.h"
#include "platform/portable/LayoutText.h"

namespace {

// Everything that happens to the test components, in order.
std::vector<std::string>& Journal() {
    static std::vector<std::string> journal;
    return journal;
}

// An item of TThing's collection, with its defaults.
class TEntry {
public:
    const std::string& GetLabel() const { return Label; }
    void SetLabel(const std::string& v) { Label = v; }
    int GetWeight() const { return Weight; }
    void SetWeight(int v) { Weight = v; }
    std::string Label = "unnamed";
    int Weight = 1;
};

class TEntries {
public:
    int GetCount() const { return int(Items.size()); }
    TEntry& GetItem(int i) { return Items.at(std::size_t(i)); }
    const TEntry& GetItem(int i) const { return Items.at(std::size_t(i)); }
    TEntry& Add() { return Items.emplace_back(); }
    void Clear() { Items.clear(); }
    std::vector<TEntry> Items;
};

class TThing : public TComponent {
public:
    explicit TThing(TComponent* owner) : TComponent(owner) { Journal().push_back("create"); }
    void SetCount(int v) {
        Count = v;
        Journal().push_back(GetName() + ".Count");
    }
    void SetLabel(const std::string& v) { Label = v; }
    void SetFlag(bool v) { Flag = v; }
    void SetPartner(TThing* v) {
        Partner = v;
        Journal().push_back(GetName() + ".Partner=" + (v ? v->GetName() : "nil"));
    }
    void SetOnPing(TNotifyEvent e) { OnPing = std::move(e); }
    void SetParentComponent(TComponent* p) override { Container = p; }
    void Loaded() override {
        TComponent::Loaded();
        Journal().push_back(GetName() + ".Loaded");
    }
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (op == TOperation::opRemove && c == Partner) Partner = nullptr;
    }

    int Count = 0;
    std::string Label;
    bool Flag = false;
    TThing* Partner = nullptr;
    TComponent* Container = nullptr;
    TNotifyEvent OnPing;
    TEntries Entries;
};

class TOther : public TComponent {
public:
    using TComponent::TComponent;
};

class TRoot : public TComponent {
public:
    TRoot() : TComponent(nullptr) {}
    TNotifyEvent FindMethod(const std::string& name) override {
        if (name == "RootPing") return [this](TComponent* sender) { Pinged = sender; };
        return {};
    }
    void Loaded() override {
        TComponent::Loaded();
        Journal().push_back("root.Loaded");
    }
    void SetTitle(const std::string& v) { Title = v; }
    std::string Title;
    TComponent* Pinged = nullptr;
};

TClassRegistry& Classes() {
    static TClassRegistry registry;
    static bool done = false;
    if (!done) {
        done = true;
        TClassBuilder<TComponent>(registry, "TComponent", "");
        TClassBuilder<TRoot>(registry, "TRoot", "TComponent").Str("Title", &TRoot::SetTitle);
        TClassBuilder<TThing>(registry, "TThing", "TComponent")
            .Creatable()
            .Int("Count", &TThing::SetCount)
            .Str("Label", &TThing::SetLabel)
            .Bool("Flag", &TThing::SetFlag)
            .Ref("Partner", &TThing::SetPartner)
            .Event("OnPing", &TThing::SetOnPing)
            .Collection("Entries", [](auto& thing) -> auto& { return thing.Entries; })
            .Str("Label", &TEntry::GetLabel, &TEntry::SetLabel)
            .Int("Weight", &TEntry::GetWeight, &TEntry::SetWeight);
        TClassBuilder<TOther>(registry, "TOther", "TComponent").Creatable();
    }
    return registry;
}

std::optional<std::vector<std::uint8_t>> TestResources(const std::string& name) {
    if (name == "DATA") return std::vector<std::uint8_t>{1, 2, 3};
    return std::nullopt;
}

// Reads text into a fresh root; returns the error text, empty on success.
std::string ReadInto(TRoot& root, const std::string& text) {
    Journal().clear();
    try {
        ReadLayout(root, ParseLayoutText(text, TestResources), Classes());
    } catch (const Exception& e) {
        return e.what();
    }
    return {};
}

TThing* Thing(TRoot& root, const char* name) { return dynamic_cast<TThing*>(root.FindComponent(name)); }

TEST(LayoutReader, CreatesComponentsInStoredOrderAndSetsPropertiesByName) {
    TRoot root;
    ASSERT_EQ(ReadInto(root, R"(
        # a comment
        Root1: TRoot {
          Title = "Table \"one\"\x21"
          A: TThing { Count = 3  Label = "x" Flag = True }
          B: TThing {
            count = -7      # names are matched without regard to case
            C: TThing { Count = 0x10 }
          }
        })"), "");
    EXPECT_EQ(root.GetName(), "Root1");
    EXPECT_EQ(root.Title, "Table \"one\"!");
    ASSERT_EQ(root.GetComponentCount(), 3);
    EXPECT_EQ(root.GetComponent(0)->GetName(), "A");
    EXPECT_EQ(root.GetComponent(1)->GetName(), "B");
    EXPECT_EQ(root.GetComponent(2)->GetName(), "C");
    EXPECT_EQ(Thing(root, "A")->Count, 3);
    EXPECT_TRUE(Thing(root, "A")->Flag);
    EXPECT_EQ(Thing(root, "B")->Count, -7);
    EXPECT_EQ(Thing(root, "C")->Count, 16);
    // Every component is owned by the root; nesting names the container.
    EXPECT_EQ(Thing(root, "C")->GetOwner(), &root);
    EXPECT_EQ(Thing(root, "C")->Container, Thing(root, "B"));
    EXPECT_EQ(Thing(root, "A")->Container, &root);
}

TEST(LayoutReader, ReferencesResolveAfterTheWholeLayoutIncludingLaterComponents) {
    TRoot root;
    ASSERT_EQ(ReadInto(root, R"(
        Root1: TRoot {
          A: TThing { Partner = B  Count = 1 }
          B: TThing { Partner = A  Count = 2 }
        })"), "");
    EXPECT_EQ(Thing(root, "A")->Partner, Thing(root, "B"));
    EXPECT_EQ(Thing(root, "B")->Partner, Thing(root, "A"));
    // Both plain properties were set before either reference was resolved,
    // and the loaded notifications came last, the root's after all others.
    std::vector<std::string> expected = {"create",    "A.Count",    "create",   "B.Count", "A.Partner=B",
                                         "B.Partner=A", "A.Loaded", "B.Loaded", "root.Loaded"};
    EXPECT_EQ(Journal(), expected);
}

TEST(LayoutReader, EventsBindToTheRootsHandlers) {
    TRoot root;
    ASSERT_EQ(ReadInto(root, "R: TRoot { A: TThing { OnPing = RootPing } }"), "");
    TThing* a = Thing(root, "A");
    ASSERT_TRUE(a->OnPing);
    a->OnPing(a);
    EXPECT_EQ(root.Pinged, a);
}

TEST(LayoutReader, LoadingStateLastsUntilLoaded) {
    TRoot root;
    ASSERT_EQ(ReadInto(root, "R: TRoot { A: TThing { } }"), "");
    EXPECT_FALSE(root.IsLoading());
    EXPECT_FALSE(Thing(root, "A")->IsLoading());
}

TEST(LayoutReader, BinaryValuesAndStoredPictures) {
    TLayoutNode node = ParseLayoutText(
        R"(R: TRoot { P = picture("TJPEGImage", resource("DATA"))  H = hex("00ff10") })", TestResources);
    ASSERT_EQ(node.Properties.size(), 2u);
    std::vector<std::uint8_t> expected = {10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e', 3, 0, 0, 0, 1, 2, 3};
    EXPECT_EQ(node.Properties[0].Value.Bytes, expected);
    EXPECT_EQ(node.Properties[1].Value.Bytes, (std::vector<std::uint8_t>{0x00, 0xff, 0x10}));
    TStoredPicture picture = ReadStoredPicture(expected);
    EXPECT_EQ(picture.ClassName, "TJPEGImage");
    EXPECT_EQ(picture.Data, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(LayoutReader, TruncatedStoredPictureIsRefused) {
    std::vector<std::uint8_t> stored = MakeStoredPicture("TJPEGImage", {1, 2, 3, 4});
    for (std::size_t cut : {std::size_t(0), std::size_t(1), std::size_t(10), std::size_t(14), stored.size() - 1}) {
        std::vector<std::uint8_t> shorter(stored.begin(), stored.begin() + std::ptrdiff_t(cut));
        EXPECT_THROW(ReadStoredPicture(shorter), Exception) << "cut at " << cut;
    }
}

struct TBadLayout {
    const char* Text;
    const char* MessagePart1;
    const char* MessagePart2;
};

TEST(LayoutReader, EachErrorNamesTheComponentAndProperty) {
    const TBadLayout cases[] = {
        {"R: TRoot { A: TNoSuchClass { } }", "R.A", "unknown class TNoSuchClass"},
        {"R: TRoot { A: TThing { Colour = 3 } }", "R.A (TThing), property \"Colour\"", "unknown property"},
        {"R: TRoot { A: TThing { Count = \"three\" } }", "property \"Count\"", "expected an integer"},
        {"R: TRoot { A: TThing { Count = 99999999999 } }", "Layout line 1", "out of range"},
        {"R: TRoot { A: TThing { Count = 4294967295 } }", "property \"Count\"", "out of range"},
        {"R: TRoot { A: TThing { Flag = Maybe } }", "property \"Flag\"", "True or False"},
        {"R: TRoot { A: TThing { Partner = Nobody } }", "R.A (TThing), property \"Partner\"", "no component named Nobody"},
        {"R: TRoot { A: TThing { Partner = O } O: TOther { } }", "property \"Partner\"", "wrong class"},
        {"R: TRoot { A: TThing { Partner = 5 } }", "property \"Partner\"", "expected a component name"},
        {"R: TRoot { A: TThing { OnPing = NoHandler } }", "property \"OnPing\"", "unknown handler NoHandler"},
        {"R: TRoot { A: TThing { } A: TThing { } }", "R.A", "already exists"},
        {"R: TRoot { A: TThing { Label = resource(\"MISSING\") } }", "Layout line 1", "no embedded resource MISSING"},
        {"R: TRoot { A: TThing { Label = \"open } }", "Layout line 1", "unterminated string"},
        {"R: TRoot { A: TThing { Count = 1 }", "Layout line 1", "missing '}'"},
        {"R: TRoot {\n\n A: TThing { Count 1 } }", "Layout line 3", "expected '=' or ':'"},
        {"R: TRoot { } extra", "Layout line 1", "text after the root"},
        {"R: TNoRoot { }", "R", "unknown class TNoRoot"},
        {"R: TThing { Count = 1 }", "R", "the layout is for a TThing"},
        {"R: TRoot { A: TThing { Label = hex(\"abc\") } }", "Layout line 1", "odd number of hex digits"},
        {"R: TRoot {\n A: TThing {\n\n Count = \"x\" } }", "property \"Count\", line 4", "expected an integer"},
        {"R: TRoot {\n A: TThing {\n Partner = Nobody } }", "property \"Partner\", line 3", "no component named"},
        // Collections.
        {"R: TRoot { A: TThing { Entries = <\n item { Label = \"a\" }\n item {\n Colour = 1 } > } }",
         "property \"Entries[1].Colour\", line 4", "unknown property"},
        {"R: TRoot { A: TThing { Entries = <\n item { Weight = \"heavy\" } > } }", "property \"Entries[0].Weight\", line 2",
         "expected an integer"},
        {"R: TRoot { A: TThing { Entries = (\"a\") } }", "property \"Entries\", line 1", "expected a collection"},
        {"R: TRoot { A: TThing { Count = <> } }", "property \"Count\"", "expected an integer, not <0 items>"},
        {"R: TRoot { A: TThing { Entries = < item { Label = \"a\" } } }", "Layout line 1", "expected 'item' or '>'"},
        {"R: TRoot { A: TThing { Entries = < items { } > } }", "Layout line 1", "expected 'item' or '>'"},
        {"R: TRoot { A: TThing { Entries = < item { Label: TThing { } } > } }", "Layout line 1", "expected '=' after Label"},
        {"R: TRoot { A: TThing { Entries = < item { Label = \"a\" ", "Layout line 1", "missing '}' of a collection item"},
        {"R: TRoot { A: TThing { Entries = < item { } ", "Layout line 1", "missing '>'"},
    };
    for (const TBadLayout& c : cases) {
        TRoot root;
        std::string error = ReadInto(root, c.Text);
        EXPECT_NE(error.find(c.MessagePart1), std::string::npos) << c.Text << "\n  gave: " << error;
        EXPECT_NE(error.find(c.MessagePart2), std::string::npos) << c.Text << "\n  gave: " << error;
    }
}

TEST(LayoutReader, DeepNestingIsRefusedNotRecursedInto) {
    std::string components = "R: TRoot {";
    for (int i = 0; i < 10000; ++i) components += " C" + std::to_string(i) + ": TThing {";
    EXPECT_THROW(ParseLayoutText(components, TestResources), Exception);
    std::string collections = "R: TRoot { X = ";
    for (int i = 0; i < 10000; ++i) collections += "< item { X = ";
    EXPECT_THROW(ParseLayoutText(collections, TestResources), Exception);
    std::string pictures = "R: TRoot { X = ";
    for (int i = 0; i < 10000; ++i) pictures += "picture(\"P\", ";
    EXPECT_THROW(ParseLayoutText(pictures, TestResources), Exception);
}

TEST(LayoutReader, CollectionItemsReplaceTheOldOnesInStoredOrderStartingFromTheirDefaults) {
    TRoot root;
    ASSERT_EQ(ReadInto(root, R"(
        R: TRoot {
          A: TThing {
            Entries = <
              item { Label = "first" Weight = 5 }
              item { }                     # every property left at its default
              item { weight = -2 }
            >
            Count = 4                      # properties after a collection still apply
          }
          B: TThing { Entries = <> }
        })"), "");
    const TEntries& entries = Thing(root, "A")->Entries;
    ASSERT_EQ(entries.GetCount(), 3);
    EXPECT_EQ(entries.GetItem(0).Label, "first");
    EXPECT_EQ(entries.GetItem(0).Weight, 5);
    EXPECT_EQ(entries.GetItem(1).Label, "unnamed");
    EXPECT_EQ(entries.GetItem(1).Weight, 1);
    EXPECT_EQ(entries.GetItem(2).Label, "unnamed");
    EXPECT_EQ(entries.GetItem(2).Weight, -2);
    EXPECT_EQ(Thing(root, "A")->Count, 4);
    EXPECT_EQ(Thing(root, "B")->Entries.GetCount(), 0);

    // Stored twice, the second list replaces the first.
    TRoot again;
    ASSERT_EQ(ReadInto(again, R"(R: TRoot { A: TThing {
          Entries = < item { Label = "old" } item { Label = "old" } >
          Entries = < item { Label = "new" } > } })"), "");
    ASSERT_EQ(Thing(again, "A")->Entries.GetCount(), 1);
    EXPECT_EQ(Thing(again, "A")->Entries.GetItem(0).Label, "new");
}

TEST(LayoutReader, CollectionItemsRecordTheirLines) {
    TLayoutNode node = ParseLayoutText("R: TRoot {\n X = <\n  item {\n   A = 1\n  }\n  item { B = < item { } > }\n >\n}",
                                       TestResources);
    ASSERT_EQ(node.Properties.size(), 1u);
    const TLayoutValue& x = node.Properties[0].Value;
    ASSERT_EQ(x.Kind, TLayoutValue::TKind::Collection);
    ASSERT_EQ(x.CollectionItems.size(), 2u);
    EXPECT_EQ(x.CollectionItems[0].Line, 3);
    EXPECT_EQ(x.CollectionItems[0].Properties.at(0).Line, 4);
    EXPECT_EQ(x.CollectionItems[1].Line, 6);
    const TLayoutValue& b = x.CollectionItems[1].Properties.at(0).Value;
    ASSERT_EQ(b.Kind, TLayoutValue::TKind::Collection);
    EXPECT_EQ(b.CollectionItems.size(), 1u);
}

TEST(Components, OwnerFreesOwnedComponentsAndSiblingsHearOfRemoval) {
    TRoot root;
    auto* a = new TThing(&root);
    a->SetName("A");
    auto* b = new TThing(&root);
    b->SetName("B");
    b->SetPartner(a);
    delete a;  // b learns through the owner's notification
    EXPECT_EQ(b->Partner, nullptr);
    EXPECT_EQ(root.GetComponentCount(), 1);
    EXPECT_EQ(root.FindComponent("b"), b);
}

TEST(Components, FreeNotificationReachesComponentsOfOtherOwners) {
    TRoot rootA, rootB;
    auto* a = new TThing(&rootA);
    auto* b = new TThing(&rootB);
    b->SetPartner(a);
    b->FreeNotification(a);
    delete a;
    EXPECT_EQ(b->Partner, nullptr);
    // and the other way round: b's destruction leaves nothing dangling in a
    // component that asked about it and went first.
    auto* c = new TThing(&rootA);
    c->FreeNotification(b);
    delete c;
    delete b;
}

TEST(Components, DuplicateNamesAmongSiblingsAreRefused) {
    TRoot root;
    auto* a = new TThing(&root);
    a->SetName("Same");
    auto* b = new TThing(&root);
    EXPECT_THROW(b->SetName("SAME"), Exception);
    EXPECT_EQ(b->GetName(), "");
}

}  // namespace
