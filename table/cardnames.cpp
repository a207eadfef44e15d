#include "table/cardnames.h"

#include <QCoreApplication>

#include "engine/gamestate.h"

namespace CardNames {

QString Rank(int rank)
{
    switch (rank) {
    case 1: return QCoreApplication::translate("CardNames", "Ace");
    case 2: return QCoreApplication::translate("CardNames", "Two");
    case 3: return QCoreApplication::translate("CardNames", "Three");
    case 4: return QCoreApplication::translate("CardNames", "Four");
    case 5: return QCoreApplication::translate("CardNames", "Five");
    case 6: return QCoreApplication::translate("CardNames", "Six");
    case 7: return QCoreApplication::translate("CardNames", "Seven");
    case 8: return QCoreApplication::translate("CardNames", "Eight");
    case 9: return QCoreApplication::translate("CardNames", "Nine");
    case 10: return QCoreApplication::translate("CardNames", "Ten");
    case 11: return QCoreApplication::translate("CardNames", "Jack");
    case 12: return QCoreApplication::translate("CardNames", "Queen");
    case 13: return QCoreApplication::translate("CardNames", "King");
    default: return {};
    }
}

QString Suit(CardCode code)
{
    switch (SuitOf(code)) {
    case ::Suit::Spades: return QCoreApplication::translate("CardNames", "Spades");
    case ::Suit::Hearts: return QCoreApplication::translate("CardNames", "Hearts");
    case ::Suit::Diamonds: return QCoreApplication::translate("CardNames", "Diamonds");
    case ::Suit::Clubs: return QCoreApplication::translate("CardNames", "Clubs");
    }
    return {};
}

QString Card(CardCode code)
{
    if (code == JokerCard)
        return QCoreApplication::translate("CardNames", "Joker");
    if (!IsFaceCard(code))
        return QCoreApplication::translate("CardNames", "Face-down card");
    //: A card: rank, then suit, e.g. "Queen of Hearts"
    return QCoreApplication::translate("CardNames", "%1 of %2").arg(Rank(RankOf(code)), Suit(code));
}

QString Stack(int stack)
{
    GameState fixed;
    InitStacks(fixed);
    const CardCode first = fixed.StackStart[stack];
    const QString text = stack <= KingsStacks ? QCoreApplication::translate("CardNames", "Kings stack of %1") : QCoreApplication::translate("CardNames", "Aces stack of %1");
    return text.arg(Suit(first));
}

QString StackPlace(int stack, CardCode shown, CardCode next)
{
    const QString top = IsFaceCard(shown) ? Card(shown) + QStringLiteral(", ") : QString();
    if (next == NoCard)
        return QCoreApplication::translate("CardNames", "%1%2, complete").arg(top, Stack(stack));
    return QCoreApplication::translate("CardNames", "%1%2, next %3").arg(top, Stack(stack), Rank(RankOf(next)));
}

QString Spot(int spot)
{
    return QCoreApplication::translate("CardNames", "table spot %1").arg(spot);
}

}  // namespace CardNames
