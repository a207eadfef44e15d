#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "store/inidocument.h"
#include "store/inivalue.h"

namespace {

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> value;
};

const IntegerCase IntegerCases[] = {
    {"32", 32},
    {"-7", -7},
    {"+7", 7},
    {"0", 0},
    {"0x20", 32},
    {"0X20", 32},
    {"0x1", 1},
    {"0x", std::nullopt},  // two characters: read as a malformed decimal
    {"0X", std::nullopt},
    {"$20", 32},
    {"$ff", 255},
    {"$", std::nullopt},
    {"$FFFFFFFF", -1},  // a system colour keeps its top bit
    {"0x100000000", std::nullopt},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"2147483648", std::nullopt},
    {"", std::nullopt},
    {"-", std::nullopt},
    {"abc", std::nullopt},
    {"12abc", std::nullopt},
    {"1 2", std::nullopt},
    {"0xg", std::nullopt},
    {"-0x20", std::nullopt},
};

TEST(IniValueTest, IntegersFollowTheFileRules)
{
    for (const IntegerCase& c : IntegerCases)
        EXPECT_EQ(ParseIniInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(IniValueTest, CutsWholeCharacters)
{
    EXPECT_EQ(CutToCharacters("abcdef", 3), "abc");
    EXPECT_EQ(CutToCharacters("ab", 3), "ab");
    EXPECT_EQ(CutToCharacters("\xC3\xA4\xC3\xB6\xC3\xBC", 2), "\xC3\xA4\xC3\xB6");  // äöü
    EXPECT_EQ(CutToCharacters("\x80\x80x", 0), "\x80\x80");  // stray continuation bytes are not split off
    EXPECT_TRUE(EqualsIgnoringCase("Peek at All", "PEEK AT ALL"));
    EXPECT_FALSE(EqualsIgnoringCase("\xC3\x84", "\xC3\xA4"));  // Ä, ä: ASCII folding only
}

TEST(IniDocumentTest, MatchesNamesWithoutRegardToCaseAndTrimsBlanks)
{
    const TIniDocument doc("[Ann]\n  Card Back =  5 \t\n[ bob ]\nlevel=1\n");
    EXPECT_EQ(doc.Value("ann", "CARD BACK"), "5");
    EXPECT_EQ(doc.Value("ANN", "card back"), "5");
    EXPECT_EQ(doc.Value("Bob", "Level"), "1");
    EXPECT_EQ(doc.Value("Ann", "Level"), std::nullopt);
    EXPECT_EQ(doc.Value("Carl", "Level"), std::nullopt);
}

TEST(IniDocumentTest, FirstSectionAndFirstKeyWin)
{
    TIniDocument doc("[Ann]\nLevel=1\nLevel=2\n[ann]\nLevel=3\nTop=4\n");
    EXPECT_EQ(doc.Value("Ann", "Level"), "1");
    EXPECT_EQ(doc.Value("Ann", "Top"), std::nullopt);  // only the first section is read
    doc.SetValue("ANN", "level", "9");
    doc.SetValue("Ann", "Top", "5");
    EXPECT_EQ(doc.Text(), "[Ann]\nLevel=9\nLevel=2\nTop=5\n[ann]\nLevel=3\nTop=4\n");
    doc.EraseSection("aNN");
    EXPECT_EQ(doc.Text(), "");
}

TEST(IniDocumentTest, KeepsEveryLineItDoesNotChange)
{
    const std::string before =
        "; written by hand\n"
        "stray line before any section\n"
        "\n"
        "[Settings]\n"
        "Previous0=Ann\n"
        "# not a comment to us, just a line\n"
        "\n"
        "[Ann]\n"
        "Level = 1\n"
        ";Top=99\n"
        "\n"
        "[Other]\n"
        "Colour=red\n";
    TIniDocument doc(before);
    EXPECT_EQ(doc.Text(), before);
    EXPECT_EQ(doc.Value("Ann", ";Top"), std::nullopt);
    doc.SetValue("Ann", "Level", "2");
    doc.SetValue("Ann", "Top", "20");
    doc.SetValue("New", "Key", "v");
    EXPECT_EQ(doc.Text(),
              "; written by hand\n"
              "stray line before any section\n"
              "\n"
              "[Settings]\n"
              "Previous0=Ann\n"
              "# not a comment to us, just a line\n"
              "\n"
              "[Ann]\n"
              "Level =2\n"
              ";Top=99\n"
              "Top=20\n"
              "\n"
              "[Other]\n"
              "Colour=red\n"
              "\n"
              "[New]\n"
              "Key=v\n");
}

TEST(IniDocumentTest, KeepsWindowsLineEnds)
{
    TIniDocument doc("[Ann]\r\nLevel=1\r\n\r\n[Bob]\r\nLevel=2");
    EXPECT_EQ(doc.Value("Ann", "Level"), "1");
    EXPECT_EQ(doc.Value("Bob", "Level"), "2");
    doc.SetValue("Ann", "Top", "3");
    doc.SetValue("Carl", "Level", "1");
    EXPECT_EQ(doc.Text(), "[Ann]\r\nLevel=1\r\nTop=3\r\n\r\n[Bob]\r\nLevel=2\n\r\n[Carl]\r\nLevel=1\r\n");
}

TEST(IniDocumentTest, ErasingRemovesTheSectionLineAndItsKeysOnly)
{
    TIniDocument doc("top=1\n[A]\nk=1\n\n[B]\nk=2\n\n[C]\nk=3\n");
    doc.EraseSection("b");
    EXPECT_EQ(doc.Text(), "top=1\n[A]\nk=1\n\n[C]\nk=3\n");
    doc.EraseSection("Missing");
    doc.EraseSection("");
    EXPECT_EQ(doc.Text(), "top=1\n[A]\nk=1\n\n[C]\nk=3\n");
}

TEST(IniDocumentTest, NamesTheFormatCannotHoldStillFindTheirSection)
{
    TIniDocument doc;
    doc.SetValue("a]b", "Level", "1");
    doc.SetValue("[x", "Level", "2");
    doc.SetValue("two\nlines", "Level", "3");  // cut at the line break, never a new line
    doc.SetValue("Ann", "Paths1", "/tmp/\r\n[Settings]\nPrevious0=evil");
    EXPECT_EQ(doc.Text(), "[a]b]\nLevel=1\n\n[[x]\nLevel=2\n\n[two]\nLevel=3\n\n[Ann]\nPaths1=/tmp/\n");
    const TIniDocument reread(doc.Text());
    EXPECT_EQ(reread.Value("a]b", "Level"), "1");
    EXPECT_EQ(reread.Value("[x", "Level"), "2");
    EXPECT_EQ(reread.Value("two\nlines", "level"), "3");
    EXPECT_EQ(reread.Value("Settings", "Previous0"), std::nullopt);
}

TEST(IniDocumentTest, AByteOrderMarkDoesNotHideTheFirstSection)
{
    TIniDocument doc("\xEF\xBB\xBF[Ann]\nLevel=1\n");
    EXPECT_EQ(doc.Value("Ann", "Level"), "1");
    doc.SetValue("Ann", "Level", "2");
    EXPECT_EQ(doc.Text(), "\xEF\xBB\xBF[Ann]\nLevel=2\n");
}

TEST(IniDocumentTest, WindowsCodePageNamesAreReadAndTheirSectionRewrittenInUtf8)
{
    const std::string joerg = "J\xC3\xB6rg";  // Jörg in UTF-8
    TIniDocument doc("[Settings]\nPrevious0=J\xF6rg\n\n[J\xF6rg]\nLevel=1\nNote=\x80 5\n\n[Zed]\nNote=\xE9t\xE9\n");
    EXPECT_EQ(doc.Value("Settings", "Previous0"), joerg);
    EXPECT_EQ(doc.Value(joerg, "Level"), "1");
    EXPECT_EQ(doc.Value("Zed", "Note"), "\xC3\xA9t\xC3\xA9");
    doc.SetValue(joerg, "Level", "2");
    // One section, in place, all of it UTF-8; sections not written to keep their bytes.
    EXPECT_EQ(doc.Text(), "[Settings]\nPrevious0=J\xF6rg\n\n[" + joerg + "]\nLevel=2\nNote=\xE2\x82\xAC 5\n\n[Zed]\nNote=\xE9t\xE9\n");
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x82\xA1"));  // a playing card
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"})
        EXPECT_FALSE(IsValidUtf8(bad)) << "overlong, surrogate, too large or cut short";
}

TEST(IniDocumentTest, ReadsAtMost1023Characters)
{
    const std::string longValue(5000, 'x');
    const TIniDocument doc("[A]\nk=" + longValue + "\nu=" + std::string(1022, 'y') + "\xC3\xA4\xC3\xA4\n");
    EXPECT_EQ(doc.Value("A", "k"), std::string(TIniDocument::MaxValueLength, 'x'));
    EXPECT_EQ(doc.Value("A", "u"), std::string(1022, 'y') + "\xC3\xA4");
}

}  // namespace
