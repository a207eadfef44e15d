#pragma once

#include <QImage>
#include <QString>

// Loads one of the program's own pictures by its name ("SPADE1", "CARDBACK12",
// "JOKER", "DIGITALW0", ...). A name without a picture gives a null image.
QImage LoadPicture(const QString& name);

// Whether a picture of that name travels with the program.
bool HasPicture(const QString& name);
