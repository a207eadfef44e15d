#include <gtest/gtest.h>

#include "language/languagechoice.h"

namespace {

const std::vector<std::string> Shipped = {"de", "fr", "pt_br"};

TEST(LanguageChoice, FollowsTheDesktopsFirstLanguageThatIsSpoken)
{
    EXPECT_EQ(ChooseLanguage(Shipped, {"de-DE", "de", "en-US"}, ""), "de");
    EXPECT_EQ(ChooseLanguage(Shipped, {"fr_CA.UTF-8"}, ""), "fr") << "a region falls back to its language";
    EXPECT_EQ(ChooseLanguage(Shipped, {"es-ES", "es", "fr"}, ""), "fr") << "an unspoken first wish is passed over";
    EXPECT_EQ(ChooseLanguage(Shipped, {"en-GB", "de"}, ""), "en") << "English is spoken without a catalogue";
    EXPECT_EQ(ChooseLanguage(Shipped, {"pt-BR"}, ""), "pt_br");
    EXPECT_EQ(ChooseLanguage(Shipped, {"pt-PT", "pt"}, ""), "en") << "a regional catalogue serves only its region";
    EXPECT_EQ(ChooseLanguage(Shipped, {}, ""), "en");
    EXPECT_EQ(ChooseLanguage({}, {"de"}, ""), "en") << "no catalogues: English";
}

TEST(LanguageChoice, ThePlayersChoiceOverridesTheDesktopWhenSpoken)
{
    EXPECT_EQ(ChooseLanguage(Shipped, {"de"}, "fr"), "fr");
    EXPECT_EQ(ChooseLanguage(Shipped, {"de"}, "en"), "en") << "English may be chosen on a German desktop";
    EXPECT_EQ(ChooseLanguage(Shipped, {"de"}, "FR_fr"), "fr") << "letter case and region do not matter";
    EXPECT_EQ(ChooseLanguage(Shipped, {"de"}, "es"), "de") << "a choice no longer shipped falls back to the desktop";
    for (const std::string& bad : std::vector<std::string>{"../de", "d e", "\xC3\xA9", std::string("de\0x", 4)})
        EXPECT_EQ(ChooseLanguage(Shipped, {"fr"}, bad), "fr") << "a malformed choice in the file is ignored";
}

TEST(LanguageChoice, CodesAreNormalisedAsCataloguesAreNamed)
{
    EXPECT_EQ(NormalLanguageCode("de-DE"), "de_de");
    EXPECT_EQ(NormalLanguageCode("fr_FR.UTF-8"), "fr_fr");
    EXPECT_EQ(NormalLanguageCode("ca_ES@valencia"), "ca_es");
    EXPECT_EQ(NormalLanguageCode("C"), "c");
    EXPECT_EQ(NormalLanguageCode(""), "");
}

}  // namespace
