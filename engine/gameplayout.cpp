// Playing out a game that needs no more decisions.
#include "engine/game.h"

#include "engine/playout.h"

bool Game::CanPlayOut() const
{
    return !state_.Dealing && !IsOver() && NeedsNoDecision(state_);
}

// The first play found: table spots first, then the fan; a card two stacks
// want goes to the first of them, since every choice ends won here.
bool Game::PlayOutStep()
{
    GameState& s = state_;
    for (int stack = 1; stack <= StackCount; ++stack) {
        const CardCode wanted = s.StackNext[stack];
        if (wanted == NoCard)
            continue;
        for (int spot = 1; spot <= SpotCount; ++spot) {
            if (spot != s.ActiveSpot && s.TableCount[spot] > 0 && TopCard(spot) == wanted) {
                DropSelection();
                s.SelKind = SelectionKind::Table;
                s.SelPos = static_cast<std::uint8_t>(spot);
                s.SelCard = wanted;
                PlayToStack(stack);
                return true;
            }
        }
        for (int k = 1; k <= s.PlayCount; ++k) {
            if (s.PlayPile[k] == wanted) {
                DropSelection();
                s.SelKind = SelectionKind::PlayPile;
                s.SelPos = static_cast<std::uint8_t>(k);
                s.SelCard = wanted;
                PlayToStack(stack);
                return true;
            }
        }
    }
    return false;
}
