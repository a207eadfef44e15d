#include "solver/lineclicks.h"

#include <array>

// On Hard only one shift is ever needed, either way.
std::string TurnClicks(int turnsLeft, int n)
{
    std::string clicks;
    if (turnsLeft * 2 <= n) {
        for (int t = 0; t < turnsLeft; ++t)
            clicks += "L ";
    } else {
        for (int t = turnsLeft; t < n; ++t)
            clicks += "R ";
    }
    return clicks;
}

namespace {

std::string PlayClicks(const SolverPosition& p, const SolverMove& move)
{
    std::string clicks = (move.kind == SolverMove::Kind::Table ? "T" : "P") + std::to_string(move.from);
    if (p.TwoStacksWant(move))
        clicks += " S" + std::to_string(move.stack);
    return clicks;
}

}  // namespace

std::vector<std::string> LineClicks(SolverPosition from, const std::vector<SolverMove>& line, const SolverRules& rules,
                                    const std::vector<CardCode>& drawPile)
{
    struct Gathering {
        int entry = -1;  // the draw that gathered the spot, while its turn is open
        int count = 0;
    };
    std::array<Gathering, SpotCount + 1> open{};
    std::vector<std::string> entries(line.size());
    std::vector<std::string> turns(line.size());
    const auto settle = [&](int spot, int top) {
        Gathering& g = open[static_cast<std::size_t>(spot)];
        if (g.entry >= 0)
            turns[static_cast<std::size_t>(g.entry)] = TurnClicks(g.count - 1 - top, g.count);
        g.entry = -1;
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const SolverMove& move = line[i];
        if (move.kind == SolverMove::Kind::Draw) {
            if (from.ActiveSpot())
                open[static_cast<std::size_t>(from.ActiveSpot())] = {static_cast<int>(i), from.Count(from.ActiveSpot())};
            settle(RankOf(drawPile[static_cast<std::size_t>(from.DrawCount() - 1)]), move.top);
            entries[i] = "D";
        } else {
            if (move.kind == SolverMove::Kind::Table)
                settle(move.from, move.top);
            entries[i] = PlayClicks(from, move);
        }
        from.Apply(move, rules, drawPile);
    }
    for (std::size_t i = 0; i < line.size(); ++i)
        entries[i] = turns[i] + entries[i];
    return entries;
}
