#include "advisor/verdictbook.h"

#include <string>

namespace {

bool SameRules(SolverRules a, SolverRules b)
{
    return a.Hard == b.Hard && a.DrawTop == b.DrawTop;
}

std::string Joined(const std::vector<std::string>& clicks)
{
    std::string text;
    for (const std::string& click : clicks)
        text += (text.empty() ? "" : " ") + click;
    return text;
}

// The move of a position that a line entry names, found among its legal moves
// by the clicks it takes; none if the entry names no move there.
std::optional<SolverMove> MoveOfEntry(const SolverPosition& position, SolverRules rules, const std::string& entry)
{
    std::vector<SolverMove> moves;
    position.LegalMoves(rules, moves);
    for (const SolverMove& move : moves) {
        if (Joined(position.Clicks(move)) == entry)
            return move;
    }
    return std::nullopt;
}

}  // namespace

void TVerdictBook::Record(const GameState& state, SolverRules rules, const SolverResult& result)
{
    if (result.verdict == SolverVerdict::Unknown)
        return;
    SolverPosition position = SolverPosition::FromState(state);
    std::vector<CardCode> drawPile = RemainingDrawPile(state);
    Add({position, drawPile, rules, result});
    if (result.verdict != SolverVerdict::Win)
        return;
    // Each step along the line leaves a position that the rest of the line wins.
    SolverResult rest = result;
    while (rest.line.size() > 1) {
        const std::optional<SolverMove> move = MoveOfEntry(position, rules, rest.line.front());
        if (!move)
            return;
        position.Apply(*move, rules, drawPile);
        drawPile.resize(static_cast<std::size_t>(position.DrawCount()));
        rest.line.erase(rest.line.begin());
        Add({position, drawPile, rules, rest});
    }
}

std::optional<SolverResult> TVerdictBook::Lookup(const GameState& state, SolverRules rules) const
{
    const Entry* entry = Find(SolverPosition::FromState(state), RemainingDrawPile(state), rules);
    if (!entry)
        return std::nullopt;
    return entry->result;
}

void TVerdictBook::Add(Entry entry)
{
    if (Find(entry.position, entry.drawPile, entry.rules))
        return;
    if (entries_.size() >= MostEntries)
        entries_.clear();
    entries_.push_back(std::move(entry));
}

const TVerdictBook::Entry* TVerdictBook::Find(const SolverPosition& position, const std::vector<CardCode>& drawPile,
                                             SolverRules rules) const
{
    for (const Entry& entry : entries_) {
        if (entry.position == position && entry.drawPile == drawPile && SameRules(entry.rules, rules))
            return &entry;
    }
    return nullptr;
}
