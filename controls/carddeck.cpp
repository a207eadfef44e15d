#include "controls/carddeck.h"

#include <array>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "cards/card.h"
#include "pictures/pictures.h"

namespace {

constexpr TCarddeck::TCardBack FirstBack = 1;
constexpr TCarddeck::TCardBack LastBack = 12;
constexpr QRgb PureWhite = 0xFFFFFFFFu;  // opaque 0xFFFFFF

// The pictures' names of the suits, in the order of the codes.
constexpr std::array<const char*, SuitCount> SuitFamily = {"SPADE", "HEART", "DIAMOND", "CLUB"};

// Every pixel of pure white becomes the card colour. A palette picture only
// needs its colour table changed; anything else is changed pixel by pixel.
void ReplaceWhite(QImage& picture, QRgb colour)
{
    if (picture.format() == QImage::Format_Indexed8) {
        for (int i = 0; i < picture.colorCount(); ++i)
            if (picture.color(i) == PureWhite)
                picture.setColor(i, colour);
        return;
    }
    picture = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (line[x] == PureWhite)
                line[x] = colour;
    }
}

}  // namespace

TCarddeck::TCarddeck(QWidget* parent)
    : QWidget(parent)
{
    resize(CardWidth, CardHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Owners expect move events without a button held, like any other control.
    setMouseTracking(true);
}

void TCarddeck::SetCardNum(TCardNum value)
{
    if (value == cardNum_)
        return;
    cardNum_ = value;
    update();
}

void TCarddeck::SetCardBack(TCardBack value)
{
    if (value == cardBack_)
        return;
    cardBack_ = value;
    if (cardNum_ == NoCard)
        update();
}

void TCarddeck::SetCardColor(const QColor& value)
{
    if (value == cardColor_)
        return;
    cardColor_ = value;
    update();
}

// A back number outside 1..12 can only come from a hand-edited settings file
// and has no picture; such a card shows back 1. Codes above the joker are an
// owner's error and show the back too, so the card is never left unpainted.
QString TCarddeck::PictureName() const
{
    if (cardNum_ == JokerCard)
        return QStringLiteral("JOKER");
    if (!IsFaceCard(cardNum_)) {
        const bool known = cardBack_ >= FirstBack && cardBack_ <= LastBack;
        return QStringLiteral("CARDBACK") + QString::number(known ? cardBack_ : FirstBack);
    }
    return QLatin1String(SuitFamily[static_cast<std::size_t>(SuitOf(cardNum_))]) + QString::number(RankOf(cardNum_));
}

QColor TCarddeck::BackgroundColor() const
{
    const QWidget* surface = parentWidget() ? parentWidget() : this;
    return surface->palette().color(surface->backgroundRole());
}

void TCarddeck::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QImage picture = LoadPicture(PictureName());
    if (picture.isNull()) {
        painter.fillRect(rect(), BackgroundColor());
        return;
    }
    if (IsFaceCard(cardNum_) && cardColor_.rgb() != PureWhite)
        ReplaceWhite(picture, cardColor_.rgb());
    painter.drawImage(0, 0, picture);
    PaintCorners(painter);
}

// The pixels outside the picture's rounded outline take the colour of the
// surface the card lies on.
void TCarddeck::PaintCorners(QPainter& painter) const
{
    const int w = width();
    const int h = height();
    const std::array<QPoint, 12> corners = {{
        {0, 0}, {1, 0}, {0, 1},
        {w - 2, 0}, {w - 1, 0}, {w - 1, 1},
        {w - 1, h - 2}, {w - 1, h - 1}, {w - 2, h - 1},
        {0, h - 2}, {0, h - 1}, {1, h - 1},
    }};
    painter.setPen(QPen(BackgroundColor(), 1));
    painter.drawPoints(corners.data(), static_cast<int>(corners.size()));
}

void TCarddeck::mousePressEvent(QMouseEvent* event)
{
    clicks_.Press(*event);
    emit MouseDown(this, event->button());
}

void TCarddeck::mouseReleaseEvent(QMouseEvent* event)
{
    if (clicks_.Release(*event, rect()))
        emit Click(this);
    emit MouseUp(this, event->button());
}

void TCarddeck::mouseMoveEvent(QMouseEvent*)
{
    emit MouseMove(this);
}

// The second press of a double click is a mouse-down as well.
void TCarddeck::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (clicks_.DoublePress(*event))
        emit DblClick(this);
    emit MouseDown(this, event->button());
}
