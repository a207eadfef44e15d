#include <algorithm>

#include <gtest/gtest.h>

#include "tests/engine/gamecheck.h"

namespace {

struct NearlyWonGame : ::testing::Test, TestDeckTable {
    // Every stack complete but the Aces diamonds, which waits for the King of
    // diamonds lying alone on spot 13; the draw pile is empty.
    void SetUp() override
    {
        game.NewGame();
        game.Arrange([](GameState& s) {
            for (auto& pile : s.TablePile)
                pile.fill(NoCard);
            s.TableCount.fill(0);
            s.TablePile[13][1] = 39;
            s.TableCount[13] = 1;
            s.DrawCount = 0;
            s.DrawStart = 25;
            for (int stack = 1; stack <= StackCount; ++stack)
                s.StackNext[stack] = NoCard;
            s.StackNext[8] = 39;
            s.CardsLeft = 1;
        });
        const GameState& s = game.State();
        ASSERT_EQ(s.PlaysCount, 1);
        for (int spot = 1; spot <= SpotCount; ++spot)
            view.table[spot] = {spot == 13 ? CardCode{39} : NoCard, spot == 13, 0};
        ASSERT_EQ(BrokenInvariant(s), "");
        view.ClearLog();
    }
};

TEST_F(NearlyWonGame, LastCardSoundsPlayThenFillThenWinAfterAPause)
{
    game.SelectTableCard(13);
    const auto& log = view.log;
    const auto at = [&](const std::string& entry) { return std::find(log.begin(), log.end(), entry) - log.begin(); };
    EXPECT_LT(at("sound 5"), at("sound 6"));
    EXPECT_LT(at("sound 6"), at("pause"));
    EXPECT_LT(at("pause"), at("sound 9"));
    EXPECT_LT(at("sound 9"), static_cast<long>(log.size()));
}

TEST_F(NearlyWonGame, WonDisplayEndsWithDiamondsAcrossTheTableAndYouWon)
{
    game.SelectTableCard(13);
    for (int spot = 1; spot <= SpotCount; ++spot) {
        EXPECT_EQ(view.table[spot].code, 26 + spot) << "spot " << spot;
        EXPECT_TRUE(view.table[spot].visible);
    }
    const std::vector<std::string> captions(view.captions.begin() + 1, view.captions.end());
    EXPECT_EQ(captions, (std::vector<std::string>{"Y", "o", "u", "", "W", "o", "n", ""}));
    for (int stack = 1; stack <= StackCount; ++stack)
        EXPECT_FALSE(view.stacks[stack].visible);
    EXPECT_TRUE(view.wonTimerRunning);
    EXPECT_TRUE(view.menusEnabled);
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "pause"), 3);
    EXPECT_EQ(history.Row(17), (HistoryRow{1, 1, 0}));
    // Saved before the display's pauses, which a close or a crash could cut short.
    const auto recorded = std::find(view.log.begin(), view.log.end(), "result recorded");
    EXPECT_LT(recorded, std::find(view.log.begin(), view.log.end(), "pause"));
}

TEST_F(NearlyWonGame, RippleMovesEachRankToTheNextSuit)
{
    game.SelectTableCard(13);
    view.redrawn.clear();
    game.WonTimerTick();
    EXPECT_EQ(view.table[1].code, 40) << "ace of diamonds becomes ace of clubs";
    EXPECT_EQ(game.Won().WonPos(), 2);
    // Only the card that changed is drawn again.
    EXPECT_EQ(view.redrawn, (std::vector<std::pair<CardGroup, int>>{{CardGroup::Table, 1}}));
    for (int k = 1; k < SpotCount; ++k)
        game.WonTimerTick();
    EXPECT_EQ(game.Won().WonPos(), 1);
    EXPECT_EQ(view.table[13].code, 52);
    game.WonTimerTick();
    EXPECT_EQ(view.table[1].code, 1) << "after clubs come spades again";
}

TEST_F(NearlyWonGame, NewGameStopsTheRipple)
{
    game.SelectTableCard(13);
    game.NewGame();
    EXPECT_FALSE(view.wonTimerRunning);
    const std::vector<std::string> captions(view.captions.begin() + 1, view.captions.end());
    EXPECT_EQ(captions, std::vector<std::string>(StackCount, ""));
}

// The test deal with both kings buried and all but the twos and threes of
// spades moved from the draw pile to the bottom of spot 7: nothing can ever
// be played.
struct HopelessGame : ::testing::Test, TestDeckTable {
    void SetUp() override
    {
        game.NewGame();
        // Nothing to play while cards remain to draw is no loss yet.
        game.Arrange([](GameState& s) {
            std::swap(s.TablePile[4][8], s.TablePile[4][1]);
            std::swap(s.TablePile[5][7], s.TablePile[5][1]);
            auto& spot7 = s.TablePile[7];
            const int moved = s.DrawCount - 2;
            std::move_backward(spot7.begin() + 1, spot7.begin() + 1 + s.TableCount[7], spot7.begin() + 1 + s.TableCount[7] + moved);
            std::copy(s.DrawPile.begin() + 3, s.DrawPile.begin() + 3 + moved, spot7.begin() + 1);
            s.TableCount[7] = static_cast<std::uint8_t>(s.TableCount[7] + moved);
            s.DrawCount = 2;
        });
        const GameState& s = game.State();
        for (int spot : {4, 5})
            view.table[spot].code = s.TablePile[spot][s.TableCount[spot]];
        ASSERT_EQ(s.PlaysCount, 0);
        ASSERT_EQ(BrokenInvariant(s), "");
        view.ClearLog();
    }
};

TEST_F(HopelessGame, NothingToPlayIsNoLossWhileCardsRemainToDraw)
{
    game.DrawCard();  // the three of spades: still nothing to play
    EXPECT_EQ(game.State().DrawCount, 1);
    EXPECT_EQ(view.Sounds(), std::vector<int>{3});
    EXPECT_TRUE(history.IsEmpty());
}

TEST_F(HopelessGame, DrawingTheLastCardWithNothingToPlayLosesAtOnce)
{
    game.DrawCard();
    game.DrawCard();
    EXPECT_EQ(view.Sounds(), (std::vector<int>{3, 3, 8}));
    const std::vector<std::string> tail(view.log.end() - 2, view.log.end());
    // Saved before the dialog waits for the player.
    EXPECT_EQ(tail, (std::vector<std::string>{"result recorded", "game over 9 104"}));
    EXPECT_EQ(history.Row(1), (HistoryRow{1, 0, 104}));
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_FALSE(game.CanUndo());
}

TEST_F(HopelessGame, AfterALossAShiftCanStillBeMadeAndUndone)
{
    game.DrawCard();
    game.DrawCard();
    ASSERT_TRUE(game.State().ShiftShown);
    game.ShiftPlayPileLeft();
    EXPECT_TRUE(view.undoEnabled);
    game.UndoMove();
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_EQ(history.Row(1).Games, 1) << "a shift after the end records nothing more";
}

}  // namespace
