#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "table/tableplace.h"

class QKeyEvent;
class QWidget;
class TCardTable;
class TTableFocus;

// Plays the table from the keyboard: arrows and Tab move the mark, Space or
// Return clicks where it is, D draws, comma and full stop shift the play
// pile, P peeks under the table spot at the mark (held, or pressed once to
// start and again to end). Every action goes out as the press of a mouse
// would, so the game cannot tell the keyboard from the mouse.
class TTableKeys final : public QObject {
    Q_OBJECT

public:
    // A P held this long ends its peek when let go; a shorter tap leaves the
    // peek open until the next key.
    static constexpr int PeekHoldMs = 400;

    TTableKeys(TCardTable& table, TTableFocus& focus);

    bool IsPeeking() const { return peekSpot_ != 0; }

signals:
    void KeyUsed();    // a key of the table was pressed
    void MouseUsed(QWidget* pressed);  // a mouse button was pressed on the table

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPress(const QKeyEvent& key);
    bool KeyRelease(const QKeyEvent& key);
    bool Navigate(int key, Qt::KeyboardModifiers modifiers);
    void Activate(const TablePlace& place);
    void Draw();
    void ShiftPlayPile(bool left);
    void StartPeek();
    void EndPeek();

    TCardTable& table_;
    TTableFocus& focus_;
    int peekSpot_ = 0;
    QElapsedTimer peekHeld_;
};
