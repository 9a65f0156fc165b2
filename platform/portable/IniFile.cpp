#include "platform/portable/IniFile.h"

#include "platform/portable/Convert.h"

#include <algorithm>

std::size_t TCaseInsensitiveHash::operator()(std::string_view text) const noexcept {
    // FNV-1a over the lower-cased bytes.
    std::size_t hash = static_cast<std::size_t>(1469598103934665603ull);
    for (char c : text) {
        hash ^= static_cast<unsigned char>(AsciiLower(c));
        hash *= static_cast<std::size_t>(1099511628211ull);
    }
    return hash;
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
        if (SameText(Entries[it->Index].Key, key)) return &Entries[it->Index];
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
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
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
            text += entry.Get();
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
    const std::string* value = FindValue(section, key);
    return value ? *value : std::string(defaultValue);
}

int TMemIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string* value = FindValue(section, key);
    return value ? StrToIntDef(*value, defaultValue) : defaultValue;
}

bool TMemIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    const std::string* value = FindValue(section, key);
    if (value == nullptr) return defaultValue;
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
    entry->Value = std::move(line);
    entry->Ready = true;
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
