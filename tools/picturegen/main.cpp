// Draws every picture of the program into a directory as indexed PNG files,
// and optionally the sheet of all cards:
//   picturegen <picture directory> [--sheet <file.png>]
#include <cstdio>

#include <QDir>
#include <QStringList>

#include "tools/picturegen/picturecatalogue.h"

namespace {
int Usage()
{
    std::fputs("usage: picturegen [<picture directory>] [--sheet <file.png>]\n", stderr);
    return 2;
}

bool WritePictures(const QString& directory)
{
    if (!QDir().mkpath(directory))
        return false;
    for (const NamedPicture& picture : PictureCatalogue::All())
        if (!picture.image.save(QDir(directory).filePath(picture.name + QStringLiteral(".png")), "PNG"))
            return false;
    return true;
}
}  // namespace

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QString directory;
    QString sheet;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--sheet") && i + 1 < args.size())
            sheet = args[++i];
        else if (directory.isEmpty() && !args[i].startsWith(QLatin1Char('-')))
            directory = args[i];
        else
            return Usage();
    }
    if (directory.isEmpty() && sheet.isEmpty())
        return Usage();
    if (!directory.isEmpty() && !WritePictures(directory)) {
        std::fprintf(stderr, "picturegen: cannot write pictures to %s\n", qPrintable(directory));
        return 1;
    }
    if (!sheet.isEmpty() && !PictureCatalogue::CardSheet().save(sheet, "PNG")) {
        std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(sheet));
        return 1;
    }
    return 0;
}
