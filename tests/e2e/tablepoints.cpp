#include "tests/e2e/tablepoints.h"

#include <array>

#include "engine/cardcode.h"

namespace {

constexpr QPoint TablePanel{92, 0};
constexpr QPoint PlayPilePanel{92, 325};
constexpr QPoint KingsPanel{0, 0};
constexpr QPoint AcesPanel{541, 0};

constexpr int CardWidth = 71;
constexpr int CardHeight = 95;
constexpr QPoint CardMiddle{CardWidth / 2, CardHeight / 2};

// Indexed by spot 1..13 and stack 1..8; place 0 unused.
constexpr std::array<QPoint, SpotCount + 1> SpotPlaces = {{
    {}, {15, 14}, {102, 14}, {189, 14}, {276, 14}, {363, 14},
    {15, 118}, {102, 118}, {189, 118}, {276, 118}, {363, 118},
    {15, 222}, {101, 222}, {189, 222},
}};
constexpr std::array<QPoint, StackCount + 1> StackPlaces = {{
    {}, {11, 8}, {11, 112}, {10, 216}, {10, 320}, {10, 8}, {10, 112}, {10, 216}, {10, 320},
}};
constexpr QPoint DrawPilePlace{365, 219};

constexpr int FanLeft = 9;
constexpr int FanStep = 24;
constexpr int FanTop = 7;

// A fanned card lies under the next one but for a strip of FanStep pixels;
// the last card shows whole.
QPoint PlayPilePoint(int place, int count)
{
    const int left = FanLeft + FanStep * (place - 1);
    const int visibleWidth = place == count ? CardWidth : FanStep;
    return PlayPilePanel + QPoint(left + visibleWidth / 2, FanTop + CardMiddle.y());
}

QPoint StackPoint(int stack)
{
    const QPoint panel = stack <= KingsStacks ? KingsPanel : AcesPanel;
    return panel + StackPlaces[static_cast<std::size_t>(stack)] + CardMiddle;
}

}  // namespace

QPoint ClientPointOf(const PlannedClick& click)
{
    switch (click.target) {
    case PlannedClick::Target::TableSpot:
        return TablePanel + SpotPlaces[static_cast<std::size_t>(click.index)] + CardMiddle;
    case PlannedClick::Target::PlayPileCard:
        return PlayPilePoint(click.index, click.pileCount);
    case PlannedClick::Target::Stack:
        return StackPoint(click.index);
    case PlannedClick::Target::DrawPile:
        break;
    }
    return TablePanel + DrawPilePlace + CardMiddle;
}
