#include "solver/positionmemo.h"

namespace {
constexpr std::size_t FirstSlots = std::size_t{1} << 16;
constexpr std::uint64_t FreeSlot = 0;

std::uint64_t Stored(std::uint64_t key)
{
    return key == FreeSlot ? 1 : key;  // 0 marks a free slot
}
}  // namespace

PositionMemo::PositionMemo() : keys_(FirstSlots, FreeSlot), values_(FirstSlots, Unknown) {}

std::size_t PositionMemo::Slot(std::uint64_t key) const
{
    const std::size_t mask = keys_.size() - 1;
    std::size_t i = key & mask;
    while (keys_[i] != FreeSlot && keys_[i] != key)
        i = (i + 1) & mask;
    return i;
}

std::uint8_t PositionMemo::Get(std::uint64_t key) const
{
    const std::size_t i = Slot(Stored(key));
    return keys_[i] == FreeSlot ? Unknown : values_[i];
}

void PositionMemo::Set(std::uint64_t key, std::uint8_t value)
{
    key = Stored(key);
    std::size_t i = Slot(key);
    if (keys_[i] == FreeSlot) {
        if ((size_ + 1) * 2 > keys_.size()) {
            Grow();
            i = Slot(key);
        }
        keys_[i] = key;
        ++size_;
    }
    values_[i] = value;
}

void PositionMemo::Grow()
{
    std::vector<std::uint64_t> oldKeys(keys_.size() * 2, FreeSlot);
    std::vector<std::uint8_t> oldValues(values_.size() * 2, Unknown);
    oldKeys.swap(keys_);
    oldValues.swap(values_);
    size_ = 0;
    for (std::size_t i = 0; i < oldKeys.size(); ++i) {
        if (oldKeys[i] != FreeSlot)
            Set(oldKeys[i], oldValues[i]);
    }
}
