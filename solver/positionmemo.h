#pragma once

#include <cstdint>
#include <vector>

// What a search learnt about the positions it has met, by their 64-bit keys:
// one byte each. An open-addressing table, as a node-based map costs an
// allocation per insert and the searches make millions of them; each slot
// is one word, the key's upper 56 bits and the byte, so that a look-up waits
// on memory once. Two positions are mistaken for each other only when those
// bits agree and they meet in one run of probes: with the ten million
// look-ups of a long search, odds of about one in a billion per search.
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

    std::vector<std::uint64_t> slots_;
    std::size_t size_ = 0;
};
