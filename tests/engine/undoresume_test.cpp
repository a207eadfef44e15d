// Undo of every move with Redo, keeping a game to carry on later, and play-out.
#include <functional>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "engine/playout.h"
#include "tests/engine/gamecheck.h"

namespace {

constexpr CardCode AceOfClubs = 40;
constexpr int KingsClubs = 1, AcesClubs = 5;

CardCode Clubs(int rank)
{
    return CardOf(Suit::Clubs, rank);
}

// A shuffled game played with random legal moves: plays (a card two stacks
// want goes to either), draws and shifts.
struct ShuffledGame {
    RecordingView view;
    Player player{"Ann", {}, {}};
    Game game{view, player};
    std::mt19937 rng;

    explicit ShuffledGame(std::uint32_t seed, bool everyMove) : rng(seed)
    {
        player.Settings.UndoEveryMove = everyMove;
        player.Settings.Level = LevelEasy;
        game.SeedRandom(seed);
        game.NewGame();
    }

    void Move()
    {
        const GameState& s = game.State();
        std::vector<std::function<void()>> moves;
        for (int spot = 1; spot <= SpotCount; ++spot) {
            if (spot != s.ActiveSpot && s.TableCount[spot] > 0 && Wanted(s.TablePile[spot][s.TableCount[spot]]))
                moves.emplace_back([this, spot] { game.SelectTableCard(spot); Choose(); });
        }
        for (int k = 1; k <= s.PlayCount; ++k) {
            if (Wanted(s.PlayPile[k]))
                moves.emplace_back([this, k] { game.SelectPlayPileCard(k); Choose(); });
        }
        if (s.DrawCount > 0)
            moves.emplace_back([this] { player.Settings.DrawTop = rng() % 3 != 0; game.DrawCard(); });
        if (s.ShiftShown)
            moves.emplace_back([this] { rng() % 2 ? game.ShiftPlayPileLeft() : game.ShiftPlayPileRight(); });
        moves[rng() % moves.size()]();
    }

private:
    bool Wanted(CardCode card) const
    {
        for (int stack = 1; stack <= StackCount; ++stack)
            if (game.State().StackNext[stack] == card)
                return true;
        return false;
    }
    void Choose()
    {
        const GameState& s = game.State();
        if (!s.Raised)
            return;
        std::vector<int> wanting;
        for (int stack = 1; stack <= StackCount; ++stack)
            if (s.StackNext[stack] == s.SelCard)
                wanting.push_back(stack);
        game.PlayToStack(wanting[rng() % wanting.size()]);
    }
};

TEST(EveryMoveUndo, UndoesBackToTheDealAndRedoesToWhereItWas)
{
    for (std::uint32_t seed : {3U, 17U, 2024U}) {
        ShuffledGame g(seed, true);
        std::vector<GameSnapshot> seen{GameSnapshot::Of(g.game.State())};
        // While cards remain to be drawn no move can end the game, which would forget them all.
        for (int step = 0; step < 80 && g.game.State().DrawCount > 1; ++step) {
            g.Move();
            seen.push_back(GameSnapshot::Of(g.game.State()));
        }
        ASSERT_GT(seen.size(), 20U);
        for (std::size_t k = seen.size() - 1; k > 0; --k) {
            ASSERT_TRUE(g.game.CanUndo()) << "seed " << seed << ", " << k << " moves in";
            g.game.UndoMove();
            ASSERT_EQ(GameSnapshot::Of(g.game.State()), seen[k - 1]) << "seed " << seed << ", undo to " << k - 1;
            ASSERT_EQ(ScreenMismatch(g.game.State(), g.view), "");
        }
        EXPECT_FALSE(g.game.CanUndo());
        EXPECT_FALSE(g.view.undoEnabled);
        for (std::size_t k = 1; k < seen.size(); ++k) {
            ASSERT_TRUE(g.game.CanRedo());
            g.game.RedoMove();
            ASSERT_EQ(GameSnapshot::Of(g.game.State()), seen[k]) << "seed " << seed << ", redo to " << k;
            ASSERT_EQ(ScreenMismatch(g.game.State(), g.view), "");
        }
        EXPECT_FALSE(g.game.CanRedo());
    }
}

TEST(EveryMoveUndo, ANewMoveForgetsWhatWasUndone)
{
    ShuffledGame g(5, true);
    g.Move();
    g.Move();
    g.game.UndoMove();
    ASSERT_TRUE(g.game.CanRedo());
    g.Move();
    EXPECT_FALSE(g.game.CanRedo());
    EXPECT_TRUE(g.game.CanUndo());
}

TEST(ClassicUndo, KeepsOneMoveAndNeverRedoes)
{
    ShuffledGame g(5, false);
    g.Move();
    const GameSnapshot afterFirst = GameSnapshot::Of(g.game.State());
    g.Move();
    g.game.UndoMove();
    EXPECT_EQ(GameSnapshot::Of(g.game.State()), afterFirst);
    EXPECT_FALSE(g.game.CanUndo());
    EXPECT_FALSE(g.game.CanRedo());
    // Switched to every move in the middle of a game, the last move can still be undone.
    g.Move();
    g.player.Settings.UndoEveryMove = true;
    EXPECT_TRUE(g.game.CanUndo());
    g.game.UndoMove();
    EXPECT_EQ(GameSnapshot::Of(g.game.State()), afterFirst);
    EXPECT_TRUE(g.game.CanRedo());
}

TEST(KeptGame, ComesBackWholeWithItsUndoAndItsDeck)
{
    ShuffledGame first(11, true);
    for (int step = 0; step < 45 && first.game.State().DrawCount > 1; ++step)
        first.Move();
    const SavedGame saved = first.game.Save();
    ASSERT_TRUE(IsPlayable(saved));

    ShuffledGame second(99, true);
    ASSERT_TRUE(second.game.Resume(saved));
    EXPECT_EQ(GameSnapshot::Of(second.game.State()), GameSnapshot::Of(first.game.State()));
    EXPECT_EQ(ScreenMismatch(second.game.State(), second.view), "");
    EXPECT_TRUE(second.view.controlsEnabled);
    EXPECT_TRUE(second.view.undoEnabled);
    while (first.game.CanUndo()) {
        first.game.UndoMove();
        second.game.UndoMove();
        ASSERT_EQ(GameSnapshot::Of(second.game.State()), GameSnapshot::Of(first.game.State()));
    }
    EXPECT_FALSE(second.game.CanUndo());
    first.game.ReplaySameDeck();
    second.game.ReplaySameDeck();
    EXPECT_EQ(GameSnapshot::Of(second.game.State()), GameSnapshot::Of(first.game.State()));
}

// Each breaks one rule of a saved game; none may come back.
TEST(KeptGame, BrokenOnesAreRefusedAndTheTableStaysAsItWas)
{
    ShuffledGame source(7, true);
    for (int step = 0; step < 30 && source.game.State().DrawCount > 1; ++step)
        source.Move();
    ASSERT_GT(source.game.State().ActiveSpot, 0);
    const SavedGame good = source.game.Save();
    const auto firstSpotWithTwo = [](const GameState& s) {
        for (int spot = 1; spot <= SpotCount; ++spot)
            if (spot != s.ActiveSpot && s.TableCount[spot] >= 2)
                return spot;
        return 0;
    };
    const std::vector<std::pair<const char*, std::function<void(SavedGame&)>>> breaks = {
        {"a card three times", [&](SavedGame& g) {
             const int spot = firstSpotWithTwo(g.state);
             g.state.TablePile[spot][1] = g.state.TablePile[spot][2];
         }},
        {"a card missing", [&](SavedGame& g) { g.state.TableCount[firstSpotWithTwo(g.state)] -= 1; }},
        {"cards left off", [](SavedGame& g) { g.state.CardsLeft -= 1; }},
        {"draw count above the start", [](SavedGame& g) { g.state.DrawCount = g.state.DrawStart + 1; }},
        {"drawn card of another rank", [](SavedGame& g) { g.state.ActiveSpot = static_cast<std::uint8_t>(g.state.ActiveSpot % SpotCount + 1); }},
        {"stack beyond its suit", [](SavedGame& g) { g.state.StackNext[KingsClubs] = 1; }},
        {"a spot over sixteen", [](SavedGame& g) { g.state.TableCount[1] = 200; }},
        {"deck with a card three times", [](SavedGame& g) { g.deck[1] = g.deck[2] == g.deck[3] ? g.deck[4] : g.deck[2]; }},
        {"undo of a play never made", [](SavedGame& g) { g.undo.push_back(TablePlayUndo{AceOfClubs, 1, AcesClubs, AceOfClubs}); }},
        {"undo of a draw too many", [](SavedGame& g) {
             g.undo.insert(g.undo.begin(), g.undo.size() * 2, DrawUndo{});
         }},
    };
    for (const auto& [name, breakIt] : breaks) {
        SavedGame broken = good;
        breakIt(broken);
        EXPECT_FALSE(IsPlayable(broken)) << name;
        ShuffledGame other(8, true);
        const GameSnapshot before = GameSnapshot::Of(other.game.State());
        EXPECT_FALSE(other.game.Resume(broken)) << name;
        EXPECT_EQ(GameSnapshot::Of(other.game.State()), before) << name;
    }
}

// Only the clubs are left, the draw pile is empty and the other stacks are
// complete; `piles` are table spots 1.. bottom first.
struct ClubsEnding {
    CardCode kingsNext;
    CardCode acesNext;
    std::vector<std::vector<CardCode>> piles;
};

void ArrangeEnding(Game& game, const ClubsEnding& ending)
{
    game.Arrange([&](GameState& s) {
        s = GameState{};
        InitStacks(s);
        s.StackNext.fill(NoCard);
        s.StackNext[KingsClubs] = ending.kingsNext;
        s.StackNext[AcesClubs] = ending.acesNext;
        s.DrawCount = 0;
        int left = 0;
        for (std::size_t p = 0; p < ending.piles.size(); ++p) {
            const int spot = static_cast<int>(p) + 1;
            for (CardCode card : ending.piles[p])
                s.TablePile[spot][++s.TableCount[spot]] = card;
            left += s.TableCount[spot];
        }
        s.CardsLeft = static_cast<std::uint8_t>(left);
    });
}

TEST(PlayOut, OfferedOnlyWhenNoOrderOrChoiceCanStrandACard)
{
    const std::vector<CardCode> kingsRest{Clubs(1), Clubs(2), Clubs(3), Clubs(4), Clubs(5), Clubs(6)};
    const std::vector<CardCode> acesRest{Clubs(13), Clubs(12), Clubs(11), Clubs(10), Clubs(9)};
    struct Case {
        const char* name;
        ClubsEnding ending;
        bool noDecision;
    };
    const std::vector<Case> cases = {
        {"each card on top when wanted", {NoCard, Clubs(12), {{Clubs(13), Clubs(12)}}}, true},
        {"the wanted card buried", {NoCard, Clubs(12), {{Clubs(12), Clubs(13)}}}, false},
        // Both stacks want the 7: the one on its own must go to the Aces,
        // whose 8 covers the other 7; given to the Kings it strands that 7.
        {"the two-stack choice matters", {Clubs(7), Clubs(7), {{Clubs(7)}, {Clubs(7), Clubs(8)}, kingsRest, acesRest}}, false},
        {"either choice wins", {Clubs(7), Clubs(7), {{Clubs(7)}, {Clubs(8), Clubs(7)}, kingsRest, acesRest}}, true},
    };
    for (const Case& c : cases) {
        TestDeckTable t;
        ArrangeEnding(t.game, c.ending);
        EXPECT_EQ(NeedsNoDecision(t.game.State()), c.noDecision) << c.name;
        EXPECT_EQ(t.game.CanPlayOut(), c.noDecision) << c.name;
        if (!c.noDecision)
            continue;
        const int left = t.game.State().CardsLeft;
        int plays = 0;
        while (t.game.PlayOutStep())
            ++plays;
        EXPECT_EQ(plays, left) << c.name;
        EXPECT_EQ(t.game.State().CardsLeft, 0) << c.name;
        EXPECT_EQ(t.history.Row(1).Won, 1) << c.name << ": the played-out game is won and recorded";
    }
}

TEST(PlayOut, NotWhileCardsRemainToBeDrawn)
{
    TestDeckTable t;
    ArrangeEnding(t.game, {NoCard, Clubs(12), {{Clubs(13), Clubs(12)}}});
    t.game.Arrange([](GameState& s) { s.DrawCount = 1; s.DrawStart = 1; s.DrawPile[1] = Clubs(1); });
    EXPECT_FALSE(t.game.CanPlayOut());
}

}  // namespace
