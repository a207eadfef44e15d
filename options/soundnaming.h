#pragma once

#include <QString>

#include "engine/gamesettings.h"

// File names as the sound assignments store them: a name without its
// extension, a directory ending in the separator, and the file they name.

// Removes the extension: the text from the last "." on, unless a directory
// or drive separator follows that ".". "my.tune.wav" gives "my.tune".
QString WithoutExtension(const QString& fileName);

// The first `count` characters (code points, not UTF-16 units, so a
// character outside the basic plane is never split).
QString LeftCharacters(const QString& text, qsizetype count);

// The directory followed by "/", unless it already ends in one (the root).
QString DirectoryWithSeparator(const QString& directory);

// The file event `event` plays: its directory, its name, then ".wav".
QString AssignedSoundFile(const GameSettings& settings, int event);
