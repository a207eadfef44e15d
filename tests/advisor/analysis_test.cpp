#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "advisor/analysisworker.h"
#include "advisor/verdictbook.h"
#include "advisor/winnabledeals.h"
#include "solver/seededgame.h"
#include "tests/advisor/seeds.h"

namespace {

using namespace std::chrono_literals;

GameSettings HardSettings()
{
    GameSettings settings;
    settings.Level = LevelHard;
    return settings;
}

// A search that runs until it is cancelled (or half a minute passes), except
// for a position without a draw pile, which it answers at once.
class CancellableSearch {
public:
    SolverResult operator()(const GameState& state, SolverRules, const SolverBudget& budget)
    {
        SolverResult result;
        if (state.DrawCount == 0) {
            result.verdict = SolverVerdict::Loss;
            return result;
        }
        ++started;
        const auto giveUp = std::chrono::steady_clock::now() + 30s;
        while (!budget.cancel->load() && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(1ms);
        return result;
    }

    std::atomic<int> started{0};
};

class AnalysisWorkerTest : public ::testing::Test {
protected:
    void Report(int position)
    {
        const std::lock_guard lock(mutex);
        reported.push_back(position);
        arrived.notify_all();
    }

    bool WaitForReport()
    {
        std::unique_lock lock(mutex);
        return arrived.wait_for(lock, 10s, [this] { return !reported.empty(); });
    }

    static void WaitUntilStarted(const CancellableSearch& search, int count)
    {
        for (int i = 0; i < 10000 && search.started < count; ++i)
            std::this_thread::sleep_for(1ms);
        ASSERT_EQ(search.started, count);
    }

    CancellableSearch search;
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<int> reported;
    GameState longOne = [] { GameState s; s.DrawCount = 5; return s; }();
    GameState quickOne = [] { GameState s; s.DrawCount = 0; return s; }();
};

TEST_F(AnalysisWorkerTest, ANewPositionCancelsTheSearchUnderWayAndStopEndsOneAtOnce)
{
    TAnalysisWorker worker([this](int position, const SolverResult&) { Report(position); }, {},
                           [this](const GameState& s, SolverRules r, const SolverBudget& b) { return search(s, r, b); });
    worker.Analyse(1, longOne, {});
    WaitUntilStarted(search, 1);
    worker.Analyse(2, quickOne, {});
    ASSERT_TRUE(WaitForReport());
    EXPECT_EQ(reported, std::vector<int>{2}) << "the search of position 1 was dropped, not finished";

    worker.Analyse(3, longOne, {});
    WaitUntilStarted(search, 2);
    const auto before = std::chrono::steady_clock::now();
    worker.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 10s) << "Stop waited for the search to run its course";
    EXPECT_EQ(reported, std::vector<int>{2});
}

// Following a proved line, every position on the way is known at once, as a
// win by the rest of the line; a position off the line or under other rules is not.
TEST(VerdictBookTest, AWinningLineProvesEveryPositionOnTheWay)
{
    const GameSettings settings = HardSettings();
    const SolverRules rules = SolverRules::From(settings);
    const std::uint32_t seed = FirstSeedProvedWinnable(settings, 100ms);
    ASSERT_NE(seed, 0U);
    SeededGame game(settings, seed);
    const SolverResult proof = Solve(game.State(), rules, {0, 1000ms, nullptr});
    ASSERT_EQ(proof.verdict, SolverVerdict::Win);

    TVerdictBook book;
    book.Record(game.State(), rules, proof);
    EXPECT_FALSE(book.Lookup(game.State(), {!rules.Hard, rules.DrawTop}));
    for (std::size_t step = 0; step < proof.line.size(); ++step) {
        const std::optional<SolverResult> known = book.Lookup(game.State(), rules);
        ASSERT_TRUE(known) << "step " << step;
        EXPECT_EQ(known->verdict, SolverVerdict::Win);
        EXPECT_EQ(known->line, std::vector<std::string>(proof.line.begin() + static_cast<long>(step), proof.line.end()));
        std::istringstream clicks(proof.line[step]);
        for (std::string click; clicks >> click;)
            ASSERT_TRUE(game.Click(click));
    }
    EXPECT_EQ(game.State().CardsLeft, 0);

    SeededGame other(settings, seed + 1);
    EXPECT_FALSE(book.Lookup(other.State(), rules));
}

// Only winnable deals: the deal taken is proved winnable when the budget
// allows, a replay and the test player's deck are dealt as always, and a
// spent budget takes the deal in hand.
TEST(WinnableDealsTest, ANewGameRedealsUntilAWinIsProvedAndReusedDecksAreLeftAlone)
{
    const GameSettings settings = HardSettings();
    const SolverRules rules = SolverRules::From(settings);
    const std::uint32_t seed = FirstSeedNotProvedWinnable(settings, 1000ms);
    ASSERT_NE(seed, 0U);
    SeededGame game(settings, seed);
    TWinnableDeals winnable;
    game.Play().SetDealFilter([&](const GameState& dealt, int deal) { return winnable.Accept(dealt, deal, rules); });

    game.Play().SeedRandom(seed);
    game.Play().NewGame();
    if (!winnable.RanOut()) {
        EXPECT_GT(game.Play().DealsInLastGame(), 1);
        ASSERT_TRUE(winnable.Proof());
        for (const std::string& move : winnable.Proof()->line) {
            std::istringstream clicks(move);
            for (std::string click; clicks >> click;)
                game.Click(click);
        }
        EXPECT_EQ(game.State().CardsLeft, 0) << "the proof wins the deal taken";
    }

    game.Play().ReplaySameDeck();
    EXPECT_EQ(game.Play().DealsInLastGame(), 1);

    TWinnableDeals noTime(0ms);
    EXPECT_TRUE(noTime.Accept(game.State(), 1, rules));
    EXPECT_TRUE(noTime.RanOut());
    EXPECT_FALSE(noTime.Proof());
}

}  // namespace
