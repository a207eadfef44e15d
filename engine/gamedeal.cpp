// Dealing: a new game, a replay of the same deck, and the deal itself.
#include "engine/game.h"

#include <algorithm>

void Game::ReplaySameDeck()
{
    state_.ReplayDeck = true;
    NewGame();
}

bool Game::StopDealing()
{
    if (!state_.Dealing)
        return false;
    state_.Dealing = false;
    return true;
}

void Game::NewGame()
{
    view_.SetWonTimerRunning(false);
    ResetTable();
    view_.PlaySoundEvent(SoundEvent::ShuffleDeck);

    state_.Dealing = true;
    if (!DealUntilMinimum()) {
        view_.EndProgram();  // the window was closed during the deal
        return;
    }
    state_.Dealing = false;
    state_.ReplayDeck = false;

    CountPlays();
    view_.EnableGameControls(true);
    view_.SetBusyCursor(false);
    state_.DrawStart = static_cast<std::uint8_t>(state_.DrawCount);
}

void Game::ResetTable()
{
    GameState& s = state_;
    if (s.Raised)
        LowerSelected();
    view_.SetBusyCursor(true);
    SetShiftShown(false);
    view_.EnableGameControls(false);
    view_.SetUndoEnabled(false);
    view_.ShowDrawPileCount(0);
    if (settings_.ShowPlays)
        view_.ShowPlaysCount(0);

    s.DrawCount = -1;
    s.DrawnCard = NoCard;
    s.ActiveSpot = 0;
    s.SelKind = SelectionKind::None;
    s.SelPos = 0;
    s.SelCard = NoCard;
    ForgetMoves();
    s.PeekSpot = 0;
    view_.HidePeekPanel();
    s.PlayCount = 0;
    s.PlayPile.fill(NoCard);

    for (int k = 1; k <= PileSlots; ++k) {
        view_.SetCardVisible(CardGroup::PlayPile, k, false);
        view_.ShowCard(CardGroup::PlayPile, k, NoCard);
    }
    for (int stack = 1; stack <= StackCount; ++stack) {
        view_.SetCardVisible(CardGroup::Stack, stack, false);
        view_.ShowCard(CardGroup::Stack, stack, NoCard);
        view_.SetStackCaption(stack, "");
        s.StackNext[stack] = s.StackStart[stack];
    }
    for (int spot = 1; spot <= SpotCount; ++spot)
        view_.SetCardVisible(CardGroup::Table, spot, false);
    view_.SetDrawPileVisible(true);
}

int Game::WantedMinimum() const
{
    return std::min<int>(settings_.MinDrawPile, HighestMinimum);
}

// Deals until the draw pile reaches the minimum and the deal filter, if any,
// accepts the deal. A deck that is reused (a replay, or the test player's)
// gives the same deal every time, so it is dealt once and accepted. Returns
// false when the window was closed meanwhile.
bool Game::DealUntilMinimum()
{
    const bool reusedDeck = state_.ReplayDeck || player_.Name == TestPlayerName;
    deals_ = 0;
    while (WantedMinimum() > state_.DrawCount || !FilterAccepts()) {
        for (int spot = 1; spot <= SpotCount; ++spot) {
            view_.ShowCard(CardGroup::Table, spot, NoCard);
            view_.SetCardVisible(CardGroup::Table, spot, true);
        }
        view_.ProcessMessages();
        if (!state_.ReplayDeck)
            BuildDeck(deck_, random_, player_.Name);
        DealCards();
        if (!state_.Dealing)
            return false;
        view_.ShowDrawPileCount(state_.DrawCount);
        ++deals_;
        if (reusedDeck || deals_ >= MostDealsPerGame)
            break;
    }
    return true;
}

void Game::AddToDrawPile(int deckPos)
{
    state_.DrawCount += 1;
    state_.DrawPile[state_.DrawCount] = deck_[deckPos];
}

void Game::DealCards()
{
    GameState& s = state_;
    for (auto& pile : s.TablePile)
        pile.fill(NoCard);
    s.TableCount.fill(0);
    s.DrawCount = 0;
    s.CardsLeft = DeckSize;

    int spot = 0;
    int i = 0;
    while (s.Dealing) {
        i += 1;
        spot = spot == SpotCount ? 1 : spot + 1;
        const CardCode card = deck_[i];
        s.TableCount[spot] += 1;
        s.TablePile[spot][s.TableCount[spot]] = card;
        view_.ShowCard(CardGroup::Table, spot, card);

        const int rank = RankOf(card);
        const int extra = rank == spot ? 2 : (rank == 1 || rank == CardsPerSuit) ? 1 : 0;
        for (int e = 0; e < extra && i < DeckSize; ++e) {
            i += 1;
            AddToDrawPile(i);
        }
        view_.ProcessMessages();
        if (i >= DeckSize)
            break;
    }
}
