#pragma once

#include <array>
#include <cstdint>

struct HistoryRow {
    std::int32_t Games = 0;
    std::int32_t Won = 0;
    std::int32_t CardsLeftTotal = 0;

    friend bool operator==(const HistoryRow&, const HistoryRow&) = default;
};

// A counter plus an amount, held at the counter's limits rather than wrapping:
// a row with the largest count stays the largest instead of turning negative.
std::int32_t AddSaturating(std::int32_t counter, std::int64_t amount);

// Results of finished games, grouped by the size of the starting draw pile:
// row 1 holds piles below 10, rows 2..32 the sizes 10..40, row 33 above 40.
class GameHistory {
public:
    static constexpr int RowCount = 33;

    static int RowOf(int drawStart);

    void RecordResult(int drawStart, int cardsLeft);
    void Clear();
    bool IsEmpty() const;

    HistoryRow& Row(int row) { return rows_[static_cast<std::size_t>(row)]; }
    const HistoryRow& Row(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    friend bool operator==(const GameHistory&, const GameHistory&) = default;

private:
    std::array<HistoryRow, RowCount + 1> rows_{};  // index 0 unused
};
