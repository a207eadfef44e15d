#include <algorithm>
#include <optional>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <QWidget>

#include "tests/support/paintcounter.h"
#include "controls/label3d.h"

static void PrintTo(const QColor& colour, std::ostream* os)
{
    *os << colour.name().toStdString();
}

static void PrintTo(const QPoint& point, std::ostream* os)
{
    *os << "(" << point.x() << "," << point.y() << ")";
}

namespace {

const QColor Face(192, 192, 192);
const QColor Panel(0, 128, 0);
const QColor Red(255, 0, 0);
const QColor Ink(0, 0, 0);
const QColor Blue(0, 0, 255);

// The classic button highlight and shadow, the same as the panels' bevels.
QColor Highlight()
{
    return QColor(255, 255, 255);
}

QColor Shadow()
{
    return QColor(128, 128, 128);
}

void SetBackground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
}

// Aliased text, so every text pixel is exactly the text colour.
QFont CaptionFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage Render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// Bounding box of the pixels of one colour inside `area`.
std::optional<QRect> InkBox(const QImage& image, const QColor& colour, const QRect& area)
{
    std::optional<QRect> box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour.rgb())
                box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
    return box;
}

class Label3dTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        panel.resize(200, 100);
        panel.setAutoFillBackground(true);
        panel.setFont(CaptionFont());
        SetBackground(panel, Panel);
        label = new TLabel3d(&panel);
        label->setGeometry(10, 10, 71, 17);
        label->SetColor(Face);
        label->SetFontColor(Ink);
    }

    // A caption drawn at the top left of a plain label of the given size; the
    // reference against which frames and indents are measured.
    QRect PlainInk(const QString& caption, QSize size)
    {
        TLabel3d plain(&panel);
        plain.resize(size);
        plain.SetColor(Face);
        plain.SetCaption(caption);
        plain.SetCaptionAlign(TCaptionAlign::taTop);
        return InkBox(Render(plain), Ink, plain.rect()).value_or(QRect());
    }

    QWidget panel;
    TLabel3d* label = nullptr;
};

TEST_F(Label3dTest, Defaults)
{
    TLabel3d fresh(&panel);
    fresh.resize(50, 20);
    EXPECT_EQ(fresh.size(), QSize(50, 20));
    EXPECT_EQ(fresh.Alignment(), Qt::AlignLeft);
    EXPECT_EQ(fresh.BevelInner(), TLabelBevel::bvNone);
    EXPECT_EQ(fresh.BevelOuter(), TLabelBevel::bvNone);
    EXPECT_EQ(fresh.BevelWidth(), 1);
    EXPECT_EQ(fresh.BorderColor(), QColor(Qt::black));
    EXPECT_EQ(fresh.BorderStyle(), TBorderStyle::bsNone);
    EXPECT_EQ(fresh.BorderWidth(), 1);
    EXPECT_EQ(fresh.CaptionAlign(), TCaptionAlign::taCenter);
    EXPECT_EQ(fresh.CaptionIndent(), 0);
    EXPECT_TRUE(fresh.ShowAccelChar());
    EXPECT_FALSE(fresh.Transparent());
    EXPECT_EQ(fresh.Color(), Panel);
    EXPECT_EQ(fresh.font(), panel.font());
}

TEST_F(Label3dTest, ColourFollowsTheParentUntilSet)
{
    TLabel3d follower(&panel);
    SetBackground(panel, Blue);
    EXPECT_EQ(follower.Color(), Blue);
    follower.SetColor(Red);
    SetBackground(panel, Panel);
    EXPECT_EQ(follower.Color(), Red);
}

TEST_F(Label3dTest, AColourSetEqualToTheParentsStaysWhenTheParentChanges)
{
    // The column captions are set to button face on a panel that is button
    // face too; a player's panel colour must not reach them.
    TLabel3d caption(&panel);
    caption.SetColor(Panel);
    SetBackground(panel, Blue);
    EXPECT_EQ(caption.Color(), Panel);
}

TEST_F(Label3dTest, KingsCaptionInALoweredBevel)
{
    label->SetBevelOuter(TLabelBevel::bvLowered);
    label->SetAlignment(Qt::AlignHCenter);
    label->SetCaption(QStringLiteral("Kings"));
    const QImage image = Render(*label);

    for (int x = 0; x < 70; ++x)
        EXPECT_EQ(QColor(image.pixel(x, 0)), Shadow()) << "top " << x;
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(QColor(image.pixel(0, y)), Shadow()) << "left " << y;
    for (int y = 0; y < 17; ++y)
        EXPECT_EQ(QColor(image.pixel(70, y)), Highlight()) << "right " << y;
    for (int x = 0; x < 71; ++x)
        EXPECT_EQ(QColor(image.pixel(x, 16)), Highlight()) << "bottom " << x;

    // Centred both ways in the 69 x 15 pixels inside the bevel.
    const QRect inside(1, 1, 69, 15);
    const auto ink = InkBox(image, Ink, inside);
    ASSERT_TRUE(ink);
    const int leftGap = ink->left() - inside.left();
    const int rightGap = inside.right() - ink->right();
    EXPECT_LE(std::abs(leftGap - rightGap), 2) << leftGap << " " << rightGap;
    const int lineHeight = QFontMetrics(CaptionFont()).height();
    const int lineTop = (inside.top() + inside.bottom() + 1 - lineHeight) / 2;
    EXPECT_GE(ink->top(), lineTop);
    EXPECT_LT(ink->bottom(), lineTop + lineHeight);
    EXPECT_EQ(InkBox(image, Ink, inside), InkBox(image, Ink, image.rect()));
}

TEST_F(Label3dTest, BorderThenRaisedBevelShrinkTheTextBox)
{
    label->resize(60, 30);
    label->SetBorderStyle(TBorderStyle::bsSingle);
    label->SetBorderWidth(2);
    label->SetBorderColor(Red);
    label->SetBevelOuter(TLabelBevel::bvRaised);
    label->SetCaptionAlign(TCaptionAlign::taTop);
    label->SetCaption(QStringLiteral("W"));
    const QImage image = Render(*label);

    for (int ring = 0; ring < 2; ++ring) {
        const QRect r = label->rect().adjusted(ring, ring, -ring, -ring);
        const QPoint topMiddle(r.center().x(), r.top());
        for (const QPoint& p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(), topMiddle})
            EXPECT_EQ(QColor(image.pixel(p)), Red) << ring << " " << p.x() << "," << p.y();
    }
    const QRect bevel = label->rect().adjusted(2, 2, -2, -2);
    EXPECT_EQ(QColor(image.pixel(bevel.topLeft())), Highlight());
    EXPECT_EQ(QColor(image.pixel(bevel.right() - 1, bevel.top())), Highlight());
    EXPECT_EQ(QColor(image.pixel(bevel.left(), bevel.bottom() - 1)), Highlight());
    EXPECT_EQ(QColor(image.pixel(bevel.topRight())), Shadow());
    EXPECT_EQ(QColor(image.pixel(bevel.bottomLeft())), Shadow());
    EXPECT_EQ(QColor(image.pixel(bevel.bottomRight())), Shadow());
    EXPECT_EQ(QColor(image.pixel(bevel.left() + 1, bevel.top() + 1)), Face);

    const auto ink = InkBox(image, Ink, image.rect());
    ASSERT_TRUE(ink);
    EXPECT_EQ(ink->topLeft(), PlainInk(QStringLiteral("W"), label->size()).topLeft() + QPoint(3, 3));
}

TEST_F(Label3dTest, WideFramesAreDrawnAsOutlines)
{
    label->resize(20, 12);
    label->SetBevelOuter(TLabelBevel::bvLowered);
    label->SetBevelInner(TLabelBevel::bvRaised);
    label->SetBevelWidth(2);
    const QImage image = Render(*label);
    const std::vector<std::pair<QColor, QColor>> rings = {
        {Shadow(), Highlight()}, {Shadow(), Highlight()}, {Highlight(), Shadow()}, {Highlight(), Shadow()}};
    for (int i = 0; i < 4; ++i) {
        const QRect r = label->rect().adjusted(i, i, -i, -i);
        EXPECT_EQ(QColor(image.pixel(r.topLeft())), rings[i].first) << i;
        EXPECT_EQ(QColor(image.pixel(r.bottomRight())), rings[i].second) << i;
    }
    EXPECT_EQ(QColor(image.pixel(4, 4)), Face);
}

TEST_F(Label3dTest, CaptionIndentCountsSpaceWidths)
{
    label->resize(80, 20);
    label->SetBevelOuter(TLabelBevel::bvRaised);
    label->SetCaptionAlign(TCaptionAlign::taTop);
    label->SetCaption(QStringLiteral("W"));
    const auto flush = InkBox(Render(*label), Ink, label->rect());
    label->SetCaptionIndent(1);
    const auto indented = InkBox(Render(*label), Ink, label->rect());
    ASSERT_TRUE(flush && indented);
    const int space = QFontMetrics(CaptionFont()).horizontalAdvance(QLatin1Char(' '));
    EXPECT_EQ(indented->topLeft(), flush->topLeft() + QPoint(space, 0));
}

TEST_F(Label3dTest, BottomPlacementSitsOnTheLowerEdge)
{
    label->resize(40, 40);
    label->SetCaption(QStringLiteral("W"));
    label->SetCaptionAlign(TCaptionAlign::taBottom);
    const auto ink = InkBox(Render(*label), Ink, label->rect());
    ASSERT_TRUE(ink);
    const QRect top = PlainInk(QStringLiteral("W"), label->size());
    const int lineHeight = QFontMetrics(CaptionFont()).height();
    EXPECT_EQ(ink->top(), top.top() + 40 - lineHeight);
}

TEST_F(Label3dTest, CaptionsWrapButCentreShowsOneLine)
{
    label->resize(30, 60);
    label->SetCaption(QStringLiteral("Wide Word"));
    label->SetCaptionAlign(TCaptionAlign::taTop);
    const int lineHeight = QFontMetrics(CaptionFont()).height();
    const auto wrapped = InkBox(Render(*label), Ink, label->rect());
    ASSERT_TRUE(wrapped);
    EXPECT_GT(wrapped->height(), lineHeight);

    label->SetCaptionAlign(TCaptionAlign::taCenter);
    const auto centred = InkBox(Render(*label), Ink, label->rect());
    ASSERT_TRUE(centred);
    EXPECT_LE(centred->height(), lineHeight);
}

TEST_F(Label3dTest, TransparentLetsTheParentShowThrough)
{
    label->SetCaption(QStringLiteral("Aces"));
    label->SetBevelOuter(TLabelBevel::bvLowered);
    label->SetTransparent(true);
    panel.resize(100, 40);
    QImage image(panel.size(), QImage::Format_RGB32);
    panel.render(&image);
    const QRect area = label->geometry();
    int parentPixels = 0;
    for (int y = area.top() + 1; y < area.bottom(); ++y)
        for (int x = area.left() + 1; x < area.right(); ++x) {
            const QColor pixel(image.pixel(x, y));
            EXPECT_NE(pixel, Face) << x << "," << y;
            parentPixels += pixel == Panel ? 1 : 0;
        }
    EXPECT_GT(parentPixels, 0);
    EXPECT_TRUE(InkBox(image, Ink, area));
    EXPECT_EQ(QColor(image.pixel(area.topLeft())), Shadow());
}

TEST_F(Label3dTest, EmptyCaptionDrawsOnlyBackgroundAndFrames)
{
    label->SetBorderStyle(TBorderStyle::bsSingle);
    label->SetBorderColor(Red);
    label->SetBevelInner(TLabelBevel::bvRaised);
    const QImage image = Render(*label);
    EXPECT_EQ(QColor(image.pixel(0, 0)), Red);
    EXPECT_EQ(QColor(image.pixel(1, 1)), Highlight());
    for (int y = 2; y < 15; ++y)
        for (int x = 2; x < 69; ++x)
            ASSERT_EQ(QColor(image.pixel(x, y)), Face) << x << "," << y;
}

TEST_F(Label3dTest, DisabledTextIsDrawnInButtonShadow)
{
    label->SetCaption(QStringLiteral("Kings"));
    label->setEnabled(false);
    const QImage image = Render(*label);
    EXPECT_FALSE(InkBox(image, Ink, image.rect()));
    EXPECT_TRUE(InkBox(image, Shadow(), image.rect()));
}

class AccelTest : public Label3dTest {
protected:
    QImage Caption(const QString& text, bool accel)
    {
        label->resize(60, 20);
        label->SetCaptionAlign(TCaptionAlign::taTop);
        label->SetShowAccelChar(accel);
        label->SetCaption(text);
        return Render(*label);
    }
};

TEST_F(AccelTest, AmpersandUnderlinesTheNextCharacter)
{
    const QImage plain = Caption(QStringLiteral("A"), true);
    const QImage marked = Caption(QStringLiteral("&A"), true);
    ASSERT_TRUE(plain != marked);
    const auto letter = InkBox(plain, Ink, plain.rect());
    ASSERT_TRUE(letter);
    // The only extra ink is the underline, below the letter.
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != marked.pixel(x, y)) {
                EXPECT_GT(y, letter->bottom()) << x << "," << y;
            }
}

TEST_F(AccelTest, DoubledAmpersandDrawsOne)
{
    EXPECT_TRUE(Caption(QStringLiteral("&&"), true) == Caption(QStringLiteral("&"), false));
    EXPECT_TRUE(Caption(QStringLiteral("R&&D"), true) == Caption(QStringLiteral("R&D"), false));
}

TEST_F(AccelTest, WithoutAccelCharsAmpersandsAreText)
{
    const QImage plain = Caption(QStringLiteral("A"), false);
    const QImage literal = Caption(QStringLiteral("&A"), false);
    const auto letter = InkBox(plain, Ink, plain.rect());
    const auto both = InkBox(literal, Ink, literal.rect());
    ASSERT_TRUE(letter && both);
    const int ampersand = QFontMetrics(CaptionFont()).horizontalAdvance(QLatin1Char('&'));
    EXPECT_GE(both->width(), letter->width() + ampersand - 2);
    EXPECT_TRUE(literal != Caption(QStringLiteral("&A"), true));
}

TEST_F(Label3dTest, CaptionIsCutAt255Characters)
{
    label->resize(3000, 20);
    label->SetCaptionAlign(TCaptionAlign::taTop);
    label->SetCaption(QString(255, QLatin1Char('W')));
    const QImage full = Render(*label);
    label->SetCaption(QString(255, QLatin1Char('W')) + QStringLiteral("WWWW"));
    EXPECT_TRUE(Render(*label) == full);
}

struct LabelMouseLog {
    std::vector<int> downs;
    std::vector<int> ups;
    std::vector<int> clicks;
    std::vector<int> doubleClicks;

    void Attach(TLabel3d& label)
    {
        QObject::connect(&label, &TLabel3d::MouseDown,
                         [this](TLabel3d* sender, Qt::MouseButton) { downs.push_back(sender->Tag()); });
        QObject::connect(&label, &TLabel3d::MouseUp,
                         [this](TLabel3d* sender, Qt::MouseButton) { ups.push_back(sender->Tag()); });
        QObject::connect(&label, &TLabel3d::Click, [this](TLabel3d* sender) { clicks.push_back(sender->Tag()); });
        QObject::connect(&label, &TLabel3d::DblClick,
                         [this](TLabel3d* sender) { doubleClicks.push_back(sender->Tag()); });
    }
};

TEST_F(Label3dTest, ClicksCarryTheTag)
{
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    label->SetTag(6);
    LabelMouseLog log;
    log.Attach(*label);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(log.downs, (std::vector<int>{6, 6}));
    EXPECT_EQ(log.ups, (std::vector<int>{6, 6}));
    EXPECT_EQ(log.clicks, std::vector<int>{6});

    QTest::mouseDClick(panel.windowHandle(), Qt::LeftButton, {}, label->geometry().center());
    EXPECT_EQ(log.downs.size(), 4u);
    EXPECT_EQ(log.clicks, (std::vector<int>{6, 6}));
    EXPECT_EQ(log.doubleClicks, std::vector<int>{6});
}

TEST_F(Label3dTest, SettersRepaintOnlyOnChange)
{
    PaintCounter counter;
    label->installEventFilter(&counter);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QApplication::processEvents();
    counter.paints = 0;

    label->SetCaption(label->Caption());
    label->SetBevelOuter(label->BevelOuter());
    label->SetBevelWidth(label->BevelWidth());
    label->SetBorderColor(label->BorderColor());
    label->SetCaptionIndent(label->CaptionIndent());
    label->SetColor(label->Color());
    label->SetTransparent(label->Transparent());
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);

    label->SetCaptionIndent(2);
    QApplication::processEvents();
    EXPECT_GE(counter.paints, 1);
}

}  // namespace
