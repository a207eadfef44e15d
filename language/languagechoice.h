#pragma once

#include <string>
#include <vector>

// The language the program speaks, as a lower-case code such as "de" or
// "pt_br"; "en" is the language the texts are written in.
inline constexpr const char* SourceLanguage = "en";

// Normalises a code as desktops and players write it ("de-DE", "fr_FR.UTF-8",
// "DE") to the form the catalogues are named by ("de_de", "fr_fr", "de").
std::string NormalLanguageCode(const std::string& code);

// Picks what to speak: the player's own choice when one of the available
// languages (or English) answers it, else the first of the desktop's preferred
// languages that one answers, else English. A code answers a wish when it is
// the same, or when it is the wish's language without the region ("de" for
// "de_AT"); a regional catalogue ("pt_br") answers only its own region.
std::string ChooseLanguage(const std::vector<std::string>& available, const std::vector<std::string>& preferred,
                           const std::string& playerChoice);
