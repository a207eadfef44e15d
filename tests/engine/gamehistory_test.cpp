#include <gtest/gtest.h>

#include "engine/gamehistory.h"

TEST(GameHistoryTest, RowsGroupStartingDrawPiles)
{
    for (int size : {0, 3, 8, 9})
        EXPECT_EQ(GameHistory::RowOf(size), 1) << size;
    EXPECT_EQ(GameHistory::RowOf(10), 2);
    EXPECT_EQ(GameHistory::RowOf(25), 17);
    EXPECT_EQ(GameHistory::RowOf(40), 32);
    EXPECT_EQ(GameHistory::RowOf(41), 33);
    EXPECT_EQ(GameHistory::RowOf(60), 33);
}

TEST(GameHistoryTest, RecordsWonAndLostGames)
{
    GameHistory history;
    EXPECT_TRUE(history.IsEmpty());
    history.RecordResult(25, 0);
    history.RecordResult(25, 17);
    EXPECT_EQ(history.Row(17), (HistoryRow{2, 1, 17}));
    EXPECT_FALSE(history.IsEmpty());
    history.Clear();
    EXPECT_TRUE(history.IsEmpty());
}

TEST(GameHistoryTest, CountersStopAtTheirLargestValue)
{
    constexpr std::int32_t Largest = 2147483647;
    GameHistory history;
    history.Row(17) = {Largest, Largest, Largest - 5};
    history.RecordResult(25, 0);
    history.RecordResult(25, 50);
    EXPECT_EQ(history.Row(17), (HistoryRow{Largest, Largest, Largest}));
}
