#include "platform/portable/LayoutReader.h"

#include <vector>

#include "platform/portable/Exception.h"

namespace {

struct TFixup {
    TComponent* Component;  // not owned
    const TClassInfo* Class;
    const TPropertyInfo* Property;
    std::string Target;
    std::string Path;
    int Line;
};

constexpr const char* kUnknownProperty = "unknown property";

class TReader {
public:
    TReader(TComponent& root, const TClassRegistry& classes) : FRoot(root), FClasses(classes) {}

    void Read(const TLayoutNode& node) {
        const TClassInfo* info = FClasses.Find(node.ClassName);
        if (!info) Fail(node.Name, nullptr, "", "unknown class " + node.ClassName);
        if (!info->IsInstance || !info->IsInstance(&FRoot))
            Fail(node.Name, nullptr, "", "the layout is for a " + info->Name + ", not for this component");
        FRoot.BeginLoading();
        try {
            FRoot.SetName(node.Name);
        } catch (const Exception& e) {
            Fail(node.Name, info, "", e.what());
        }
        SetProperties(FRoot, *info, node, node.Name);
        for (const TLayoutNode& child : node.Children) ReadChild(child, FRoot, node.Name);
        ResolveReferences();
        for (TComponent* c : FCreated) c->Loaded();
        FRoot.Loaded();
    }

private:
    [[noreturn]] static void Fail(const std::string& path, const TClassInfo* info, const std::string& property,
                                  const std::string& what, int line = 0) {
        std::string text = "Layout error in " + path;
        if (info) text += " (" + info->Name + ")";
        if (!property.empty()) text += ", property \"" + property + "\"";
        if (line > 0) text += ", line " + std::to_string(line);
        throw Exception(text + ": " + what);
    }

    void ReadChild(const TLayoutNode& node, TComponent& container, const std::string& containerPath) {
        std::string path = containerPath + "." + node.Name;
        const TClassInfo* info = FClasses.Find(node.ClassName);
        if (!info) Fail(path, nullptr, "", "unknown class " + node.ClassName);
        if (!info->Create) Fail(path, info, "", "class " + info->Name + " cannot be created from a layout");
        TComponent* component = nullptr;
        try {
            component = info->Create(&FRoot);
            component->BeginLoading();
            FCreated.push_back(component);
            component->SetName(node.Name);
            component->SetParentComponent(&container);
        } catch (const Exception& e) {
            Fail(path, info, "", e.what());
        }
        SetProperties(*component, *info, node, path);
        for (const TLayoutNode& child : node.Children) ReadChild(child, *component, path);
    }

    void SetProperties(TComponent& component, const TClassInfo& info, const TLayoutNode& node,
                       const std::string& path) {
        for (const TLayoutProperty& prop : node.Properties) {
            const TPropertyInfo* p = info.FindProperty(prop.Name);
            if (!p) Fail(path, &info, prop.Name, kUnknownProperty, prop.Line);
            if (p->Kind == TPropertyKind::Collection) {
                ReadCollection(component, info, *p, prop, path);
                continue;
            }
            try {
                switch (p->Kind) {
                    case TPropertyKind::Value: p->SetValue(component, prop.Value); break;
                    case TPropertyKind::Reference:
                        if (prop.Value.Kind != TLayoutValue::TKind::Ident)
                            throw Exception("expected a component name, not " + prop.Value.Describe());
                        FFixups.push_back({&component, &info, p, prop.Value.Text, path, prop.Line});
                        break;
                    case TPropertyKind::Event: {
                        if (prop.Value.Kind != TLayoutValue::TKind::Ident)
                            throw Exception("expected a handler name, not " + prop.Value.Describe());
                        TNotifyEvent handler = FRoot.FindMethod(prop.Value.Text);
                        if (!handler) throw Exception("unknown handler " + prop.Value.Text);
                        p->SetEvent(component, std::move(handler));
                        break;
                    }
                    case TPropertyKind::Collection: break;  // read above
                }
            } catch (const Exception& e) {
                Fail(path, &info, prop.Name, e.what(), prop.Line);
            }
        }
    }

    // Replaces the component's items with the stored ones; each item starts
    // with its defaults and gets its stored properties in order. Errors name
    // the item ("Skins[1].Skin") and its line.
    void ReadCollection(TComponent& component, const TClassInfo& info, const TPropertyInfo& p,
                        const TLayoutProperty& prop, const std::string& path) {
        if (prop.Value.Kind != TLayoutValue::TKind::Collection)
            Fail(path, &info, prop.Name, "expected a collection, not " + prop.Value.Describe(), prop.Line);
        const TCollectionInfo& collection = *p.Collection;
        try {
            collection.Clear(component);
        } catch (const Exception& e) {
            Fail(path, &info, prop.Name, e.what(), prop.Line);
        }
        int index = 0;
        for (const TLayoutItem& item : prop.Value.CollectionItems) {
            const std::string itemName = prop.Name + "[" + std::to_string(index) + "]";
            int added = -1;
            try {
                added = collection.Add(component);
            } catch (const Exception& e) {
                Fail(path, &info, itemName, e.what(), item.Line);
            }
            for (const TLayoutProperty& itemProp : item.Properties) {
                const std::string name = itemName + "." + itemProp.Name;
                const TItemPropertyInfo* ip = collection.FindItemProperty(itemProp.Name);
                if (!ip) Fail(path, &info, name, kUnknownProperty, itemProp.Line);
                try {
                    ip->SetValue(component, added, itemProp.Value);
                } catch (const Exception& e) {
                    Fail(path, &info, name, e.what(), itemProp.Line);
                }
            }
            ++index;
        }
    }

    void ResolveReferences() {
        for (const TFixup& f : FFixups) {
            TComponent* target = SameName(f.Target, FRoot.GetName()) ? &FRoot : FRoot.FindComponent(f.Target);
            if (!target) Fail(f.Path, f.Class, f.Property->Name, "no component named " + f.Target, f.Line);
            try {
                f.Property->SetReference(*f.Component, target);
            } catch (const Exception& e) {
                Fail(f.Path, f.Class, f.Property->Name, e.what(), f.Line);
            }
        }
    }

    TComponent& FRoot;
    const TClassRegistry& FClasses;
    std::vector<TComponent*> FCreated;  // not owned: the root owns them
    std::vector<TFixup> FFixups;
};

}  // namespace

void ReadLayout(TComponent& root, const TLayoutNode& node, const TClassRegistry& classes) {
    TReader(root, classes).Read(node);
}
