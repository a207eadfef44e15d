#pragma once

#include <QImage>

#include "engine/gamesettings.h"

// One digit of a counter in the player's colours: the lit segments in `fore`,
// everything else in `back`. A black foreground is drawn from the grey set,
// since in the black set its segments would vanish into the background.
QImage CounterDigit(int digit, TColor fore, TColor back);
