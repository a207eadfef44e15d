#include "pictures/pictures.h"

#include <QFile>
#include <QHash>

namespace {
QString ResourcePath(const QString& name)
{
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".png");
}
}  // namespace

// Each picture is decoded once; the copies handed out share its pixels until
// a caller changes them. Only names that have a picture are kept, so the
// store never grows past the pictures that travel with the program.
QImage LoadPicture(const QString& name)
{
    static QHash<QString, QImage> decoded;
    auto found = decoded.constFind(name);
    if (found != decoded.constEnd())
        return *found;
    QImage picture(ResourcePath(name));
    if (!picture.isNull())
        decoded.insert(name, picture);
    return picture;
}

bool HasPicture(const QString& name)
{
    return QFile::exists(ResourcePath(name));
}
