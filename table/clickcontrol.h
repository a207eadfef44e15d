#pragma once

#include <string>

class QWidget;

// The control of the table that a click of a solver line names: "T3" the
// third spot's card, "P2" the second play-pile card, "S5" the fifth stack,
// "D" the draw pile, "L" and "R" the shift arrows. Null for a click that
// names nothing.
QWidget* ControlOfClick(const QWidget& table, const std::string& click);
