#pragma once

#include <vector>

class QWidget;

// The widgets that Tab visits after `start`, in order: the focus chain
// without the widgets that take no focus from the keyboard.
std::vector<QWidget*> TabStopsAfter(QWidget& start, int count);
