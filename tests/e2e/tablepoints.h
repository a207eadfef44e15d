#pragma once

#include <QPoint>

#include "tests/e2e/gameplan.h"

// Where on the main window's client area (below the menu bar) a click must
// land to hit the control a planned click aims at.
QPoint ClientPointOf(const PlannedClick& click);

// The main window's client area, without the menu bar.
inline constexpr int MainClientWidth = 634;
inline constexpr int MainClientHeight = 435;
