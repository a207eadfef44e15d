#include "pictures/pictures.h"

#include <QFile>

namespace {
QString ResourcePath(const QString& name)
{
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".png");
}
}  // namespace

QImage LoadPicture(const QString& name)
{
    return QImage(ResourcePath(name));
}

bool HasPicture(const QString& name)
{
    return QFile::exists(ResourcePath(name));
}
