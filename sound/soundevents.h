#pragma once

#include <QString>

#include "engine/gamesettings.h"
#include "engine/soundevent.h"

class TSoundPlayer;

// Whether this machine can play sounds at all: the low byte of the output
// count is not 0. Run once at start-up.
bool TestWaveDevice(TSoundPlayer& player);

// Whether a stored sound name carries its own extension (".ogg", ".oga",
// ".flac" or ".opus", any case). Any other name means a ".wav" file.
bool HasOwnExtension(const QString& name);

// The file assigned to an event: its whole directory, its name, then ".wav"
// unless the name carries its own extension.
QString SoundEventFile(const GameSettings& settings, SoundEvent event);

// The existing regular file that a composed sound file name means. Names are
// matched without regard to letter case, as the sounds were assigned on
// systems that did so: the exact spelling wins, otherwise the first entry of
// the directory in name order whose name differs only in case. Empty when
// there is none.
QString FindSoundFile(const QString& path);

// The file an event plays, for the game and for listening alike; empty when
// none is assigned or it cannot be found.
QString EventSoundPath(const GameSettings& settings, SoundEvent event);

// Plays the event's sound to its end, at the player's volume, when sound is
// on, a file is assigned and it exists; otherwise does nothing.
void PlayEventSound(TSoundPlayer& player, const GameSettings& settings, SoundEvent event);
