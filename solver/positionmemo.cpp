#include "solver/positionmemo.h"

namespace {
constexpr std::size_t FirstSlots = std::size_t{1} << 16;
constexpr std::uint64_t FreeSlot = 0;
constexpr std::uint64_t ValueBits = 0xFF;

// A key's slot word without its value: the key's upper 56 bits, never 0.
std::uint64_t Tag(std::uint64_t key)
{
    const std::uint64_t tag = key & ~ValueBits;
    return tag == FreeSlot ? ValueBits + 1 : tag;
}
}  // namespace

PositionMemo::PositionMemo() : slots_(FirstSlots, FreeSlot) {}

std::size_t PositionMemo::Slot(std::uint64_t tag) const
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = (tag >> 8) & mask;
    while (slots_[i] != FreeSlot && (slots_[i] & ~ValueBits) != tag)
        i = (i + 1) & mask;
    return i;
}

std::uint8_t PositionMemo::Get(std::uint64_t key) const
{
    return static_cast<std::uint8_t>(slots_[Slot(Tag(key))] & ValueBits);  // a free slot reads as Unknown
}

void PositionMemo::Set(std::uint64_t key, std::uint8_t value)
{
    const std::uint64_t tag = Tag(key);
    std::size_t i = Slot(tag);
    if (slots_[i] == FreeSlot) {
        if ((size_ + 1) * 2 > slots_.size()) {
            Grow();
            i = Slot(tag);
        }
        ++size_;
    }
    slots_[i] = tag | value;
}

void PositionMemo::Grow()
{
    std::vector<std::uint64_t> old(slots_.size() * 2, FreeSlot);
    old.swap(slots_);
    for (const std::uint64_t word : old) {
        if (word != FreeSlot)
            slots_[Slot(word & ~ValueBits)] = word;
    }
}
