#include "engine/gamehistory.h"

#include <algorithm>
#include <limits>

std::int32_t AddSaturating(std::int32_t counter, std::int64_t amount)
{
    using Limits = std::numeric_limits<std::int32_t>;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(counter + amount, Limits::min(), Limits::max()));
}

int GameHistory::RowOf(int drawStart)
{
    return std::clamp(drawStart - 8, 1, RowCount);
}

void GameHistory::RecordResult(int drawStart, int cardsLeft)
{
    HistoryRow& row = Row(RowOf(drawStart));
    row.Games = AddSaturating(row.Games, 1);
    row.CardsLeftTotal = AddSaturating(row.CardsLeftTotal, cardsLeft);
    if (cardsLeft == 0)
        row.Won = AddSaturating(row.Won, 1);
}

void GameHistory::Clear()
{
    rows_ = {};
}

bool GameHistory::IsEmpty() const
{
    return std::all_of(rows_.begin(), rows_.end(), [](const HistoryRow& r) { return r.Games == 0; });
}
