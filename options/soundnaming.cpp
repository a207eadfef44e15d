#include "options/soundnaming.h"

namespace {

const QString WaveExtension = QStringLiteral(".wav");
constexpr QChar Separator = u'/';

}  // namespace

QString StoredSoundName(const QString& fileName)
{
    if (fileName.size() > WaveExtension.size() && fileName.endsWith(WaveExtension, Qt::CaseInsensitive))
        return fileName.chopped(WaveExtension.size());
    return fileName;
}

QString DirectoryWithSeparator(const QString& directory)
{
    return directory.endsWith(Separator) ? directory : directory + Separator;
}
