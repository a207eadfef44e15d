#include "controls/carddeck.h"

#include <array>
#include <cmath>

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "cards/card.h"
#include "controls/focusframe.h"
#include "controls/picturecache.h"
#include "pictures/pictures.h"

namespace {

constexpr TCarddeck::TCardBack FirstBack = 1;
constexpr TCarddeck::TCardBack LastBack = 12;
constexpr QRgb PureWhite = 0xFFFFFFFFu;  // opaque 0xFFFFFF

// The pictures' names of the suits, in the order of the codes.
constexpr std::array<const char*, SuitCount> SuitFamily = {"SPADE", "HEART", "DIAMOND", "CLUB"};

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

void TCarddeck::SetZoom(qreal value)
{
    if (value == zoom_)
        return;
    zoom_ = value;
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

// A card looks the same enabled or not, so switching the table's cards off
// and on around a deal repaints none of them; assistive tools still hear of it.
void TCarddeck::changeEvent(QEvent* event)
{
    if (event->type() != QEvent::EnabledChange) {
        QWidget::changeEvent(event);
        return;
    }
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent notice(this, changed);
    QAccessible::updateAccessibility(&notice);
}

// Pure white on a face becomes the card colour; backs and the joker keep it.
void TCarddeck::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PictureCache::Swaps swaps;
    if (IsFaceCard(cardNum_) && cardColor_.rgb() != PureWhite)
        swaps.emplace_back(PureWhite, cardColor_.rgb());
    const qreal scale = PictureCache::DeviceScale(painter) * zoom_;
    const QPixmap picture = PictureCache::Shared().Prepared(PictureName(), swaps, scale);
    if (picture.isNull()) {
        painter.fillRect(rect(), BackgroundColor());
        return;
    }
    // Rounded to whole pixels, a zoomed control may be a pixel wider or
    // narrower than the picture; the picture then stretches to cover it.
    if (picture.deviceIndependentSize() == QSizeF(size()))
        painter.drawPixmap(0, 0, picture);
    else
        painter.drawPixmap(QRectF(rect()), picture, QRectF(picture.rect()));
    PaintCorners(painter);
    if (hasFocus() && (focusPolicy() & Qt::TabFocus))
        PaintFocusFrame(painter, *this);
}

// The pixels outside the picture's rounded outline take the colour of the
// surface the card lies on.
void TCarddeck::PaintCorners(QPainter& painter) const
{
    const int w = static_cast<int>(std::lround(width() / zoom_));
    const int h = static_cast<int>(std::lround(height() / zoom_));
    painter.scale(width() / static_cast<qreal>(w), height() / static_cast<qreal>(h));
    const std::array<QPoint, 12> corners = {{
        {0, 0}, {1, 0}, {0, 1},
        {w - 2, 0}, {w - 1, 0}, {w - 1, 1},
        {w - 1, h - 2}, {w - 1, h - 1}, {w - 2, h - 1},
        {0, h - 2}, {0, h - 1}, {1, h - 1},
    }};
    // Filled squares, not pen points: a scaled pen would spill into the
    // outline next to each corner.
    const QColor background = BackgroundColor();
    for (const QPoint& corner : corners)
        painter.fillRect(QRect(corner, QSize(1, 1)), background);
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

// A card that Tab reaches is pressed with Space or Return, like a button.
void TCarddeck::keyPressEvent(QKeyEvent* event)
{
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!press || !(focusPolicy() & Qt::TabFocus) || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit Click(this);
}

void TCarddeck::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void TCarddeck::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

// The second press of a double click is a mouse-down as well.
void TCarddeck::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (clicks_.DoublePress(*event))
        emit DblClick(this);
    emit MouseDown(this, event->button());
}
