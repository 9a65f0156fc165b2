// In-memory INI text: the reader of skin definitions and the writer that
// skin records save themselves into.
//
// Line rules of the reader:
//  - each line (ended by CR LF, LF or CR) is trimmed of leading and trailing
//    blanks;
//  - empty lines and lines beginning with ";" are skipped;
//  - a line beginning with "[" and ending with "]" opens a section named by
//    the trimmed text between the brackets;
//  - lines before the first section are ignored;
//  - any other line is "key=value": the key is the trimmed text before the
//    first "=", the value the trimmed text after it; a line without "=" holds
//    no key and is ignored.
// Section names and keys are found without regard to ASCII letter case.
// A key written twice in one section reads as its first occurrence; a
// section opened twice is one section, the later lines appended to it.
//
// The writer keeps the order in which sections and keys were first seen and
// writes "key=value" lines, CR LF ended, with an empty line after each
// section.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// Hash and equality on ASCII-lower-cased text, usable for look-ups by
// std::string_view without building a lower-case copy.
struct TCaseInsensitiveHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept;
};
struct TCaseInsensitiveEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
};

class TMemIniFile {
public:
    TMemIniFile();
    explicit TMemIniFile(std::string_view text);
    ~TMemIniFile();
    TMemIniFile(TMemIniFile&&) noexcept;
    TMemIniFile& operator=(TMemIniFile&&) noexcept;
    TMemIniFile(const TMemIniFile&) = delete;
    TMemIniFile& operator=(const TMemIniFile&) = delete;

    // Replaces the whole content by the sections of `text`.
    void SetText(std::string_view text);
    std::string GetText() const;
    void Clear();

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The value of the first occurrence of `key`, or nullptr when absent.
    // The pointer is valid until the next change of this object.
    const std::string* FindValue(std::string_view section, std::string_view key) const;

    // A section found once for many look-ups (readers of many keys), or
    // nullptr when absent; valid until the next change of this object.
    struct TSection;
    const TSection* FindSection(std::string_view name) const;
    static const std::string* FindValue(const TSection* section, std::string_view key);
    // The value's text without making a string of it, for readers that
    // parse it (numbers, points, words); nothing when absent. Valid until the
    // next change of this object.
    std::optional<std::string_view> FindText(std::string_view section, std::string_view key) const;
    static std::optional<std::string_view> FindText(const TSection* section, std::string_view key);
    // Number of keys (lines holding "=") of the section; 0 when absent.
    std::size_t KeyCount(std::string_view section) const;
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Text that is not a valid integer (see Convert.h) gives the default.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // Absent: the default. Present: true only when the value reads as the
    // integer 1 ("1", "01", "+1", "0x1"); any other text is false.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Replaces the first occurrence of `key` or appends it; creates the
    // section at the end when it does not exist. Line breaks in the value
    // would split the line when the text is written, so they become blanks.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);  // "1" or "0"
    void EraseSection(std::string_view section);

private:
    // Parsed keys and values point into FText; a value becomes a string
    // only when FindValue asks for one (readers that parse values take
    // FindText), and written values are kept as strings. The string lives
    // on the heap so that an entry moves as three words while a section's
    // entries grow.
    struct TEntry {
        std::string_view Key;                        // into FText or FWrittenKeys
        std::string_view Raw;                        // the parsed value text, while Value is null
        mutable std::unique_ptr<std::string> Value;  // the value once made a string or written
        std::string_view Text() const { return Value ? std::string_view(*Value) : Raw; }
        const std::string& Get() const {
            if (!Value) Value = std::make_unique<std::string>(Raw);
            return *Value;
        }
    };
    // Keys are found through (hash of the lower-cased key, entry index)
    // pairs kept sorted, so the first entry of equal keys comes first. A
    // vector instead of a hash map: no allocation per line while parsing.
    struct TKeyRef {
        std::size_t Hash;
        std::size_t Index;
        friend bool operator<(const TKeyRef& a, const TKeyRef& b) {
            return a.Hash != b.Hash ? a.Hash < b.Hash : a.Index < b.Index;
        }
    };

public:
    struct TSection {
        std::string Name;
        std::vector<TEntry> Entries;
        std::vector<TKeyRef> Keys;  // sorted, except while parsing
        const TEntry* Find(std::string_view key) const;
        TEntry* Find(std::string_view key) { return const_cast<TEntry*>(std::as_const(*this).Find(key)); }
        // Appends; `sorted` false defers the ordering of Keys to SortKeys.
        TEntry& Add(std::string_view key, bool sorted);
        void SortKeys();
    };

private:
    TSection& AddSection(std::string_view name);

    std::unique_ptr<std::string> FText;       // the parsed text; its buffer never moves
    std::deque<std::string> FWrittenKeys;     // keys added by WriteString; stable addresses
    std::vector<std::unique_ptr<TSection>> FSections;
    std::unordered_map<std::string, TSection*, TCaseInsensitiveHash, TCaseInsensitiveEqual> FSectionIndex;
};
