#include <array>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "tests/support/paintcounter.h"
#include "controls/carddeck.h"
#include "pictures/pictures.h"

static void PrintTo(const QColor& colour, std::ostream* os)
{
    *os << colour.name().toStdString();
}

namespace {

const QColor Green(0, 128, 0);
const QColor Grey(128, 128, 128);
const QColor Yellow(255, 255, 0);  // the card colour 0x00FFFF
const QColor Magenta(255, 0, 255);
constexpr QRgb White = 0xFFFFFFFFu;

void SetBackground(QWidget& panel, const QColor& colour)
{
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, colour);
    panel.setPalette(palette);
}

// Renders only what the card paints itself, over a colour no picture uses, so
// that a pixel the card leaves alone would show.
QImage Render(TCarddeck& card)
{
    QImage image(card.size(), QImage::Format_RGB32);
    image.fill(Magenta);
    card.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

std::array<QPoint, 12> Corners()
{
    constexpr int w = TCarddeck::CardWidth;
    constexpr int h = TCarddeck::CardHeight;
    return {{{0, 0}, {1, 0}, {0, 1}, {w - 2, 0}, {w - 1, 0}, {w - 1, 1},
             {w - 1, h - 2}, {w - 1, h - 1}, {w - 2, h - 1}, {0, h - 2}, {0, h - 1}, {1, h - 1}}};
}

bool IsCorner(int x, int y)
{
    for (const QPoint& corner : Corners())
        if (corner == QPoint(x, y))
            return true;
    return false;
}

// Every pixel but the twelve corners must be the stored picture, with its pure
// white replaced by `white`.
void ExpectPicture(const QImage& shown, const QString& name, QRgb white)
{
    const QImage stored = LoadPicture(name).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(stored.isNull()) << name.toStdString();
    ASSERT_EQ(stored.size(), shown.size());
    int mismatches = 0;
    for (int y = 0; y < stored.height(); ++y)
        for (int x = 0; x < stored.width(); ++x) {
            if (IsCorner(x, y))
                continue;
            const QRgb expected = stored.pixel(x, y) == White ? white : stored.pixel(x, y);
            if (shown.pixel(x, y) != expected)
                ++mismatches;
        }
    EXPECT_EQ(mismatches, 0) << name.toStdString();
}

int CountPixels(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

class CarddeckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel.resize(200, 200);
        panel.setAutoFillBackground(true);
        SetBackground(panel, Green);
        card = new TCarddeck(&panel);
        card->move(10, 10);
        card->installEventFilter(&counter);
        panel.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
        Settle();
    }

    // Lets pending repaints run, then starts counting afresh.
    void Settle()
    {
        QApplication::processEvents();
        counter.paints = 0;
    }

    int PaintsAfterEvents()
    {
        QApplication::processEvents();
        return counter.paints;
    }

    QWidget panel;
    TCarddeck* card = nullptr;
    PaintCounter counter;
};

TEST_F(CarddeckTest, StartsAsBackOneAtCardSizeAndOpaque)
{
    EXPECT_EQ(card->size(), QSize(71, 95));
    EXPECT_TRUE(card->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(card->CardNum(), 0);
    EXPECT_EQ(card->CardBack(), 1);
    EXPECT_EQ(card->CardColor(), QColor(255, 255, 255));
    EXPECT_EQ(card->PictureName(), "CARDBACK1");
}

TEST_F(CarddeckTest, CodesNameTheirPictures)
{
    const std::vector<std::pair<int, const char*>> cases = {
        {1, "SPADE1"}, {13, "SPADE13"}, {14, "HEART1"}, {26, "HEART13"}, {27, "DIAMOND1"},
        {39, "DIAMOND13"}, {40, "CLUB1"}, {52, "CLUB13"}, {53, "JOKER"}, {0, "CARDBACK1"},
    };
    for (const auto& [code, name] : cases) {
        card->SetCardNum(static_cast<TCarddeck::TCardNum>(code));
        EXPECT_EQ(card->PictureName(), name) << code;
    }
}

TEST_F(CarddeckTest, JokerIgnoresBackAndColour)
{
    card->SetCardNum(53);
    card->SetCardBack(9);
    card->SetCardColor(Yellow);
    EXPECT_EQ(card->PictureName(), "JOKER");
}

TEST_F(CarddeckTest, BackWithoutPictureShowsBackOne)
{
    for (int back : {0, 13, 255}) {
        card->SetCardBack(static_cast<TCarddeck::TCardBack>(back));
        EXPECT_EQ(card->PictureName(), "CARDBACK1") << back;
    }
}

TEST_F(CarddeckTest, SameValueCausesNoRepaint)
{
    card->SetCardNum(0);
    card->SetCardBack(1);
    card->SetCardColor(QColor(255, 255, 255));
    EXPECT_EQ(PaintsAfterEvents(), 0);

    card->SetCardNum(14);
    EXPECT_GE(PaintsAfterEvents(), 1);
    Settle();
    card->SetCardNum(14);
    EXPECT_EQ(PaintsAfterEvents(), 0);
}

TEST_F(CarddeckTest, BackChoiceRepaintsOnlyABack)
{
    card->SetCardBack(7);
    EXPECT_GE(PaintsAfterEvents(), 1);
    EXPECT_EQ(card->PictureName(), "CARDBACK7");
    Settle();
    card->SetCardBack(3);
    EXPECT_GE(PaintsAfterEvents(), 1);
    EXPECT_EQ(card->PictureName(), "CARDBACK3");

    card->SetCardBack(1);
    card->SetCardNum(14);
    Settle();
    card->SetCardBack(5);
    EXPECT_EQ(PaintsAfterEvents(), 0);
    EXPECT_EQ(card->PictureName(), "HEART1");

    card->SetCardNum(0);
    EXPECT_GE(PaintsAfterEvents(), 1);
    EXPECT_EQ(card->PictureName(), "CARDBACK5");
}

TEST_F(CarddeckTest, CardColourRepaintsWhateverIsShown)
{
    card->SetCardColor(Yellow);
    EXPECT_GE(PaintsAfterEvents(), 1);
    card->SetCardNum(53);
    Settle();
    card->SetCardColor(Green);
    EXPECT_GE(PaintsAfterEvents(), 1);
}

TEST_F(CarddeckTest, CardColourReplacesTheWhiteOfFacesOnly)
{
    card->SetCardColor(Yellow);
    card->SetCardNum(40);
    const QImage face = Render(*card);
    ExpectPicture(face, "CLUB1", Yellow.rgb());
    EXPECT_GT(CountPixels(face, Yellow.rgb()), 1000);
    EXPECT_EQ(CountPixels(face, White), 0);

    card->SetCardNum(0);
    ExpectPicture(Render(*card), "CARDBACK1", White);
    card->SetCardNum(53);
    ExpectPicture(Render(*card), "JOKER", White);
}

// On a screen at 300% every picture pixel covers three by three device
// pixels, exactly, with no blending at its edges.
TEST_F(CarddeckTest, AtTripleScaleEachPixelIsRepeatedUnblended)
{
    constexpr int Scale = 3;
    card->SetCardColor(Yellow);
    for (int code : {40, 0}) {
        card->SetCardNum(static_cast<TCarddeck::TCardNum>(code));
        QImage shown(card->size() * Scale, QImage::Format_RGB32);
        shown.setDevicePixelRatio(Scale);
        shown.fill(Magenta);
        card->render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());
        const QImage stored = LoadPicture(card->PictureName()).convertToFormat(QImage::Format_RGB32);
        const QRgb white = code == 0 ? White : Yellow.rgb();
        int mismatches = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                if (IsCorner(x / Scale, y / Scale))
                    continue;
                const QRgb pixel = stored.pixel(x / Scale, y / Scale);
                mismatches += shown.pixel(x, y) != (pixel == White ? white : pixel) ? 1 : 0;
            }
        EXPECT_EQ(mismatches, 0) << code;
    }
}

TEST_F(CarddeckTest, WhiteCardColourDrawsFacesAsStored)
{
    for (int code : {1, 13, 26, 39, 52}) {
        card->SetCardNum(static_cast<TCarddeck::TCardNum>(code));
        ExpectPicture(Render(*card), card->PictureName(), White);
    }
}

TEST_F(CarddeckTest, CornersTakeTheParentsCurrentBackground)
{
    for (int code : {0, 27, 53}) {
        card->SetCardNum(static_cast<TCarddeck::TCardNum>(code));
        const QImage green = Render(*card);
        for (const QPoint& corner : Corners())
            EXPECT_EQ(QColor(green.pixel(corner)), Green) << code << " " << corner.x() << "," << corner.y();
        // Just inside the corners lies the picture's own outline.
        EXPECT_NE(QColor(green.pixel(2, 0)), Green);
    }

    SetBackground(panel, Grey);
    EXPECT_GE(PaintsAfterEvents(), 1);
    const QImage grey = Render(*card);
    for (const QPoint& corner : Corners())
        EXPECT_EQ(QColor(grey.pixel(corner)), Grey) << corner.x() << "," << corner.y();
}

struct MouseLog {
    std::vector<std::pair<int, Qt::MouseButton>> downs;
    std::vector<std::pair<int, Qt::MouseButton>> ups;
    std::vector<int> clicks;
    std::vector<int> doubleClicks;
    int moves = 0;

    void Attach(TCarddeck& card)
    {
        QObject::connect(&card, &TCarddeck::MouseDown,
                         [this](TCarddeck* sender, Qt::MouseButton b) { downs.emplace_back(sender->Tag(), b); });
        QObject::connect(&card, &TCarddeck::MouseUp,
                         [this](TCarddeck* sender, Qt::MouseButton b) { ups.emplace_back(sender->Tag(), b); });
        QObject::connect(&card, &TCarddeck::Click, [this](TCarddeck* sender) { clicks.push_back(sender->Tag()); });
        QObject::connect(&card, &TCarddeck::DblClick,
                         [this](TCarddeck* sender) { doubleClicks.push_back(sender->Tag()); });
        QObject::connect(&card, &TCarddeck::MouseMove, [this](TCarddeck*) { ++moves; });
    }
};

TEST_F(CarddeckTest, MouseEventsCarryTheSender)
{
    card->SetTag(7);
    MouseLog log;
    log.Attach(*card);

    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(30, 40));
    ASSERT_EQ(log.downs.size(), 1u);
    EXPECT_EQ(log.downs[0], std::make_pair(7, Qt::LeftButton));
    ASSERT_EQ(log.ups.size(), 1u);
    EXPECT_EQ(log.ups[0], std::make_pair(7, Qt::LeftButton));
    EXPECT_EQ(log.clicks, std::vector<int>{7});

    QTest::mouseClick(card, Qt::RightButton, {}, QPoint(30, 40));
    EXPECT_EQ(log.downs.back(), std::make_pair(7, Qt::RightButton));
    EXPECT_EQ(log.ups.back(), std::make_pair(7, Qt::RightButton));
    EXPECT_EQ(log.clicks.size(), 1u);

    QTest::mouseMove(card, QPoint(20, 20));
    QTest::mouseMove(card, QPoint(25, 22));
    EXPECT_GE(log.moves, 1);
}

// Through the window, as real input comes: the second press becomes a double
// click, which makes no second click.
TEST_F(CarddeckTest, DoubleClickIsOneClickAndOneDoubleClick)
{
    card->SetTag(3);
    MouseLog log;
    log.Attach(*card);
    QTest::mouseDClick(panel.windowHandle(), Qt::LeftButton, {}, card->geometry().center());
    EXPECT_EQ(log.downs.size(), 2u);
    EXPECT_EQ(log.ups.size(), 2u);
    EXPECT_EQ(log.clicks, std::vector<int>{3});
    EXPECT_EQ(log.doubleClicks, std::vector<int>{3});
}

TEST_F(CarddeckTest, ReleaseOutsideIsNoClick)
{
    MouseLog log;
    log.Attach(*card);
    QTest::mousePress(card, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(card, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_EQ(log.downs.size(), 1u);
    EXPECT_EQ(log.ups.size(), 1u);
    EXPECT_TRUE(log.clicks.empty());
}

TEST_F(CarddeckTest, DisabledCardHearsNoMouse)
{
    MouseLog log;
    log.Attach(*card);
    card->setEnabled(false);
    QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(30, 40));
    EXPECT_TRUE(log.downs.empty());
    EXPECT_TRUE(log.clicks.empty());
}

}  // namespace
