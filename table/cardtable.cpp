#include "table/cardtable.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPushButton>

#include "controls/accessiblecontrols.h"
#include "controls/carddeck.h"
#include "controls/glyphs.h"
#include "controls/image.h"
#include "controls/label3d.h"
#include "controls/panel.h"
#include "controls/tcolor.h"
#include "controls/uifonts.h"
#include "controls/widgetmaker.h"
#include "table/carddrag.h"
#include "table/counterdigit.h"
#include "table/stackoutline.h"
#include "table/tableaccess.h"
#include "table/tablehost.h"

namespace {

const QRect StackColumn1Bounds{0, 0, 92, 434};
const QRect TableBounds{92, 0, 449, 325};
const QRect StackColumn2Bounds{541, 0, 92, 434};
const QRect PlayPileBounds{92, 325, 449, 109};
const QRect PeekBounds{85, 41, 449, 128};

// Indexed by stack 1..8 and spot 1..13; place 0 unused.
const std::array<QPoint, StackCount + 1> StackPlaces = {{
    {}, {11, 8}, {11, 112}, {10, 216}, {10, 320}, {10, 8}, {10, 112}, {10, 216}, {10, 320},
}};
const std::array<QPoint, SpotCount + 1> SpotPlaces = {{
    {}, {15, 14}, {102, 14}, {189, 14}, {276, 14}, {363, 14},
    {15, 118}, {102, 118}, {189, 118}, {276, 118}, {363, 118},
    {15, 222}, {101, 222}, {189, 222},
}};
const QPoint DrawPilePlace{365, 219};
const QRect ColumnCaptionBounds{10, 416, 71, 17};

const QRect PlaysBounds{272, 221, 71, 48};
const QPoint PlaysCaptionPlace{21, 2};
const QRect PlaysTensBounds{21, 20, 15, 25};
const QRect PlaysOnesBounds{36, 20, 15, 25};
const QRect ShiftBounds{272, 269, 71, 47};
const QPoint ShiftCaptionPlace{23, 2};
const QRect ShiftLeftBounds{6, 17, 27, 27};
const QRect ShiftRightBounds{38, 17, 27, 27};
const QRect DrawCounterBounds{385, 284, 30, 25};
const QRect DrawTensBounds{0, 0, 15, 25};
const QRect DrawOnesBounds{15, 0, 15, 25};

constexpr int FanLeft = 9;
constexpr int FanStep = 24;
constexpr int PlayPileTop = 7;
constexpr int PeekCardTop = 15;
constexpr int PeekAboveSecondRow = 7;
constexpr int PeekRowSpot = 6;

constexpr int StackLetterPixels = 32;
constexpr int ColumnCaptionPixels = 11;
constexpr int SmallCaptionPixels = 12;

constexpr int DigitBase = 10;
constexpr int MaxCounterValue = 99;

QString Numbered(const char* name, int number)
{
    return QLatin1String(name) + QString::number(number);
}

TPanel* MakePanel(QWidget* parent, const char* name, const QRect& bounds, TPanelBevel outer)
{
    auto* panel = MakeControl<TPanel>(parent, name, bounds);
    panel->SetBevelOuter(outer);
    return panel;
}

TCarddeck* MakeCard(QWidget* parent, const QString& name, int tag, const QPoint& place, bool visible)
{
    auto* card = MakeControl<TCarddeck>(parent, name, QRect(place, QSize(TCarddeck::CardWidth, TCarddeck::CardHeight)));
    card->SetTag(tag);
    card->setVisible(visible);
    return card;
}

// Sized to its text, keeping its left edge.
void MakeSmallCaption(QWidget* parent, const char* name, const QString& text, const QPoint& place)
{
    auto* label = MakeControl<QLabel>(parent, name, QRect(place, QSize(0, 0)));
    label->setText(text);
    label->setFont(ArialFont(SmallCaptionPixels));
    label->setStyleSheet(QStringLiteral("color: black"));
    label->adjustSize();
}

QPushButton* MakeShiftButton(QWidget* parent, const char* name, const QRect& bounds, const QString& glyph, const QString& fallback)
{
    auto* button = MakeControl<QPushButton>(parent, name, bounds);
    button->setFocusPolicy(Qt::NoFocus);
    SetButtonGlyph(*button, glyph, fallback);
    return button;
}

}  // namespace

TCardTable::TCardTable(const GameSettings& settings, TTableHost& host, QWidget* parent)
    : QWidget(parent), settings_(settings), host_(host)
{
    // Before any control exists: assistive tools cache what they first see.
    InstallControlAccessibility();
    setObjectName(QStringLiteral("client"));
    setFixedSize(TableWidth, TableHeight);
    // The strips beside and below the panels show the classic face too.
    UseButtonFaceBackground(*this);
    setAutoFillBackground(true);
    CreatePanels();
    TStackOutline::AddToStacks(settings_, stackLabels_, stackCards_);
    scale_.Record(*this);
    FitStackLabels();
    drag_ = new TCardDrag(*this, spotCards_, playPileCards_, stackLabels_);
    access_ = new TTableAccess(*this, settings_);
}

QWidget& TCardTable::BareTable() const
{
    return *spotsPanel_;
}

void TCardTable::SetZoom(qreal zoom)
{
    scale_.SetZoom(zoom);
    setFixedSize(TTableScale::Scaled(QRect(0, 0, TableWidth, TableHeight), zoom).size());
}

TCardTable::~TCardTable()
{
    SetBusyCursor(false);
}

void TCardTable::CreatePanels()
{
    kingsColumn_ = MakePanel(this, "pan_Stack1", StackColumn1Bounds, TPanelBevel::bvRaised);
    spotsPanel_ = MakePanel(this, "pan_Table", TableBounds, TPanelBevel::bvRaised);
    acesColumn_ = MakePanel(this, "pan_Stack2", StackColumn2Bounds, TPanelBevel::bvRaised);
    playPilePanel_ = MakePanel(this, "pan_PlayPile", PlayPileBounds, TPanelBevel::bvRaised);

    CreateStackColumn(kingsColumn_, 1, QStringLiteral("Label3d1"), tr("Kings"));
    CreateStackColumn(acesColumn_, KingsStacks + 1, QStringLiteral("Label3d2"), tr("Aces"));
    CreateSpots();
    CreateSmallPanels();
    CreatePlayPile();
    CreatePeekPanel();

    for (TPanel* panel : BarePanels()) {
        panel->setMouseTracking(true);
        connect(panel, &TPanel::MouseMove, this, &TCardTable::BarePanelMouseMove);
    }
}

// The labels are created first so that each lies beneath its stack card.
void TCardTable::CreateStackColumn(TPanel* column, int firstStack, const QString& captionName, const QString& caption)
{
    for (int stack = firstStack; stack < firstStack + KingsStacks; ++stack) {
        auto* label = new TLabel3d(column);
        label->setObjectName(Numbered("lbl_Stack", stack));
        label->SetTag(stack);
        label->setFont(ArialFont(StackLetterPixels, true));
        label->SetFontColor(Qt::black);
        label->SetAlignment(Qt::AlignHCenter);
        label->SetCaptionAlign(TCaptionAlign::taTop);
        connect(label, &TLabel3d::Click, this, [this](TLabel3d* sender) { emit StackLabelClick(sender->Tag()); });
        stackLabels_[stack] = label;
    }
    for (int stack = firstStack; stack < firstStack + KingsStacks; ++stack) {
        stackCards_[stack] = MakeCard(column, Numbered("card_Stack", stack), stack, StackPlaces[stack], false);
        connect(stackCards_[stack], &TCarddeck::Click, this, [this](TCarddeck* sender) { emit StackCardClick(sender->Tag()); });
    }
    auto* columnCaption = new TLabel3d(column);
    columnCaption->setObjectName(captionName);
    columnCaption->setGeometry(ColumnCaptionBounds);
    columnCaption->SetCaption(caption);
    columnCaption->SetBevelOuter(TLabelBevel::bvLowered);
    columnCaption->SetAlignment(Qt::AlignHCenter);
    columnCaption->setFont(ArialFont(ColumnCaptionPixels));
    columnCaption->SetFontColor(Qt::black);
    columnCaption->SetColor(ToQColor(clBtnFace));
}

void TCardTable::CreateSpots()
{
    for (int spot = 1; spot <= SpotCount; ++spot) {
        spotCards_[spot] = MakeCard(spotsPanel_, Numbered("card_Table", spot), spot, SpotPlaces[spot], false);
        connect(spotCards_[spot], &TCarddeck::MouseDown, this,
                [this](TCarddeck* sender, Qt::MouseButton button) { emit SpotMouseDown(sender->Tag(), button); });
        connect(spotCards_[spot], &TCarddeck::MouseUp, this,
                [this](TCarddeck* sender, Qt::MouseButton button) { emit SpotMouseUp(sender->Tag(), button); });
        connect(spotCards_[spot], &TCarddeck::MouseMove, this, &TCardTable::CardMouseMove);
    }
    drawPileCard_ = MakeCard(spotsPanel_, QStringLiteral("card_Drawpile"), 0, DrawPilePlace, true);
    connect(drawPileCard_, &TCarddeck::MouseDown, this,
            [this](TCarddeck*, Qt::MouseButton button) { emit DrawPileMouseDown(button); });
}

void TCardTable::CreateSmallPanels()
{
    playsPanel_ = MakePanel(spotsPanel_, "pan_Plays", PlaysBounds, TPanelBevel::bvLowered);
    playsPanel_->hide();
    MakeSmallCaption(playsPanel_, "lbl_Plays", tr("Plays"), PlaysCaptionPlace);
    playsTens_ = MakeControl<TImage>(playsPanel_, "img_Plays1", PlaysTensBounds);
    playsOnes_ = MakeControl<TImage>(playsPanel_, "img_Plays2", PlaysOnesBounds);

    shiftPanel_ = MakePanel(spotsPanel_, "pan_Shift", ShiftBounds, TPanelBevel::bvLowered);
    shiftPanel_->hide();
    MakeSmallCaption(shiftPanel_, "lbl_Shift", tr("Shift"), ShiftCaptionPlace);
    QPushButton* shiftLeft = MakeShiftButton(shiftPanel_, "btn_Shiftleft", ShiftLeftBounds, QStringLiteral("ARROWLEFT"), QStringLiteral("<"));
    QPushButton* shiftRight = MakeShiftButton(shiftPanel_, "btn_Shiftright", ShiftRightBounds, QStringLiteral("ARROWRIGHT"), QStringLiteral(">"));
    connect(shiftLeft, &QPushButton::clicked, this, &TCardTable::ShiftLeftClick);
    connect(shiftRight, &QPushButton::clicked, this, &TCardTable::ShiftRightClick);

    // Lies over the draw-pile card; a press on the digits draws like one on the card.
    drawCounter_ = MakePanel(spotsPanel_, "pan_Drawpile", DrawCounterBounds, TPanelBevel::bvNone);
    drawTens_ = MakeControl<TImage>(drawCounter_, "img_Drawpile1", DrawTensBounds);
    drawOnes_ = MakeControl<TImage>(drawCounter_, "img_Drawpile2", DrawOnesBounds);
    for (TImage* digit : {drawTens_, drawOnes_})
        connect(digit, &TImage::MouseDown, this, [this](TImage*, Qt::MouseButton button) { emit DrawPileMouseDown(button); });
}

void TCardTable::CreatePlayPile()
{
    for (int k = 1; k <= PileSlots; ++k) {
        const QPoint place(FanLeft + FanStep * (k - 1), PlayPileTop);
        playPileCards_[k] = MakeCard(playPilePanel_, Numbered("card_playpile", k), k, place, false);
        connect(playPileCards_[k], &TCarddeck::MouseDown, this,
                [this](TCarddeck* sender, Qt::MouseButton button) { emit PlayPileMouseDown(sender->Tag(), button); });
    }
}

void TCardTable::CreatePeekPanel()
{
    peekPanel_ = MakePanel(this, "panPeek", PeekBounds, TPanelBevel::bvRaised);
    peekPanel_->SetBevelInner(TPanelBevel::bvRaised);
    peekPanel_->SetBorderWidth(1);
    peekPanel_->SetColor(ToQColor(clSilver));
    peekPanel_->setEnabled(false);
    peekPanel_->hide();
    for (int k = 1; k <= PileSlots; ++k) {
        const QPoint place(FanLeft + FanStep * (k - 1), PeekCardTop);
        peekCards_[k] = MakeCard(peekPanel_, Numbered("cardPeek", k), k, place, false);
    }
    peekPanel_->raise();
}

// Each stack label covers exactly its stack card, so that an empty stack can
// be clicked and the won display can write its letters there.
void TCardTable::FitStackLabels()
{
    for (int stack = 1; stack <= StackCount; ++stack)
        scale_.Place(*stackLabels_[stack], scale_.Classic(*stackCards_[stack]));
}

void TCardTable::ApplyTableColor()
{
    spotsPanel_->SetColor(ToQColor(settings_.TableColor));
}

void TCardTable::ApplyStackColor()
{
    kingsColumn_->SetColor(ToQColor(settings_.StackColor));
    acesColumn_->SetColor(ToQColor(settings_.StackColor));
}

void TCardTable::ApplyPlayColor()
{
    playPilePanel_->SetColor(ToQColor(settings_.PlayColor));
}

void TCardTable::ApplyCardBack()
{
    drawPileCard_->SetCardBack(settings_.CardBack);
    for (int stack = 1; stack <= StackCount; ++stack)
        stackCards_[stack]->SetCardBack(settings_.CardBack);
    for (int spot = 1; spot <= SpotCount; ++spot)
        spotCards_[spot]->SetCardBack(settings_.CardBack);
    for (int k = 1; k <= PileSlots; ++k)
        playPileCards_[k]->SetCardBack(settings_.CardBack);
}

void TCardTable::ApplyCardColor()
{
    for (int stack = 1; stack <= StackCount; ++stack)
        stackCards_[stack]->SetCardColor(ToQColor(settings_.CardColor));
}

void TCardTable::SetPlaysPanelVisible(bool visible)
{
    playsPanel_->setVisible(visible);
}

TCarddeck* TCardTable::Card(CardGroup group, int index) const
{
    switch (group) {
    case CardGroup::Table:
        return spotCards_.at(static_cast<std::size_t>(index));
    case CardGroup::Stack:
        return stackCards_.at(static_cast<std::size_t>(index));
    case CardGroup::PlayPile:
        return playPileCards_.at(static_cast<std::size_t>(index));
    case CardGroup::Peek:
        return peekCards_.at(static_cast<std::size_t>(index));
    }
    return nullptr;
}

void TCardTable::ShowCard(CardGroup group, int index, CardCode code)
{
    Card(group, index)->SetCardNum(code);
    access_->CardShown(group, index, code);
}

void TCardTable::SetCardVisible(CardGroup group, int index, bool visible)
{
    Card(group, index)->setVisible(visible);
    access_->TableChanged();
}

void TCardTable::MoveCardUp(CardGroup group, int index, int pixels)
{
    TCarddeck* card = Card(group, index);
    scale_.Move(*card, scale_.Classic(*card).topLeft() - QPoint(0, pixels));
    access_->CardMovedUp(card->CardNum(), pixels);
}

void TCardTable::RedrawCardNow(CardGroup group, int index)
{
    Card(group, index)->repaint();
}

void TCardTable::RedrawAllNow()
{
    repaint();
}

void TCardTable::SetDrawPileVisible(bool visible)
{
    drawPileCard_->setVisible(visible);
    drawCounter_->setVisible(visible);
    access_->TableChanged();
}

void TCardTable::SetShiftPanelVisible(bool visible)
{
    shiftPanel_->setVisible(visible);
    access_->TableChanged();
}

void TCardTable::ShowPeekPanel(int width)
{
    const QRect table = scale_.Classic(*spotsPanel_);
    const int rowTop = table.top() + scale_.Classic(*spotCards_[PeekRowSpot]).top();
    const QRect peek(table.left() + (table.width() - width) / 2, rowTop - PeekAboveSecondRow, width, PeekBounds.height());
    scale_.Place(*peekPanel_, peek);
    peekPanel_->show();
    peekPanel_->raise();
    access_->TableChanged();
}

void TCardTable::HidePeekPanel()
{
    peekPanel_->hide();
    access_->TableChanged();
}

void TCardTable::SetStackCaption(int stack, const std::string& caption)
{
    stackLabels_.at(static_cast<std::size_t>(stack))->SetCaption(QString::fromStdString(caption));
}

void TCardTable::ShowDrawPileCount(int count)
{
    drawPileCountShown_ = count;
    DrawCounter(*drawTens_, *drawOnes_, count);
    access_->TableChanged();
}

void TCardTable::ShowPlaysCount(int count)
{
    DrawCounter(*playsTens_, *playsOnes_, count);
    access_->PlaysShown(count);
}

// Two digits with a leading zero. Nothing asks for more than 99 (the draw
// pile starts with at most 69 cards), so a larger value shows 99.
void TCardTable::DrawCounter(TImage& tens, TImage& ones, int value)
{
    const int shown = std::clamp(value, 0, MaxCounterValue);
    tens.SetPicture(CounterDigit(shown / DigitBase, settings_.DigitalFore, settings_.DigitalBack));
    ones.SetPicture(CounterDigit(shown % DigitBase, settings_.DigitalFore, settings_.DigitalBack));
}

// A card pressed keeps the mouse while the button is held, so a move on
// onto bare panel reaches the card, not the panel; it counts as the panel's.
void TCardTable::CardMouseMove()
{
    if (QApplication::mouseButtons() == Qt::NoButton)
        return;
    const auto panels = BarePanels();
    if (std::find(panels.begin(), panels.end(), childAt(mapFromGlobal(QCursor::pos()))) != panels.end())
        emit BarePanelMouseMove();
}

// The panels whose bare background ends a peek.
std::array<TPanel*, 7> TCardTable::BarePanels() const
{
    return {kingsColumn_, acesColumn_, spotsPanel_, playPilePanel_, playsPanel_, shiftPanel_, drawCounter_};
}

void TCardTable::SetBusyCursor(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TCardTable::EnableGameControls(bool enabled)
{
    host_.SetMenusEnabled(enabled);
    drawPileCard_->setEnabled(enabled);
    for (int spot = 1; spot <= SpotCount; ++spot)
        spotCards_[spot]->setEnabled(enabled);
    for (int stack = 1; stack <= StackCount; ++stack) {
        stackCards_[stack]->setEnabled(enabled);
        stackLabels_[stack]->setEnabled(enabled);
    }
}

void TCardTable::SetMenusEnabled(bool enabled)
{
    host_.SetMenusEnabled(enabled);
}

void TCardTable::SetUndoEnabled(bool enabled)
{
    host_.SetUndoEnabled(enabled);
}

void TCardTable::ProcessMessages()
{
    host_.ProcessMessages();
}

void TCardTable::PlaySoundEvent(SoundEvent event)
{
    host_.PlaySoundEvent(event);
    access_->EventHappened(event);  // after the host's message pass, so the words wait for the move
}

void TCardTable::Pause()
{
    host_.Pause();
}

void TCardTable::SetWonTimerRunning(bool running)
{
    host_.SetWonTimerRunning(running);
}

void TCardTable::ShowGameOver(int drawStart, int cardsLeft)
{
    host_.ShowGameOver(drawStart, cardsLeft);
}

void TCardTable::ResultRecorded()
{
    host_.ResultRecorded();
}

void TCardTable::EndProgram()
{
    host_.EndProgram();
}
