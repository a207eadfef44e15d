#pragma once

#include <functional>

#include <QObject>

#include "engine/gamesettings.h"
#include "engine/gameview.h"

class Game;
class QWidget;
class TCardTable;
class TMainMenus;

// Redo, Play Out and the drop of a dragged card: the ways of moving beside
// clicks and Undo. Play Out is also a double click on the bare table. Any
// card a stack wants can be dragged, and so can the card raised for the
// choice between two stacks; dropping it on a stack that wants it plays it
// there.
class TMoveCommands final : public QObject {
    Q_OBJECT

public:
    // Milliseconds between two cards of a play-out. A deal lays its 104
    // cards in under two milliseconds (bench/table_bench), far too fast to
    // follow one card; this pace shows each card on its way, a whole table
    // in about six seconds. With sounds on, each card's sound is also heard
    // to its end, as every event sound is.
    static constexpr int PlayOutStepMs = 60;

    // `acceptsInput` says whether the window takes commands now (no deal, not
    // ending); `stepDone` is what the window does after every step.
    TMoveCommands(Game& game, const GameSettings& settings, TMainMenus& menus, TCardTable& table,
                  std::function<bool()> acceptsInput, std::function<void()> stepDone);

    // Redo shown with the every-move undo; both commands enabled when they can act.
    void Update();

    void Redo();
    void PlayOut();
    bool CanDrag(CardGroup group, int index) const;
    void Drop(CardGroup group, int index, int stack);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The card shown at that place of the spots or the fan, NoCard if none.
    CardCode CardAt(CardGroup group, int index) const;
    bool IsRaised(CardGroup group, int index) const;

    Game& game_;
    const GameSettings& settings_;
    TMainMenus& menus_;
    QWidget& bareTable_;
    std::function<bool()> acceptsInput_;
    std::function<void()> stepDone_;
    bool playingOut_ = false;
};
