#include "engine/gamehistory.h"

#include <algorithm>

int GameHistory::RowOf(int drawStart)
{
    return std::clamp(drawStart - 8, 1, RowCount);
}

void GameHistory::RecordResult(int drawStart, int cardsLeft)
{
    HistoryRow& row = Row(RowOf(drawStart));
    row.Games += 1;
    row.CardsLeftTotal += cardsLeft;
    if (cardsLeft == 0)
        row.Won += 1;
}

void GameHistory::Clear()
{
    rows_ = {};
}

bool GameHistory::IsEmpty() const
{
    return std::all_of(rows_.begin(), rows_.end(), [](const HistoryRow& r) { return r.Games == 0; });
}
