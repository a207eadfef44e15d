#include "window/frmmain.h"

#include <algorithm>

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QTimer>

#include "advisor/dealadvisor.h"
#include "controls/centring.h"
#include "table/cardtable.h"
#include "table/clickcontrol.h"
#include "window/frameplacement.h"
#include "window/frmabout.h"
#include "window/frmhist.h"
#include "window/frmlose.h"
#include "window/gameresume.h"
#include "window/movecommands.h"
#include "window/mainmenus.h"
#include "options/frmoptn.h"
#include "window/frmplay.h"
#include "window/helpviewer.h"
#include "store/settingsstore.h"
#include "store/settingswriteerror.h"
#include "sound/soundevents.h"
#include "controls/uifonts.h"
#include "window/writeerrorbox.h"
#include "window/zoomcontroller.h"
#include "translations/languageswitcher.h"

namespace {

constexpr int WonTimerInterval = 100;
constexpr int DelayTimerInterval = 500;
constexpr int FrameMs = 16;  // a screen refreshing 60 times a second
// Where a window that must never be seen goes.
constexpr int OffScreenLeft = -10000;

}  // namespace

Tfrm_Main::Tfrm_Main(Player& player, TSettingsStore& store, TSoundPlayer& soundPlayer, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      player_(player),
      settings_(player.Settings),
      store_(store),
      soundPlayer_(soundPlayer),
      table_(new TCardTable(player.Settings, *this, this)),
      game_(*table_, player)
{
    setObjectName(QStringLiteral("frm_Main"));
    setWindowTitle(QStringLiteral("Brackwater"));
    setFont(SystemFont());

    ConnectTable();
    CreateMenus();
    advisor_ = std::make_unique<TDealAdvisor>(*this, *table_, game_, settings_,
                                              [this](const std::string& click) { return ControlOfClick(*table_, click); });
    advisor_->Connect(*menus_->Hint, *menus_->ShowVerdict);
    zoom_ = new TZoomController(*this, *table_, *menus_, settings_);
    CreateTimers();

    aboutDialog_ = new Tfrm_About(this);
    loseDialog_ = new Tfrm_lose(this);
    helpViewer_ = std::make_unique<THelpViewer>();
    framePlacement_ = new TFramePlacement(*this);
    playerDialog_ = new Tfrm_Player(store_, player_, this);
    resume_ = std::make_unique<TGameResume>(game_, player_, store_, *this);
    moveCommands_ = std::make_unique<TMoveCommands>(game_, settings_, *menus_, *table_,
                                                    [this] { return AcceptsInput(); }, [this] { GameStepDone(); });

    ApplySettings();
    // Until a start-up makes it the welcome screen first, the dialog is the about box.
    aboutDialog_->BecomeAboutDialog();
}

void Tfrm_Main::FormCreate()
{
    aboutDialog_->BecomeWelcomeScreen();
    aboutDialog_->show();
    aboutDialog_->repaint();

    waveDeviceAvailable_ = TestWaveDevice(soundPlayer_);
    optionsDialog_ = new TfrmOptions(settings_, waveDeviceAvailable_, *this, soundPlayer_, this);

    StartUp();
    if (playerDialog_->ChoseExit()) {
        move(OffScreenLeft, y());
        EndProgram();
        return;
    }
    aboutDialog_->hide();
    aboutDialog_->BecomeAboutDialog();
}

void Tfrm_Main::StartUp()
{
    game_.SeedRandom(Random::MillisecondsSinceMidnightUtc());
    player_.Name = store_.ReadPrevious(0);
    playerDialog_->SetStartupForm();
    ChoosePlayer();
    if (playerDialog_->ChoseExit())
        return;
    playerDialog_->SetLaterForm();
    table_->FitStackLabels();
    PlaySoundEvent(SoundEvent::StartGame);
    show();
    repaint();
    aboutDialog_->hide();
    resume_->ResumeOrDeal();
    GameStepDone();
}

// Shows the player dialog and takes on the chosen player's settings; with
// Exit the name is unchanged and the same steps run for it.
bool Tfrm_Main::ChoosePlayer()
{
    const bool chosen = playerDialog_->exec() == QDialog::Accepted;
    store_.LoadSettings(player_.Name, waveDeviceAvailable_, player_.Settings, player_.History);
    TLanguageSwitcher::Speak(player_.Settings.Language);
    // The caption is also what the task bar shows for the program.
    setWindowTitle(QStringLiteral("Brackwater - ") + QString::fromStdString(player_.Name));
    ApplySettings();
    zoom_->Restore(store_.LoadWindowPosition(player_.Name));
    // The settings hold the frame's corner, as frameGeometry() gives it back.
    framePlacement_->PlaceSaved(store_.LoadWindowPosition(player_.Name));
    repaint();
    return chosen;
}


bool Tfrm_Main::SaveSettings()
{
    try {
        const QPoint frame = frameGeometry().topLeft();  // what PlaceSaved restores
        WindowPosition place{frame.y(), frame.x()};
        zoom_->Store(place);
        store_.SaveSettings(player_.Name, player_.Settings, player_.History, place);
        return true;
    } catch (const SettingsWriteError& error) {
        ShowWriteError(this, error);
        return false;
    }
}

Tfrm_Main::~Tfrm_Main() = default;

void Tfrm_Main::ConnectTable()
{
    connect(table_, &TCardTable::SpotMouseDown, this, &Tfrm_Main::TableMouseDown);
    connect(table_, &TCardTable::SpotMouseUp, this, &Tfrm_Main::TableMouseUp);
    connect(table_, &TCardTable::StackCardClick, this, &Tfrm_Main::CardStackClick);
    connect(table_, &TCardTable::StackLabelClick, this, &Tfrm_Main::LabelStackClick);
    connect(table_, &TCardTable::PlayPileMouseDown, this, &Tfrm_Main::CardPlaypileMouseDown);
    connect(table_, &TCardTable::DrawPileMouseDown, this, &Tfrm_Main::card_DrawpileMouseDown);
    connect(table_, &TCardTable::ShiftLeftClick, this, &Tfrm_Main::btn_ShiftleftClick);
    connect(table_, &TCardTable::ShiftRightClick, this, &Tfrm_Main::btn_ShiftrightClick);
    connect(table_, &TCardTable::BarePanelMouseMove, this, &Tfrm_Main::PanMouseMove);
}

void Tfrm_Main::CreateMenus()
{
    menus_ = std::make_unique<TMainMenus>(*this);
    connect(menus_->NewGame, &QAction::triggered, this, &Tfrm_Main::mnu_NewgameClick);
    connect(menus_->Replay, &QAction::triggered, this, &Tfrm_Main::ReplayClick);
    connect(menus_->NewPlayer, &QAction::triggered, this, &Tfrm_Main::mnu_NewplayerClick);
    connect(menus_->Exit, &QAction::triggered, this, &Tfrm_Main::EndProgram);
    connect(menus_->Options, &QAction::triggered, this, &Tfrm_Main::mnu_OptionsClick);
    connect(menus_->History, &QAction::triggered, this, &Tfrm_Main::mnu_HistoryClick);
    connect(menus_->Undo, &QAction::triggered, this, &Tfrm_Main::mnu_UndoClick);
    connect(menus_->Instructions, &QAction::triggered, this, &Tfrm_Main::mnu_InstructionClick);
    connect(menus_->About, &QAction::triggered, this, &Tfrm_Main::mnu_AboutClick);

    // Nothing on the bar answers until the first deal has finished.
    SetMenusEnabled(false);
    SetUndoEnabled(false);
}

void Tfrm_Main::CreateTimers()
{
    wonTimer_ = new QTimer(this);
    wonTimer_->setObjectName(QStringLiteral("wonTimer"));
    wonTimer_->setInterval(WonTimerInterval);
    connect(wonTimer_, &QTimer::timeout, this, &Tfrm_Main::wonTimerTimer);

    delayTimer_ = new QTimer(this);
    delayTimer_->setObjectName(QStringLiteral("delayTimer"));
    delayTimer_->setInterval(DelayTimerInterval);
    connect(delayTimer_, &QTimer::timeout, this, &Tfrm_Main::delayTimerTimer);
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
    advisor_->ApplySettings();
}

// Both counters in the current colours, the hidden plays counter included, so
// that it is right when shown.
void Tfrm_Main::RedrawCounters()
{
    table_->ShowDrawPileCount(std::max(0, game_.State().DrawCount));
    table_->ShowPlaysCount(game_.State().PlaysCount);
}

void Tfrm_Main::SetMenusEnabled(bool enabled)
{
    menus_->SetMenusEnabled(enabled);
}

void Tfrm_Main::SetUndoEnabled(bool enabled)
{
    menus_->Undo->setEnabled(enabled);
}

// During a deal the controls and menus are switched off, and a close of the
// window must be acted on at once; during a move, input waits until it is done.
// A deal yields after every card, far more often than a screen refreshes:
// once a frame shows the same cards and still acts on a close in time.
void Tfrm_Main::ProcessMessages()
{
    if (game_.IsDealing()) {
        if (sinceDealYield_.isValid() && !sinceDealYield_.hasExpired(FrameMs))
            return;
        sinceDealYield_.start();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } else {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void Tfrm_Main::PlaySoundEvent(SoundEvent event)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    PlayEventSound(soundPlayer_, settings_, event);
}

void Tfrm_Main::Pause()
{
    delaying_ = true;
    delayTimer_->start();
    while (delaying_)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
}

void Tfrm_Main::SetWonTimerRunning(bool running)
{
    if (running)
        wonTimer_->start();
    else
        wonTimer_->stop();
}

void Tfrm_Main::ShowGameOver(int drawStart, int cardsLeft)
{
    CentreOverWindow(*loseDialog_, *this);
    loseDialog_->ShowResult(drawStart, cardsLeft);
    loseDialog_->exec();
}

// Results reach the file as soon as a game ends, so that a crash or a power
// cut later in the run loses none of them.
void Tfrm_Main::ResultRecorded()
{
    SaveSettings();
    resume_->Forget();
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
    wonTimer_->stop();
    if (!playerDialog_->ChoseExit()) {
        PlaySoundEvent(SoundEvent::EndGame);
        resume_->Keep();
        SaveSettings();
    }
    table_->SetBusyCursor(false);
    advisor_->Stop();  // after the save, which waits for nothing
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
    resume_->Keep();
    moveCommands_->Update();
    advisor_->PositionChanged();
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
    if (!SaveSettings())
        return;
    const std::string previous = player_.Name;
    CentreOverWindow(*playerDialog_, *this);
    if (!ChoosePlayer())
        return;  // abandoned after a failed write: the same player plays on
    // Another player carries on their own game; the same one asked for a new deal.
    if (player_.Name == previous)
        game_.NewGame();
    else
        resume_->ResumeOrDeal();
    GameStepDone();
}

void Tfrm_Main::mnu_OptionsClick()
{
    if (!optionsDialog_)
        return;
    CentreOverWindow(*optionsDialog_, *this);
    optionsDialog_->exec();
    moveCommands_->Update();
    resume_->Keep();
    advisor_->PositionChanged();  // the level or the draw rule may have changed
    // Saved now rather than only at exit, so that no later crash loses them.
    SaveSettings();
}

void Tfrm_Main::mnu_HistoryClick()
{
    Tfrm_Hist frm_Hist(player_, store_, this);
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
    CentreOverWindow(*aboutDialog_, *this);
    aboutDialog_->exec();
}

void Tfrm_Main::TableMouseDown(int spot, Qt::MouseButton button)
{
    if (!AcceptsInput())
        return;
    if (button == Qt::LeftButton)
        game_.SelectTableCard(spot);
    else if (button == Qt::RightButton)
        game_.StartPeek(spot);
    GameStepDone();
}

void Tfrm_Main::TableMouseUp(int, Qt::MouseButton button)
{
    if (!AcceptsInput() || button != Qt::RightButton)
        return;
    game_.EndPeek();
    GameStepDone();
}

void Tfrm_Main::CardStackClick(int stack)
{
    if (!AcceptsInput())
        return;
    game_.PlayToStack(stack);
    GameStepDone();
}

void Tfrm_Main::LabelStackClick(int stack)
{
    if (!AcceptsInput())
        return;
    game_.PlayToStack(stack);
    GameStepDone();
}

void Tfrm_Main::CardPlaypileMouseDown(int index, Qt::MouseButton button)
{
    if (!AcceptsInput() || button != Qt::LeftButton)
        return;
    game_.SelectPlayPileCard(index);
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
    delaying_ = false;
    delayTimer_->stop();
}
