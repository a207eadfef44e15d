#pragma once

#include <QListWidget>

// The files of one directory that match a mask, a small glyph before each
// name. Mouse presses are announced after the list has handled them, so the
// file under the pointer is already selected.
class TFileListBox final : public QListWidget {
    Q_OBJECT

public:
    explicit TFileListBox(QWidget* parent = nullptr);

    QString Directory() const { return directory_; }
    void SetDirectory(const QString& directory);
    // Shell patterns separated by spaces, matched without regard to letter case.
    void SetMask(const QString& mask);
    // The selected file's name as listed; empty when none is selected.
    QString SelectedFile() const;

signals:
    void MouseDown(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Fill();

    QString directory_;
    QString mask_ = QStringLiteral("*");
};
