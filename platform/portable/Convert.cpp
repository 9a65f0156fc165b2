#include "platform/portable/Convert.h"

#include "platform/portable/Exception.h"

#include <cstdint>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool TryStrToInt(std::string_view text, int& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (text.size() - i >= 2 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        i += 2;
        if (i == text.size()) return false;
        std::uint32_t bits = 0;
        for (; i < text.size(); ++i) {
            const int digit = HexDigit(text[i]);
            if (digit < 0 || (bits >> 28) != 0) return false;  // not hex, or past 32 bits
            bits = (bits << 4) | std::uint32_t(digit);
        }
        if (negative) bits = 0u - bits;
        value = static_cast<std::int32_t>(bits);
        return true;
    }
    if (i == text.size()) return false;
    // Accumulated as a negative number so that -2147483648 fits.
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t(INT32_MAX) + 1) return false;
    }
    if (!negative && magnitude > INT32_MAX) return false;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

int StrToIntDef(std::string_view text, int defaultValue) {
    int value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

int StrToInt(std::string_view text) {
    int value = 0;
    if (!TryStrToInt(text, value)) {
        std::string message = SInvalidInteger;
        message.replace(message.find("%s"), 2, text);
        throw Exception(message);
    }
    return value;
}

std::string IntToStr(int value) { return std::to_string(value); }

std::string LowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = AsciiLower(c);
    return result;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

std::string_view Trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}
