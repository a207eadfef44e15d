#include "store/inidocument.h"

#include <algorithm>

#include "store/inivalue.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutCR(std::string_view raw)
{
    if (raw.ends_with('\r'))
        raw.remove_suffix(1);
    return raw;
}

std::optional<std::string_view> SectionNameOf(std::string_view raw)
{
    const std::string_view line = TrimBlanks(WithoutCR(raw));
    if (!line.starts_with('['))
        return std::nullopt;
    const std::size_t close = line.rfind(']');
    const std::string_view inside = close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1);
    return TrimBlanks(inside);
}

std::string FoldedName(std::string_view name)
{
    return FoldCase(TrimBlanks(FirstLine(name)));
}

bool IsBlankLine(std::string_view raw)
{
    return TrimBlanks(WithoutCR(raw)).empty();
}

}  // namespace

TIniDocument::TIniDocument(std::string_view text)
{
    // Editors on Windows start UTF-8 files with a byte-order mark; it is kept, but
    // must not hide the first section.
    bom_ = text.starts_with(ByteOrderMark);
    if (bom_)
        text.remove_prefix(ByteOrderMark.size());
    const std::size_t firstBreak = text.find('\n');
    crlf_ = firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r';
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string raw(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::string decoded = AsUtf8(raw);
        if (const auto name = SectionNameOf(decoded)) {
            sections_.push_back(Section{std::move(raw), FoldCase(*name), {}});
            continue;
        }
        sections_.back().lines.push_back(ParseLine(std::move(raw)));
    }
}

TIniDocument::Line TIniDocument::ParseLine(std::string raw)
{
    Line line;
    const std::string decoded = AsUtf8(raw);
    const std::string_view text = TrimBlanks(WithoutCR(decoded));
    const std::size_t equals = text.find('=');
    if (!text.starts_with(';') && equals != std::string_view::npos) {
        line.isKey = true;
        line.key = FoldCase(TrimBlanks(text.substr(0, equals)));
        line.value = std::string(TrimBlanks(text.substr(equals + 1)));
    }
    line.raw = std::move(raw);
    return line;
}

std::string TIniDocument::Text() const
{
    std::string text(bom_ ? ByteOrderMark : std::string_view());
    for (const Section& section : sections_) {
        if (&section != &sections_.front())
            text.append(section.header).push_back('\n');
        for (const Line& line : section.lines)
            text.append(line.raw).push_back('\n');
    }
    return text;
}

std::optional<std::string> TIniDocument::Value(std::string_view section, std::string_view key) const
{
    const std::size_t found = FindSection(FoldedName(section));
    if (found == NoSection)
        return std::nullopt;
    const std::string foldedKey = FoldedName(key);
    for (const Line& line : sections_[found].lines) {
        if (line.isKey && line.key == foldedKey)
            return CutToCharacters(line.value, MaxValueLength);
    }
    return std::nullopt;
}

void TIniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::size_t found = FindSection(FoldedName(section));
    Section& target = found == NoSection ? AppendSection(section) : sections_[found];
    ConvertToUtf8(target);
    const std::string foldedKey = FoldedName(key);
    auto& lines = target.lines;
    const auto existing = std::find_if(lines.begin(), lines.end(), [&](const Line& line) {
        return line.isKey && line.key == foldedKey;
    });
    if (existing != lines.end()) {
        // Keep the key as spelt in the file; only the value changes.
        const std::string_view raw = WithoutCR(existing->raw);
        *existing = MakeKeyLine(raw.substr(0, raw.find('=')), value);
        return;
    }
    // After the last key, so the blank lines that end a section stay last.
    const auto lastKey = std::find_if(lines.rbegin(), lines.rend(), [](const Line& line) {
        return !IsBlankLine(line.raw);
    });
    lines.insert(lastKey.base(), MakeKeyLine(FirstLine(key), value));
}

void TIniDocument::EraseKeys(std::string_view section, std::string_view keyPrefix)
{
    const std::size_t found = FindSection(FoldedName(section));
    if (found == NoSection)
        return;
    const std::string prefix = FoldCase(keyPrefix);
    auto& lines = sections_[found].lines;
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [&](const Line& line) { return line.isKey && line.key.starts_with(prefix); }),
                lines.end());
}

void TIniDocument::EraseSection(std::string_view section)
{
    const std::string folded = FoldedName(section);
    // The lines before the first section have no name and are never erased.
    const auto named = [&](const Section& s) { return s.name == folded; };
    sections_.erase(std::remove_if(sections_.begin() + 1, sections_.end(), named), sections_.end());
}

// A section written in the Windows code page is rewritten in UTF-8 as soon as
// it changes, in its place, so its name and values stay one.
void TIniDocument::ConvertToUtf8(Section& section)
{
    section.header = AsUtf8(section.header);
    for (Line& line : section.lines)
        line.raw = AsUtf8(line.raw);
}

TIniDocument::Line TIniDocument::MakeKeyLine(std::string_view key, std::string_view value) const
{
    return ParseLine(std::string(key) + '=' + std::string(FirstLine(value)) + LineEnd());
}

std::string TIniDocument::LineEnd() const
{
    return crlf_ ? "\r" : "";
}

std::size_t TIniDocument::FindSection(std::string_view folded) const
{
    // Index 0 holds the lines before the first section, which has no name.
    for (std::size_t i = 1; i < sections_.size(); ++i) {
        if (sections_[i].name == folded)
            return i;
    }
    return NoSection;
}

TIniDocument::Section& TIniDocument::AppendSection(std::string_view name)
{
    Section& last = sections_.back();
    const bool fileIsEmpty = sections_.size() == 1 && last.lines.empty();
    if (!fileIsEmpty && (last.lines.empty() || !IsBlankLine(last.lines.back().raw)))
        last.lines.push_back(ParseLine(LineEnd()));
    const std::string_view plain = FirstLine(name);
    sections_.push_back(Section{"[" + std::string(plain) + "]" + LineEnd(), FoldCase(TrimBlanks(plain)), {}});
    return sections_.back();
}
