#pragma once
#include <string>
#include <string_view>

namespace orvelle {

// Bytes from the saints file as UTF-8: unchanged when they already are valid UTF-8, otherwise
// read as Windows-1252 (files written by older editors).
std::string ToUtf8(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

// File bytes as a message quotes them: readable, and short enough for a message box. Control
// bytes and bytes that are no part of valid UTF-8 become \xNN; a value longer than 60 characters
// as shown (an escape counts four) is cut there and "…" follows.
std::string ReadableBytes(std::string_view bytes);

// Upper-cases the ASCII letters a..z only; every other byte is left as it is.
std::string AsciiUpper(std::string_view s);

} // namespace orvelle
