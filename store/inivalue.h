#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text rules of the settings file, shared by the document and the settings
// store. Letter case is folded for ASCII letters only: names with other
// letters match only when spelt the same.

std::string FoldCase(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Strips spaces and tabs at both ends.
std::string_view TrimBlanks(std::string_view text);

// The part before the first line break: a line of the file cannot hold more.
std::string_view FirstLine(std::string_view text);

// Settings files written on Windows hold names in its Western code page:
// a line that is not valid UTF-8 is read as Windows-1252 instead.
bool IsValidUtf8(std::string_view text);
std::string Windows1252ToUtf8(std::string_view text);
// The line as UTF-8, whichever of the two it was written in.
std::string AsUtf8(std::string_view line);

// Characters of UTF-8 text, not bytes.
std::size_t CharacterCount(std::string_view text);

// Keeps the first `count` characters of UTF-8 text; a character is never split.
std::string CutToCharacters(std::string_view text, std::size_t count);

// Decimal, or hexadecimal after "$" or (when longer than two characters)
// after "0x"/"0X". Anything else, or a number outside 32 bits, gives nothing.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);
