// The end of a game: won, lost, and the result kept in the history.
#include "engine/game.h"

void Game::CheckEndOfGame()
{
    GameState& s = state_;
    if (s.CardsLeft == 0) {
        ForgetMoves();
        // Recorded (and saved) before the won display, whose pauses a close
        // or a crash could otherwise cut short, losing the win.
        RecordResult();
        won_.Run(s);
    } else if (s.PlaysCount == 0 && s.DrawCount == 0) {
        ForgetMoves();
        view_.SetUndoEnabled(false);
        view_.PlaySoundEvent(SoundEvent::LoseGame);
        // Recorded (and saved) before the dialog waits for the player, so a
        // crash or a kill while it is up loses nothing.
        RecordResult();
        view_.ShowGameOver(s.DrawStart, s.CardsLeft);
    }
}

void Game::RecordResult()
{
    if (state_.DrawCount != 0)
        return;
    history_.RecordResult(state_.DrawStart, state_.CardsLeft);
    view_.ResultRecorded();
}

bool Game::IsOver() const
{
    return state_.DrawCount >= 0 && !state_.Dealing
        && (state_.CardsLeft == 0 || (state_.PlaysCount == 0 && state_.DrawCount == 0));
}

void Game::WonTimerTick()
{
    won_.Tick();
}
