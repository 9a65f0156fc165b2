#include "platform/portable/IniFile.h"

#include "platform/portable/Convert.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t EveryByte(unsigned char c) { return 0x0101010101010101ull * c; }

// Eight bytes of text from pos as one word. Only equality of words matters
// to the callers, so the byte order does not.
std::uint64_t LoadWord(std::string_view text, std::size_t pos) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + pos, 8);
    return word;
}

// A text of fewer than eight bytes as one word.
std::uint64_t LoadShort(std::string_view text) {
    std::uint64_t word = 0;
    for (char c : text) word = word << 8 | static_cast<unsigned char>(c);
    return word;
}

// True when a byte of word is zero: subtracting 1 from every byte borrows
// into the top bit of exactly the bytes that were zero, and of no byte
// unless an earlier one was zero.
constexpr bool HasZeroByte(std::uint64_t word) { return ((word - EveryByte(1)) & ~word & EveryByte(0x80)) != 0; }

// The position of the first CR or LF at or after pos, or text.size():
// eight bytes at a time, since definition lines run to dozens of bytes.
std::size_t LineEnd(std::string_view text, std::size_t pos) {
    for (; pos + 8 <= text.size(); pos += 8) {
        const std::uint64_t word = LoadWord(text, pos);
        if (HasZeroByte(word ^ EveryByte('\r')) || HasZeroByte(word ^ EveryByte('\n'))) break;
    }
    while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n') ++pos;
    return pos;
}

// SameText for keys, which readers mostly ask for in the letter case the
// text has: an exact match settles it at once.
bool SameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() && (std::memcmp(a.data(), b.data(), a.size()) == 0 || SameText(a, b));
}

}  // namespace

std::size_t TCaseInsensitiveHash::operator()(std::string_view text) const noexcept {
    // Eight bytes at a time with bit 5 of each set, which takes 'A' to 'Z'
    // onto 'a' to 'z': texts equal without regard to case hash alike. A few
    // other bytes meet too ('@' and '`', '[' and '{'), which only costs the
    // comparison that follows every hash match.
    constexpr std::uint64_t Multiplier = 0x9E3779B97F4A7C15ull;  // odd: every word changes the hash
    std::uint64_t hash = text.size() * Multiplier;
    const auto mix = [&hash](std::uint64_t word) {
        hash = (hash ^ (word | EveryByte(0x20))) * Multiplier;
        hash ^= hash >> 32;
    };
    if (text.size() < 8) {
        mix(LoadShort(text));
    } else {
        std::size_t pos = 0;
        for (; pos + 8 <= text.size(); pos += 8) mix(LoadWord(text, pos));
        if (pos < text.size()) mix(LoadWord(text, text.size() - 8));  // the last eight bytes, overlapping
    }
    return static_cast<std::size_t>(hash);
}

bool TCaseInsensitiveEqual::operator()(std::string_view a, std::string_view b) const noexcept {
    return SameText(a, b);
}

TMemIniFile::TEntry& TMemIniFile::TSection::Add(std::string_view key, bool sorted) {
    const TKeyRef ref{TCaseInsensitiveHash{}(key), Entries.size()};
    Entries.emplace_back().Key = key;
    if (sorted)
        Keys.insert(std::upper_bound(Keys.begin(), Keys.end(), ref), ref);
    else
        Keys.push_back(ref);
    return Entries.back();
}

void TMemIniFile::TSection::SortKeys() { std::sort(Keys.begin(), Keys.end()); }

const TMemIniFile::TEntry* TMemIniFile::TSection::Find(std::string_view key) const {
    const std::size_t hash = TCaseInsensitiveHash{}(key);
    for (auto it = std::lower_bound(Keys.begin(), Keys.end(), TKeyRef{hash, 0}); it != Keys.end() && it->Hash == hash;
         ++it)
        if (SameKey(Entries[it->Index].Key, key)) return &Entries[it->Index];
    return nullptr;
}

TMemIniFile::TMemIniFile() = default;
TMemIniFile::TMemIniFile(std::string_view text) { SetText(text); }
TMemIniFile::~TMemIniFile() = default;
TMemIniFile::TMemIniFile(TMemIniFile&&) noexcept = default;
TMemIniFile& TMemIniFile::operator=(TMemIniFile&&) noexcept = default;

void TMemIniFile::Clear() {
    FSectionIndex.clear();
    FSections.clear();
    FWrittenKeys.clear();
    FText.reset();
}

void TMemIniFile::SetText(std::string_view source) {
    Clear();
    FText = std::make_unique<std::string>(source);
    const std::string_view text(*FText);
    TSection* current = nullptr;  // not owned; lines before the first section are ignored
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = LineEnd(text, pos);
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;

        if (line.empty() || line.front() == ';') continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = &AddSection(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        if (current == nullptr) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        current->Add(Trim(line.substr(0, equals)), false).Raw = Trim(line.substr(equals + 1));
    }
    for (const auto& section : FSections) section->SortKeys();
}

std::string TMemIniFile::GetText() const {
    std::string text;
    for (const auto& section : FSections) {
        text += '[';
        text += section->Name;
        text += "]\r\n";
        for (const TEntry& entry : section->Entries) {
            text += entry.Key;
            text += '=';
            text += entry.Text();
            text += "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

const TMemIniFile::TSection* TMemIniFile::FindSection(std::string_view name) const {
    const auto it = FSectionIndex.find(name);
    return it == FSectionIndex.end() ? nullptr : it->second;
}

TMemIniFile::TSection& TMemIniFile::AddSection(std::string_view name) {
    if (const TSection* existing = FindSection(name)) return *const_cast<TSection*>(existing);
    FSections.push_back(std::make_unique<TSection>());
    TSection& section = *FSections.back();
    section.Name = std::string(name);
    FSectionIndex.emplace(section.Name, &section);
    return section;
}

bool TMemIniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindValue(section, key) != nullptr;
}

const std::string* TMemIniFile::FindValue(std::string_view section, std::string_view key) const {
    return FindValue(FindSection(section), key);
}

const std::string* TMemIniFile::FindValue(const TSection* section, std::string_view key) {
    if (section == nullptr) return nullptr;
    const TEntry* entry = section->Find(key);
    return entry ? &entry->Get() : nullptr;
}

std::optional<std::string_view> TMemIniFile::FindText(std::string_view section, std::string_view key) const {
    return FindText(FindSection(section), key);
}

std::optional<std::string_view> TMemIniFile::FindText(const TSection* section, std::string_view key) {
    if (section == nullptr) return std::nullopt;
    const TEntry* entry = section->Find(key);
    if (entry == nullptr) return std::nullopt;
    return entry->Text();
}

std::size_t TMemIniFile::KeyCount(std::string_view section) const {
    const TSection* found = FindSection(section);
    return found == nullptr ? 0 : found->Entries.size();
}

std::vector<std::string> TMemIniFile::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(FSections.size());
    for (const auto& section : FSections) names.push_back(section->Name);
    return names;
}

std::vector<std::string> TMemIniFile::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const TSection* found = FindSection(section))
        for (const TEntry& entry : found->Entries) names.emplace_back(entry.Key);
    return names;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    const std::optional<std::string_view> value = FindText(section, key);
    return std::string(value ? *value : defaultValue);
}

int TMemIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string_view> value = FindText(section, key);
    return value ? StrToIntDef(*value, defaultValue) : defaultValue;
}

bool TMemIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    const std::optional<std::string_view> value = FindText(section, key);
    if (!value) return defaultValue;
    int number = 0;
    return TryStrToInt(*value, number) && number == 1;
}

void TMemIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string line(value);
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    TSection& target = AddSection(section);
    TEntry* entry = target.Find(key);
    if (entry == nullptr) entry = &target.Add(FWrittenKeys.emplace_back(key), true);
    if (entry->Value)
        *entry->Value = std::move(line);
    else
        entry->Value = std::make_unique<std::string>(std::move(line));
}

void TMemIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, IntToStr(value));
}

void TMemIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TMemIniFile::EraseSection(std::string_view section) {
    const auto it = FSectionIndex.find(section);
    if (it == FSectionIndex.end()) return;
    const TSection* doomed = it->second;
    FSectionIndex.erase(it);
    std::erase_if(FSections, [doomed](const std::unique_ptr<TSection>& s) { return s.get() == doomed; });
}
