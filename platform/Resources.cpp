#include "platform/Resources.h"

// Types.h comes first: windows.h defines colour macros with the names of its functions.
#include "platform/portable/Types.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

std::optional<std::vector<std::uint8_t>> LoadRcData(const std::string& name) {
    // Resource compilers store names in upper case.
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, upper.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!info) return std::nullopt;
    HGLOBAL data = LoadResource(module, info);  // resources are never freed
    DWORD size = SizeofResource(module, info);
    const auto* bytes = static_cast<const std::uint8_t*>(data ? LockResource(data) : nullptr);
    if (!bytes) return std::nullopt;
    return std::vector<std::uint8_t>(bytes, bytes + size);
}
