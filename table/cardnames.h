#pragma once

#include <QString>

#include "engine/cardcode.h"

// What the table's places are called to a screen reader. Every word goes
// through the translator, so that a later translation reaches the cards too.
namespace CardNames {

QString Card(CardCode code);  // "Queen of Hearts"; a back is "Face-down card"
QString Suit(CardCode code);  // "Hearts"
QString Rank(int rank);       // "Queen"
QString Stack(int stack);     // "Kings stack of Hearts"
// The stack's card at the top ("Seven of Clubs", or none when the stack is
// empty) and the card it takes next (NoCard once it is complete).
QString StackPlace(int stack, CardCode shown, CardCode next);
QString Spot(int spot);  // "table spot 12"

}  // namespace CardNames
