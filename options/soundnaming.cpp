#include "options/soundnaming.h"

namespace {

const QString SoundExtension = QStringLiteral(".wav");
constexpr QChar Separator = u'/';

// A "." before any of these belongs to a directory or a drive, not the name.
bool EndsPathPart(QChar c)
{
    return c == u'/' || c == u'\\' || c == u':';
}

}  // namespace

QString WithoutExtension(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < 0)
        return fileName;
    for (qsizetype i = dot + 1; i < fileName.size(); ++i)
        if (EndsPathPart(fileName[i]))
            return fileName;
    return fileName.left(dot);
}

QString LeftCharacters(const QString& text, qsizetype count)
{
    qsizetype end = 0;
    for (qsizetype taken = 0; taken < count && end < text.size(); ++taken)
        end += text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    return text.left(end);
}

QString DirectoryWithSeparator(const QString& directory)
{
    return directory.endsWith(Separator) ? directory : directory + Separator;
}

QString AssignedSoundFile(const GameSettings& settings, int event)
{
    return QString::fromStdString(settings.SoundPath[event]) + QString::fromStdString(settings.SoundName[event])
        + SoundExtension;
}
