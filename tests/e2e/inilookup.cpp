#include "tests/e2e/inilookup.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::string> IniValue(const std::filesystem::path& file, const std::string& section, const std::string& key)
{
    std::ifstream in(file);
    const std::string wantedSection = Lower(section);
    const std::string wantedKey = Lower(key);
    bool inSection = false;
    std::string line;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            inSection = Lower(line.substr(1, line.size() - 2)) == wantedSection;
            continue;
        }
        const auto equals = line.find('=');
        if (inSection && equals != std::string::npos && Lower(Trimmed(line.substr(0, equals))) == wantedKey)
            return line.substr(equals + 1);
    }
    return std::nullopt;
}
