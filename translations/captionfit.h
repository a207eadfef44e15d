#pragma once

#include <vector>

#include <QString>

class QWidget;

// What a caption needs and what its control gives it, in pixels: its width
// (its height when the text wraps) against the control's contents.
struct TCaptionRoom {
    int needed = 0;
    int given = 0;
    QString text;
};

// The captions a control shows: a label's or button's text (with a check
// box's or radio button's indicator, a push button's icon), a group box's
// title, a 3D label's caption, each tab's title, each list item's text,
// each heading of a grid.
std::vector<TCaptionRoom> CaptionRooms(QWidget& control);

// The classic forms have fixed sizes, so longer words than the English
// ones may not fit. Each label and button of the window whose caption is too
// wide gets a smaller font, a pixel at a time down to a floor; one that fits
// again (after a change of language) gets its own font back. Titles of boxes
// and tabs and list items keep their font: their wording must fit.
void FitCaptions(QWidget& window);
