#pragma once

#include "store/savedgametext.h"

class Game;
class QWidget;
class TSettingsStore;
struct Player;

// Keeps the player's game in progress in the settings file after every step,
// so that it comes back at the player's next start (or when the player is
// chosen again), and forgets it once the game has ended. A write costs a few
// milliseconds (bench/settings_bench), far less than a move takes to be seen,
// so every step that changed the game is written at once: a crash loses at
// most the move being made.
class TGameResume {
public:
    TGameResume(Game& game, Player& player, TSettingsStore& store, QWidget& window);
    TGameResume(const TGameResume&) = delete;
    TGameResume& operator=(const TGameResume&) = delete;

    // The start of a player's play: their kept game if the option is on and
    // it is one the rules can play on, else a new deal.
    void ResumeOrDeal();
    // After a step of the player: the game as it now is, written only when
    // it changed; nothing while a deal runs or once the game is over.
    void Keep();
    // The game ended and its result is saved: there is nothing to carry on.
    void Forget();

private:
    void Write(const SavedGame& saved, const SavedGameKeys& keys);

    Game& game_;
    Player& player_;
    TSettingsStore& store_;
    QWidget& window_;
    SavedGameKeys kept_;  // what the file holds for this player, as far as this copy wrote it
    bool errorShown_ = false;  // a file that refuses writes is reported once, not at every move
};
