#include "solver/seededgame.h"

#include <charconv>

SeededGame::SeededGame(const GameSettings& settings, std::uint32_t seed)
    : player_{{}, settings, {}}, game_(view_, player_)
{
    game_.SeedRandom(seed);
    game_.NewGame();
}

bool SeededGame::Click(const std::string& click)
{
    if (click.empty())
        return false;
    int number = 0;
    const char* first = click.data() + 1;
    const char* last = click.data() + click.size();
    const bool numbered = click.front() == 'T' || click.front() == 'P' || click.front() == 'S';
    if (numbered != (click.size() > 1))
        return false;
    if (numbered && (std::from_chars(first, last, number).ptr != last || number < 1))
        return false;
    switch (click.front()) {
    case 'T':
        if (number > SpotCount)
            return false;
        game_.SelectTableCard(number);
        return true;
    case 'P':
        if (number > PileSlots)
            return false;
        game_.SelectPlayPileCard(number);
        return true;
    case 'S':
        if (number > StackCount)
            return false;
        game_.PlayToStack(number);
        return true;
    case 'D':
        game_.DrawCard();
        return true;
    case 'L':
        game_.ShiftPlayPileLeft();
        return true;
    case 'R':
        game_.ShiftPlayPileRight();
        return true;
    default:
        return false;
    }
}
