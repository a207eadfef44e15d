#include "tests/solver/walk.h"

#include <sstream>

bool ClickAll(SeededGame& game, const std::string& clicks)
{
    std::istringstream words(clicks);
    for (std::string click; words >> click;) {
        if (!game.Click(click))
            return false;
    }
    return true;
}

std::string WalkUntil(SeededGame& game, SolverRules rules, std::mt19937& rng, int drawCount, bool check)
{
    SolverPosition model = SolverPosition::FromState(game.State());
    const std::vector<CardCode> drawPile = RemainingDrawPile(game.State());
    std::vector<SolverMove> moves;
    while (model.DrawCount() > drawCount && !model.Won()) {
        model.LegalMoves(rules, moves);
        if (moves.empty())
            break;
        const bool playFirst = moves.front().kind <= SolverMove::Kind::Fan && rng() % 5 != 0;
        const SolverMove move = playFirst ? moves.front() : moves[rng() % moves.size()];
        std::string clicks;
        for (const std::string& click : model.Clicks(move))
            clicks += click + " ";
        model.Apply(move, rules, drawPile);
        if (!ClickAll(game, clicks))
            return "the engine refused " + clicks;
        if (check && !(SolverPosition::FromState(game.State()) == model))
            return "after " + clicks + "the model and the engine differ";
    }
    return {};
}
