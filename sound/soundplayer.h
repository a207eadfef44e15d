#pragma once

#include <QString>

// Plays sound files. The game never knows more of sound than "event k
// happened"; this is what sits behind that, so tests can use a fake and a
// machine without audio runs the silent path.
class TSoundPlayer {
public:
    virtual ~TSoundPlayer() = default;

    // How many audio outputs the system offers.
    virtual int OutputDeviceCount() = 0;

    // Plays a sound file at `volume` percent (0 to 100, as the slider reads)
    // and returns once it has been heard to its end, the window painting
    // meanwhile but user input held back. Returns false when the file could
    // not be played.
    virtual bool PlaySync(const QString& path, int volume) = 0;
};
