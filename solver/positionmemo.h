#pragma once

#include <cstdint>
#include <vector>

// What a search learnt about the positions it has met, by their 64-bit keys:
// one byte each. An open-addressing table, as a node-based map costs an
// allocation per insert and the searches make millions of them. Two
// positions share a key with odds of one in 2^64: across the million
// positions of a long search, a wrong answer about once in 30 million searches.
class PositionMemo {
public:
    static constexpr std::uint8_t Unknown = 0;

    PositionMemo();
    std::uint8_t Get(std::uint64_t key) const;
    void Set(std::uint64_t key, std::uint8_t value);
    std::size_t Size() const { return size_; }

private:
    std::size_t Slot(std::uint64_t key) const;
    void Grow();

    std::vector<std::uint64_t> keys_;
    std::vector<std::uint8_t> values_;
    std::size_t size_ = 0;
};
