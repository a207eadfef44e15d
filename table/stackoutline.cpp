#include "table/stackoutline.h"

#include <QPainter>
#include <QPainterPath>

#include "controls/carddeck.h"
#include "controls/label3d.h"
#include "controls/tcolor.h"
#include "controls/uifonts.h"
#include "engine/gamestate.h"

namespace {

constexpr int Inset = 2;
constexpr qreal Corner = 6;
constexpr int RankPixels = 16;
constexpr int SuitPixels = 40;
constexpr int RankTop = 6;
// A dark panel gets lighter ink, any other a darker one, so the outline shows on both.
constexpr int DarkPanel = 80;
constexpr int LighterBy = 160;
constexpr int DarkerBy = 135;

QString SuitSymbol(Suit suit)
{
    switch (suit) {
    case Suit::Spades:
        return QStringLiteral("\u2660");
    case Suit::Hearts:
        return QStringLiteral("\u2665");
    case Suit::Diamonds:
        return QStringLiteral("\u2666");
    case Suit::Clubs:
        return QStringLiteral("\u2663");
    }
    return {};
}

}  // namespace

TStackOutline::TStackOutline(const GameSettings& settings, int stack, const TLabel3d& label, TCarddeck& card)
    : QWidget(card.parentWidget()), settings_(settings), label_(label)
{
    setObjectName(QStringLiteral("outline_Stack%1").arg(stack));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(card.geometry());
    classic_ = size();
    stackUnder(&card);
    GameState stacks;
    InitStacks(stacks);
    const CardCode first = stacks.StackStart[stack];
    suit_ = SuitSymbol(SuitOf(first));
    rank_ = RankOf(first) == 1 ? QStringLiteral("A") : QStringLiteral("K");
}

void TStackOutline::AddToStacks(const GameSettings& settings, const std::array<TLabel3d*, StackCount + 1>& labels,
                                const std::array<TCarddeck*, StackCount + 1>& cards)
{
    for (int stack = 1; stack <= StackCount; ++stack)
        new TStackOutline(settings, stack, *labels[stack], *cards[stack]);
}

QColor TStackOutline::InkFor(const QColor& stackColor)
{
    return stackColor.lightness() < DarkPanel ? stackColor.lighter(LighterBy) : stackColor.darker(DarkerBy);
}

void TStackOutline::paintEvent(QPaintEvent*)
{
    if (!settings_.StackOutlines || !label_.Caption().isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn at the classic size and scaled with the table, like the cards.
    painter.scale(qreal(width()) / classic_.width(), qreal(height()) / classic_.height());
    const QRect r(QPoint(0, 0), classic_);
    const QColor ink = InkFor(ToQColor(settings_.StackColor));
    painter.setPen(QPen(ink, 1.5));
    painter.drawRoundedRect(QRectF(r).adjusted(Inset, Inset, -Inset, -Inset), Corner, Corner);

    painter.setFont(ArialFont(RankPixels, true));
    painter.drawText(r.adjusted(0, RankTop, 0, 0), Qt::AlignHCenter | Qt::AlignTop, rank_);
    QFont symbol = font();
    symbol.setPixelSize(SuitPixels);
    painter.setFont(symbol);
    painter.drawText(r.adjusted(0, RankPixels, 0, 0), Qt::AlignCenter, suit_);
}
