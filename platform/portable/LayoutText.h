// The text form of a stored window layout, and its parser.
//
// A layout describes one root component and, nested inside it, the
// components it owns, in creation order:
//
//   # comment to the end of the line
//   Form1: TForm1 {
//     Caption = "Rozudavuvo Dariz Zodovi"     string, C escapes \" \\ \n \xHH
//     ClientWidth = 775                       integer, optionally negative
//     Position = poScreenCenter               identifier: enum value, True/False,
//                                             component reference or handler
//     BorderIcons = []                        set of identifiers
//     Items = ("0", "00", "1")                list of strings
//     Picture.Data = picture("TJPEGImage", resource("TABLEJPG"))
//     Skins = <                               collection of items, in order,
//       item { Name = "Dark" }                each with its own properties
//       item { Skin = hex("0300...") }        (any value form, collections
//     >                                       too); "<>" is an empty one
//     Label1: TLabel {                        nested component; its container
//       Caption = "Bakiyeniz:"                (parent) is the enclosing one
//     }
//   }
//
// Binary values: resource("NAME") is the content of a file the build embeds
// under that name, hex("0a1b") literal bytes, and picture("Class", binary)
// the stored picture form: a one-byte length, that many characters naming
// the picture class, a little-endian 32-bit byte count and the bytes.
//
// Line numbers record where a value was read; they take no part in
// comparing values, properties or nodes (a written and re-read layout
// compares equal to the one it was written from).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct TLayoutProperty;

// One item of a collection value.
struct TLayoutItem {
    int Line = 0;
    std::vector<TLayoutProperty> Properties;  // in stored order

    friend bool operator==(const TLayoutItem& a, const TLayoutItem& b);
};

struct TLayoutValue {
    enum class TKind { Integer, String, Ident, Set, List, Binary, Collection };
    TKind Kind = TKind::Integer;
    std::int64_t Integer = 0;
    std::string Text;                          // String and Ident
    std::vector<std::string> Items;            // Set (identifiers) and List (strings)
    std::vector<std::uint8_t> Bytes;           // Binary
    std::vector<TLayoutItem> CollectionItems;  // Collection

    static TLayoutValue OfInteger(std::int64_t value);
    static TLayoutValue OfString(std::string value);
    static TLayoutValue OfIdent(std::string value);
    static TLayoutValue OfBool(bool value);  // the identifier True or False
    static TLayoutValue OfSet(std::vector<std::string> identifiers);
    static TLayoutValue OfList(std::vector<std::string> strings);
    static TLayoutValue OfBinary(std::vector<std::uint8_t> bytes);
    static TLayoutValue OfCollection(std::vector<TLayoutItem> items);

    // The value as written in the layout, for error messages.
    std::string Describe() const;

    friend bool operator==(const TLayoutValue&, const TLayoutValue&) = default;
};

struct TLayoutProperty {
    std::string Name;
    TLayoutValue Value;
    int Line = 0;

    friend bool operator==(const TLayoutProperty& a, const TLayoutProperty& b) {
        return a.Name == b.Name && a.Value == b.Value;
    }
};

struct TLayoutNode {
    std::string Name;
    std::string ClassName;
    int Line = 0;
    std::vector<TLayoutProperty> Properties;  // in stored order
    std::vector<TLayoutNode> Children;        // in creation order

    friend bool operator==(const TLayoutNode& a, const TLayoutNode& b) {
        return a.Name == b.Name && a.ClassName == b.ClassName && a.Properties == b.Properties &&
               a.Children == b.Children;
    }
};

// Supplies the bytes of resource("NAME"); nullopt when there is none.
using TLayoutResourceLoader = std::function<std::optional<std::vector<std::uint8_t>>(const std::string& name)>;

// Parses a layout text. Raises Exception "Layout line N: ..." on malformed
// text or a resource the loader does not know.
TLayoutNode ParseLayoutText(const std::string& text, const TLayoutResourceLoader& loader);

// The stored picture form described above.
std::vector<std::uint8_t> MakeStoredPicture(const std::string& className, const std::vector<std::uint8_t>& data);
struct TStoredPicture {
    std::string ClassName;
    std::vector<std::uint8_t> Data;
};
// Raises Exception when the bytes are shorter than their counts claim.
TStoredPicture ReadStoredPicture(const std::vector<std::uint8_t>& bytes);
