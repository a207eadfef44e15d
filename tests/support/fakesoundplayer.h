#pragma once

#include <QStringList>

#include "sound/soundplayer.h"

// Plays nothing: notes each file asked for and whether the wait cursor was
// up while it "played".
class TFakeSoundPlayer final : public TSoundPlayer {
public:
    explicit TFakeSoundPlayer(int devices = 1)
        : devices_(devices)
    {
    }

    int OutputDeviceCount() override { return devices_; }
    bool PlaySync(const QString& path) override;

    QStringList Played;
    QList<bool> WaitCursorShown;

private:
    int devices_;
};
