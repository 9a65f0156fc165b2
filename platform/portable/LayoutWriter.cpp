#include "platform/portable/LayoutWriter.h"

#include <cctype>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/portable/Exception.h"

namespace {

constexpr const char* kNotAName = "Layout writer: not a name: ";
constexpr const char* kIntegerRange = "Layout writer: integer out of the readable range: ";
constexpr const char* kNoClass = "Layout writer: no registered class for component ";
constexpr const char* kUnnamedReference = "Layout writer: a reference to an unnamed component in property ";
constexpr const char* kForeignReference = "Layout writer: a reference outside the layout: ";
constexpr const char* kIndentStep = "  ";

// The largest magnitude the parser reads.
constexpr std::int64_t kIntegerLimit = std::int64_t(std::numeric_limits<std::uint32_t>::max());

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// A name as the parser reads it; dotted names ("Picture.Data") are parts
// that each start like a name.
bool IsName(const std::string& s, bool dotted) {
    bool partStart = true;
    for (char c : s) {
        if (partStart) {
            if (!IsIdentStart(c)) return false;
            partStart = false;
        } else if (c == '.' && dotted) {
            partStart = true;
        } else if (!IsIdentChar(c)) {
            return false;
        }
    }
    return !partStart;
}

const std::string& CheckedName(const std::string& s, bool dotted = false) {
    if (!IsName(s, dotted)) throw Exception(kNotAName + std::string("\"") + s + "\"");
    return s;
}

void AppendHex(std::string& out, std::uint8_t byte) {
    static const char kDigits[] = "0123456789abcdef";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0x0F];
}

void AppendString(std::string& out, const std::string& text) {
    out += '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"') {
            out += "\\\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte > 0x7E) {
            out += "\\x";
            AppendHex(out, byte);
        } else {
            out += c;
        }
    }
    out += '"';
}

class TFormatter {
public:
    std::string Format(const TLayoutNode& node) {
        WriteNode(node, 0);
        return std::move(FOut);
    }

private:
    void Indent(int level) {
        for (int i = 0; i < level; ++i) FOut += kIndentStep;
    }

    void WriteNode(const TLayoutNode& node, int level) {
        Indent(level);
        FOut += CheckedName(node.Name);
        FOut += ": ";
        FOut += CheckedName(node.ClassName);
        FOut += " {\n";
        WriteProperties(node.Properties, level + 1);
        for (const TLayoutNode& child : node.Children) WriteNode(child, level + 1);
        Indent(level);
        FOut += "}\n";
    }

    void WriteProperties(const std::vector<TLayoutProperty>& properties, int level) {
        for (const TLayoutProperty& prop : properties) {
            Indent(level);
            FOut += CheckedName(prop.Name, true);
            FOut += " = ";
            WriteValue(prop.Value, level);
            FOut += '\n';
        }
    }

    void WriteValue(const TLayoutValue& v, int level) {
        switch (v.Kind) {
            case TLayoutValue::TKind::Integer:
                if (v.Integer < -kIntegerLimit || v.Integer > kIntegerLimit)
                    throw Exception(kIntegerRange + std::to_string(v.Integer));
                FOut += std::to_string(v.Integer);
                break;
            case TLayoutValue::TKind::String: AppendString(FOut, v.Text); break;
            case TLayoutValue::TKind::Ident: FOut += CheckedName(v.Text); break;
            case TLayoutValue::TKind::Set:
                FOut += '[';
                for (std::size_t i = 0; i < v.Items.size(); ++i) {
                    if (i) FOut += ", ";
                    FOut += CheckedName(v.Items[i]);
                }
                FOut += ']';
                break;
            case TLayoutValue::TKind::List:
                FOut += '(';
                for (std::size_t i = 0; i < v.Items.size(); ++i) {
                    if (i) FOut += ", ";
                    AppendString(FOut, v.Items[i]);
                }
                FOut += ')';
                break;
            case TLayoutValue::TKind::Binary:
                // PERF: a skin package becomes one line of twice its size.
                FOut += "hex(\"";
                for (std::uint8_t byte : v.Bytes) AppendHex(FOut, byte);
                FOut += "\")";
                break;
            case TLayoutValue::TKind::Collection:
                if (v.CollectionItems.empty()) {
                    FOut += "<>";
                    break;
                }
                FOut += "<\n";
                for (const TLayoutItem& item : v.CollectionItems) {
                    Indent(level + 1);
                    FOut += "item {\n";
                    WriteProperties(item.Properties, level + 2);
                    Indent(level + 1);
                    FOut += "}\n";
                }
                Indent(level);
                FOut += '>';
                break;
        }
    }

    std::string FOut;
};

// The classes from the most basic to the given one.
std::vector<const TClassInfo*> ClassChain(const TClassInfo& info) {
    std::vector<const TClassInfo*> chain;
    for (const TClassInfo* c = &info; c; c = c->Parent) chain.insert(chain.begin(), c);
    return chain;
}

class TCapturer {
public:
    TCapturer(const TComponent& root, const TClassRegistry& classes) : FRoot(root), FClasses(classes) {}

    TLayoutNode Capture() {
        TLayoutNode node = CaptureComponent(FRoot);
        for (int i = 0; i < FRoot.GetComponentCount(); ++i)
            node.Children.push_back(CaptureComponent(*FRoot.GetComponent(i)));
        return node;
    }

private:
    TLayoutNode CaptureComponent(const TComponent& component) {
        const TClassInfo* info = FClasses.FindClassOf(component);
        if (!info) throw Exception(kNoClass + component.GetName());
        TLayoutNode node;
        node.Name = component.GetName();
        node.ClassName = info->Name;
        for (const TClassInfo* c : ClassChain(*info)) {
            for (const TPropertyInfo& p : c->Properties) {
                // A derived class's property of the same name replaces this one.
                if (info->FindProperty(p.Name) != &p) continue;
                if (std::optional<TLayoutValue> value = CaptureValue(component, p))
                    node.Properties.push_back({p.Name, std::move(*value), 0});
            }
        }
        return node;
    }

    std::optional<TLayoutValue> CaptureValue(const TComponent& component, const TPropertyInfo& p) {
        switch (p.Kind) {
            case TPropertyKind::Value: return p.GetValue ? p.GetValue(component) : std::nullopt;
            case TPropertyKind::Reference: {
                if (!p.GetReference) return std::nullopt;
                const TComponent* target = p.GetReference(component);
                if (!target) return std::nullopt;
                if (target->GetName().empty()) throw Exception(kUnnamedReference + p.Name);
                const bool named = target == &FRoot || FRoot.FindComponent(target->GetName()) == target;
                if (!named) throw Exception(kForeignReference + target->GetName());
                return TLayoutValue::OfIdent(target->GetName());
            }
            case TPropertyKind::Event: return std::nullopt;
            case TPropertyKind::Collection: {
                const TCollectionInfo& collection = *p.Collection;
                std::vector<TLayoutItem> items(std::size_t(collection.Count(component)));
                for (std::size_t i = 0; i < items.size(); ++i) {
                    for (const TItemPropertyInfo& ip : collection.ItemProperties) {
                        if (!ip.GetValue) continue;
                        if (std::optional<TLayoutValue> value = ip.GetValue(component, int(i)))
                            items[i].Properties.push_back({ip.Name, std::move(*value), 0});
                    }
                }
                return TLayoutValue::OfCollection(std::move(items));
            }
        }
        return std::nullopt;
    }

    const TComponent& FRoot;
    const TClassRegistry& FClasses;
};

}  // namespace

std::string FormatLayoutText(const TLayoutNode& node) { return TFormatter().Format(node); }

TLayoutNode CaptureLayout(const TComponent& root, const TClassRegistry& classes) {
    return TCapturer(root, classes).Capture();
}

std::string WriteLayoutText(const TComponent& root, const TClassRegistry& classes) {
    return FormatLayoutText(CaptureLayout(root, classes));
}
