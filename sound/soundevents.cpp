#include "sound/soundevents.h"

#include <array>

#include <QDir>
#include <QFileInfo>

#include "sound/soundplayer.h"

namespace {

constexpr int OutputCountMask = 0xFF;
const QString WaveExtension = QStringLiteral(".wav");
const std::array<QString, 4> OwnExtensions = {
    QStringLiteral(".ogg"), QStringLiteral(".oga"), QStringLiteral(".flac"), QStringLiteral(".opus")};

std::size_t IndexOf(SoundEvent event)
{
    return static_cast<std::size_t>(event);
}

}

bool TestWaveDevice(TSoundPlayer& player)
{
    return (player.OutputDeviceCount() & OutputCountMask) != 0;
}

bool HasOwnExtension(const QString& name)
{
    for (const QString& extension : OwnExtensions)
        if (name.endsWith(extension, Qt::CaseInsensitive))
            return true;
    return false;
}

QString SoundEventFile(const GameSettings& settings, SoundEvent event)
{
    const QString path = QString::fromStdString(settings.SoundPath[IndexOf(event)]);
    const QString name = QString::fromStdString(settings.SoundName[IndexOf(event)]);
    // The whole directory counts: a file deep in a home folder must still play.
    return path + name + (HasOwnExtension(name) ? QString() : WaveExtension);
}

QString FindSoundFile(const QString& path)
{
    const QFileInfo wanted(path);
    if (wanted.isFile())
        return path;
    // Without QDir::System: a FIFO or a device is never a sound.
    const QDir directory = wanted.dir();
    const QStringList entries = directory.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return directory.filePath(entry);
    }
    return {};
}

QString EventSoundPath(const GameSettings& settings, SoundEvent event)
{
    if (settings.SoundName[IndexOf(event)].empty())
        return {};
    return FindSoundFile(SoundEventFile(settings, event));
}

void PlayEventSound(TSoundPlayer& player, const GameSettings& settings, SoundEvent event)
{
    if (!settings.SoundOn)
        return;
    const QString file = EventSoundPath(settings, event);
    if (!file.isEmpty())
        player.PlaySync(file, settings.SoundVolume);
}
