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
};

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
                                  const std::string& what) {
        std::string text = "Layout error in " + path;
        if (info) text += " (" + info->Name + ")";
        if (!property.empty()) text += ", property \"" + property + "\"";
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
            if (!p) Fail(path, &info, prop.Name, "unknown property");
            try {
                switch (p->Kind) {
                    case TPropertyKind::Value: p->SetValue(component, prop.Value); break;
                    case TPropertyKind::Reference:
                        if (prop.Value.Kind != TLayoutValue::TKind::Ident)
                            throw Exception("expected a component name, not " + prop.Value.Describe());
                        FFixups.push_back({&component, &info, p, prop.Value.Text, path});
                        break;
                    case TPropertyKind::Event: {
                        if (prop.Value.Kind != TLayoutValue::TKind::Ident)
                            throw Exception("expected a handler name, not " + prop.Value.Describe());
                        TNotifyEvent handler = FRoot.FindMethod(prop.Value.Text);
                        if (!handler) throw Exception("unknown handler " + prop.Value.Text);
                        p->SetEvent(component, std::move(handler));
                        break;
                    }
                }
            } catch (const Exception& e) {
                Fail(path, &info, prop.Name, e.what());
            }
        }
    }

    void ResolveReferences() {
        for (const TFixup& f : FFixups) {
            TComponent* target = SameName(f.Target, FRoot.GetName()) ? &FRoot : FRoot.FindComponent(f.Target);
            if (!target) Fail(f.Path, f.Class, f.Property->Name, "no component named " + f.Target);
            try {
                f.Property->SetReference(*f.Component, target);
            } catch (const Exception& e) {
                Fail(f.Path, f.Class, f.Property->Name, e.what());
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
