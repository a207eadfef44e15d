#pragma once

#include <QScrollArea>

class TCardTable;

// Holds the card table in the window: centred in whatever room is left
// around it, on the classic button face, with scroll bars only when a fixed
// zoom makes it larger than the window.
class TTableView final : public QScrollArea {
    Q_OBJECT

public:
    TTableView(TCardTable& table, QWidget* parent);

signals:
    void Resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
};
