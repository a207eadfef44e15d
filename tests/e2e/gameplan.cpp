#include "tests/e2e/gameplan.h"

#include <optional>

#include "engine/game.h"
#include "engine/gamehistory.h"
#include "engine/nullview.h"

namespace {

// No real game needs this many clicks; a runaway plan stops here.
constexpr std::size_t MostClicks = 2000;

bool IsWanted(const GameState& s, CardCode card)
{
    if (card == NoCard)
        return false;
    for (int stack = 1; stack <= StackCount; ++stack)
        if (s.StackNext[stack] == card)
            return true;
    return false;
}

int AcesStackWanting(const GameState& s, CardCode card)
{
    for (int stack = KingsStacks + 1; stack <= StackCount; ++stack)
        if (s.StackNext[stack] == card)
            return stack;
    return 0;
}

std::optional<PlannedClick> WantedCard(const GameState& s)
{
    for (int spot = 1; spot <= SpotCount; ++spot) {
        if (spot == s.ActiveSpot || s.TableCount[spot] == 0)
            continue;
        if (IsWanted(s, s.TablePile[spot][s.TableCount[spot]]))
            return PlannedClick{PlannedClick::Target::TableSpot, spot, 0};
    }
    for (int place = 1; place <= s.PlayCount; ++place)
        if (IsWanted(s, s.PlayPile[place]))
            return PlannedClick{PlannedClick::Target::PlayPileCard, place, s.PlayCount};
    return std::nullopt;
}

bool IsOver(const GameState& s)
{
    return s.CardsLeft == 0 || (s.PlaysCount == 0 && s.DrawCount == 0);
}

// One move of the player: a draw, or a card played (with the stack chosen
// when two want it). Returns false when nothing at all can be done.
bool MakeMove(Game& game, PlayStyle style, std::vector<PlannedClick>& clicks)
{
    const GameState& s = game.State();
    const std::optional<PlannedClick> wanted = WantedCard(s);
    const bool draw = s.DrawCount > 0 && (style == PlayStyle::DrawFirst || !wanted);
    if (draw) {
        clicks.push_back({PlannedClick::Target::DrawPile, 0, 0});
        game.DrawCard();
        return true;
    }
    if (!wanted)
        return false;
    clicks.push_back(*wanted);
    if (wanted->target == PlannedClick::Target::TableSpot)
        game.SelectTableCard(wanted->index);
    else
        game.SelectPlayPileCard(wanted->index);
    if (s.Raised) {
        const int stack = AcesStackWanting(s, s.SelCard);
        clicks.push_back({PlannedClick::Target::Stack, stack, 0});
        game.PlayToStack(stack);
    }
    return true;
}

}  // namespace

GamePlan GamePlan::Play(const std::string& playerName, PlayStyle style, const GameSettings& settings,
                        const StopRule& stopAfter)
{
    NullView view;
    Player player{playerName, settings, {}};
    Game game(view, player);
    game.NewGame();

    GamePlan plan;
    const GameState& s = game.State();
    plan.drawStart = s.DrawStart;
    while (!IsOver(s) && plan.clicks.size() < MostClicks) {
        if (!MakeMove(game, style, plan.clicks))
            break;
        if (stopAfter && stopAfter(s))
            break;
    }
    plan.finished = IsOver(s);
    plan.cardsLeft = s.CardsLeft;
    return plan;
}

std::string Describe(const PlannedClick& click)
{
    switch (click.target) {
    case PlannedClick::Target::TableSpot:
        return "table spot " + std::to_string(click.index);
    case PlannedClick::Target::PlayPileCard:
        return "play-pile card " + std::to_string(click.index) + " of " + std::to_string(click.pileCount);
    case PlannedClick::Target::Stack:
        return "stack " + std::to_string(click.index);
    case PlannedClick::Target::DrawPile:
        break;
    }
    return "draw pile";
}
