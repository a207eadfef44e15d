#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One settings file in memory, line by line. Lines the document does not
// change are written back exactly as read, so other sections, comments and
// lines it does not understand survive every write.
//
// Reading rules: "[name]" opens a section (the name runs to the last "]",
// so a player name holding "]" still finds its section); "key=value" lines
// belong to the section above them; names and values are trimmed of spaces
// and tabs; lines starting with ";" are comments. When a section or a key
// appears twice, the first one counts, for reading and for writing alike.
// A byte-order mark at the start is skipped (and kept); a line that is not
// UTF-8 is read as Windows-1252, and its section is rewritten in UTF-8 when
// it is written to.
class TIniDocument {
public:
    static constexpr std::size_t MaxValueLength = 1023;

    TIniDocument() = default;
    explicit TIniDocument(std::string_view text);

    // The file's text: every line ends with the line break the file used.
    std::string Text() const;

    // Cut to MaxValueLength characters; nothing when the section or key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the key's value in place, or adds the key after the section's
    // last key, or adds the section at the end of the file.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // Removes the keys of a section whose names begin with the prefix
    // (letter case not counting); other lines stay as they are.
    void EraseKeys(std::string_view section, std::string_view keyPrefix);

    // Removes every section of that name with all its lines.
    void EraseSection(std::string_view section);

private:
    struct Line {
        std::string raw;     // without the line feed; a CR before it stays
        bool isKey = false;
        std::string key;     // folded, for matching
        std::string value;   // trimmed
    };

    struct Section {
        std::string header;  // empty for the lines before the first section
        std::string name;    // folded, for matching
        std::vector<Line> lines;
    };

    static Line ParseLine(std::string raw);
    static void ConvertToUtf8(Section& section);
    Line MakeKeyLine(std::string_view key, std::string_view value) const;
    std::string LineEnd() const;
    static constexpr std::size_t NoSection = 0;
    std::size_t FindSection(std::string_view folded) const;
    Section& AppendSection(std::string_view name);

    std::vector<Section> sections_{Section{}};
    bool crlf_ = false;
    bool bom_ = false;
};
