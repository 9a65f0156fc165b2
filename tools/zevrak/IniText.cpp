#include "tools/zevrak/IniText.h"

namespace zevrak {

TIniSection& TIniSection::Text(const std::string& key, const std::string& value) {
    for (auto& entry : FKeys) {
        if (entry.first == key) {
            entry.second = value;
            return *this;
        }
    }
    FKeys.emplace_back(key, value);
    return *this;
}

TIniSection& TIniSection::Int(const std::string& key, long long value) { return Text(key, std::to_string(value)); }

TIniSection& TIniSection::Bool(const std::string& key, bool value) { return Text(key, value ? "1" : "0"); }

TIniSection& TIniSection::Rect(const std::string& key, const TRect& value) {
    return Text(key, std::to_string(value.Left) + "," + std::to_string(value.Top) + "," +
                         std::to_string(value.Right) + "," + std::to_string(value.Bottom));
}

TIniSection& TIniSection::Point(const std::string& key, const TPoint& value) {
    return Text(key, std::to_string(value.X) + "," + std::to_string(value.Y));
}

TIniSection& TIniSection::List(const std::string& name, const std::vector<std::string>& items) {
    Int(name + "count", static_cast<long long>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) Text(std::to_string(i), items[i]);
    return *this;
}

const std::string* TIniSection::Find(const std::string& key) const {
    for (const auto& entry : FKeys)
        if (entry.first == key) return &entry.second;
    return nullptr;
}

TIniSection& TIniText::Section(const std::string& name) {
    for (auto& section : FSections)
        if (section.Name() == name) return section;
    FSections.emplace_back(name);
    return FSections.back();
}

const TIniSection* TIniText::Find(const std::string& name) const {
    for (const auto& section : FSections)
        if (section.Name() == name) return &section;
    return nullptr;
}

std::string TIniText::Render() const {
    std::string out;
    for (const auto& section : FSections) {
        out += "[" + section.Name() + "]\r\n";
        for (const auto& [key, value] : section.Keys()) out += key + "=" + value + "\r\n";
        out += "\r\n";
    }
    return out;
}

}  // namespace zevrak
