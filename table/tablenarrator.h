#pragma once

#include <vector>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include "engine/cardcode.h"
#include "engine/gamesettings.h"
#include "engine/gameview.h"
#include "engine/soundevent.h"

class QWidget;
class TCardTable;

// Tells a screen reader what the table shows. Every control carries a name
// kept current with the game ("Queen of Hearts, table spot 12"), and each
// move is announced on the control the keyboard is on.
//
// Qt 6.4 has no announcement event; its Linux bridge drops Alert events and
// its Windows bridge only plays the system's alert sound for them. A change
// of the focused object's description is what AT-SPI passes on and a screen
// reader speaks, so an announcement becomes the description of the focused
// control.
class TTableNarrator final : public QObject {
    Q_OBJECT

public:
    TTableNarrator(TCardTable& table, const GameSettings& settings);

    // Names every control once the table has changed: at the next pass of the
    // message loop, so that a deal of a hundred cards names them once a frame
    // rather than a hundred times.
    void Refresh();
    void RefreshNow();
    void CardShown(CardGroup group, int index, CardCode code);
    void CardRaised(CardCode code);
    void PlaysShown(int count);
    // A moment of the game worth telling; the words come once the move is done.
    void EventHappened(SoundEvent event);
    // The control the keyboard is on; announcements go there.
    void FocusMoved(QWidget* widget);

    // Says what has happened since the last announcement, now.
    void Flush();
    QString LastAnnouncement() const { return lastAnnouncement_; }

private:
    void NameStacks();
    void NameSpots();
    void NameFans();
    void NameCounters();
    QString Describe(SoundEvent event) const;
    QString DrawText() const;
    QString ShiftText() const;
    QString PeekText() const;
    void Announce(const QString& text);
    QWidget* Child(const QString& name) const;
    int VisibleCount(const char* prefix) const;

    TCardTable& table_;
    const GameSettings& settings_;
    QHash<QString, QWidget*> byName_;  // the table's controls, found once
    QPointer<QWidget> focused_;
    std::vector<SoundEvent> pending_;
    bool flushQueued_ = false;
    bool refreshQueued_ = false;
    int lastStack_ = 0;
    CardCode lastPlaced_ = NoCard;
    CardCode lastOnTable_ = NoCard;  // a peek shows the card under the top here
    CardCode raised_ = NoCard;
    int plays_ = 0;
    QString lastAnnouncement_;
};
