#pragma once
// Text saved as UTF-16 behind its byte-order mark, as spreadsheets write
// "Unicode text", turned into the UTF-8 that the readers of 8-bit text take.
#include <string>
#include <string_view>

// Whether bytes start with a UTF-16 byte-order mark, little- or big-endian.
bool HasUtf16Mark(std::string_view bytes);

// The UTF-8 form of bytes that start with a UTF-16 byte-order mark, led by
// the UTF-8 byte-order mark. The text ends at its first zero code unit; a
// last odd byte is dropped and a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes);
