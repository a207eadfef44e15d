#pragma once

#include <array>

// The table's zoom as the player chooses it, in percent of the classic size.
// Plain rules, no toolkit: the steps of the zoom commands and the fit.

// The zoom setting that fits the table to the window instead of a fixed size.
inline constexpr int ZoomFitWindow = 0;
inline constexpr int ZoomClassic = 100;
inline constexpr std::array<int, 4> ZoomSteps = {100, 150, 200, 300};

// Fit to window never shrinks the table so far that the cards cannot be
// told apart, nor blows it up past any screen made.
inline constexpr double MinFitZoom = 0.5;
inline constexpr double MaxFitZoom = 8.0;

// The next step above or below the zoom shown now (which a fit may have put
// between steps); at the last step it stays.
int ZoomInFrom(double shown);
int ZoomOutFrom(double shown);

// The largest zoom at which a table of the given size fits the area, within
// the fit's bounds.
double FitZoom(int areaWidth, int areaHeight, int tableWidth, int tableHeight);

// A zoom setting read from a file: a step or the fit; anything else is the
// classic size.
int ValidZoomSetting(int stored);
