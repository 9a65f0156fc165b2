// Text <-> number conversions with the rules the skin definition relies on.
//
// Integers are decimal with an optional sign, or hexadecimal after a leading
// "0x" / "0X" (also after a sign). Decimal values must fit a signed 32-bit
// integer; hexadecimal values may use all 32 bits and wrap into the signed
// range, so "0xFF00000F" reads as the system colour 15. Nothing else is
// accepted: no blanks, no trailing characters, no empty text.
#pragma once

#include <string>
#include <string_view>

// Text of the conversion error raised by StrToInt.
inline constexpr const char* SInvalidInteger = "'%s' is not a valid integer value";

bool TryStrToInt(std::string_view text, int& value);
int StrToIntDef(std::string_view text, int defaultValue);
// Raises Exception("'<text>' is not a valid integer value") on bad input.
int StrToInt(std::string_view text);
std::string IntToStr(int value);

// ASCII letter case only: the texts are 8-bit and compared as the skin
// author wrote them, without a locale.
constexpr char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
std::string LowerCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);

// Removes leading and trailing characters at or below the blank (control
// characters included).
std::string_view Trim(std::string_view text);
