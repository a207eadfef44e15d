#include "tests/solver/walk.h"

#include <sstream>

#include "solver/lineclicks.h"

bool ClickAll(SeededGame& game, const std::string& clicks)
{
    std::istringstream words(clicks);
    for (std::string click; words >> click;) {
        if (!game.Click(click))
            return false;
    }
    return true;
}

std::string MoveClicks(const SolverPosition& p, const SolverMove& move, SolverRules rules, const GameState& state)
{
    return LineClicks(p, {move}, rules, RemainingDrawPile(state)).front();
}

// Whether a real position is one of those the model's position stands for:
// the same in all, except that an unturned pile may lie turned to any place
// the model still allows on top.
bool StandsFor(const SolverPosition& model, const SolverPosition& real)
{
    if (model.DrawCount() != real.DrawCount() || model.ActiveSpot() != real.ActiveSpot() || model.CardsLeft() != real.CardsLeft())
        return false;
    for (int stack = 1; stack <= StackCount; ++stack) {
        if (model.Next(stack) != real.Next(stack))
            return false;
    }
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const int n = model.Count(spot);
        if (real.Count(spot) != n)
            return false;
        bool turned = false;
        for (int top = 0; top < n && !turned; ++top) {
            if (top != n - 1 && !model.Unturned(spot))
                continue;
            turned = model.MayTop(spot, top) || spot == model.ActiveSpot();
            for (int k = 0; k < n && turned; ++k)
                turned = model.Card(spot, (top + 1 + k) % n) == real.Card(spot, k);
        }
        if (n && !turned)
            return false;
    }
    return true;
}

std::string WalkUntil(SeededGame& game, SolverRules rules, std::mt19937& rng, int drawCount, bool check)
{
    const SolverPosition root = SolverPosition::FromState(game.State());
    const std::vector<CardCode> drawPile = RemainingDrawPile(game.State());
    SolverPosition model = root;
    std::vector<SolverPosition> models;
    std::vector<SolverMove> line;
    std::vector<SolverMove> moves;
    while (model.DrawCount() > drawCount && !model.Won()) {
        model.LegalMoves(rules, moves);
        if (moves.empty())
            break;
        const bool playFirst = moves.front().kind <= SolverMove::Kind::Fan && rng() % 5 != 0;
        line.push_back(playFirst ? moves.front() : moves[rng() % moves.size()]);
        model.Apply(line.back(), rules, drawPile);
        models.push_back(model);
    }
    const std::vector<std::string> clicks = LineClicks(root, line, rules, drawPile);
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        if (!ClickAll(game, clicks[i]))
            return "the engine refused " + clicks[i];
        if (check && !StandsFor(models[i], SolverPosition::FromState(game.State())))
            return "after " + clicks[i] + " the model and the engine differ";
    }
    return {};
}
