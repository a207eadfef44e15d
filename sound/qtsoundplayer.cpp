#include "sound/qtsoundplayer.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include <QAbstractEventDispatcher>
#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include "engine/gamesettings.h"
#include "sound/soundfile.h"

namespace {

using std::chrono::milliseconds;

constexpr milliseconds PollInterval(10);
// A backend that never reports the end must not hang the game.
constexpr milliseconds SafetyMargin(2000);

// Running dry at the end is how a pulled sound ends, not a failure.
bool Failed(const QAudioSink& sink)
{
    return sink.error() != QAudio::NoError && sink.error() != QAudio::UnderrunError;
}

// The slider is read as the ear hears it: half way sounds half as loud.
float LinearVolume(int volume)
{
    const float fraction = static_cast<float>(std::clamp(volume, 0, FullVolume)) / FullVolume;
    return QAudio::convertVolume(fraction, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}

}

int TQtSoundPlayer::OutputDeviceCount()
{
    return static_cast<int>(QMediaDevices::audioOutputs().size());
}

bool TQtSoundPlayer::PlaySync(const QString& path, int volume)
{
    // With no output a sink never reaches the end of the sound, so waiting for
    // it would hang.
    if (OutputDeviceCount() == 0)
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const std::optional<TSoundFile> sound = TSoundFile::Load(path);
    if (device.isNull() || !sound || !device.isFormatSupported(sound->Format()))
        return false;
    return PlayToEnd(device, *sound, volume);
}

bool TQtSoundPlayer::PlayToEnd(const QAudioDevice& device, const TSoundFile& wave, int volume)
{
    QBuffer source;
    source.setData(wave.Samples());
    source.open(QIODevice::ReadOnly);
    QAudioSink sink(device, wave.Format());
    sink.setVolume(LinearVolume(volume));

    const qint64 length = wave.Duration().count();
    const milliseconds limit = std::chrono::ceil<milliseconds>(wave.Duration()) + SafetyMargin;
    QElapsedTimer clock;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(PollInterval);
    // The sink's processed time is the stream's playing position, so it
    // reaches the length only once the last sample has left the output. The
    // idle state would come a buffer's length too early.
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (sink.processedUSecs() >= length || milliseconds(clock.elapsed()) >= limit || Failed(sink))
            loop.quit();
    });

    sink.start(&source);
    clock.start();
    if (Failed(sink))
        return false;
    poll.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool played = !Failed(sink);
    sink.stop();
    // Input held back during the sound is otherwise only delivered at the
    // next window-system event.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
    return played;
}
