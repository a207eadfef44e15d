#include "frmmain.h"

#include <algorithm>

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "carddeck.h"
#include "centring.h"
#include "counterdigit.h"
#include "frmabout.h"
#include "frmhist.h"
#include "frmlose.h"
#include "frmoptn.h"
#include "frmplay.h"
#include "glyphs.h"
#include "helpviewer.h"
#include "image.h"
#include "label3d.h"
#include "panel.h"
#include "pictures.h"
#include "settingsstore.h"
#include "settingswriteerror.h"
#include "soundevents.h"
#include "tcolor.h"
#include "uifonts.h"
#include "writeerrorbox.h"

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

constexpr int FrameMs = 16;  // a screen refreshing 60 times a second
constexpr int FanLeft = 9;
constexpr int FanStep = 24;
constexpr int PlayPileTop = 7;
constexpr int PeekCardTop = 15;
constexpr int PeekAboveSecondRow = 7;
constexpr int PeekRowSpot = 6;

constexpr int StackLetterPixels = 32;
constexpr int ColumnCaptionPixels = 11;
constexpr int SmallCaptionPixels = 12;

constexpr int WonTimerInterval = 100;
constexpr int DelayTimerInterval = 500;

constexpr int DigitBase = 10;
constexpr int MaxCounterValue = 99;
// Where a window that must never be seen goes.
constexpr int OffScreenLeft = -10000;

QString Numbered(const char* name, int number)
{
    return QLatin1String(name) + QString::number(number);
}

TPanel* MakePanel(QWidget* parent, const char* name, const QRect& bounds, TPanelBevel outer)
{
    auto* panel = new TPanel(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(bounds);
    panel->SetBevelOuter(outer);
    return panel;
}

TCarddeck* MakeCard(QWidget* parent, const QString& name, int tag, const QPoint& place, bool visible)
{
    auto* card = new TCarddeck(parent);
    card->setObjectName(name);
    card->SetTag(tag);
    card->move(place);
    card->setVisible(visible);
    return card;
}

QLabel* MakeSmallCaption(QWidget* parent, const char* name, const QString& text, const QPoint& place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(ArialFont(SmallCaptionPixels));
    label->setStyleSheet(QStringLiteral("color: black"));
    label->move(place);
    label->adjustSize();
    return label;
}

TImage* MakeImage(QWidget* parent, const char* name, const QRect& bounds)
{
    auto* image = new TImage(parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(bounds);
    return image;
}

QPushButton* MakeShiftButton(QWidget* parent, const char* name, const QRect& bounds, const QString& glyph, const QString& fallback)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(bounds);
    button->setFocusPolicy(Qt::NoFocus);
    SetButtonGlyph(*button, glyph, fallback);
    return button;
}

QAction* MakeCommand(QWidget* owner, const char* name, const QString& caption, QKeySequence shortcut = {})
{
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

Tfrm_Main::Tfrm_Main(GameSettings& settings, GameHistory& history, const std::string& playerName, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      settings_(settings),
      history_(history),
      game_(*this, settings, history, playerName)
{
    setObjectName(QStringLiteral("frm_Main"));
    setWindowTitle(QStringLiteral("Brackwater"));
    setFont(SystemFont());

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client);
    CreatePanels(client);
    CreateMenus();
    CreateTimers();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    frm_About = new Tfrm_About(this);
    frm_lose = new Tfrm_lose(this);
    helpViewer_ = std::make_unique<THelpViewer>();

    FitStackLabels();
    ApplySettings();
    // Until a start-up makes it the welcome screen first, the dialog is the about box.
    frm_About->BecomeAboutDialog();
}

void Tfrm_Main::AttachServices(TSettingsStore& store, TSoundPlayer& soundPlayer, std::string& playerName)
{
    store_ = &store;
    soundPlayer_ = &soundPlayer;
    playerName_ = &playerName;
}

void Tfrm_Main::FormCreate()
{
    frm_About->BecomeWelcomeScreen();
    frm_About->show();
    frm_About->repaint();

    waveDeviceAvailable_ = TestWaveDevice(*soundPlayer_);
    frmOptions = new TfrmOptions(settings_, waveDeviceAvailable_, *this, *soundPlayer_, this);
    frm_Player = new Tfrm_Player(*store_, *playerName_, this);

    StartUp();
    if (frm_Player->ChoseExit()) {
        move(OffScreenLeft, y());
        EndProgram();
        return;
    }
    frm_About->hide();
    frm_About->BecomeAboutDialog();
}

void Tfrm_Main::StartUp()
{
    game_.SeedRandom(Random::MillisecondsSinceMidnightUtc());
    *playerName_ = store_->ReadPrevious(0);
    frm_Player->SetStartupForm();
    ChoosePlayer();
    if (frm_Player->ChoseExit())
        return;
    frm_Player->SetLaterForm();
    FitStackLabels();
    PlaySoundEvent(SoundEvent::StartGame);
    show();
    repaint();
    frm_About->hide();
    game_.State().ReplayDeck = false;
    game_.NewGame();
}

// Shows the player dialog and takes on the chosen player's settings; with
// Exit the name is unchanged and the same steps run for it.
void Tfrm_Main::ChoosePlayer()
{
    frm_Player->exec();
    store_->LoadSettings(*playerName_, waveDeviceAvailable_, settings_, history_);
    // The caption is also what the task bar shows for the program.
    setWindowTitle(QStringLiteral("Brackwater - ") + QString::fromStdString(*playerName_));
    ApplySettings();
    const WindowPosition position = store_->LoadWindowPosition(*playerName_);
    move(position.Left, position.Top);
    repaint();
}

bool Tfrm_Main::SaveSettings()
{
    if (!store_)
        return true;
    try {
        store_->SaveSettings(*playerName_, settings_, history_, WindowPosition{pos().y(), pos().x()});
        return true;
    } catch (const SettingsWriteError& error) {
        ShowWriteError(this, error);
        return false;
    }
}

Tfrm_Main::~Tfrm_Main()
{
    SetBusyCursor(false);
}

void Tfrm_Main::CreatePanels(QWidget* client)
{
    pan_Stack1 = MakePanel(client, "pan_Stack1", StackColumn1Bounds, TPanelBevel::bvRaised);
    pan_Table = MakePanel(client, "pan_Table", TableBounds, TPanelBevel::bvRaised);
    pan_Stack2 = MakePanel(client, "pan_Stack2", StackColumn2Bounds, TPanelBevel::bvRaised);
    pan_PlayPile = MakePanel(client, "pan_PlayPile", PlayPileBounds, TPanelBevel::bvRaised);

    Label3d1 = CreateStackColumn(pan_Stack1, 1, QStringLiteral("Label3d1"), QStringLiteral("Kings"));
    Label3d2 = CreateStackColumn(pan_Stack2, KingsStacks + 1, QStringLiteral("Label3d2"), QStringLiteral("Aces"));
    CreateTable();
    CreateSmallPanels();
    CreatePlayPile();
    CreatePeekPanel(client);

    for (TPanel* panel : {pan_Stack1, pan_Stack2, pan_Table, pan_PlayPile, pan_Plays, pan_Shift, pan_Drawpile}) {
        panel->setMouseTracking(true);
        connect(panel, &TPanel::MouseMove, this, &Tfrm_Main::PanMouseMove);
    }
}

// The labels are created first so that each lies beneath its stack card.
TLabel3d* Tfrm_Main::CreateStackColumn(TPanel* column, int firstStack, const QString& captionName, const QString& caption)
{
    for (int stack = firstStack; stack < firstStack + KingsStacks; ++stack) {
        auto* label = new TLabel3d(column);
        label->setObjectName(Numbered("lbl_Stack", stack));
        label->SetTag(stack);
        label->setFont(ArialFont(StackLetterPixels, true));
        label->SetFontColor(Qt::black);
        label->SetAlignment(Qt::AlignHCenter);
        label->SetCaptionAlign(TCaptionAlign::taTop);
        connect(label, &TLabel3d::Click, this, &Tfrm_Main::LabelStackClick);
        lbl_Stack[stack] = label;
    }
    for (int stack = firstStack; stack < firstStack + KingsStacks; ++stack) {
        card_Stack[stack] = MakeCard(column, Numbered("card_Stack", stack), stack, StackPlaces[stack], false);
        connect(card_Stack[stack], &TCarddeck::Click, this, &Tfrm_Main::CardStackClick);
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
    return columnCaption;
}

void Tfrm_Main::CreateTable()
{
    for (int spot = 1; spot <= SpotCount; ++spot) {
        card_Table[spot] = MakeCard(pan_Table, Numbered("card_Table", spot), spot, SpotPlaces[spot], false);
        connect(card_Table[spot], &TCarddeck::MouseDown, this, &Tfrm_Main::TableMouseDown);
        connect(card_Table[spot], &TCarddeck::MouseUp, this, &Tfrm_Main::TableMouseUp);
    }
    card_Drawpile = MakeCard(pan_Table, QStringLiteral("card_Drawpile"), 0, DrawPilePlace, true);
    connect(card_Drawpile, &TCarddeck::MouseDown, this,
            [this](TCarddeck*, Qt::MouseButton button) { card_DrawpileMouseDown(button); });
}

void Tfrm_Main::CreateSmallPanels()
{
    pan_Plays = MakePanel(pan_Table, "pan_Plays", PlaysBounds, TPanelBevel::bvLowered);
    pan_Plays->hide();
    lbl_Plays = MakeSmallCaption(pan_Plays, "lbl_Plays", QStringLiteral("Plays"), PlaysCaptionPlace);
    img_Plays1 = MakeImage(pan_Plays, "img_Plays1", PlaysTensBounds);
    img_Plays2 = MakeImage(pan_Plays, "img_Plays2", PlaysOnesBounds);

    pan_Shift = MakePanel(pan_Table, "pan_Shift", ShiftBounds, TPanelBevel::bvLowered);
    pan_Shift->hide();
    lbl_Shift = MakeSmallCaption(pan_Shift, "lbl_Shift", QStringLiteral("Shift"), ShiftCaptionPlace);
    btn_Shiftleft = MakeShiftButton(pan_Shift, "btn_Shiftleft", ShiftLeftBounds, QStringLiteral("ARROWLEFT"), QStringLiteral("<"));
    btn_Shiftright = MakeShiftButton(pan_Shift, "btn_Shiftright", ShiftRightBounds, QStringLiteral("ARROWRIGHT"), QStringLiteral(">"));
    connect(btn_Shiftleft, &QPushButton::clicked, this, &Tfrm_Main::btn_ShiftleftClick);
    connect(btn_Shiftright, &QPushButton::clicked, this, &Tfrm_Main::btn_ShiftrightClick);

    // Lies over the draw-pile card; a press on the digits draws like one on the card.
    pan_Drawpile = MakePanel(pan_Table, "pan_Drawpile", DrawCounterBounds, TPanelBevel::bvNone);
    img_Drawpile1 = MakeImage(pan_Drawpile, "img_Drawpile1", DrawTensBounds);
    img_Drawpile2 = MakeImage(pan_Drawpile, "img_Drawpile2", DrawOnesBounds);
    for (TImage* digit : {img_Drawpile1, img_Drawpile2})
        connect(digit, &TImage::MouseDown, this, [this](TImage*, Qt::MouseButton button) { card_DrawpileMouseDown(button); });
}

void Tfrm_Main::CreatePlayPile()
{
    for (int k = 1; k <= PileSlots; ++k) {
        const QPoint place(FanLeft + FanStep * (k - 1), PlayPileTop);
        card_playpile[k] = MakeCard(pan_PlayPile, Numbered("card_playpile", k), k, place, false);
        connect(card_playpile[k], &TCarddeck::MouseDown, this, &Tfrm_Main::CardPlaypileMouseDown);
    }
}

void Tfrm_Main::CreatePeekPanel(QWidget* client)
{
    panPeek = MakePanel(client, "panPeek", PeekBounds, TPanelBevel::bvRaised);
    panPeek->SetBevelInner(TPanelBevel::bvRaised);
    panPeek->SetBorderWidth(1);
    panPeek->SetColor(ToQColor(clSilver));
    panPeek->setEnabled(false);
    panPeek->hide();
    for (int k = 1; k <= PileSlots; ++k) {
        const QPoint place(FanLeft + FanStep * (k - 1), PeekCardTop);
        cardPeek[k] = MakeCard(panPeek, Numbered("cardPeek", k), k, place, false);
    }
    panPeek->raise();
}

void Tfrm_Main::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("mnu_Main"));
    // Menus keep the desktop's menu font rather than the window font.
    QFont menuFont = QApplication::font(bar);
    menuFont.setResolveMask(QFont::AllPropertiesResolved);
    bar->setFont(menuFont);

    mnu_File = bar->addMenu(QStringLiteral("&File"));
    mnu_File->setObjectName(QStringLiteral("mnu_File"));
    mnu_Newgame = MakeCommand(this, "mnu_Newgame", QStringLiteral("&New Game"), QKeySequence(Qt::Key_F2));
    mnuReplay = MakeCommand(this, "mnuReplay", QStringLiteral("&Replay Same Deck"), QKeySequence(Qt::Key_F6));
    mnu_Newplayer = MakeCommand(this, "mnu_Newplayer", QStringLiteral("New &Player"), QKeySequence(Qt::Key_F3));
    mnu_Exit = MakeCommand(this, "mnu_Exit", QStringLiteral("E&xit"), QKeySequence(Qt::Key_F7));
    mnu_File->addAction(mnu_Newgame);
    mnu_File->addAction(mnuReplay);
    mnu_File->addSeparator()->setObjectName(QStringLiteral("N3"));
    mnu_File->addAction(mnu_Newplayer);
    mnu_File->addSeparator()->setObjectName(QStringLiteral("N1"));
    mnu_File->addAction(mnu_Exit);

    mnu_Options = MakeCommand(this, "mnu_Options", QStringLiteral("&Options"));
    mnu_History = MakeCommand(this, "mnu_History", QStringLiteral("H&istory"));
    mnu_Undo = MakeCommand(this, "mnu_Undo", QStringLiteral("&Undo"));
    bar->addAction(mnu_Options);
    bar->addAction(mnu_History);
    bar->addAction(mnu_Undo);

    mnu_Help = bar->addMenu(QStringLiteral("&Help"));
    mnu_Help->setObjectName(QStringLiteral("mnu_Help"));
    mnu_Instruction = MakeCommand(this, "mnu_Instruction", QStringLiteral("&Instructions"));
    mnu_About = MakeCommand(this, "mnu_About", QStringLiteral("&About"));
    mnu_Help->addAction(mnu_Instruction);
    mnu_Help->addSeparator()->setObjectName(QStringLiteral("N2"));
    mnu_Help->addAction(mnu_About);

    connect(mnu_Newgame, &QAction::triggered, this, &Tfrm_Main::mnu_NewgameClick);
    connect(mnuReplay, &QAction::triggered, this, &Tfrm_Main::ReplayClick);
    connect(mnu_Newplayer, &QAction::triggered, this, &Tfrm_Main::mnu_NewplayerClick);
    connect(mnu_Exit, &QAction::triggered, this, &Tfrm_Main::EndProgram);
    connect(mnu_Options, &QAction::triggered, this, &Tfrm_Main::mnu_OptionsClick);
    connect(mnu_History, &QAction::triggered, this, &Tfrm_Main::mnu_HistoryClick);
    connect(mnu_Undo, &QAction::triggered, this, &Tfrm_Main::mnu_UndoClick);
    connect(mnu_Instruction, &QAction::triggered, this, &Tfrm_Main::mnu_InstructionClick);
    connect(mnu_About, &QAction::triggered, this, &Tfrm_Main::mnu_AboutClick);

    // Nothing on the bar answers until the first deal has finished.
    SetMenusEnabled(false);
    SetUndoEnabled(false);
}

void Tfrm_Main::CreateTimers()
{
    wonTimer = new QTimer(this);
    wonTimer->setObjectName(QStringLiteral("wonTimer"));
    wonTimer->setInterval(WonTimerInterval);
    connect(wonTimer, &QTimer::timeout, this, &Tfrm_Main::wonTimerTimer);

    delayTimer = new QTimer(this);
    delayTimer->setObjectName(QStringLiteral("delayTimer"));
    delayTimer->setInterval(DelayTimerInterval);
    connect(delayTimer, &QTimer::timeout, this, &Tfrm_Main::delayTimerTimer);
}

// Each stack label covers exactly its stack card, so that an empty stack can
// be clicked and the won display can write its letters there.
void Tfrm_Main::FitStackLabels()
{
    for (int stack = 1; stack <= StackCount; ++stack)
        lbl_Stack[stack]->setGeometry(card_Stack[stack]->geometry());
}

void Tfrm_Main::SetHelpFile(const QString& name)
{
    helpViewer_->SetHelpFile(name);
}

void Tfrm_Main::ShowHelpContext(int context)
{
    helpViewer_->ShowContext(context);
}

void Tfrm_Main::ApplySettings()
{
    SetPlaysPanelVisible(settings_.ShowPlays);
    ApplyTableColor();
    ApplyPlayColor();
    ApplyStackColor();
    ApplyCardBack();
    ApplyCardColor();
}

void Tfrm_Main::ApplyTableColor()
{
    pan_Table->SetColor(ToQColor(settings_.TableColor));
}

void Tfrm_Main::ApplyStackColor()
{
    pan_Stack1->SetColor(ToQColor(settings_.StackColor));
    pan_Stack2->SetColor(ToQColor(settings_.StackColor));
}

void Tfrm_Main::ApplyPlayColor()
{
    pan_PlayPile->SetColor(ToQColor(settings_.PlayColor));
}

void Tfrm_Main::ApplyCardBack()
{
    card_Drawpile->SetCardBack(settings_.CardBack);
    for (int stack = 1; stack <= StackCount; ++stack)
        card_Stack[stack]->SetCardBack(settings_.CardBack);
    for (int spot = 1; spot <= SpotCount; ++spot)
        card_Table[spot]->SetCardBack(settings_.CardBack);
    for (int k = 1; k <= PileSlots; ++k)
        card_playpile[k]->SetCardBack(settings_.CardBack);
}

void Tfrm_Main::ApplyCardColor()
{
    for (int stack = 1; stack <= StackCount; ++stack)
        card_Stack[stack]->SetCardColor(ToQColor(settings_.CardColor));
}

void Tfrm_Main::SetPlaysPanelVisible(bool visible)
{
    pan_Plays->setVisible(visible);
}

// Both counters in the current colours, the hidden plays counter included, so
// that it is right when shown.
void Tfrm_Main::RedrawCounters()
{
    ShowDrawPileCount(std::max(0, game_.State().DrawCount));
    ShowPlaysCount(game_.State().PlaysCount);
}

TCarddeck* Tfrm_Main::Card(CardGroup group, int index) const
{
    switch (group) {
    case CardGroup::Table:
        return card_Table.at(static_cast<std::size_t>(index));
    case CardGroup::Stack:
        return card_Stack.at(static_cast<std::size_t>(index));
    case CardGroup::PlayPile:
        return card_playpile.at(static_cast<std::size_t>(index));
    case CardGroup::Peek:
        return cardPeek.at(static_cast<std::size_t>(index));
    }
    return nullptr;
}

void Tfrm_Main::ShowCard(CardGroup group, int index, CardCode code)
{
    Card(group, index)->SetCardNum(code);
}

void Tfrm_Main::SetCardVisible(CardGroup group, int index, bool visible)
{
    Card(group, index)->setVisible(visible);
}

void Tfrm_Main::MoveCardUp(CardGroup group, int index, int pixels)
{
    TCarddeck* card = Card(group, index);
    card->move(card->x(), card->y() - pixels);
}

void Tfrm_Main::RedrawCardNow(CardGroup group, int index)
{
    Card(group, index)->repaint();
}

void Tfrm_Main::RedrawAllNow()
{
    repaint();
}

void Tfrm_Main::SetDrawPileVisible(bool visible)
{
    card_Drawpile->setVisible(visible);
    pan_Drawpile->setVisible(visible);
}

void Tfrm_Main::SetShiftPanelVisible(bool visible)
{
    pan_Shift->setVisible(visible);
}

void Tfrm_Main::ShowPeekPanel(int width)
{
    const QRect table = pan_Table->geometry();
    const int rowTop = card_Table[PeekRowSpot]->mapTo(centralWidget(), QPoint(0, 0)).y();
    panPeek->setGeometry(table.left() + (table.width() - width) / 2, rowTop - PeekAboveSecondRow, width, panPeek->height());
    panPeek->show();
    panPeek->raise();
}

void Tfrm_Main::HidePeekPanel()
{
    panPeek->hide();
}

void Tfrm_Main::SetStackCaption(int stack, const std::string& caption)
{
    lbl_Stack.at(static_cast<std::size_t>(stack))->SetCaption(QString::fromStdString(caption));
}

void Tfrm_Main::ShowDrawPileCount(int count)
{
    drawPileCountShown_ = count;
    DrawCounter(*img_Drawpile1, *img_Drawpile2, count);
}

void Tfrm_Main::ShowPlaysCount(int count)
{
    playsCountShown_ = count;
    DrawCounter(*img_Plays1, *img_Plays2, count);
}

// Two digits with a leading zero. Nothing asks for more than 99 (the draw
// pile starts with at most 69 cards), so a larger value shows 99.
void Tfrm_Main::DrawCounter(TImage& tens, TImage& ones, int value)
{
    const int shown = std::clamp(value, 0, MaxCounterValue);
    tens.SetPicture(CounterDigit(shown / DigitBase, settings_.DigitalFore, settings_.DigitalBack));
    ones.SetPicture(CounterDigit(shown % DigitBase, settings_.DigitalFore, settings_.DigitalBack));
}

void Tfrm_Main::EnableGameControls(bool enabled)
{
    SetMenusEnabled(enabled);
    card_Drawpile->setEnabled(enabled);
    for (int spot = 1; spot <= SpotCount; ++spot)
        card_Table[spot]->setEnabled(enabled);
    for (int stack = 1; stack <= StackCount; ++stack) {
        card_Stack[stack]->setEnabled(enabled);
        lbl_Stack[stack]->setEnabled(enabled);
    }
}

void Tfrm_Main::SetMenusEnabled(bool enabled)
{
    // A disabled menu also keeps the shortcut keys of its items from acting.
    mnu_File->menuAction()->setEnabled(enabled);
    mnu_Options->setEnabled(enabled);
    mnu_History->setEnabled(enabled);
    mnu_Help->menuAction()->setEnabled(enabled);
}

void Tfrm_Main::SetUndoEnabled(bool enabled)
{
    mnu_Undo->setEnabled(enabled);
}

void Tfrm_Main::SetBusyCursor(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

// During a deal the controls and menus are switched off, and a close of the
// window must be acted on at once; during a move, input waits until it is done.
// A deal yields after every card, far more often than a screen refreshes, so
// it handles messages at most once a frame: each frame still shows the cards
// dealt since the last, a close is still acted on within a frame, and the
// window is not sent to the display a hundred times for one picture.
void Tfrm_Main::ProcessMessages()
{
    if (game_.IsDealing()) {
        if (sinceDealYield_.isValid() && !sinceDealYield_.hasExpired(FrameMs))
            return;
        sinceDealYield_.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } else
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Tfrm_Main::PlaySoundEvent(SoundEvent event)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    PlayEventSound(event);
}

void Tfrm_Main::PlayEventSound(SoundEvent event)
{
    if (soundPlayer_)
        ::PlayEventSound(*soundPlayer_, settings_, event);
}

void Tfrm_Main::Pause()
{
    Delaying = true;
    delayTimer->start();
    while (Delaying)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
}

void Tfrm_Main::SetWonTimerRunning(bool running)
{
    if (running)
        wonTimer->start();
    else
        wonTimer->stop();
}

void Tfrm_Main::ShowGameOver(int drawStart, int cardsLeft)
{
    CentreOverWindow(*frm_lose, *this);
    frm_lose->ShowResult(drawStart, cardsLeft);
    frm_lose->exec();
}

// Results reach the file as soon as a game ends, so that a crash or a power
// cut later in the run loses none of them.
void Tfrm_Main::ResultRecorded()
{
    SaveSettings();
}

// During a deal this only stops the deal, which then calls here again. A
// player who left the start-up dialog with Exit hears nothing and saves
// nothing. A save that fails is reported and the program still ends, so that
// an unwritable settings file never keeps the player from leaving.
void Tfrm_Main::EndProgram()
{
    if (game_.StopDealing() || ending_)
        return;
    ending_ = true;
    wonTimer->stop();
    if (frm_Player && !frm_Player->ChoseExit()) {
        PlaySoundEvent(SoundEvent::EndGame);
        SaveSettings();
    }
    SetBusyCursor(false);
    close();
    QCoreApplication::quit();
}

void Tfrm_Main::closeEvent(QCloseEvent* event)
{
    EndProgram();
    if (ending_)
        event->accept();
    else
        event->ignore();  // a deal is stopping; it ends the program itself
}

bool Tfrm_Main::AcceptsInput() const
{
    return !game_.IsDealing() && !ending_;
}

// Input held back while the step let messages run is not delivered until the
// dispatcher wakes; without this it would wait for the next pointer move.
void Tfrm_Main::GameStepDone()
{
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

void Tfrm_Main::mnu_NewgameClick()
{
    game_.NewGame();
    GameStepDone();
}

void Tfrm_Main::ReplayClick()
{
    game_.ReplaySameDeck();
    GameStepDone();
}

void Tfrm_Main::mnu_NewplayerClick()
{
    if (!frm_Player || !SaveSettings())
        return;
    CentreOverWindow(*frm_Player, *this);
    ChoosePlayer();
    game_.NewGame();
    GameStepDone();
}

void Tfrm_Main::mnu_OptionsClick()
{
    if (!frmOptions)
        return;
    CentreOverWindow(*frmOptions, *this);
    frmOptions->exec();
    // Saved now rather than only at exit, so that no later crash loses them.
    SaveSettings();
}

void Tfrm_Main::mnu_HistoryClick()
{
    if (!store_)
        return;
    Tfrm_Hist frm_Hist(history_, *store_, *playerName_, this);
    CentreOverWindow(frm_Hist, *this);
    frm_Hist.exec();
}

void Tfrm_Main::mnu_UndoClick()
{
    if (!AcceptsInput())
        return;
    game_.UndoMove();
    GameStepDone();
}

void Tfrm_Main::mnu_InstructionClick()
{
    helpViewer_->ShowContents();
}

void Tfrm_Main::mnu_AboutClick()
{
    CentreOverWindow(*frm_About, *this);
    frm_About->exec();
}

void Tfrm_Main::TableMouseDown(TCarddeck* sender, Qt::MouseButton button)
{
    if (!AcceptsInput())
        return;
    if (button == Qt::LeftButton)
        game_.SelectTableCard(sender->Tag());
    else if (button == Qt::RightButton)
        game_.StartPeek(sender->Tag());
    GameStepDone();
}

void Tfrm_Main::TableMouseUp(TCarddeck*, Qt::MouseButton button)
{
    if (!AcceptsInput() || button != Qt::RightButton)
        return;
    game_.EndPeek();
    GameStepDone();
}

void Tfrm_Main::CardStackClick(TCarddeck* sender)
{
    if (!AcceptsInput())
        return;
    game_.PlayToStack(sender->Tag());
    GameStepDone();
}

void Tfrm_Main::LabelStackClick(TLabel3d* sender)
{
    if (!AcceptsInput())
        return;
    game_.PlayToStack(sender->Tag());
    GameStepDone();
}

void Tfrm_Main::CardPlaypileMouseDown(TCarddeck* sender, Qt::MouseButton button)
{
    if (!AcceptsInput() || button != Qt::LeftButton)
        return;
    game_.SelectPlayPileCard(sender->Tag());
    GameStepDone();
}

void Tfrm_Main::card_DrawpileMouseDown(Qt::MouseButton button)
{
    if (!AcceptsInput() || button != Qt::LeftButton)
        return;
    game_.DrawCard();
    GameStepDone();
}

void Tfrm_Main::btn_ShiftleftClick()
{
    if (!AcceptsInput())
        return;
    game_.ShiftPlayPileLeft();
    GameStepDone();
}

void Tfrm_Main::btn_ShiftrightClick()
{
    if (!AcceptsInput())
        return;
    game_.ShiftPlayPileRight();
    GameStepDone();
}

void Tfrm_Main::PanMouseMove()
{
    if (!AcceptsInput())
        return;
    game_.EndPeek();
}

void Tfrm_Main::wonTimerTimer()
{
    game_.WonTimerTick();
}

void Tfrm_Main::delayTimerTimer()
{
    Delaying = false;
    delayTimer->stop();
}
