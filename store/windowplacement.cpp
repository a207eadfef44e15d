#include "store/windowplacement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int TitleBarHeight = 24;  // taller than most window managers' title bars
constexpr int GripWidth = 100;      // enough of the title bar to take hold of

bool TitleBarOn(WindowPosition frame, int frameWidth, const ScreenArea& s)
{
    const std::int64_t left = frame.Left;
    const std::int64_t overlap = std::min<std::int64_t>(left + frameWidth, std::int64_t{s.Left} + s.Width)
        - std::max<std::int64_t>(left, s.Left);
    return frame.Top >= s.Top && std::int64_t{frame.Top} + TitleBarHeight <= std::int64_t{s.Top} + s.Height
        && overlap >= std::min(GripWidth, frameWidth);
}

// How far the frame's corner lies outside the screen, in both directions together.
std::int64_t DistanceTo(WindowPosition frame, const ScreenArea& s)
{
    const auto outside = [](std::int64_t value, std::int64_t low, std::int64_t high) {
        return value < low ? low - value : (value > high ? value - high : 0);
    };
    return outside(frame.Left, s.Left, std::int64_t{s.Left} + s.Width)
        + outside(frame.Top, s.Top, std::int64_t{s.Top} + s.Height);
}

}  // namespace

WindowPosition KeepTitleBarOnScreen(WindowPosition frame, int frameWidth, const std::vector<ScreenArea>& screens)
{
    if (screens.empty())
        return frame;
    for (const ScreenArea& s : screens) {
        if (TitleBarOn(frame, frameWidth, s))
            return frame;
    }
    const ScreenArea& nearest = *std::min_element(screens.begin(), screens.end(), [&](const ScreenArea& a, const ScreenArea& b) {
        return DistanceTo(frame, a) < DistanceTo(frame, b);
    });
    // The whole width on the screen where it fits, else the left edge.
    const int lastLeft = std::max(nearest.Left, nearest.Left + nearest.Width - frameWidth);
    const int lastTop = std::max(nearest.Top, nearest.Top + nearest.Height - TitleBarHeight);
    return {std::clamp(frame.Top, nearest.Top, lastTop), std::clamp(frame.Left, nearest.Left, lastLeft)};
}
