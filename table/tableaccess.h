#pragma once

#include <QObject>

class QWidget;

#include "engine/cardcode.h"
#include "engine/gamesettings.h"
#include "engine/gameview.h"
#include "engine/soundevent.h"

class TCardTable;
class TFocusMark;
class TTableFocus;
class TTableKeys;
class TTableNarrator;

// Keyboard play and screen-reader support for the card table, in one piece
// that the table feeds with what it shows: the focus on one place, its mark,
// the keys, and the names and announcements.
class TTableAccess final : public QObject {
    Q_OBJECT

public:
    TTableAccess(TCardTable& table, const GameSettings& settings);

    TTableFocus& Focus() { return *focus_; }
    TTableKeys& Keys() { return *keys_; }
    TTableNarrator& Narrator() { return *narrator_; }
    TFocusMark& Mark() { return *mark_; }

    // What the table shows changed.
    void CardShown(CardGroup group, int index, CardCode code);
    void TableChanged();
    void CardMovedUp(CardCode code, int pixels);
    void PlaysShown(int count);
    void EventHappened(SoundEvent event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FocusChanged();
    void ShowMark(bool shown);
    void PlaceMark();

    TCardTable& table_;
    TTableFocus* focus_;
    TFocusMark* mark_;
    TTableNarrator* narrator_;
    TTableKeys* keys_;
    QWidget* peekPanel_;
    bool settleQueued_ = false;
    bool markShown_ = false;
};
