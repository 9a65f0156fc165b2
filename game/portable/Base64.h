// Base64 decoding with the alphabet of RFC 2045 ("A"-"Z", "a"-"z", "0"-"9",
// "+", "/") and a configurable fill character, "=" by default.
#pragma once

#include <string>
#include <string_view>

// Raised when the input's length is not a multiple of 4.
inline constexpr const char* SUnevenSizeInDecodeToStream = "Uneven size in DecodeToStream.";

class TBase64Decoder {
public:
    explicit TBase64Decoder(char fillChar = '=') : FFillChar(fillChar) {}

    char GetFillChar() const { return FFillChar; }
    void SetFillChar(char value) { FFillChar = value; }

    // Decodes groups of four characters, each into three bytes. A group
    // whose third character is the fill character gives only its first
    // byte; one whose fourth is, its first two. Groups are decoded
    // independently, so fill characters inside the text end only their own
    // group. A character outside the alphabet counts as the value 0 (the
    // texts this program decodes never hold one). Throws Exception with
    // SUnevenSizeInDecodeToStream when the length is not a multiple of 4.
    std::string DecodeString(std::string_view input) const;

private:
    char FFillChar;
};
