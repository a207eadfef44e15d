#pragma once

#include <QImage>
#include <QString>

// The pictures, drawn by tools/picturegen (`cmake --build <dir> --target
// regenerate_pictures` redraws them). All use the sixteen VGA colours.
//   Cards, 71 x 95: "SPADE1".."SPADE13", "HEART1".."HEART13",
//     "DIAMOND1".."DIAMOND13", "CLUB1".."CLUB13", "JOKER",
//     "CARDBACK1".."CARDBACK12".
//   Counter digits, 15 x 25: "DIGITALW0".."DIGITALW9" (white on black),
//     "DIGITALG0".."DIGITALG9" (white on light grey).
//   Shift buttons, 15 x 15: "ARROWLEFT", "ARROWRIGHT".
//   Button glyphs, 16 x 16: "TICK" (OK), "TICKDISABLED" (greyed OK),
//     "EXIT", "DELETE", "ZERO", "HELP".
//   "PLAYERICON" 32 x 32 (player dialog), "SPEAKERS" 64 x 64 (drop to
//     listen), "WASTEBIN" 49 x 64 (drop to delete).
//   Drag cursors, 32 x 32, black and white: "PAGEDRAG", "PAGEDROP"; hot spot
//     at column 0, row 31.
// Cards and digits are fully opaque. Glyphs, icon, loudspeakers, waste bin
// and cursors are transparent around their drawing: alpha 0, from a
// seventeenth palette entry.

// Loads one of the program's own pictures by its name ("SPADE1", "CARDBACK12",
// "JOKER", "DIGITALW0", ...). A name without a picture gives a null image.
// Call it on the thread that runs the application.
QImage LoadPicture(const QString& name);

// Whether a picture of that name travels with the program.
bool HasPicture(const QString& name);
