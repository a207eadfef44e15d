#pragma once

#include <vector>

#include "store/settingsstore.h"

// A screen's usable area, in the desktop's pixels.
struct ScreenArea {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// The top-left corner of the window's frame, as kept in the settings file,
// moved onto the nearest screen when the title bar would lie off every
// screen (a screen unplugged, a smaller desktop, a hand-edited file): a window
// the player cannot grab could never be moved back. A title bar counts as on
// a screen when its whole height and a good part of its width are.
WindowPosition KeepTitleBarOnScreen(WindowPosition frame, int frameWidth, const std::vector<ScreenArea>& screens);
