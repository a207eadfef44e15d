#pragma once

#include <QFont>

// Fonts of the program's windows, by pixel height so that the layout does not
// follow the desktop's font size. Arial resolves to a metric-compatible face.
QFont ArialFont(int pixels, bool bold = false);

// The window font: a bold sans face standing in for the classic System font.
QFont SystemFont();
