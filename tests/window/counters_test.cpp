#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QTest>

#include "controls/carddeck.h"
#include "table/counterdigit.h"
#include "controls/image.h"
#include "table/cardtable.h"
#include "tests/window/mainwindowprobe.h"
#include "controls/panel.h"
#include "pictures/pictures.h"
#include "controls/tcolor.h"

namespace {

constexpr QRgb White = 0xFFFFFFFFu;
constexpr QRgb Black = 0xFF000000u;
constexpr QRgb Grey = 0xFFC0C0C0u;
constexpr TColor Yellow = 0x00FFFF;

// Checks that `digit` shows the lit segments of `stored` in `fore` and every
// other pixel in `back`.
void ExpectRecoloured(const QImage& digit, const QString& storedName, QRgb fore, QRgb back)
{
    const QImage stored = LoadPicture(storedName).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(digit.size(), stored.size());
    for (int y = 0; y < stored.height(); ++y)
        for (int x = 0; x < stored.width(); ++x)
            ASSERT_EQ(digit.pixel(x, y), stored.pixel(x, y) == White ? fore : back) << storedName.toStdString() << " at " << x << "," << y;
}

TEST(CounterDigitTest, DefaultColoursGiveCyanSegmentsOnBlack)
{
    ExpectRecoloured(CounterDigit(9, clAqua, clBlack), "DIGITALW9", ToQColor(clAqua).rgb(), Black);
    ExpectRecoloured(CounterDigit(1, clAqua, clBlack), "DIGITALW1", ToQColor(clAqua).rgb(), Black);
}

TEST(CounterDigitTest, BlackForegroundIsDrawnFromTheGreySet)
{
    ExpectRecoloured(CounterDigit(5, clBlack, Yellow), "DIGITALG5", Black, ToQColor(Yellow).rgb());
    ExpectRecoloured(CounterDigit(0, clBlack, Yellow), "DIGITALG0", Black, ToQColor(Yellow).rgb());
}

TEST(CounterDigitTest, WhiteOnBlackLooksAsStored)
{
    EXPECT_EQ(CounterDigit(8, clWhite, clBlack), LoadPicture("DIGITALW8").convertToFormat(QImage::Format_RGB32));
}

TEST(CounterDigitTest, GreyForegroundStaysDistinctFromItsBackground)
{
    // Segments are swapped before the background, so a grey foreground on the
    // black set does not turn into the background colour.
    ExpectRecoloured(CounterDigit(7, clSilver, clWhite), "DIGITALW7", Grey, White);
}

class CountersInWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindowProbe>(parts);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    TImage& Image(const char* name) { return *window->findChild<TImage*>(QLatin1String(name)); }
    QColor PanelColour(const char* name) { return window->findChild<TPanel*>(QLatin1String(name))->palette().color(QPalette::Window); }

    WindowParts parts{"PlumbLine"};
    GameSettings& settings = parts.player.Settings;
    std::unique_ptr<MainWindowProbe> window;
};

TEST_F(CountersInWindowTest, DrawPileCounterShowsTwoDigitsWithALeadingZero)
{
    window->Table().ShowDrawPileCount(91);
    ExpectRecoloured(Image("img_Drawpile1").Picture(), "DIGITALW9", ToQColor(clAqua).rgb(), Black);
    ExpectRecoloured(Image("img_Drawpile2").Picture(), "DIGITALW1", ToQColor(clAqua).rgb(), Black);
    window->Table().ShowDrawPileCount(7);
    ExpectRecoloured(Image("img_Drawpile1").Picture(), "DIGITALW0", ToQColor(clAqua).rgb(), Black);
    window->Table().ShowDrawPileCount(150);
    ExpectRecoloured(Image("img_Drawpile1").Picture(), "DIGITALW9", ToQColor(clAqua).rgb(), Black);
    ExpectRecoloured(Image("img_Drawpile2").Picture(), "DIGITALW9", ToQColor(clAqua).rgb(), Black);
}

TEST_F(CountersInWindowTest, ColourChangeRedrawsBothCountersEvenTheHiddenOne)
{
    settings.ShowPlays = false;
    window->ApplySettings();
    window->GameEngine().NewGame();
    settings.DigitalBack = Yellow;
    settings.DigitalFore = clBlack;
    window->RedrawCounters();
    ExpectRecoloured(Image("img_Drawpile2").Picture(), "DIGITALG9", Black, ToQColor(Yellow).rgb());
    ExpectRecoloured(Image("img_Plays2").Picture(), "DIGITALG2", Black, ToQColor(Yellow).rgb());
    EXPECT_FALSE(Image("img_Plays2").isVisible());
}

TEST_F(CountersInWindowTest, OnlyStackCardsTakeTheCardColour)
{
    settings.CardColor = Yellow;
    window->ApplyCardColor();
    for (int k = 1; k <= StackCount; ++k)
        EXPECT_EQ(window->findChild<TCarddeck*>(QStringLiteral("card_Stack%1").arg(k))->CardColor(), ToQColor(Yellow));
    for (const char* name : {"card_Table1", "card_playpile1", "cardPeek1", "card_Drawpile"})
        EXPECT_EQ(window->findChild<TCarddeck*>(QLatin1String(name))->CardColor(), QColor(Qt::white)) << name;
}

TEST_F(CountersInWindowTest, PanelColourReachesTheCornersOfItsCards)
{
    window->GameEngine().NewGame();
    settings.TableColor = 0x008000;
    window->ApplyTableColor();
    auto* card = window->findChild<TCarddeck*>(QStringLiteral("card_Table1"));
    QImage shot = card->grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), QColor(0, 0x80, 0).rgb());
    EXPECT_EQ(shot.pixel(70, 94), QColor(0, 0x80, 0).rgb());
    EXPECT_EQ(PanelColour("pan_Table"), QColor(0, 0x80, 0));
    settings.TableColor = clSilver;
    window->ApplyTableColor();
    shot = card->grab().toImage();
    EXPECT_EQ(shot.pixel(1, 0), Grey);
}

}  // namespace
