#pragma once

#include <chrono>
#include <cstdint>

#include "engine/gamesettings.h"

// Deals found by asking the solver rather than fixed seeds, so that the tests
// keep their meaning while the solver grows stronger: the first seed from 1
// whose new game is proved winnable, or not proved, or neither proved
// winnable nor lost, within the time given.
std::uint32_t FirstSeedProvedWinnable(const GameSettings& settings, std::chrono::milliseconds within);
std::uint32_t FirstSeedNotProvedWinnable(const GameSettings& settings, std::chrono::milliseconds within);
std::uint32_t FirstSeedUndecided(const GameSettings& settings, std::chrono::milliseconds within);
