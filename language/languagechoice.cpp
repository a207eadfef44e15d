#include "language/languagechoice.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

std::optional<std::string> Answer(const std::vector<std::string>& available, const std::string& wish)
{
    const std::string code = NormalLanguageCode(wish);
    if (code.empty())
        return std::nullopt;
    const std::string base = code.substr(0, code.find('_'));
    for (const std::string& candidate : {code, base}) {
        if (candidate == SourceLanguage)
            return candidate;
        if (std::find(available.begin(), available.end(), candidate) != available.end())
            return candidate;
    }
    return std::nullopt;
}

}  // namespace

std::string NormalLanguageCode(const std::string& code)
{
    std::string normal;
    for (const char c : code.substr(0, code.find_first_of(".@"))) {
        if (c == '-' || c == '_')
            normal += '_';
        else if (std::isalnum(static_cast<unsigned char>(c)))
            normal += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else
            return {};
    }
    return normal;
}

std::string ChooseLanguage(const std::vector<std::string>& available, const std::vector<std::string>& preferred,
                           const std::string& playerChoice)
{
    if (const auto chosen = Answer(available, playerChoice))
        return *chosen;
    for (const std::string& wish : preferred) {
        if (const auto chosen = Answer(available, wish))
            return *chosen;
    }
    return SourceLanguage;
}
