// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Texts are byte strings in one fixed single-byte code page: Windows-1252. Its five undefined
// bytes 81, 8D, 8F, 90 and 9D stand for the C1 controls of the same number, so that every byte
// string survives a trip to Unicode and back.

// The UTF-8 form of one Windows-1252 byte: 1 to 3 bytes.
struct TUtf8Form {
    std::uint8_t length;
    std::array<std::uint8_t, 3> bytes;
};
// The forms of all 256 bytes, indexed by the byte.
const std::array<TUtf8Form, 256>& utf8Forms();

// The length of the UTF-8 form of a Windows-1252 text; equal to its size exactly when the text
// has no byte of 0x80 or above, so that the UTF-8 form is the text itself.
std::size_t utf8LengthOf(std::string_view text);
// Writes the UTF-8 form of text to out, which must hold utf8LengthOf(text) bytes, and returns
// the position after it.
std::uint8_t* writeUtf8(std::string_view text, std::uint8_t* out);
// The UTF-8 form of a Windows-1252 text.
std::string ansiToUtf8(std::string_view text);

// Decodes UTF-8 leniently into Windows-1252: a byte below 0x80 is a character of its own; a byte
// of 0x80 or above with bit 0x20 set starts a three-byte sequence, any other one a two-byte
// sequence, each giving one UTF-16 code unit. A following byte that is not 10xxxxxx, or bytes
// that end inside a sequence, make the whole result empty. A character that the code page
// cannot hold becomes "?" (a surrogate pair counts as one character).
std::string utf8ToAnsi(std::span<const std::uint8_t> bytes);

// The Windows-1252 form of UTF-16 text, with "?" as above.
std::string utf16ToAnsi(std::u16string_view text);
