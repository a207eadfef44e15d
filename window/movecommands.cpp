#include "window/movecommands.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include "engine/game.h"
#include "table/carddrag.h"
#include "table/cardtable.h"
#include "window/mainmenus.h"

TMoveCommands::TMoveCommands(Game& game, const GameSettings& settings, TMainMenus& menus, TCardTable& table,
                             std::function<bool()> acceptsInput, std::function<void()> stepDone)
    : game_(game),
      settings_(settings),
      menus_(menus),
      bareTable_(table.BareTable()),
      acceptsInput_(std::move(acceptsInput)),
      stepDone_(std::move(stepDone))
{
    connect(menus_.Redo, &QAction::triggered, this, &TMoveCommands::Redo);
    connect(menus_.PlayOut, &QAction::triggered, this, &TMoveCommands::PlayOut);
    bareTable_.installEventFilter(this);
    table.Drag().CanDrag = [this](CardGroup group, int index) { return CanDrag(group, index); };
    connect(&table.Drag(), &TCardDrag::CardDropped, this, &TMoveCommands::Drop);
    Update();
}

// A card some stack wants, or the one raised for the two-stack choice.
bool TMoveCommands::CanDrag(CardGroup group, int index) const
{
    if (!acceptsInput_() || playingOut_)
        return false;
    if (IsRaised(group, index))
        return true;
    const GameState& s = game_.State();
    const CardCode card = CardAt(group, index);
    return card != NoCard && std::find(s.StackNext.begin() + 1, s.StackNext.end(), card) != s.StackNext.end();
}

bool TMoveCommands::IsRaised(CardGroup group, int index) const
{
    const GameState& s = game_.State();
    const SelectionKind kind = group == CardGroup::PlayPile ? SelectionKind::PlayPile : SelectionKind::Table;
    return s.Raised && s.SelKind == kind && s.SelPos == index;
}

CardCode TMoveCommands::CardAt(CardGroup group, int index) const
{
    const GameState& s = game_.State();
    if (group == CardGroup::PlayPile)
        return index >= 1 && index <= s.PlayCount ? s.PlayPile[index] : NoCard;
    if (index < 1 || index > SpotCount || index == s.ActiveSpot)
        return NoCard;
    return s.TablePile[index][s.TableCount[index]];
}

// Dropped on a stack that wants it, the card is chosen as by a click and, if
// it waits raised for the choice, sent to that stack. Dropped anywhere else
// nothing is played; a card raised before the drag stays raised.
void TMoveCommands::Drop(CardGroup group, int index, int stack)
{
    if (stack == 0 || !CanDrag(group, index) || CardAt(group, index) != game_.State().StackNext[stack])
        return;
    if (!IsRaised(group, index)) {
        if (group == CardGroup::PlayPile)
            game_.SelectPlayPileCard(index);
        else
            game_.SelectTableCard(index);
    }
    if (game_.State().Raised)
        game_.PlayToStack(stack);
    stepDone_();
}

void TMoveCommands::Update()
{
    menus_.Redo->setVisible(settings_.UndoEveryMove);
    menus_.Redo->setEnabled(!playingOut_ && game_.CanRedo());
    menus_.PlayOut->setEnabled(!playingOut_ && game_.CanPlayOut());
}

void TMoveCommands::Redo()
{
    if (!acceptsInput_() || playingOut_)
        return;
    game_.RedoMove();
    stepDone_();
}

// One card at a time with a short wait between, the window painting and
// sounding meanwhile; the player's input waits until the last card is down.
void TMoveCommands::PlayOut()
{
    if (!acceptsInput_() || playingOut_ || !game_.CanPlayOut())
        return;
    playingOut_ = true;
    Update();
    while (acceptsInput_() && !game_.IsOver() && game_.PlayOutStep()) {
        QEventLoop wait;
        QTimer::singleShot(PlayOutStepMs, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    playingOut_ = false;
    stepDone_();
}

bool TMoveCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &bareTable_ && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        PlayOut();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
