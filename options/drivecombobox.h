#pragma once

#include <QComboBox>
#include <QStringList>

// The mounted volumes to browse, the root file system first. Picking one
// announces its root directory.
class TDriveComboBox final : public QComboBox {
    Q_OBJECT

public:
    explicit TDriveComboBox(QWidget* parent = nullptr);

    // The root directories listed, in the order shown.
    QStringList Drives() const;
    // Shows the volume that holds `directory` (the one with the longest root
    // that contains it), without announcing it.
    void ShowDriveOf(const QString& directory);

signals:
    void DriveChanged(const QString& root);

private:
    void FillDrives();
};
