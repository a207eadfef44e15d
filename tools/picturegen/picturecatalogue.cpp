#include "tools/picturegen/picturecatalogue.h"

#include <array>
#include <utility>

#include <QPainter>

#include "tools/picturegen/cardbacks.h"
#include "tools/picturegen/cardfaces.h"
#include "tools/picturegen/digitpictures.h"
#include "tools/picturegen/glyphpictures.h"
#include "tools/picturegen/vgapalette.h"

namespace PictureCatalogue {
namespace {
constexpr std::array<std::pair<Suit, const char*>, 4> Families = {
    {{Suit::Spade, "SPADE"}, {Suit::Heart, "HEART"}, {Suit::Diamond, "DIAMOND"}, {Suit::Club, "CLUB"}}};
constexpr int RanksPerSuit = 13;
constexpr int BackCount = 12;

void AddCards(std::vector<NamedPicture>& pictures)
{
    for (const auto& [suit, family] : Families)
        for (int rank = 1; rank <= RanksPerSuit; ++rank)
            pictures.push_back({QString::fromLatin1(family) + QString::number(rank),
                                Vga::ToIndexed(CardFaces::Face(suit, rank).Image())});
    pictures.push_back({QStringLiteral("JOKER"), Vga::ToIndexed(CardBacks::Joker().Image())});
    for (int back = 1; back <= BackCount; ++back)
        pictures.push_back({QStringLiteral("CARDBACK") + QString::number(back),
                            Vga::ToIndexed(CardBacks::Back(back).Image())});
}

void AddDigits(std::vector<NamedPicture>& pictures)
{
    for (int digit = 0; digit <= 9; ++digit) {
        pictures.push_back({QStringLiteral("DIGITALW") + QString::number(digit),
                            Vga::ToIndexed(DigitPictures::Digit(digit, Vga::Black).Image())});
        pictures.push_back({QStringLiteral("DIGITALG") + QString::number(digit),
                            Vga::ToIndexed(DigitPictures::Digit(digit, Vga::Silver).Image())});
    }
}

void AddGlyphs(std::vector<NamedPicture>& pictures)
{
    for (const auto& [name, canvas] : GlyphPictures::All())
        pictures.push_back({QString::fromLatin1(name), Vga::ToIndexed(canvas.Image())});
}

// Paints the card's outer corner pixels in the table colour, as the card
// control does on its panel.
void LayCard(QPainter& painter, const QImage& card, int x, int y, QRgb table)
{
    QImage laid = card.convertToFormat(QImage::Format_ARGB32);
    const int right = laid.width() - 1;
    const int bottom = laid.height() - 1;
    for (int py : {0, 1, bottom - 1, bottom})
        for (int px : {0, 1, right - 1, right})
            if (laid.pixel(px, py) == Vga::Silver)
                laid.setPixel(px, py, table);
    painter.drawImage(x, y, laid);
}
}  // namespace

std::vector<NamedPicture> All()
{
    std::vector<NamedPicture> pictures;
    AddCards(pictures);
    AddDigits(pictures);
    AddGlyphs(pictures);
    return pictures;
}

QImage CardSheet()
{
    constexpr int margin = 8;
    constexpr int gap = 4;
    constexpr int rows = 5;
    const QRgb table = Vga::Green;
    const int width = 2 * margin + RanksPerSuit * CardFaces::Width + (RanksPerSuit - 1) * gap;
    const int height = 2 * margin + rows * CardFaces::Height + (rows - 1) * gap;
    QImage sheet(width, height, QImage::Format_ARGB32);
    sheet.fill(table);
    QPainter painter(&sheet);
    const auto place = [&](int column, int row, const PixelCanvas& card) {
        LayCard(painter, card.Image(), margin + column * (CardFaces::Width + gap),
                margin + row * (CardFaces::Height + gap), table);
    };
    for (int row = 0; row < static_cast<int>(Families.size()); ++row)
        for (int rank = 1; rank <= RanksPerSuit; ++rank)
            place(rank - 1, row, CardFaces::Face(Families[row].first, rank));
    place(0, rows - 1, CardBacks::Joker());
    for (int back = 1; back <= BackCount; ++back)
        place(back, rows - 1, CardBacks::Back(back));
    painter.end();
    return Vga::ToIndexed(sheet);
}
}  // namespace PictureCatalogue
