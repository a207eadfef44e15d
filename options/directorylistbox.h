#pragma once

#include <QListWidget>

// The directory being browsed: its path from the root down, each level
// indented under the one before, followed by its subdirectories. Opening
// (double-click or Enter) an entry browses there; Enter goes no further,
// so it never presses a dialog's default button. The process's current
// directory is never changed.
class TDirectoryListBox final : public QListWidget {
    Q_OBJECT

public:
    explicit TDirectoryListBox(QWidget* parent = nullptr);

    QString Directory() const { return directory_; }
    // Browses `directory` (made absolute and clean) and announces it.
    void SetDirectory(const QString& directory);

signals:
    void DirectoryChanged(const QString& directory);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill();
    void AddEntry(const QString& caption, const QString& path, int level, bool open);
    void OpenEntry(QListWidgetItem* item);

    QString directory_;
};
