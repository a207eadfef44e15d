#include "engine/game.h"

#include <algorithm>

Game::Game(GameView& view, const GameSettings& settings, GameHistory& history, const std::string& playerName)
    : view_(view), settings_(settings), history_(history), playerName_(playerName), won_(view)
{
    InitStacks(state_);
}

void Game::ReplaySameDeck()
{
    state_.ReplayDeck = true;
    NewGame();
}

bool Game::StopDealing()
{
    if (!state_.Dealing)
        return false;
    state_.Dealing = false;
    return true;
}

void Game::NewGame()
{
    view_.SetWonTimerRunning(false);
    ResetTable();
    view_.PlaySoundEvent(SoundEvent::ShuffleDeck);

    state_.Dealing = true;
    if (!DealUntilMinimum()) {
        view_.EndProgram();  // the window was closed during the deal
        return;
    }
    state_.Dealing = false;
    state_.ReplayDeck = false;

    CountPlays();
    view_.EnableGameControls(true);
    view_.SetBusyCursor(false);
    state_.DrawStart = static_cast<std::uint8_t>(state_.DrawCount);
}

void Game::ResetTable()
{
    GameState& s = state_;
    if (s.Raised)
        LowerSelected();
    view_.SetBusyCursor(true);
    SetShiftShown(false);
    view_.EnableGameControls(false);
    view_.SetUndoEnabled(false);
    view_.ShowDrawPileCount(0);
    if (settings_.ShowPlays)
        view_.ShowPlaysCount(0);

    s.DrawCount = -1;
    s.DrawnCard = NoCard;
    s.ActiveSpot = 0;
    s.SelKind = SelectionKind::None;
    s.SelPos = 0;
    s.SelCard = NoCard;
    s.Undo = UndoRecord{};
    s.PeekSpot = 0;
    view_.HidePeekPanel();
    s.PlayCount = 0;
    s.PlayPile.fill(NoCard);

    for (int k = 1; k <= PileSlots; ++k) {
        view_.SetCardVisible(CardGroup::PlayPile, k, false);
        view_.ShowCard(CardGroup::PlayPile, k, NoCard);
    }
    for (int stack = 1; stack <= StackCount; ++stack) {
        view_.SetCardVisible(CardGroup::Stack, stack, false);
        view_.ShowCard(CardGroup::Stack, stack, NoCard);
        view_.SetStackCaption(stack, "");
        s.StackNext[stack] = s.StackStart[stack];
    }
    for (int spot = 1; spot <= SpotCount; ++spot)
        view_.SetCardVisible(CardGroup::Table, spot, false);
    view_.SetDrawPileVisible(true);
}

int Game::WantedMinimum() const
{
    return std::min<int>(settings_.MinDrawPile, HighestMinimum);
}

// Deals until the draw pile reaches the minimum. A deck that is reused (a
// replay, or the test player's) gives the same deal every time, so it is dealt
// once and accepted. Returns false when the window was closed meanwhile.
bool Game::DealUntilMinimum()
{
    const bool reusedDeck = state_.ReplayDeck || playerName_ == TestPlayerName;
    deals_ = 0;
    while (WantedMinimum() > state_.DrawCount) {
        for (int spot = 1; spot <= SpotCount; ++spot) {
            view_.ShowCard(CardGroup::Table, spot, NoCard);
            view_.SetCardVisible(CardGroup::Table, spot, true);
        }
        view_.ProcessMessages();
        if (!state_.ReplayDeck)
            BuildDeck(deck_, random_, playerName_);
        DealCards();
        if (!state_.Dealing)
            return false;
        view_.ShowDrawPileCount(state_.DrawCount);
        ++deals_;
        if (reusedDeck || deals_ >= MostDealsPerGame)
            break;
    }
    return true;
}

void Game::AddToDrawPile(int deckPos)
{
    state_.DrawCount += 1;
    state_.DrawPile[state_.DrawCount] = deck_[deckPos];
}

void Game::DealCards()
{
    GameState& s = state_;
    for (auto& pile : s.TablePile)
        pile.fill(NoCard);
    s.TableCount.fill(0);
    s.DrawCount = 0;
    s.CardsLeft = DeckSize;

    int spot = 0;
    int i = 0;
    while (s.Dealing) {
        i += 1;
        spot = spot == SpotCount ? 1 : spot + 1;
        const CardCode card = deck_[i];
        s.TableCount[spot] += 1;
        s.TablePile[spot][s.TableCount[spot]] = card;
        view_.ShowCard(CardGroup::Table, spot, card);

        const int rank = RankOf(card);
        const int extra = rank == spot ? 2 : (rank == 1 || rank == CardsPerSuit) ? 1 : 0;
        for (int e = 0; e < extra && i < DeckSize; ++e) {
            i += 1;
            AddToDrawPile(i);
        }
        view_.ProcessMessages();
        if (i >= DeckSize)
            break;
    }
}

void Game::SpreadActiveSpot()
{
    GameState& s = state_;
    s.PlayPile.fill(NoCard);
    s.PlayCount = s.TableCount[s.ActiveSpot];
    view_.SetCardVisible(CardGroup::Table, s.ActiveSpot, false);
    if (s.PlayCount > 1)
        SetShiftShown(true);
    for (int k = 1; k <= s.PlayCount; ++k) {
        s.PlayPile[k] = s.TablePile[s.ActiveSpot][k];
        view_.ShowCard(CardGroup::PlayPile, k, s.PlayPile[k]);
        view_.SetCardVisible(CardGroup::PlayPile, k, true);
    }
}

void Game::CollapseActiveSpot()
{
    GameState& s = state_;
    SetShiftShown(false);
    s.TableCount[s.ActiveSpot] = s.PlayCount;
    s.TablePile[s.ActiveSpot] = s.PlayPile;
    for (int k = 1; k <= PileSlots; ++k)
        view_.SetCardVisible(CardGroup::PlayPile, k, false);
    if (s.PlayCount > 0) {
        view_.ShowCard(CardGroup::Table, s.ActiveSpot, s.PlayPile[s.PlayCount]);
        view_.SetCardVisible(CardGroup::Table, s.ActiveSpot, true);
    }
}

void Game::CountPlays()
{
    GameState& s = state_;
    int plays = 0;
    for (int stack = 1; stack <= StackCount; ++stack) {
        const CardCode wanted = s.StackNext[stack];
        if (wanted == NoCard)
            continue;
        for (int spot = 1; spot <= SpotCount; ++spot) {
            if (s.TableCount[spot] == 0)
                continue;
            if (spot == s.ActiveSpot)
                plays += static_cast<int>(std::count(s.PlayPile.begin() + 1, s.PlayPile.begin() + 1 + s.PlayCount, wanted));
            else if (s.TablePile[spot][s.TableCount[spot]] == wanted)
                plays += 1;
        }
    }
    s.PlaysCount = static_cast<std::uint8_t>(plays);
    view_.ShowPlaysCount(plays);
}


CardCode Game::TopCard(int spot) const
{
    return state_.TablePile[spot][state_.TableCount[spot]];
}

CardGroup Game::SelectedGroup() const
{
    return state_.SelKind == SelectionKind::PlayPile ? CardGroup::PlayPile : CardGroup::Table;
}

void Game::SetShiftShown(bool shown)
{
    state_.ShiftShown = shown;
    view_.SetShiftPanelVisible(shown);
}

void Game::SelectTableCard(int spot)
{
    GameState& s = state_;
    if (spot == s.ActiveSpot || TopCard(spot) == NoCard)
        return;
    if (s.Raised)
        LowerSelected();
    s.SelKind = SelectionKind::Table;
    s.SelPos = static_cast<std::uint8_t>(spot);
    s.SelCard = TopCard(spot);
    TryPlay();
}

void Game::SelectPlayPileCard(int index)
{
    GameState& s = state_;
    if (s.PlayCount == 0 || index > s.PlayCount)
        return;
    if (s.Raised)
        LowerSelected();
    s.SelKind = SelectionKind::PlayPile;
    s.SelPos = static_cast<std::uint8_t>(index);
    s.SelCard = s.PlayPile[index];
    TryPlay();
}

// One stack wants the card: play it. Two (the Kings and Aces stacks of the
// suit meeting in the middle): lift it and let the player pick the stack.
void Game::TryPlay()
{
    int wanting = 0;
    int stackWanting = 0;
    for (int stack = 1; stack <= StackCount; ++stack) {
        if (state_.StackNext[stack] == state_.SelCard) {
            ++wanting;
            stackWanting = stack;
        }
    }
    if (wanting == 1)
        PlayToStack(stackWanting);
    else if (wanting == 2)
        RaiseSelected();
}

void Game::RaiseSelected()
{
    view_.PlaySoundEvent(SoundEvent::Play2Places);
    view_.MoveCardUp(SelectedGroup(), state_.SelPos, RaiseHeight);
    state_.Raised = true;
}

void Game::LowerSelected()
{
    view_.MoveCardUp(SelectedGroup(), state_.SelPos, -RaiseHeight);
    state_.Raised = false;
}

void Game::DropSelection()
{
    if (state_.Raised)
        LowerSelected();
    state_.SelPos = 0;
    state_.SelCard = NoCard;
}

void Game::PlayToStack(int stack)
{
    GameState& s = state_;
    const CardCode card = s.SelCard;
    if (card == NoCard || card != s.StackNext[stack])
        return;

    UndoRecord& u = s.Undo;
    u.Kind = s.SelKind == SelectionKind::PlayPile ? UndoKind::PlayPilePlay : UndoKind::TablePlay;
    u.Card = card;
    u.Spot = s.SelKind == SelectionKind::Table ? s.SelPos : 0;
    u.Stack = static_cast<std::uint8_t>(stack);
    u.StackNext = s.StackNext[stack];
    u.PlayPile = s.PlayPile;
    u.PlayCount = s.PlayCount;
    view_.SetUndoEnabled(true);

    if (s.SelKind == SelectionKind::PlayPile)
        RemoveFromPlayPile(s.SelPos);
    else
        RemoveFromTable(s.SelPos);

    view_.ShowCard(CardGroup::Stack, stack, card);
    view_.SetCardVisible(CardGroup::Stack, stack, true);
    view_.PlaySoundEvent(SoundEvent::PlayCard);
    if (card == s.StackEnd[stack]) {
        s.StackNext[stack] = NoCard;
        view_.ShowCard(CardGroup::Stack, stack, NoCard);
        view_.PlaySoundEvent(SoundEvent::FillStack);
    } else {
        s.StackNext[stack] = static_cast<CardCode>(s.StackNext[stack] + s.StackStep[stack]);
    }
    DropSelection();

    s.CardsLeft -= 1;
    CountPlays();
    CheckEndOfGame();
}

void Game::RemoveFromTable(int spot)
{
    GameState& s = state_;
    s.TablePile[spot][s.TableCount[spot]] = NoCard;
    s.TableCount[spot] -= 1;
    if (s.TableCount[spot] > 0) {
        view_.ShowCard(CardGroup::Table, spot, TopCard(spot));
    } else {
        view_.SetCardVisible(CardGroup::Table, spot, false);
        view_.ShowCard(CardGroup::Table, spot, NoCard);
    }
}

void Game::RemoveFromPlayPile(int index)
{
    GameState& s = state_;
    for (int k = index; k < s.PlayCount; ++k) {
        s.PlayPile[k] = s.PlayPile[k + 1];
        view_.ShowCard(CardGroup::PlayPile, k, s.PlayPile[k]);
    }
    s.PlayPile[s.PlayCount] = NoCard;
    view_.SetCardVisible(CardGroup::PlayPile, s.PlayCount, false);
    view_.ShowCard(CardGroup::PlayPile, s.PlayCount, NoCard);
    s.PlayCount -= 1;
    if (s.PlayCount < 2)
        SetShiftShown(false);
}


void Game::DrawCard()
{
    GameState& s = state_;
    if (s.DrawCount <= 0)
        return;
    view_.PlaySoundEvent(SoundEvent::DrawCard);

    const bool drawTop = settings_.DrawTop;
    s.Undo = UndoRecord{};
    s.Undo.Kind = UndoKind::Draw;
    s.Undo.Card = s.DrawnCard;
    s.Undo.Spot = s.ActiveSpot;
    s.Undo.DrawTop = drawTop;
    s.Undo.ShiftShown = s.ShiftShown;
    view_.SetUndoEnabled(true);
    DropSelection();

    if (s.DrawnCard != NoCard) {
        CollapseActiveSpot();
        s.DrawnCard = NoCard;
        s.ActiveSpot = 0;
    }
    s.DrawnCard = s.DrawPile[s.DrawCount];
    s.ActiveSpot = static_cast<std::uint8_t>(RankOf(s.DrawnCard));
    s.DrawCount -= 1;
    view_.ShowDrawPileCount(s.DrawCount);
    if (s.DrawCount == 0)
        view_.SetDrawPileVisible(false);

    auto& pile = s.TablePile[s.ActiveSpot];
    const int count = ++s.TableCount[s.ActiveSpot];
    if (!drawTop) {
        for (int k = count; k > 1; --k)
            pile[k] = pile[k - 1];
    }
    pile[drawTop ? count : 1] = s.DrawnCard;

    SpreadActiveSpot();
    CountPlays();
    CheckEndOfGame();
}

void Game::ShiftPlayPileLeft()
{
    if (state_.ShiftShown)
        ShiftPlayPile(ShiftDirection::Left);
}

void Game::ShiftPlayPileRight()
{
    if (state_.ShiftShown)
        ShiftPlayPile(ShiftDirection::Right);
}

// Turns the fan by one card; which card ends on top decides what can be
// played from the spot once the pile goes back to the table.
void Game::ShiftPlayPile(ShiftDirection direction)
{
    GameState& s = state_;
    view_.PlaySoundEvent(SoundEvent::ShiftCards);
    DropSelection();
    s.Undo = UndoRecord{};
    s.Undo.Kind = direction == ShiftDirection::Left ? UndoKind::LeftShift : UndoKind::RightShift;
    view_.SetUndoEnabled(true);
    if (settings_.Level == LevelHard)
        SetShiftShown(false);

    const auto first = s.PlayPile.begin() + 1;
    const auto end = first + s.PlayCount;
    if (s.PlayCount > 1) {
        if (direction == ShiftDirection::Left)
            std::rotate(first, end - 1, end);
        else
            std::rotate(first, first + 1, end);
    }
    for (int k = 1; k <= s.PlayCount; ++k)
        view_.ShowCard(CardGroup::PlayPile, k, s.PlayPile[k]);
}


int Game::PeekPanelWidth(int cards)
{
    constexpr int margin = 9;
    constexpr int spacing = 24;
    constexpr int cardWidth = 71;
    return margin + spacing * (cards - 1) + cardWidth + margin;
}

void Game::StartPeek(int spot)
{
    GameState& s = state_;
    if (spot == s.ActiveSpot || TopCard(spot) == NoCard)
        return;
    view_.PlaySoundEvent(SoundEvent::Peek);
    s.PeekSpot = static_cast<std::uint8_t>(spot);
    const int count = s.TableCount[spot];
    if (!settings_.PeekAtAll) {
        view_.ShowCard(CardGroup::Table, spot, count > 1 ? s.TablePile[spot][count - 1] : NoCard);
        return;
    }
    s.PeekPile.fill(NoCard);
    for (int k = 1; k <= PileSlots; ++k)
        view_.SetCardVisible(CardGroup::Peek, k, false);
    s.PeekCount = static_cast<std::uint8_t>(count);
    for (int k = 1; k <= count; ++k) {
        s.PeekPile[k] = s.TablePile[spot][k];
        view_.ShowCard(CardGroup::Peek, k, s.PeekPile[k]);
        view_.SetCardVisible(CardGroup::Peek, k, true);
    }
    view_.ShowPeekPanel(PeekPanelWidth(count));
}

void Game::EndPeek()
{
    GameState& s = state_;
    if (s.PeekSpot == 0)
        return;
    if (settings_.PeekAtAll) {
        s.PeekSpot = 0;
        view_.HidePeekPanel();
    } else if (s.PeekSpot != s.ActiveSpot && TopCard(s.PeekSpot) != NoCard) {
        view_.ShowCard(CardGroup::Table, s.PeekSpot, TopCard(s.PeekSpot));
        s.PeekSpot = 0;
    }
}


void Game::UndoMove()
{
    if (!CanUndo())
        return;
    view_.PlaySoundEvent(SoundEvent::Undo);
    DropSelection();
    switch (state_.Undo.Kind) {
    case UndoKind::Draw:
        UndoDraw();
        break;
    case UndoKind::RightShift:
        ShiftPlayPile(ShiftDirection::Left);
        SetShiftShown(true);
        break;
    case UndoKind::LeftShift:
        ShiftPlayPile(ShiftDirection::Right);
        SetShiftShown(true);
        break;
    case UndoKind::TablePlay:
        UndoTablePlay();
        break;
    case UndoKind::PlayPilePlay:
        UndoPlayPilePlay();
        break;
    case UndoKind::Nothing:
        break;
    }
    state_.Undo.Kind = UndoKind::Nothing;
    view_.SetUndoEnabled(false);
}

void Game::UndoDraw()
{
    GameState& s = state_;
    const UndoRecord u = s.Undo;
    if (!u.DrawTop) {
        for (int k = 1; k < s.PlayCount; ++k)
            s.PlayPile[k] = s.PlayPile[k + 1];
    }
    s.PlayPile[s.PlayCount] = NoCard;
    s.PlayCount -= 1;
    CollapseActiveSpot();

    s.DrawnCard = u.Card;
    s.ActiveSpot = u.Spot;
    if (s.DrawnCard != NoCard)
        SpreadActiveSpot();
    else
        s.PlayCount = 0;  // back to before the first draw: no fan at all
    s.DrawCount += 1;
    view_.ShowDrawPileCount(s.DrawCount);
    view_.SetDrawPileVisible(true);
    if (!u.ShiftShown && settings_.Level == LevelHard)
        SetShiftShown(false);
    CountPlays();
}

void Game::UndoTablePlay()
{
    GameState& s = state_;
    const int spot = s.Undo.Spot;
    s.TableCount[spot] += 1;
    s.TablePile[spot][s.TableCount[spot]] = s.Undo.Card;
    view_.ShowCard(CardGroup::Table, spot, s.Undo.Card);
    view_.SetCardVisible(CardGroup::Table, spot, true);
    RestoreStack();
    s.CardsLeft += 1;
    CountPlays();
}

void Game::UndoPlayPilePlay()
{
    GameState& s = state_;
    s.PlayPile = s.Undo.PlayPile;
    s.PlayCount = s.Undo.PlayCount;
    for (int k = 1; k <= s.PlayCount; ++k) {
        view_.ShowCard(CardGroup::PlayPile, k, s.PlayPile[k]);
        view_.SetCardVisible(CardGroup::PlayPile, k, true);
    }
    RestoreStack();
    s.CardsLeft += 1;
    CountPlays();
}

// Puts the stack back as it was before the play; a completed stack that
// showed its back turns face up again.
void Game::RestoreStack()
{
    GameState& s = state_;
    const int stack = s.Undo.Stack;
    s.StackNext[stack] = s.Undo.StackNext;
    if (s.StackNext[stack] == s.StackStart[stack])
        view_.SetCardVisible(CardGroup::Stack, stack, false);
    else
        view_.ShowCard(CardGroup::Stack, stack, static_cast<CardCode>(s.StackNext[stack] - s.StackStep[stack]));
}


void Game::CheckEndOfGame()
{
    GameState& s = state_;
    if (s.CardsLeft == 0) {
        s.Undo.Kind = UndoKind::Nothing;
        won_.Run(s);
        RecordResult();
    } else if (s.PlaysCount == 0 && s.DrawCount == 0) {
        s.Undo.Kind = UndoKind::Nothing;
        view_.SetUndoEnabled(false);
        view_.PlaySoundEvent(SoundEvent::LoseGame);
        view_.ShowGameOver(s.DrawStart, s.CardsLeft);
        RecordResult();
    }
}

void Game::RecordResult()
{
    if (state_.DrawCount != 0)
        return;
    history_.RecordResult(state_.DrawStart, state_.CardsLeft);
    view_.ResultRecorded();
}

void Game::WonTimerTick()
{
    won_.Tick();
}
