#pragma once

#include <QStringList>

#include "sound/soundplayer.h"

// Plays nothing: notes each file asked for, its volume and whether the wait cursor was
// up while it "played".
class TFakeSoundPlayer final : public TSoundPlayer {
public:
    explicit TFakeSoundPlayer(int devices = 1)
        : devices_(devices)
    {
    }

    int OutputDeviceCount() override { return devices_; }
    bool PlaySync(const QString& path, int volume) override;

    QStringList Played;
    QList<int> Volumes;
    QList<bool> WaitCursorShown;

private:
    int devices_;
};
