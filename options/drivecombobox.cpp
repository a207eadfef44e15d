#include "options/drivecombobox.h"

#include <algorithm>

#include <QStorageInfo>

namespace {

const QString FileSystemRoot = QStringLiteral("/");

QStringList MountedRoots()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    if (!roots.contains(FileSystemRoot))
        roots.append(FileSystemRoot);
    std::sort(roots.begin(), roots.end(), [](const QString& a, const QString& b) {
        if ((a == FileSystemRoot) != (b == FileSystemRoot))
            return a == FileSystemRoot;
        return a < b;
    });
    return roots;
}

bool Contains(const QString& root, const QString& directory)
{
    if (root == FileSystemRoot)
        return directory.startsWith(FileSystemRoot);
    return directory == root || directory.startsWith(root + FileSystemRoot);
}

}  // namespace

TDriveComboBox::TDriveComboBox(QWidget* parent)
    : QComboBox(parent)
{
    FillDrives();
    connect(this, &QComboBox::activated, this, [this](int index) { emit DriveChanged(itemText(index)); });
}

void TDriveComboBox::FillDrives()
{
    clear();
    addItems(MountedRoots());
}

QStringList TDriveComboBox::Drives() const
{
    QStringList drives;
    for (int i = 0; i < count(); ++i)
        drives.append(itemText(i));
    return drives;
}

void TDriveComboBox::ShowDriveOf(const QString& directory)
{
    int best = -1;
    for (int i = 0; i < count(); ++i)
        if (Contains(itemText(i), directory) && (best < 0 || itemText(i).size() > itemText(best).size()))
            best = i;
    if (best >= 0)
        setCurrentIndex(best);
}
