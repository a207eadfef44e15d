#include "engine/game.h"

#include <algorithm>

Game::Game(GameView& view, Player& player)
    : view_(view), player_(player), settings_(player.Settings), history_(player.History), won_(view)
{
    InitStacks(state_);
}

CardCode Game::TopCard(int spot) const
{
    return state_.TablePile[spot][state_.TableCount[spot]];
}

CardGroup Game::SelectedGroup() const
{
    return state_.SelKind == SelectionKind::PlayPile ? CardGroup::PlayPile : CardGroup::Table;
}

void Game::SetShiftShown(bool shown)
{
    state_.ShiftShown = shown;
    view_.SetShiftPanelVisible(shown);
}

void Game::SpreadActiveSpot()
{
    GameState& s = state_;
    s.PlayPile.fill(NoCard);
    s.PlayCount = s.TableCount[s.ActiveSpot];
    view_.SetCardVisible(CardGroup::Table, s.ActiveSpot, false);
    if (s.PlayCount > 1)
        SetShiftShown(true);
    for (int k = 1; k <= s.PlayCount; ++k) {
        s.PlayPile[k] = s.TablePile[s.ActiveSpot][k];
        view_.ShowCard(CardGroup::PlayPile, k, s.PlayPile[k]);
        view_.SetCardVisible(CardGroup::PlayPile, k, true);
    }
}

void Game::CollapseActiveSpot()
{
    GameState& s = state_;
    SetShiftShown(false);
    s.TableCount[s.ActiveSpot] = s.PlayCount;
    s.TablePile[s.ActiveSpot] = s.PlayPile;
    for (int k = 1; k <= PileSlots; ++k)
        view_.SetCardVisible(CardGroup::PlayPile, k, false);
    if (s.PlayCount > 0) {
        view_.ShowCard(CardGroup::Table, s.ActiveSpot, s.PlayPile[s.PlayCount]);
        view_.SetCardVisible(CardGroup::Table, s.ActiveSpot, true);
    }
}

void Game::CountPlays()
{
    GameState& s = state_;
    int plays = 0;
    for (int stack = 1; stack <= StackCount; ++stack) {
        const CardCode wanted = s.StackNext[stack];
        if (wanted == NoCard)
            continue;
        for (int spot = 1; spot <= SpotCount; ++spot) {
            if (s.TableCount[spot] == 0)
                continue;
            if (spot == s.ActiveSpot)
                plays += static_cast<int>(std::count(s.PlayPile.begin() + 1, s.PlayPile.begin() + 1 + s.PlayCount, wanted));
            else if (s.TablePile[spot][s.TableCount[spot]] == wanted)
                plays += 1;
        }
    }
    s.PlaysCount = static_cast<std::uint8_t>(plays);
    view_.ShowPlaysCount(plays);
}

void Game::Arrange(const std::function<void(GameState&)>& change)
{
    change(state_);
    CountPlays();
    CheckEndOfGame();
}
