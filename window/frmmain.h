#pragma once

#include <array>
#include <memory>
#include <string>

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>

#include "engine/game.h"
#include "engine/player.h"
#include "options/optionshost.h"
#include "table/cardtable.h"
#include "table/tablehost.h"

class QTimer;
class THelpViewer;
class Tfrm_About;
class Tfrm_Player;
class Tfrm_lose;
class TfrmOptions;
class TSettingsStore;
class TSoundPlayer;
class TFramePlacement;
class TMainMenus;
class TGameResume;
class TMoveCommands;
class TDealAdvisor;
class TZoomController;

// The program's one window: it hosts the card table, owns the game, and
// turns menu commands and presses on the table into moves of the game.
class Tfrm_Main : public QMainWindow, public TTableHost, public TOptionsHost {
    Q_OBJECT

public:
    Tfrm_Main(Player& player, TSettingsStore& store, TSoundPlayer& soundPlayer, QWidget* parent = nullptr);
    ~Tfrm_Main() override;
    Tfrm_Main(const Tfrm_Main&) = delete;
    Tfrm_Main& operator=(const Tfrm_Main&) = delete;

    // The whole start-up, the first deal included: the welcome screen, the
    // sound test, the dialogs, the choice of a player. Afterwards IsEnding()
    // tells whether the player left at once.
    void FormCreate();

    Game& GameEngine() { return game_; }
    Tfrm_About& AboutDialog() { return *aboutDialog_; }
    Tfrm_lose& LoseDialog() { return *loseDialog_; }
    Tfrm_Player& PlayerDialog() { return *playerDialog_; }
    THelpViewer& HelpViewer() { return *helpViewer_; }
    TCardTable& Table() { return *table_; }
    TDealAdvisor& Advisor() { return *advisor_; }

    void SetHelpFile(const QString& name);
    void ShowHelpContext(int context) override;  // a topic of the help file by its number

    // Carry the player's settings onto the window: the plays counter's
    // visibility, then the colours and the card back.
    void ApplySettings();
    void ApplyTableColor() override { table_->ApplyTableColor(); }
    void ApplyStackColor() override { table_->ApplyStackColor(); }
    void ApplyPlayColor() override { table_->ApplyPlayColor(); }
    void ApplyCardBack() override { table_->ApplyCardBack(); }
    void ApplyCardColor() override { table_->ApplyCardColor(); }
    void RedrawCounters() override;
    void SetPlaysPanelVisible(bool visible) override { table_->SetPlaysPanelVisible(visible); }

    bool IsEnding() const { return ending_; }

    // The window's part of the game's view.
    void SetMenusEnabled(bool enabled) override;
    void SetUndoEnabled(bool enabled) override;
    void ProcessMessages() override;
    void PlaySoundEvent(SoundEvent event) override;
    void Pause() override;
    void SetWonTimerRunning(bool running) override;
    void ShowGameOver(int drawStart, int cardsLeft) override;
    void ResultRecorded() override;
    void EndProgram() override;

protected:
    void closeEvent(QCloseEvent* event) override;  // FormClose

private:
    void ConnectTable();
    void CreateMenus();
    void CreateTimers();
    bool AcceptsInput() const;
    void GameStepDone();

    void StartUp();
    bool ChoosePlayer();  // whether a player was accepted
    bool SaveSettings();  // false when the file refused the write; the player has been told

    // Menu commands.
    void mnu_NewgameClick();
    void ReplayClick();
    void mnu_NewplayerClick();
    void mnu_OptionsClick();
    void mnu_HistoryClick();
    void mnu_UndoClick();
    void mnu_InstructionClick();
    void mnu_AboutClick();

    // Mouse on the table.
    void TableMouseDown(int spot, Qt::MouseButton button);
    void TableMouseUp(int spot, Qt::MouseButton button);
    void CardStackClick(int stack);
    void LabelStackClick(int stack);
    void CardPlaypileMouseDown(int index, Qt::MouseButton button);
    void card_DrawpileMouseDown(Qt::MouseButton button);
    void btn_ShiftleftClick();
    void btn_ShiftrightClick();
    void PanMouseMove();

    void wonTimerTimer();
    void delayTimerTimer();

    Player& player_;
    GameSettings& settings_;
    TSettingsStore& store_;
    TSoundPlayer& soundPlayer_;
    TCardTable* table_;
    Game game_;
    bool waveDeviceAvailable_ = false;

    std::unique_ptr<TMainMenus> menus_;
    std::unique_ptr<TGameResume> resume_;
    std::unique_ptr<TMoveCommands> moveCommands_;
    std::unique_ptr<TDealAdvisor> advisor_;  // before the game it watches is gone

    QTimer* wonTimer_ = nullptr;
    QTimer* delayTimer_ = nullptr;

    Tfrm_About* aboutDialog_ = nullptr;
    Tfrm_lose* loseDialog_ = nullptr;
    Tfrm_Player* playerDialog_ = nullptr;
    TfrmOptions* optionsDialog_ = nullptr;
    // A window of its own, not the table's child: a modal dialog of the table
    // would otherwise block it, and help is wanted while a dialog is open.
    std::unique_ptr<THelpViewer> helpViewer_;
    TFramePlacement* framePlacement_ = nullptr;
    TZoomController* zoom_ = nullptr;

    bool delaying_ = false;  // a pause of the won display is running
    bool ending_ = false;
    QElapsedTimer sinceDealYield_;  // when a deal last handled messages
};
