#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "engine/game.h"
#include "tests/engine/recordingview.h"

namespace {

std::vector<int> Pile(const GameState& s, int spot)
{
    return {s.TablePile[spot].begin() + 1, s.TablePile[spot].begin() + 1 + s.TableCount[spot]};
}

std::vector<int> DrawPileOf(const GameState& s)
{
    return {s.DrawPile.begin() + 1, s.DrawPile.begin() + 1 + s.DrawCount};
}

struct DealFixture : ::testing::Test {
    RecordingView view;
    Player player{"Ann", {}, {}};
    GameSettings& settings = player.Settings;
    Game game{view, player};
};

TEST(RandomTest, FollowsTheGamesOwnGenerator)
{
    Random random(12345);
    std::vector<std::uint32_t> drawn;
    for (int k = 0; k < 5; ++k)
        drawn.push_back(random.Below(104));
    EXPECT_EQ(drawn, (std::vector<std::uint32_t>{40, 30, 8, 57, 65}));
    EXPECT_EQ(random.Seed(), 2721613530u);

    Random zero(0);
    EXPECT_EQ(zero.Below(104), 0u);  // seed becomes 1: far too small to reach 1/104
    EXPECT_LT(Random::MillisecondsSinceMidnightUtc(), 24u * 60 * 60 * 1000);
}

TEST(BuildDeckTest, PlacesEachCardAtTheFirstFreePlaceFromARandomOne)
{
    Deck deck{};
    Random random(12345);
    BuildDeck(deck, random, "Ann");
    const std::vector<int> start(deck.begin() + 1, deck.begin() + 21);
    EXPECT_EQ(start, (std::vector<int>{42, 30, 41, 9, 38, 22, 30, 42, 3, 8, 6, 9, 12, 32, 14, 15, 20, 31, 25, 21}));
}

TEST(BuildDeckTest, EveryShuffledDeckHoldsEachCodeTwice)
{
    Random random(7);
    for (int round = 0; round < 200; ++round) {
        Deck deck{};
        BuildDeck(deck, random, "Ann");
        for (int code = 1; code <= DistinctCards; ++code)
            ASSERT_EQ(std::count(deck.begin() + 1, deck.end(), code), 2) << "code " << code << " round " << round;
    }
}

TEST(BuildDeckTest, TestPlayerGetsBothDecksInCodeOrderAndCaseMatters)
{
    Deck deck{};
    Random random(1);
    BuildDeck(deck, random, "PlumbLine");
    for (int i = 1; i <= DistinctCards; ++i) {
        EXPECT_EQ(deck[i], i);
        EXPECT_EQ(deck[i + DistinctCards], i);
    }
    BuildDeck(deck, random, "plumbline");
    EXPECT_FALSE(std::is_sorted(deck.begin() + 1, deck.begin() + 53));
}

TEST_F(DealFixture, TestDeckDealsTheKnownTableAndDrawPile)
{
    player.Name = "PlumbLine";
    game.NewGame();
    const GameState& s = game.State();
    EXPECT_EQ(Pile(s, 1), (std::vector<int>{1, 17, 31, 45, 7, 21, 35, 49}));
    EXPECT_EQ(Pile(s, 2), (std::vector<int>{4, 18, 32, 46, 8, 22, 36, 50}));
    EXPECT_EQ(Pile(s, 13), (std::vector<int>{16, 30, 44, 6, 20, 34, 48}));
    for (int spot = 1; spot <= SpotCount; ++spot)
        EXPECT_EQ(s.TableCount[spot], spot <= 4 ? 8 : 7) << "spot " << spot;
    EXPECT_EQ(DrawPileOf(s), (std::vector<int>{2, 3, 14, 27, 40, 1, 14, 27, 40}));
    EXPECT_EQ(s.DrawStart, 9);
    EXPECT_EQ(s.CardsLeft, 104);
    EXPECT_EQ(view.drawPileCount, 9);
}

TEST_F(DealFixture, TheScreenShowsEachSpotsTopCardAfterTheDeal)
{
    player.Name = "PlumbLine";
    game.NewGame();
    for (int spot = 1; spot <= SpotCount; ++spot) {
        EXPECT_TRUE(view.table[spot].visible);
        EXPECT_EQ(view.table[spot].code, Pile(game.State(), spot).back());
    }
    EXPECT_TRUE(view.drawPileVisible);
    EXPECT_TRUE(view.controlsEnabled);
    EXPECT_FALSE(view.undoEnabled);
    EXPECT_FALSE(view.busyCursor);
    EXPECT_EQ(view.Sounds(), std::vector<int>{2});
    EXPECT_GE(view.yields, 35) << "the deal yields after every table card";
}

TEST_F(DealFixture, ShuffledDealsKeepEveryCardAndFillEverySpot)
{
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        game.SeedRandom(seed * 7919u);
        game.NewGame();
        const GameState& s = game.State();
        int cards = s.DrawCount;
        std::vector<int> seen(DistinctCards + 1, 0);
        for (int spot = 1; spot <= SpotCount; ++spot) {
            ASSERT_GE(s.TableCount[spot], 1);
            ASSERT_LE(s.TableCount[spot], 8);
            cards += s.TableCount[spot];
            for (int c : Pile(s, spot))
                ++seen[c];
        }
        for (int c : DrawPileOf(s))
            ++seen[c];
        ASSERT_EQ(cards, DeckSize);
        ASSERT_TRUE(std::all_of(seen.begin() + 1, seen.end(), [](int n) { return n == 2; }));
        ASSERT_EQ(s.DrawStart, s.DrawCount);
        ASSERT_EQ(game.DealsInLastGame(), 1);
    }
}

TEST_F(DealFixture, ReplayDealsTheSameTableAndDrawPile)
{
    game.SeedRandom(99);
    game.NewGame();
    const GameState first = game.State();
    game.NewGame();
    game.ReplaySameDeck();
    // The replay reproduces the game before it, itself a fresh shuffle.
    const GameState second = game.State();
    game.ReplaySameDeck();
    const GameState& third = game.State();
    EXPECT_NE(Pile(first, 1), Pile(second, 1));
    for (int spot = 1; spot <= SpotCount; ++spot)
        EXPECT_EQ(Pile(second, spot), Pile(third, spot));
    EXPECT_EQ(DrawPileOf(second), DrawPileOf(third));
    EXPECT_EQ(second.DrawStart, third.DrawStart);
    EXPECT_FALSE(third.ReplayDeck);
}

TEST_F(DealFixture, MinimumDrawPileDealsAgainUntilReached)
{
    settings.MinDrawPile = 30;
    int extraDeals = 0;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        game.SeedRandom(seed);
        game.NewGame();
        EXPECT_GE(game.State().DrawCount, 30);
        extraDeals += game.DealsInLastGame() - 1;
    }
    EXPECT_GT(extraDeals, 20) << "a minimum of 30 usually takes several shuffles";
}

TEST_F(DealFixture, UnreachableMinimumIsCappedAtThirty)
{
    settings.MinDrawPile = 250;
    game.SeedRandom(5);
    game.NewGame();
    EXPECT_GE(game.State().DrawCount, Game::HighestMinimum);
    EXPECT_LT(game.DealsInLastGame(), Game::MostDealsPerGame);
    EXPECT_TRUE(view.controlsEnabled);
}

TEST_F(DealFixture, MinimumOfFiveIsAnOrdinaryMinimum)
{
    settings.MinDrawPile = 5;
    game.SeedRandom(3);
    game.NewGame();
    EXPECT_GE(game.State().DrawCount, 5);
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "end program"), 0);
    EXPECT_FALSE(game.IsDealing());
}

// The filter sees only deals that meet the minimum, numbered within the new
// game, and a refusal deals again; a reused deck is never put to it.
TEST_F(DealFixture, ADealFilterIsAskedAfterTheMinimumAndNeverForAReusedDeck)
{
    std::vector<int> asked;
    game.SetDealFilter([&](const GameState& dealt, int deal) {
        EXPECT_GE(dealt.DrawCount, 20);
        asked.push_back(deal);
        return asked.size() >= 3;
    });
    settings.MinDrawPile = 20;
    game.SeedRandom(4);
    game.NewGame();
    ASSERT_EQ(asked.size(), 3U);
    EXPECT_EQ(asked.back(), game.DealsInLastGame());
    EXPECT_TRUE(std::is_sorted(asked.begin(), asked.end()));

    asked.clear();
    game.ReplaySameDeck();
    player.Name = "PlumbLine";
    game.NewGame();
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(game.DealsInLastGame(), 1);
}

TEST_F(DealFixture, AReusedDeckIsDealtOnceWhateverTheMinimum)
{
    player.Name = "PlumbLine";
    settings.MinDrawPile = 20;
    game.NewGame();
    EXPECT_EQ(game.DealsInLastGame(), 1);
    EXPECT_EQ(game.State().DrawStart, 9);

    player.Name = "Ann";
    settings.MinDrawPile = 0;
    game.SeedRandom(11);
    game.NewGame();
    const int start = game.State().DrawStart;
    settings.MinDrawPile = static_cast<std::uint8_t>(start + 1);
    game.ReplaySameDeck();
    EXPECT_EQ(game.DealsInLastGame(), 1);
    EXPECT_EQ(game.State().DrawStart, start);
}

TEST_F(DealFixture, ClosingDuringTheDealStopsItAndEndsTheProgramOnce)
{
    int yieldsSeen = 0;
    view.onYield = [&] {
        if (++yieldsSeen == 10) {
            EXPECT_TRUE(game.StopDealing());
        }
    };
    game.NewGame();
    EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "end program"), 1);
    EXPECT_FALSE(game.IsDealing());
    EXPECT_FALSE(game.StopDealing()) << "once stopped, a second close acts normally";
    EXPECT_LT(yieldsSeen, 20) << "the deal stops before its next card";
    EXPECT_FALSE(view.controlsEnabled);
}

TEST_F(DealFixture, MenusStayOffWhileDealing)
{
    bool enabledDuringDeal = false;
    view.onYield = [&] { enabledDuringDeal = enabledDuringDeal || view.controlsEnabled; };
    game.NewGame();
    EXPECT_FALSE(enabledDuringDeal);
    EXPECT_TRUE(view.controlsEnabled);
}

}  // namespace
