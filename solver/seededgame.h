#pragma once

#include <cstdint>
#include <string>

#include "engine/game.h"
#include "engine/player.h"
#include "engine/nullview.h"

// A game off screen, dealt from a seed exactly as the program deals its new
// games: the generator seeded, then New Game with the given settings.
class SeededGame {
public:
    SeededGame(const GameSettings& settings, std::uint32_t seed);
    SeededGame(const SeededGame&) = delete;
    SeededGame& operator=(const SeededGame&) = delete;

    Game& Play() { return game_; }
    const GameState& State() const { return game_.State(); }

    // Makes one click of a solver line ("T3", "P2", "S5", "D", "L", "R");
    // false for a click that names nothing.
    bool Click(const std::string& click);

private:
    NullView view_;
    Player player_;
    Game game_;
};
