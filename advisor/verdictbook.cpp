#include "advisor/verdictbook.h"

#include <algorithm>
#include <sstream>

#include "solver/seededgame.h"

TVerdictBook::Key TVerdictBook::KeyOf(const GameState& state, SolverRules rules)
{
    Key key{rules.Hard, rules.DrawTop, state.ActiveSpot, state.ShiftShown, state.CardsLeft};
    for (int spot = 1; spot <= SpotCount; ++spot) {
        const bool fanned = spot == state.ActiveSpot;
        const auto& pile = fanned ? state.PlayPile : state.TablePile[spot];
        const int count = fanned ? state.PlayCount : state.TableCount[spot];
        key.push_back(static_cast<std::uint8_t>(count));
        key.insert(key.end(), pile.begin() + 1, pile.begin() + 1 + count);
    }
    key.insert(key.end(), state.StackNext.begin() + 1, state.StackNext.end());
    const int drawCount = std::max(0, state.DrawCount);
    key.push_back(static_cast<std::uint8_t>(drawCount));
    key.insert(key.end(), state.DrawPile.begin() + 1, state.DrawPile.begin() + 1 + drawCount);
    return key;
}

void TVerdictBook::Record(const GameState& state, SolverRules rules, const SolverResult& result)
{
    if (result.verdict == SolverVerdict::Unknown)
        return;
    Add(KeyOf(state, rules), result);
    if (result.verdict != SolverVerdict::Win || result.line.size() < 2)
        return;
    // Each step along the line, made by the engine itself, leaves a position
    // that the rest of the line wins.
    GameSettings settings;
    settings.Level = rules.Hard ? LevelHard : LevelEasy;
    settings.DrawTop = rules.DrawTop;
    SeededGame game(settings, 0);
    game.Play().Arrange([&state](GameState& s) { s = state; });
    SolverResult rest = result;
    while (rest.line.size() > 1) {
        std::istringstream clicks(rest.line.front());
        for (std::string click; clicks >> click;) {
            if (!game.Click(click))
                return;
        }
        rest.line.erase(rest.line.begin());
        Add(KeyOf(game.State(), rules), rest);
    }
}

std::optional<SolverResult> TVerdictBook::Lookup(const GameState& state, SolverRules rules) const
{
    const Entry* entry = Find(KeyOf(state, rules));
    if (!entry)
        return std::nullopt;
    return entry->result;
}

void TVerdictBook::Add(Key key, const SolverResult& result)
{
    if (Find(key))
        return;
    if (entries_.size() >= MostEntries)
        entries_.clear();
    entries_.push_back({std::move(key), result});
}

const TVerdictBook::Entry* TVerdictBook::Find(const Key& key) const
{
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&key](const Entry& e) { return e.key == key; });
    return found == entries_.end() ? nullptr : &*found;
}
