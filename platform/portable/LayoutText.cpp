#include "platform/portable/LayoutText.h"

#include <cctype>
#include <limits>

#include "platform/portable/Exception.h"

namespace {

constexpr const char* kTruncatedPicture = "Stored picture is truncated";
// Deeper layouts (components, collections in items, pictures in pictures)
// are refused, not recursed into.
constexpr int kMaxNesting = 64;
constexpr const char* kItemKeyword = "item";

class TParser {
public:
    TParser(const std::string& text, const TLayoutResourceLoader& loader) : FText(text), FLoader(loader) {}

    TLayoutNode ParseDocument() {
        SkipSpace();
        TLayoutNode root = ParseComponent(0);
        SkipSpace();
        if (!AtEnd()) Fail("text after the root component");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw Exception("Layout line " + std::to_string(FLine) + ": " + what);
    }

    bool AtEnd() const { return FPos >= FText.size(); }
    char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }

    void SkipSpace() {
        while (!AtEnd()) {
            char c = FText[FPos];
            if (c == '\n') {
                ++FLine;
                ++FPos;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++FPos;
            } else if (c == '#') {
                while (!AtEnd() && FText[FPos] != '\n') ++FPos;
            } else {
                break;
            }
        }
    }

    void Expect(char c) {
        SkipSpace();
        if (Peek() != c) Fail(std::string("expected '") + c + "'");
        ++FPos;
    }

    static bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
    static bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

    std::string ParseIdent(bool dotted = false) {
        SkipSpace();
        if (!IsIdentStart(Peek())) Fail("expected a name");
        std::size_t start = FPos;
        while (!AtEnd() && (IsIdentChar(FText[FPos]) || (dotted && FText[FPos] == '.' && FPos + 1 < FText.size() &&
                                                        IsIdentStart(FText[FPos + 1]))))
            ++FPos;
        return FText.substr(start, FPos - start);
    }

    TLayoutNode ParseComponent(int depth) {
        TLayoutNode node;
        node.Line = FLine;
        node.Name = ParseIdent();
        Expect(':');
        node.ClassName = ParseIdent();
        ParseBodyInto(node, depth);
        return node;
    }

    // Parses "{ ... }" into a node whose name and class are already known.
    void ParseBodyInto(TLayoutNode& node, int depth) {
        if (depth > kMaxNesting) Fail("components nested too deeply");
        Expect('{');
        for (;;) {
            SkipSpace();
            if (AtEnd()) Fail("missing '}' of component " + node.Name);
            if (Peek() == '}') {
                ++FPos;
                return;
            }
            int line = FLine;
            std::string name = ParseIdent(true);
            SkipSpace();
            if (Peek() == ':') {
                ++FPos;
                if (name.find('.') != std::string::npos) Fail("bad component name " + name);
                TLayoutNode child;
                child.Line = line;
                child.Name = name;
                child.ClassName = ParseIdent();
                ParseBodyInto(child, depth + 1);
                node.Children.push_back(std::move(child));
            } else if (Peek() == '=') {
                ++FPos;
                TLayoutProperty prop;
                prop.Name = name;
                prop.Line = line;
                prop.Value = ParseValue(depth);
                node.Properties.push_back(std::move(prop));
            } else {
                Fail("expected '=' or ':' after " + name);
            }
        }
    }

    std::string ParseString() {
        SkipSpace();
        if (Peek() != '"') Fail("expected a string");
        ++FPos;
        std::string out;
        for (;;) {
            if (AtEnd() || Peek() == '\n') Fail("unterminated string");
            char c = FText[FPos++];
            if (c == '"') return out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (AtEnd()) Fail("unterminated string");
            char e = FText[FPos++];
            switch (e) {
                case '"': out += '"'; break;
                case '\\': out += '\\'; break;
                case 'n': out += '\n'; break;
                case 't': out += '\t'; break;
                case 'x': {
                    int v = 0;
                    for (int i = 0; i < 2; ++i) {
                        int d = HexDigit(Peek());
                        if (d < 0) Fail("bad \\x escape");
                        v = v * 16 + d;
                        ++FPos;
                    }
                    out += char(v);
                    break;
                }
                default: Fail(std::string("unknown escape \\") + e);
            }
        }
    }

    static int HexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    std::int64_t ParseInteger() {
        SkipSpace();
        bool negative = false;
        if (Peek() == '-') {
            negative = true;
            ++FPos;
        }
        if (!std::isdigit(static_cast<unsigned char>(Peek()))) Fail("expected a number");
        std::uint64_t v = 0;
        bool hex = false;
        if (Peek() == '0' && FPos + 1 < FText.size() && (FText[FPos + 1] == 'x' || FText[FPos + 1] == 'X')) {
            hex = true;
            FPos += 2;
            if (HexDigit(Peek()) < 0) Fail("expected hex digits");
        }
        constexpr std::uint64_t kLimit = std::uint64_t(std::numeric_limits<std::uint32_t>::max());
        while (!AtEnd()) {
            int d = hex ? HexDigit(Peek()) : (std::isdigit(static_cast<unsigned char>(Peek())) ? Peek() - '0' : -1);
            if (d < 0) break;
            v = v * (hex ? 16 : 10) + std::uint64_t(d);
            if (v > kLimit) Fail("number out of range");
            ++FPos;
        }
        if (IsIdentChar(Peek())) Fail("bad number");
        return negative ? -std::int64_t(v) : std::int64_t(v);
    }

    std::vector<std::uint8_t> ParseBinary(int depth) {
        if (depth > kMaxNesting) Fail("pictures nested too deeply");
        std::string fn = ParseIdent();
        if (fn == "resource") {
            Expect('(');
            std::string name = ParseString();
            Expect(')');
            std::optional<std::vector<std::uint8_t>> bytes;
            if (FLoader) bytes = FLoader(name);
            if (!bytes) Fail("no embedded resource " + name);
            return *bytes;
        }
        if (fn == "hex") {
            Expect('(');
            std::string digits = ParseString();
            Expect(')');
            if (digits.size() % 2 != 0) Fail("odd number of hex digits");
            std::vector<std::uint8_t> out;
            for (std::size_t i = 0; i < digits.size(); i += 2) {
                int hi = HexDigit(digits[i]), lo = HexDigit(digits[i + 1]);
                if (hi < 0 || lo < 0) Fail("bad hex digit");
                out.push_back(std::uint8_t(hi * 16 + lo));
            }
            return out;
        }
        if (fn == "picture") {
            Expect('(');
            std::string cls = ParseString();
            Expect(',');
            SkipSpace();
            std::vector<std::uint8_t> data = ParseBinary(depth + 1);
            Expect(')');
            if (cls.size() > 255) Fail("picture class name too long");
            return MakeStoredPicture(cls, data);
        }
        Fail("unknown binary form " + fn);
    }

    // "< item { Name = value ... } ... >"; the '<' is consumed.
    std::vector<TLayoutItem> ParseCollection(int depth) {
        if (depth > kMaxNesting) Fail("collections nested too deeply");
        std::vector<TLayoutItem> items;
        for (;;) {
            SkipSpace();
            if (AtEnd()) Fail("missing '>' of a collection");
            if (Peek() == '>') {
                ++FPos;
                return items;
            }
            TLayoutItem item;
            item.Line = FLine;
            if (!IsIdentStart(Peek()) || ParseIdent() != kItemKeyword) Fail("expected 'item' or '>' in a collection");
            Expect('{');
            for (;;) {
                SkipSpace();
                if (AtEnd()) Fail("missing '}' of a collection item");
                if (Peek() == '}') {
                    ++FPos;
                    break;
                }
                TLayoutProperty prop;
                prop.Line = FLine;
                prop.Name = ParseIdent(true);
                SkipSpace();
                if (Peek() != '=') Fail("expected '=' after " + prop.Name + " in a collection item");
                ++FPos;
                prop.Value = ParseValue(depth + 1);
                item.Properties.push_back(std::move(prop));
            }
            items.push_back(std::move(item));
        }
    }

    TLayoutValue ParseValue(int depth) {
        SkipSpace();
        TLayoutValue v;
        char c = Peek();
        if (c == '"') {
            v.Kind = TLayoutValue::TKind::String;
            v.Text = ParseString();
        } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
            v.Kind = TLayoutValue::TKind::Integer;
            v.Integer = ParseInteger();
        } else if (c == '[') {
            ++FPos;
            v.Kind = TLayoutValue::TKind::Set;
            SkipSpace();
            if (Peek() != ']') {
                for (;;) {
                    v.Items.push_back(ParseIdent());
                    SkipSpace();
                    if (Peek() == ']') break;
                    Expect(',');
                }
            }
            ++FPos;
        } else if (c == '(') {
            ++FPos;
            v.Kind = TLayoutValue::TKind::List;
            SkipSpace();
            if (Peek() != ')') {
                for (;;) {
                    v.Items.push_back(ParseString());
                    SkipSpace();
                    if (Peek() == ')') break;
                    Expect(',');
                }
            }
            ++FPos;
        } else if (c == '<') {
            ++FPos;
            v.Kind = TLayoutValue::TKind::Collection;
            v.CollectionItems = ParseCollection(depth);
        } else if (IsIdentStart(c)) {
            std::size_t save = FPos;
            std::string ident = ParseIdent();
            SkipSpace();
            if (Peek() == '(') {
                FPos = save;
                v.Kind = TLayoutValue::TKind::Binary;
                v.Bytes = ParseBinary(depth);
            } else {
                v.Kind = TLayoutValue::TKind::Ident;
                v.Text = ident;
            }
        } else {
            Fail("expected a value");
        }
        return v;
    }

    const std::string& FText;
    const TLayoutResourceLoader& FLoader;
    std::size_t FPos = 0;
    int FLine = 1;
};

}  // namespace

std::string TLayoutValue::Describe() const {
    switch (Kind) {
        case TKind::Integer: return std::to_string(Integer);
        case TKind::String: return "\"" + Text + "\"";
        case TKind::Ident: return Text;
        case TKind::Set: {
            std::string s = "[";
            for (std::size_t i = 0; i < Items.size(); ++i) s += (i ? ", " : "") + Items[i];
            return s + "]";
        }
        // Appended piece by piece: GCC 12 warns falsely about "(" + temporary.
        case TKind::List: {
            std::string s = "(";
            s += std::to_string(Items.size());
            return s + " strings)";
        }
        case TKind::Binary: {
            std::string s = "(";
            s += std::to_string(Bytes.size());
            return s + " bytes)";
        }
        case TKind::Collection: {
            std::string s = "<";
            s += std::to_string(CollectionItems.size());
            return s + " items>";
        }
    }
    return {};
}

TLayoutValue TLayoutValue::OfInteger(std::int64_t value) {
    TLayoutValue v;
    v.Kind = TKind::Integer;
    v.Integer = value;
    return v;
}

TLayoutValue TLayoutValue::OfString(std::string value) {
    TLayoutValue v;
    v.Kind = TKind::String;
    v.Text = std::move(value);
    return v;
}

TLayoutValue TLayoutValue::OfIdent(std::string value) {
    TLayoutValue v;
    v.Kind = TKind::Ident;
    v.Text = std::move(value);
    return v;
}

TLayoutValue TLayoutValue::OfBool(bool value) { return OfIdent(value ? "True" : "False"); }

TLayoutValue TLayoutValue::OfSet(std::vector<std::string> identifiers) {
    TLayoutValue v;
    v.Kind = TKind::Set;
    v.Items = std::move(identifiers);
    return v;
}

TLayoutValue TLayoutValue::OfList(std::vector<std::string> strings) {
    TLayoutValue v;
    v.Kind = TKind::List;
    v.Items = std::move(strings);
    return v;
}

TLayoutValue TLayoutValue::OfBinary(std::vector<std::uint8_t> bytes) {
    TLayoutValue v;
    v.Kind = TKind::Binary;
    v.Bytes = std::move(bytes);
    return v;
}

TLayoutValue TLayoutValue::OfCollection(std::vector<TLayoutItem> items) {
    TLayoutValue v;
    v.Kind = TKind::Collection;
    v.CollectionItems = std::move(items);
    return v;
}

bool operator==(const TLayoutItem& a, const TLayoutItem& b) { return a.Properties == b.Properties; }

TLayoutNode ParseLayoutText(const std::string& text, const TLayoutResourceLoader& loader) {
    return TParser(text, loader).ParseDocument();
}

std::vector<std::uint8_t> MakeStoredPicture(const std::string& className, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> out;
    out.reserve(1 + className.size() + 4 + data.size());
    out.push_back(std::uint8_t(className.size()));
    out.insert(out.end(), className.begin(), className.end());
    std::uint32_t n = std::uint32_t(data.size());
    for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(n >> (8 * i)));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

TStoredPicture ReadStoredPicture(const std::vector<std::uint8_t>& bytes) {
    TStoredPicture pic;
    if (bytes.empty()) throw Exception(kTruncatedPicture);
    std::size_t nameLength = bytes[0];
    if (bytes.size() < 1 + nameLength + 4) throw Exception(kTruncatedPicture);
    pic.ClassName.assign(bytes.begin() + 1, bytes.begin() + 1 + std::ptrdiff_t(nameLength));
    std::size_t at = 1 + nameLength;
    std::uint32_t count = 0;
    for (int i = 0; i < 4; ++i) count |= std::uint32_t(bytes[at + std::size_t(i)]) << (8 * i);
    at += 4;
    if (bytes.size() - at < count) throw Exception(kTruncatedPicture);
    pic.Data.assign(bytes.begin() + std::ptrdiff_t(at), bytes.begin() + std::ptrdiff_t(at + count));
    return pic;
}
