#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/savedgame.h"

// A game in progress as keys of the player's own section, all named with the
// prefix "Game " so that a copy of the program that knows nothing of them
// keeps them untouched, and deleting the player takes the game along. Cards
// are written as rank and suit ("7H", "TC", "KS"; "--" for none), so the
// keys can be read by eye:
//   Game Saved=1              the format; any other value is not read
//   Game Deck=...             the 104 cards of the deal, for Replay Same Deck
//   Game Table1..13=...       each spot bottom first
//   Game Stacks=...           the card each stack wants next, "--" when complete
//   Game Draw Pile=...        the draw pile as dealt, bottom first
//   Game Draw Count=n         how many of those are still to be drawn
//   Game Fan=... / Game Fan Spot=n / Game Drawn Card=.. / Game Shift Shown=0|1
//   Game Undo1..=...          the moves that can be undone, oldest first,
//                             separated by ";", a key holding up to ~900 characters
inline constexpr std::string_view SavedGamePrefix = "Game ";

using SavedGameKeys = std::vector<std::pair<std::string, std::string>>;

SavedGameKeys SavedGameText(const SavedGame& game);

// Reads the keys back through `value`; nothing when a key is missing or
// does not read as cards and numbers. Whether the position is one the rules
// allow is IsPlayable's to say.
std::optional<SavedGame> SavedGameFromText(const std::function<std::optional<std::string>(const std::string&)>& value);
