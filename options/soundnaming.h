#pragma once

#include <QString>

// File names as the sound assignments store them: a name and a directory
// ending in the separator.

// The name an assigned file is stored under: a trailing ".wav" (any case) is
// dropped, as a name without an extension means a ".wav" file; every other
// name is kept whole, dots and all. "my.tune.wav" gives "my.tune",
// "bell.oga" stays "bell.oga".
QString StoredSoundName(const QString& fileName);

// The directory followed by "/", unless it already ends in one (the root).
QString DirectoryWithSeparator(const QString& directory);
