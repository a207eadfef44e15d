#include "sound/soundevents.h"

#include <QDir>
#include <QFileInfo>

#include "sound/soundplayer.h"

namespace {

constexpr int OutputCountMask = 0xFF;
const QString WaveExtension = QStringLiteral(".wav");

std::size_t IndexOf(SoundEvent event)
{
    return static_cast<std::size_t>(event);
}

}

bool TestWaveDevice(TSoundPlayer& player)
{
    return (player.OutputDeviceCount() & OutputCountMask) != 0;
}

QString SoundEventFile(const GameSettings& settings, SoundEvent event)
{
    const QString path = QString::fromStdString(settings.SoundPath[IndexOf(event)]);
    const QString name = QString::fromStdString(settings.SoundName[IndexOf(event)]);
    // The whole directory counts: a file deep in a home folder must still play.
    return path + name + WaveExtension;
}

QString FindSoundFile(const QString& path)
{
    const QFileInfo wanted(path);
    if (wanted.isFile())
        return path;
    const QDir directory = wanted.dir();
    const QStringList entries = directory.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(wanted.fileName(), Qt::CaseInsensitive) == 0)
            return directory.filePath(entry);
    }
    return {};
}

void PlayEventSound(TSoundPlayer& player, const GameSettings& settings, SoundEvent event)
{
    if (!settings.SoundOn || settings.SoundName[IndexOf(event)].empty())
        return;
    const QString file = FindSoundFile(SoundEventFile(settings, event));
    if (!file.isEmpty())
        player.PlaySync(file);
}
