#include "store/inivalue.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::uint64_t MaxHex = std::numeric_limits<std::uint32_t>::max();
constexpr std::int64_t MaxDecimal = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t MinDecimal = std::numeric_limits<std::int32_t>::min();
constexpr std::size_t ShortestZeroXHex = 3;

char FoldChar(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = FoldChar(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::int32_t> ParseHex(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > MaxHex)
            return std::nullopt;
    }
    // Eight hex digits fill all 32 bits, so "$FFFFFFFF" is -1 as in a colour
    // with the top bit set.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > MaxDecimal + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > MaxDecimal || value < MinDecimal)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::string FoldCase(std::string_view text)
{
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldChar);
    return folded;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldChar(x) == FoldChar(y); });
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view FirstLine(std::string_view text)
{
    return text.substr(0, text.find_first_of("\r\n"));
}

std::string CutToCharacters(std::string_view text, std::size_t count)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i]))
            continue;
        if (characters == count)
            return std::string(text.substr(0, i));
        ++characters;
    }
    return std::string(text);
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text)
{
    if (text.starts_with('$'))
        return ParseHex(text.substr(1));
    if (text.size() >= ShortestZeroXHex && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseHex(text.substr(2));
    return ParseDecimal(text);
}
