#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "tests/engine/gamecheck.h"

namespace {

// Codes of the test deck's cards used below.
constexpr CardCode KingOfClubs = 52, KingOfDiamonds = 39, QueenOfClubs = 51, AceOfClubs = 40;
constexpr int KingsClubs = 1, KingsDiamonds = 4, AcesClubs = 5;

struct TestDeckGame : ::testing::Test, TestDeckTable {
    const GameState& s = game.State();

    void SetUp() override { game.NewGame(); view.ClearLog(); }

    void ExpectConsistent()
    {
        EXPECT_EQ(BrokenInvariant(s), "");
        EXPECT_EQ(ScreenMismatch(s, view), "");
    }
    CardCode Top(int spot) const { return s.TablePile[spot][s.TableCount[spot]]; }
    // Plays whatever one stack alone wants, from the table or the fan, until nothing is left.
    int PlayAllSinglePlays();
    int AcesStackWanting(CardCode card) const
    {
        for (int stack = KingsStacks + 1; stack <= StackCount; ++stack)
            if (s.StackNext[stack] == card)
                return stack;
        return 0;
    }
    // Plays and draws until the condition holds or the draw pile is empty.
    bool PlayUntil(const std::function<bool()>& condition);
    // Leaves the spot with its top card alone; the cards under it go to the draw pile.
    void LeaveOnlyTheTopCard(int spot)
    {
        game.Arrange([spot](GameState& state) {
            auto& pile = state.TablePile[spot];
            while (state.TableCount[spot] > 1) {
                state.DrawPile[++state.DrawCount] = pile[1];
                std::rotate(pile.begin() + 1, pile.begin() + 2, pile.begin() + 1 + state.TableCount[spot]);
                pile[state.TableCount[spot]--] = NoCard;
            }
        });
        view.drawPileCount = s.DrawCount;
    }
    // The King of clubs, wanted by both clubs stacks once the Aces clubs stack
    // lacks only it, lifted for the choice.
    void RaiseTheKingOfClubs()
    {
        game.Arrange([](GameState& state) { state.StackNext[AcesClubs] = KingOfClubs; });
        game.SelectTableCard(4);
        ASSERT_TRUE(s.Raised);
        ASSERT_EQ(view.table[4].raisedBy, Game::RaiseHeight);
    }
};

bool TestDeckGame::PlayUntil(const std::function<bool()>& condition)
{
    while (!condition()) {
        PlayAllSinglePlays();
        if (condition())
            return true;
        if (s.Raised)
            game.PlayToStack(AcesStackWanting(s.SelCard));
        else if (s.DrawCount > 0)
            game.DrawCard();
        else
            return false;
    }
    return true;
}

int TestDeckGame::PlayAllSinglePlays()
{
    int plays = 0;
    for (bool played = true; played;) {
        played = false;
        for (int spot = 1; spot <= SpotCount && !played; ++spot) {
            const int before = s.CardsLeft;
            game.SelectTableCard(spot);
            played = s.CardsLeft < before;
        }
        for (int k = s.PlayCount; k >= 1 && !played; --k) {
            const int before = s.CardsLeft;
            game.SelectPlayPileCard(k);
            played = s.CardsLeft < before;
        }
        if (s.Raised)
            break;
        plays += played;
    }
    return plays;
}

TEST_F(TestDeckGame, StartsWithTwoKingsToPlay)
{
    EXPECT_EQ(s.PlaysCount, 2);
    EXPECT_EQ(Top(4), KingOfClubs);
    EXPECT_EQ(Top(5), KingOfDiamonds);
    ExpectConsistent();
}

TEST_F(TestDeckGame, ClickingAWantedTopCardPlaysIt)
{
    game.SelectTableCard(4);
    EXPECT_EQ(s.StackNext[KingsClubs], QueenOfClubs);
    EXPECT_EQ(view.stacks[KingsClubs].code, KingOfClubs);
    EXPECT_TRUE(view.stacks[KingsClubs].visible);
    EXPECT_EQ(view.table[4].code, 38) << "the queen of diamonds is the spot's new top";
    EXPECT_EQ(s.CardsLeft, 103);
    EXPECT_EQ(view.Sounds(), std::vector<int>{5});
    EXPECT_TRUE(view.undoEnabled);
    ExpectConsistent();
}

TEST_F(TestDeckGame, ClicksThatPlayNothingChangeNothing)
{
    const GameSnapshot before = GameSnapshot::Of(s);
    game.SelectTableCard(1);  // ten of clubs: no stack wants it yet
    game.PlayToStack(KingsClubs);
    game.PlayToStack(AcesClubs);
    game.SelectPlayPileCard(1);  // no play pile yet
    EXPECT_EQ(GameSnapshot::Of(s), before);
    EXPECT_TRUE(view.Sounds().empty());
    EXPECT_FALSE(view.undoEnabled);
}

TEST_F(TestDeckGame, ASpotWhoseLastCardIsPlayedDisappears)
{
    LeaveOnlyTheTopCard(5);  // the King of diamonds
    game.SelectTableCard(5);
    EXPECT_EQ(s.TableCount[5], 0);
    EXPECT_FALSE(view.table[5].visible);
    EXPECT_EQ(view.table[5].code, NoCard);
    EXPECT_EQ(s.StackNext[KingsDiamonds], KingOfDiamonds - 1);
    ExpectConsistent();
}

TEST_F(TestDeckGame, ACardWantedByTwoStacksIsRaisedForAChoice)
{
    ASSERT_TRUE(PlayUntil([&] { return s.Raised; }));
    const CardCode card = s.SelCard;
    int kings = 0, aces = 0;
    for (int stack = 1; stack <= StackCount; ++stack) {
        if (s.StackNext[stack] == card)
            (stack <= KingsStacks ? kings : aces) = stack;
    }
    ASSERT_NE(kings, 0);
    ASSERT_NE(aces, 0);
    const CardGroup group = s.SelKind == SelectionKind::Table ? CardGroup::Table : CardGroup::PlayPile;
    EXPECT_EQ(view.Card(group, s.SelPos).raisedBy, Game::RaiseHeight);
    EXPECT_EQ(view.Sounds().back(), 11);
    const int cardsLeft = s.CardsLeft;
    const int selPos = s.SelPos;

    game.PlayToStack(aces);
    EXPECT_FALSE(s.Raised);
    EXPECT_EQ(view.Card(group, selPos).raisedBy, 0);
    EXPECT_EQ(s.CardsLeft, cardsLeft - 1);
    EXPECT_EQ(s.StackNext[kings], card) << "the other copy goes there later";
    EXPECT_EQ(CardsOnStack(s, aces).back(), card);
    ExpectConsistent();
}

TEST_F(TestDeckGame, SelectingAnotherCardLowersTheRaisedOne)
{
    ASSERT_TRUE(PlayUntil([&] { return s.Raised; }));
    const CardGroup group = s.SelKind == SelectionKind::Table ? CardGroup::Table : CardGroup::PlayPile;
    const int selPos = s.SelPos;
    const CardCode card = s.SelCard;
    int unwanted = 0;
    for (int spot = 1; spot <= SpotCount && !unwanted; ++spot) {
        const bool wanted = std::find(s.StackNext.begin() + 1, s.StackNext.end(), Top(spot)) != s.StackNext.end();
        if (spot != s.ActiveSpot && s.TableCount[spot] > 0 && !wanted)
            unwanted = spot;
    }
    ASSERT_NE(unwanted, 0);
    game.SelectTableCard(unwanted);
    EXPECT_FALSE(s.Raised);
    EXPECT_EQ(view.Card(group, selPos).raisedBy, 0);
    for (int stack = 1; stack <= StackCount; ++stack)
        game.PlayToStack(stack);  // nothing raised: stack clicks do nothing
    EXPECT_EQ(std::count(s.StackNext.begin() + 1, s.StackNext.end(), card), 2);
    ExpectConsistent();
}

TEST_F(TestDeckGame, DrawnCardGoesOnTopOrUnderneathItsSpot)
{
    game.DrawCard();
    EXPECT_EQ(s.DrawnCard, AceOfClubs);
    EXPECT_EQ(s.PlayPile[s.PlayCount], AceOfClubs);
    EXPECT_FALSE(view.table[1].visible);
    EXPECT_TRUE(view.shiftVisible);
    EXPECT_EQ(view.drawPileCount, 8);
    EXPECT_EQ(view.Sounds(), std::vector<int>{3});
    ExpectConsistent();

    settings.DrawTop = false;
    game.DrawCard();  // ace of diamonds also goes to spot 1, now under everything
    EXPECT_EQ(s.ActiveSpot, 1);
    EXPECT_EQ(s.PlayPile[1], 27);
    EXPECT_EQ(s.PlayPile[s.PlayCount], AceOfClubs) << "the previous top stays on top";
    ExpectConsistent();
}

TEST_F(TestDeckGame, DrawingTheLastCardHidesTheDrawPile)
{
    for (int k = 0; k < 9; ++k)
        game.DrawCard();
    EXPECT_EQ(s.DrawCount, 0);
    EXPECT_FALSE(view.drawPileVisible);
    const GameSnapshot before = GameSnapshot::Of(s);
    game.DrawCard();
    EXPECT_EQ(GameSnapshot::Of(s), before);
}

TEST_F(TestDeckGame, HardAllowsOneShiftPerFanningEasyAny)
{
    game.DrawCard();
    const CardCode top = s.PlayPile[s.PlayCount];
    game.ShiftPlayPileLeft();
    EXPECT_EQ(s.PlayPile[1], top) << "left shift brings the top card to the start";
    EXPECT_FALSE(view.shiftVisible);
    game.ShiftPlayPileLeft();
    EXPECT_EQ(s.PlayPile[1], top) << "no second shift on Hard";
    game.DrawCard();
    EXPECT_TRUE(view.shiftVisible) << "the next fanning brings the panel back";

    settings.Level = LevelEasy;
    const CardCode bottom = s.PlayPile[1];
    game.ShiftPlayPileRight();
    game.ShiftPlayPileRight();
    EXPECT_TRUE(view.shiftVisible);
    EXPECT_EQ(s.PlayPile[s.PlayCount - 1], bottom);
    EXPECT_EQ(view.Sounds().back(), 4);
    ExpectConsistent();
}

TEST_F(TestDeckGame, PeekShowsTheCardUnderneathOrTheWholeSpot)
{
    game.StartPeek(1);
    EXPECT_EQ(view.peekPanelWidth, 257) << "eight cards: last at 177, plus 71, plus 9";
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(view.peek[k].code, s.TablePile[1][k]);
    EXPECT_FALSE(view.peek[9].visible);
    EXPECT_EQ(view.Sounds(), std::vector<int>{12});
    game.EndPeek();
    EXPECT_EQ(view.peekPanelWidth, 0);
    EXPECT_EQ(s.PeekSpot, 0);

    settings.PeekAtAll = false;
    game.StartPeek(5);
    EXPECT_EQ(view.table[5].code, 25) << "the queen of hearts lies under the king of diamonds";
    game.EndPeek();
    EXPECT_EQ(view.table[5].code, KingOfDiamonds);
    ExpectConsistent();
}

TEST_F(TestDeckGame, PeekAtASingleCardShowsTheBack)
{
    LeaveOnlyTheTopCard(6);
    ASSERT_EQ(BrokenInvariant(s), "");

    settings.PeekAtAll = false;
    game.StartPeek(6);
    EXPECT_EQ(view.table[6].code, NoCard);
    game.EndPeek();
    EXPECT_EQ(view.table[6].code, Top(6));
}

TEST_F(TestDeckGame, PeekIsRefusedOnTheFannedSpot)
{
    game.DrawCard();
    game.StartPeek(1);
    EXPECT_EQ(s.PeekSpot, 0);
    EXPECT_EQ(view.peekPanelWidth, 0);
}

TEST_F(TestDeckGame, UndoingTheFirstDrawRestoresTheDeal)
{
    const GameSnapshot dealt = GameSnapshot::Of(s);
    game.DrawCard();
    game.UndoMove();
    EXPECT_EQ(GameSnapshot::Of(s), dealt);
    EXPECT_EQ(s.PlayCount, 0);
    EXPECT_TRUE(view.table[1].visible);
    EXPECT_EQ(view.table[1].code, 49);
    EXPECT_EQ(view.drawPileCount, s.DrawStart);
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_EQ(view.Sounds(), (std::vector<int>{3, 7}));
    ExpectConsistent();
}

TEST_F(TestDeckGame, UndoingADrawUnderneathTakesTheBottomCardWhateverTheSettingNow)
{
    game.DrawCard();
    settings.DrawTop = false;
    game.DrawCard();
    const CardCode drawn = s.DrawnCard;
    settings.DrawTop = true;
    game.UndoMove();
    EXPECT_EQ(s.DrawnCard, AceOfClubs);
    EXPECT_EQ(std::count(s.PlayPile.begin() + 1, s.PlayPile.begin() + 1 + s.PlayCount, drawn), 0);
    ExpectConsistent();
}

TEST_F(TestDeckGame, UndoingTheLastPlayOfASpotBringsItBack)
{
    LeaveOnlyTheTopCard(5);
    const GameSnapshot before = GameSnapshot::Of(s);
    game.SelectTableCard(5);  // the King of diamonds, its spot's last card
    ASSERT_EQ(s.TableCount[5], 0);
    game.UndoMove();
    EXPECT_EQ(GameSnapshot::Of(s), before);
    EXPECT_TRUE(view.table[5].visible);
    EXPECT_EQ(view.table[5].code, KingOfDiamonds);
    ExpectConsistent();
    game.UndoMove();  // a second undo in a row does nothing
    EXPECT_EQ(GameSnapshot::Of(s), before);
}

TEST_F(TestDeckGame, UndoingAPlayFromTheFanRestoresTheFan)
{
    game.DrawCard();
    const GameSnapshot before = GameSnapshot::Of(s);
    game.SelectPlayPileCard(9);
    game.UndoMove();
    EXPECT_EQ(GameSnapshot::Of(s), before);
    EXPECT_FALSE(view.stacks[AcesClubs].visible) << "the stack is empty again";
    ExpectConsistent();
}

TEST_F(TestDeckGame, UndoingAShiftOnHardBringsThePanelBack)
{
    game.DrawCard();
    const GameSnapshot before = GameSnapshot::Of(s);
    game.ShiftPlayPileRight();
    ASSERT_FALSE(view.shiftVisible);
    game.UndoMove();
    EXPECT_EQ(GameSnapshot::Of(s), before);
    EXPECT_TRUE(view.shiftVisible);
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_EQ(view.Sounds(), (std::vector<int>{3, 4, 7, 4}));
}

TEST_F(TestDeckGame, UndoingADrawOnHardKeepsThePanelHiddenForAPileThatUsedItsShift)
{
    game.DrawCard();  // the Ace of clubs fans spot 1
    game.ShiftPlayPileLeft();
    ASSERT_FALSE(view.shiftVisible);
    game.DrawCard();  // a fresh fanning shows the panel again
    ASSERT_TRUE(view.shiftVisible);
    game.UndoMove();
    EXPECT_EQ(s.ActiveSpot, 1);
    EXPECT_FALSE(s.ShiftShown) << "the pile had its one shift before the draw";
    ExpectConsistent();
}

TEST_F(TestDeckGame, LevelsOtherThanEasyAndHardPlayAsEasy)
{
    for (const int level : {0, 3, 255}) {
        game.NewGame();
        settings.Level = static_cast<std::uint8_t>(level);
        game.DrawCard();
        game.ShiftPlayPileLeft();
        EXPECT_TRUE(view.shiftVisible) << "level " << level;
        settings.Level = LevelHard;
    }
}

TEST_F(TestDeckGame, ADrawLowersTheRaisedCardAndDropsTheSelection)
{
    RaiseTheKingOfClubs();
    game.DrawCard();
    EXPECT_FALSE(s.Raised);
    EXPECT_EQ(s.SelCard, NoCard);
    EXPECT_EQ(view.table[4].raisedBy, 0);
    game.PlayToStack(AcesClubs);
    EXPECT_EQ(s.TableCount[4], 8) << "no card is left selected to play";
}

TEST_F(TestDeckGame, NewGameTurnsUndoOffAndLowersARaisedCard)
{
    game.SelectTableCard(5);  // the King of diamonds: a move to undo
    RaiseTheKingOfClubs();
    ASSERT_TRUE(view.undoEnabled);
    game.NewGame();
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_FALSE(game.CanUndo());
    EXPECT_FALSE(s.Raised);
    EXPECT_EQ(view.table[4].raisedBy, 0);
    ExpectConsistent();
}

TEST_F(TestDeckGame, UndoingThePlayThatCompletedAStackTurnsItFaceUp)
{
    const GameState& state = game.State();
    game.Arrange([](GameState& arranged) { arranged.StackNext[AcesClubs] = KingOfClubs; });  // all clubs but the King placed
    view.stacks[AcesClubs] = {51, true, 0};
    game.SelectTableCard(4);              // the King of clubs: both clubs stacks want it
    ASSERT_TRUE(state.Raised);
    game.PlayToStack(AcesClubs);
    EXPECT_EQ(state.StackNext[AcesClubs], NoCard);
    EXPECT_EQ(view.stacks[AcesClubs].code, NoCard) << "a complete stack shows its back";
    EXPECT_EQ(view.Sounds(), (std::vector<int>{11, 5, 6}));
    game.UndoMove();
    EXPECT_EQ(state.StackNext[AcesClubs], 52);
    EXPECT_EQ(view.stacks[AcesClubs].code, 51);
    EXPECT_TRUE(view.stacks[AcesClubs].visible);
}

TEST_F(TestDeckGame, ScriptedGameEndsLostWithItsNumbersRecorded)
{
    // Greedy play: every single play, then the Aces stack for a choice, then a
    // left shift before each draw, undoing one draw on the way.
    bool undoneOnce = false;
    while (!view.log.empty() ? view.log.back().rfind("game over", 0) != 0 : true) {
        PlayAllSinglePlays();
        if (s.Raised) {
            game.PlayToStack(AcesStackWanting(s.SelCard));
            continue;
        }
        if (s.DrawCount == 0)
            break;
        if (s.ShiftShown)
            game.ShiftPlayPileLeft();
        game.DrawCard();
        if (!undoneOnce && s.DrawCount == 5) {
            const GameSnapshot after = GameSnapshot::Of(s);
            game.UndoMove();
            game.DrawCard();
            EXPECT_EQ(GameSnapshot::Of(s), after);
            undoneOnce = true;
        }
        ASSERT_EQ(BrokenInvariant(s), "");
        ASSERT_EQ(ScreenMismatch(s, view), "");
    }
    EXPECT_TRUE(undoneOnce);
    EXPECT_EQ(s.DrawCount, 0);
    ASSERT_FALSE(view.log.empty());
    const std::string last = view.log.back() == "result recorded" ? view.log[view.log.size() - 2] : view.log.back();
    EXPECT_EQ(last.rfind("game over 9 ", 0), 0u) << last;
    EXPECT_EQ(history.Row(1).Games, 1);
    EXPECT_EQ(history.Row(1).CardsLeftTotal, s.CardsLeft);
    EXPECT_EQ(history.Row(1).Won, 0);
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_FALSE(game.CanUndo());
}

}  // namespace
