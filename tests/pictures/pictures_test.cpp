#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>

#include "tools/picturegen/appicon.h"
#include "tools/picturegen/picturecatalogue.h"
#include "pictures/pictures.h"
#include "tools/picturegen/vgapalette.h"

namespace {
constexpr int CardWidth = 71;
constexpr int CardHeight = 95;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb LightGrey = 0xFFC0C0C0;
constexpr QRgb Red = 0xFFFF0000;

QImage Load(const std::string& name)
{
    return LoadPicture(QString::fromStdString(name)).convertToFormat(QImage::Format_ARGB32);
}

std::vector<std::string> FaceNames(int firstRank = 1, int lastRank = 13)
{
    std::vector<std::string> names;
    for (const char* family : {"SPADE", "HEART", "DIAMOND", "CLUB"})
        for (int rank = firstRank; rank <= lastRank; ++rank)
            names.push_back(family + std::to_string(rank));
    return names;
}

std::vector<std::string> CardNames()
{
    std::vector<std::string> names = FaceNames();
    names.push_back("JOKER");
    for (int back = 1; back <= 12; ++back)
        names.push_back("CARDBACK" + std::to_string(back));
    return names;
}

bool IsRedSuit(const std::string& name)
{
    return name.rfind("HEART", 0) == 0 || name.rfind("DIAMOND", 0) == 0;
}

int RankOf(const std::string& name)
{
    const auto digits = name.find_first_of("0123456789");
    return std::stoi(name.substr(digits));
}

std::set<QRgb> ColoursIn(const QImage& image, int left, int top, int right, int bottom)
{
    std::set<QRgb> colours;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

// Number of separate blots of one colour inside a rectangle (four-neighbour).
int CountBlots(const QImage& image, QRgb colour, int left, int top, int right, int bottom)
{
    const int width = right - left + 1;
    std::vector<bool> seen(static_cast<std::size_t>(width * (bottom - top + 1)), false);
    const auto index = [&](int x, int y) { return static_cast<std::size_t>((y - top) * width + (x - left)); };
    int blots = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (seen[index(x, y)] || image.pixel(x, y) != colour)
                continue;
            ++blots;
            std::vector<std::pair<int, int>> pending = {{x, y}};
            seen[index(x, y)] = true;
            while (!pending.empty()) {
                const auto [px, py] = pending.back();
                pending.pop_back();
                for (const auto& [nx, ny] : {std::pair{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}}) {
                    if (nx < left || nx > right || ny < top || ny > bottom || seen[index(nx, ny)] ||
                        image.pixel(nx, ny) != colour)
                        continue;
                    seen[index(nx, ny)] = true;
                    pending.push_back({nx, ny});
                }
            }
        }
    }
    return blots;
}

class CardPicture : public ::testing::TestWithParam<std::string> {};

TEST_P(CardPicture, IsACardSizedPictureOfPaletteColours)
{
    ASSERT_TRUE(HasPicture(QString::fromStdString(GetParam())));
    const QImage card = Load(GetParam());
    ASSERT_FALSE(card.isNull());
    ASSERT_EQ(card.width(), CardWidth);
    ASSERT_EQ(card.height(), CardHeight);
    for (QRgb colour : ColoursIn(card, 0, 0, CardWidth - 1, CardHeight - 1)) {
        EXPECT_EQ(qAlpha(colour), 255);
        EXPECT_TRUE(Vga::IsPaletteColour(colour)) << std::hex << colour;
    }
}

TEST_P(CardPicture, HasARoundedBlackOutlineWithLightGreyCorners)
{
    const QImage card = Load(GetParam());
    ASSERT_EQ(card.size(), QSize(CardWidth, CardHeight));
    const int right = CardWidth - 1;
    const int bottom = CardHeight - 1;
    for (int x = 2; x <= right - 2; ++x) {
        EXPECT_EQ(card.pixel(x, 0), Black) << "top edge at " << x;
        EXPECT_EQ(card.pixel(x, bottom), Black) << "bottom edge at " << x;
    }
    for (int y = 2; y <= bottom - 2; ++y) {
        EXPECT_EQ(card.pixel(0, y), Black) << "left edge at " << y;
        EXPECT_EQ(card.pixel(right, y), Black) << "right edge at " << y;
    }
    for (const auto& [x, y] : {std::pair{1, 1}, {right - 1, 1}, {right - 1, bottom - 1}, {1, bottom - 1}})
        EXPECT_EQ(card.pixel(x, y), Black) << x << "," << y;
    const std::array<std::pair<int, int>, 12> corners = {{{0, 0},
                                                          {1, 0},
                                                          {0, 1},
                                                          {right - 1, 0},
                                                          {right, 0},
                                                          {right, 1},
                                                          {right, bottom - 1},
                                                          {right, bottom},
                                                          {right - 1, bottom},
                                                          {0, bottom - 1},
                                                          {0, bottom},
                                                          {1, bottom}}};
    for (const auto& [x, y] : corners)
        EXPECT_EQ(card.pixel(x, y), LightGrey) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(AllCards, CardPicture, ::testing::ValuesIn(CardNames()));

class FacePicture : public ::testing::TestWithParam<std::string> {};

TEST_P(FacePicture, HasAPureWhiteFace)
{
    const QImage card = Load(GetParam());
    ASSERT_EQ(card.size(), QSize(CardWidth, CardHeight));
    // Beside the pips, clear of the indices and of the court frame.
    for (const auto& [x, y] : {std::pair{6, 47}, {64, 47}, {35, 2}, {35, 92}})
        EXPECT_EQ(card.pixel(x, y), White) << x << "," << y;
}

TEST_P(FacePicture, CornerIndicesAreInTheSuitColour)
{
    const QImage card = Load(GetParam());
    ASSERT_EQ(card.size(), QSize(CardWidth, CardHeight));
    const QRgb ink = IsRedSuit(GetParam()) ? Red : Black;
    const std::set<QRgb> topLeft = ColoursIn(card, 2, 3, 11, 23);
    const std::set<QRgb> bottomRight = ColoursIn(card, CardWidth - 12, CardHeight - 24, CardWidth - 3, CardHeight - 4);
    EXPECT_EQ(topLeft, (std::set<QRgb>{White, ink}));
    EXPECT_EQ(bottomRight, (std::set<QRgb>{White, ink}));
}

INSTANTIATE_TEST_SUITE_P(AllFaces, FacePicture, ::testing::ValuesIn(FaceNames()));

class NumberCardPicture : public ::testing::TestWithParam<std::string> {};

TEST_P(NumberCardPicture, ShowsAsManyPipsAsItsRank)
{
    const int rank = RankOf(GetParam());
    const QImage card = Load(GetParam());
    ASSERT_EQ(card.size(), QSize(CardWidth, CardHeight));
    const QRgb ink = IsRedSuit(GetParam()) ? Red : Black;
    EXPECT_EQ(CountBlots(card, ink, 12, 2, CardWidth - 13, CardHeight - 3), rank);
}

INSTANTIATE_TEST_SUITE_P(TwosToTens, NumberCardPicture, ::testing::ValuesIn(FaceNames(2, 10)));

class AcePicture : public ::testing::TestWithParam<std::string> {};

TEST_P(AcePicture, ShowsOneLargePipInTheMiddle)
{
    const QImage card = Load(GetParam());
    ASSERT_EQ(card.size(), QSize(CardWidth, CardHeight));
    const QRgb ink = IsRedSuit(GetParam()) ? Red : Black;
    EXPECT_EQ(card.pixel(CardWidth / 2, CardHeight / 2), ink);
    int left = CardWidth;
    int right = -1;
    for (int y = 25; y < CardHeight - 25; ++y)
        for (int x = 12; x < CardWidth - 12; ++x)
            if (card.pixel(x, y) == ink) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GE(right - left + 1, 20) << "the centre pip is too small";
    EXPECT_EQ(left + right, CardWidth - 1) << "the centre pip is off centre";
}

INSTANTIATE_TEST_SUITE_P(Aces, AcePicture, ::testing::Values("SPADE1", "HEART1", "DIAMOND1", "CLUB1"));

class CourtCardPicture : public ::testing::TestWithParam<std::string> {};

TEST_P(CourtCardPicture, IsAPaintedPortrait)
{
    const QImage card = Load(GetParam());
    ASSERT_EQ(card.size(), QSize(CardWidth, CardHeight));
    const std::set<QRgb> colours = ColoursIn(card, 12, 10, CardWidth - 13, CardHeight - 11);
    EXPECT_GE(colours.size(), 6u);
    EXPECT_TRUE(colours.count(0xFFFFFF00)) << "no gold";
    EXPECT_TRUE(colours.count(Red)) << "no red";
    EXPECT_TRUE(colours.count(0xFF0000FF)) << "no blue";
}

INSTANTIATE_TEST_SUITE_P(JacksQueensKings, CourtCardPicture, ::testing::ValuesIn(FaceNames(11, 13)));

TEST(CardBackPictures, AreTwelveDifferentDesigns)
{
    std::set<QByteArray> designs;
    for (int back = 1; back <= 12; ++back) {
        const QImage image = Load("CARDBACK" + std::to_string(back));
        designs.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(designs.size(), 12u);
}

TEST(CardBackPictures, JokerShowsTheMonogramOfTheLastBack)
{
    const QImage joker = Load("JOKER");
    const QImage monogram = Load("CARDBACK12");
    ASSERT_EQ(joker.size(), monogram.size());
    int same = 0;
    for (int y = 0; y < CardHeight; ++y)
        for (int x = 0; x < CardWidth; ++x)
            same += joker.pixel(x, y) == monogram.pixel(x, y) ? 1 : 0;
    EXPECT_GT(same, CardWidth * CardHeight * 8 / 10);
}

// Centre pixels of the segments a (top) to g (middle).
constexpr std::array<std::pair<int, int>, 7> SegmentCentres = {
    {{7, 2}, {12, 7}, {12, 17}, {7, 22}, {2, 17}, {2, 7}, {7, 12}}};
constexpr std::array<const char*, 10> LitSegments = {"abcdef", "bc",      "abdeg", "abcdg",   "bcfg",
                                                     "acdfg",  "acdefg",  "abc",   "abcdefg", "abcdfg"};

class DigitPicture : public ::testing::TestWithParam<int> {};

TEST_P(DigitPicture, BothSetsAreTwoColourSevenSegmentDigits)
{
    const int digit = GetParam();
    for (const auto& [set, background] : {std::pair{"DIGITALW", Black}, {"DIGITALG", LightGrey}}) {
        const std::string name = set + std::to_string(digit);
        const QImage image = Load(name);
        ASSERT_EQ(image.size(), QSize(15, 25)) << name;
        EXPECT_EQ(ColoursIn(image, 0, 0, 14, 24), (std::set<QRgb>{White, background})) << name;
        const std::string lit = LitSegments[digit];
        for (std::size_t segment = 0; segment < SegmentCentres.size(); ++segment) {
            const auto [x, y] = SegmentCentres[segment];
            const bool wanted = lit.find(static_cast<char>('a' + segment)) != std::string::npos;
            EXPECT_EQ(image.pixel(x, y), wanted ? White : background)
                << name << " segment " << static_cast<char>('a' + segment);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllDigits, DigitPicture, ::testing::Range(0, 10));

TEST(GlyphPictures, HaveTheirSizesAndPaletteColours)
{
    const std::vector<std::pair<const char*, QSize>> glyphs = {
        {"ARROWLEFT", {15, 15}}, {"ARROWRIGHT", {15, 15}}, {"TICK", {16, 16}},       {"TICKDISABLED", {16, 16}},
        {"EXIT", {16, 16}},      {"DELETE", {16, 16}},     {"ZERO", {16, 16}},       {"HELP", {16, 16}},
        {"PLAYERICON", {32, 32}}, {"SPEAKERS", {64, 64}},  {"WASTEBIN", {49, 64}},   {"PAGEDRAG", {32, 32}},
        {"PAGEDROP", {32, 32}}};
    for (const auto& [name, size] : glyphs) {
        const QImage image = Load(name);
        ASSERT_EQ(image.size(), size) << name;
        for (QRgb colour : ColoursIn(image, 0, 0, size.width() - 1, size.height() - 1)) {
            EXPECT_TRUE(qAlpha(colour) == 0 || qAlpha(colour) == 255) << name;
            if (qAlpha(colour) == 255) {
                EXPECT_TRUE(Vga::IsPaletteColour(colour)) << name << " " << std::hex << colour;
            }
        }
    }
}

TEST(GlyphPictures, ShiftArrowsPointOppositeWays)
{
    const QImage left = Load("ARROWLEFT");
    const QImage right = Load("ARROWRIGHT");
    ASSERT_EQ(left.size(), right.size());
    EXPECT_EQ(left.mirrored(true, false), right);
    EXPECT_EQ(left.pixel(1, 7), Black) << "the tip is on the left";
    EXPECT_EQ(qAlpha(left.pixel(13, 1)), 0) << "the tail end is narrow";
}

TEST(DragCursors, AreBlackAndWhiteWithTheHotSpotOnTheDrawing)
{
    for (const char* name : {"PAGEDRAG", "PAGEDROP"}) {
        const QImage cursor = Load(name);
        ASSERT_EQ(cursor.size(), QSize(32, 32)) << name;
        EXPECT_EQ(ColoursIn(cursor, 0, 0, 31, 31), (std::set<QRgb>{Black, White, 0u})) << name;
        EXPECT_EQ(cursor.pixel(0, 31), Black) << name;
    }
    EXPECT_NE(Load("PAGEDRAG"), Load("PAGEDROP"));
}

TEST(PictureGenerator, DrawsExactlyTheCommittedPictures)
{
    QStringList generated;
    for (const NamedPicture& picture : PictureCatalogue::All()) {
        generated << picture.name;
        const QImage committed = LoadPicture(picture.name);
        ASSERT_FALSE(committed.isNull()) << picture.name.toStdString();
        EXPECT_EQ(committed.convertToFormat(QImage::Format_ARGB32),
                  picture.image.convertToFormat(QImage::Format_ARGB32))
            << picture.name.toStdString() << " differs from the generator's drawing";
    }
    QStringList committed = QDir(QStringLiteral(":/pictures")).entryList(QDir::Files);
    for (QString& file : committed)
        file.chop(4);  // ".png"
    generated.sort();
    committed.sort();
    EXPECT_EQ(committed, generated);
}

TEST(PictureGenerator, DrawsTheCommittedCardSheet)
{
    const QImage committed(QStringLiteral(BRACKWATER_SOURCE_DIR "/docs/cards.png"));
    ASSERT_FALSE(committed.isNull());
    EXPECT_EQ(committed.convertToFormat(QImage::Format_ARGB32),
              PictureCatalogue::CardSheet().convertToFormat(QImage::Format_ARGB32));
}

// Sharp in every size: each design pixel becomes a square block of one
// palette colour (or clear), never a blend of two.
TEST(PictureGenerator, DrawsTheCommittedIconsSharpInEverySize)
{
    for (const int size : AppIcon::Sizes()) {
        const QString file = QStringLiteral(BRACKWATER_SOURCE_DIR "/data/icons/brackwater-%1.png").arg(size);
        const QImage committed = QImage(file).convertToFormat(QImage::Format_ARGB32);
        const QImage drawn = AppIcon::Icon(size).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(committed.size(), QSize(size, size)) << file.toStdString();
        EXPECT_EQ(committed, drawn) << file.toStdString() << " differs from the generator's drawing";
        const int block = size % 32 == 0 ? size / 32 : size / 16;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = drawn.pixel(x, y);
                ASSERT_EQ(pixel, drawn.pixel(x - x % block, y - y % block)) << size << " at " << x << "," << y;
                ASSERT_TRUE(qAlpha(pixel) == 0 || Vga::IsPaletteColour(pixel)) << size << " at " << x << "," << y;
            }
    }
}
}  // namespace
