#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "tests/engine/gamecheck.h"

namespace {

enum class Action { Table, PlayPile, Stack, Draw, ShiftLeft, ShiftRight, Undo, Peek, NewGame, Replay };

// Plays shuffled games with random clicks, legal or not, now and then a new
// game or a replay in the middle, and checks after every step that the rules
// hold and the screen (the raised card included) equals the state, and that
// every undo restores the game exactly.
class RandomPlay {
public:
    explicit RandomPlay(std::uint32_t seed) : rng_(seed)
    {
        settings_.Level = rng_() % 2 ? LevelEasy : LevelHard;
        game_.SeedRandom(seed);
        game_.NewGame();
    }

    // Returns the first problem found, or an empty text when the game ended cleanly.
    std::string PlayToTheEnd(int maxSteps)
    {
        for (int step = 0; step < maxSteps && !Ended(); ++step) {
            settings_.DrawTop = rng_() % 4 != 0;
            settings_.PeekAtAll = rng_() % 2;
            const GameSnapshot before = GameSnapshot::Of(game_.State());
            const bool wasUndoable = game_.CanUndo();
            const Action action = Pick();
            Do(action);
            if (auto broken = BrokenInvariant(game_.State()); !broken.empty())
                return "step " + std::to_string(step) + ": " + broken;
            if (auto mismatch = ScreenMismatch(game_.State(), view_); !mismatch.empty())
                return "step " + std::to_string(step) + ": screen " + mismatch;
            if (game_.CanUndo() != view_.undoEnabled)
                return "undo menu out of step";
            const bool moved = GameSnapshot::Of(game_.State()) != before || (game_.CanUndo() && !wasUndoable);
            if (action != Action::Undo && moved && game_.CanUndo() && rng_() % 3 == 0) {
                game_.UndoMove();
                if (GameSnapshot::Of(game_.State()) != before)
                    return "step " + std::to_string(step) + ": undo of action " + std::to_string(static_cast<int>(action)) + " did not restore the game";
                if (auto mismatch = ScreenMismatch(game_.State(), view_); !mismatch.empty())
                    return "after undo: screen " + mismatch;
                Do(action);
            }
        }
        return {};
    }

    bool Won() const { return game_.State().CardsLeft == 0; }

private:
    bool Ended() const
    {
        const GameState& s = game_.State();
        return s.CardsLeft == 0 || (s.PlaysCount == 0 && s.DrawCount == 0);
    }

    Action Pick()
    {
        // Mostly useful moves, so that games get far.
        const GameState& s = game_.State();
        if (rng_() % 100 == 0)
            return rng_() % 2 ? Action::NewGame : Action::Replay;
        if (s.PlaysCount > 0 && rng_() % 4 != 0)
            return rng_() % 2 ? Action::Table : Action::PlayPile;
        return static_cast<Action>(rng_() % 8);
    }

    void Do(Action action)
    {
        const GameState& s = game_.State();
        const bool leavesTheGame = action == Action::NewGame || action == Action::Replay;
        if (s.Raised && action != Action::Undo && !leavesTheGame) {
            game_.PlayToStack(1 + static_cast<int>(rng_() % StackCount));
            return;
        }
        switch (action) {
        case Action::Table: {
            // Try the spots from a random one on until one click plays or raises a card.
            const int cardsLeft = s.CardsLeft;
            const int first = static_cast<int>(rng_() % SpotCount);
            for (int k = 0; k < SpotCount && s.CardsLeft == cardsLeft && !s.Raised; ++k)
                game_.SelectTableCard(1 + (first + k) % SpotCount);
            break;
        }
        case Action::PlayPile:
            game_.SelectPlayPileCard(1 + static_cast<int>(rng_() % PileSlots));
            break;
        case Action::Stack:
            game_.PlayToStack(1 + static_cast<int>(rng_() % StackCount));
            break;
        case Action::Draw:
            game_.DrawCard();
            break;
        case Action::ShiftLeft:
            game_.ShiftPlayPileLeft();
            break;
        case Action::ShiftRight:
            game_.ShiftPlayPileRight();
            break;
        case Action::Undo:
            game_.UndoMove();
            break;
        case Action::NewGame:
            game_.NewGame();
            break;
        case Action::Replay:
            game_.ReplaySameDeck();
            break;
        case Action::Peek:
            game_.StartPeek(1 + static_cast<int>(rng_() % SpotCount));
            game_.EndPeek();
            break;
        }
    }

    std::mt19937 rng_;
    RecordingView view_;
    Player player_{"Random", {}, {}};
    GameSettings& settings_ = player_.Settings;
    Game game_{view_, player_};
};

TEST(RandomPlayTest, RulesHoldAndUndoRestoresOverManyGames)
{
    int won = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        RandomPlay play(seed);
        const std::string problem = play.PlayToTheEnd(3000);
        ASSERT_EQ(problem, "") << "seed " << seed;
        won += play.Won();
    }
    RecordProperty("won", won);
}

}  // namespace
