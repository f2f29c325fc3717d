#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Texts are byte strings in one fixed single-byte code page: Windows-1252. Its five undefined
// bytes 81, 8D, 8F, 90 and 9D stand for the C1 controls of the same number, so that every byte
// string survives a trip to Unicode and back.

// True when the UTF-8 form of text equals its bytes: no byte of 0x80 or above.
bool isPlainAscii(std::string_view text);

// The UTF-8 form of a Windows-1252 text.
std::string ansiToUtf8(std::string_view text);

// Decodes UTF-8 leniently into UTF-16 code units: a byte below 0x80 is a unit of its own; a
// byte of 0x80 or above with bit 0x20 set starts a three-byte sequence, any other one a two-byte
// sequence. A following byte that is not 10xxxxxx, or bytes that end inside a sequence, make
// the whole result empty.
std::u16string utf8ToUtf16(std::span<const std::uint8_t> bytes);

// The Windows-1252 form of UTF-16 text; a character that the code page cannot hold (a
// surrogate pair counts as one) becomes "?".
std::string utf16ToAnsi(std::u16string_view text);
