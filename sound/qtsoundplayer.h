#pragma once

#include <QAudioDevice>

#include "sound/soundplayer.h"

class TSoundFile;

// Plays sound files on the desktop's default audio output through Qt
// Multimedia, waiting in a local event loop that lets the window paint but
// holds user input back until the sound has been heard.
class TQtSoundPlayer final : public TSoundPlayer {
public:
    int OutputDeviceCount() override;
    bool PlaySync(const QString& path, int volume) override;

private:
    static bool PlayToEnd(const QAudioDevice& device, const TSoundFile& sound, int volume);
};
