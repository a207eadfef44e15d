#pragma once

#include <array>
#include <memory>
#include <string>

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>

#include "game.h"
#include "gamehistory.h"
#include "gamesettings.h"
#include "gameview.h"
#include "optionshost.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class TCarddeck;
class THelpViewer;
class TImage;
class TLabel3d;
class TPanel;
class Tfrm_About;
class Tfrm_Player;
class Tfrm_lose;
class TfrmOptions;
class TSettingsStore;
class TSoundPlayer;

// The card table: the program's one window. It owns the game and shows it;
// mouse and menu events become moves of the game.
class Tfrm_Main : public QMainWindow, public GameView, public TOptionsHost {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 634;
    static constexpr int ClientHeight = 435;

    Tfrm_Main(GameSettings& settings, GameHistory& history, const std::string& playerName, QWidget* parent = nullptr);
    Tfrm_Main(GameSettings&, GameHistory&, std::string&&, QWidget* = nullptr) = delete;  // the name must outlive the window
    ~Tfrm_Main() override;
    Tfrm_Main(const Tfrm_Main&) = delete;
    Tfrm_Main& operator=(const Tfrm_Main&) = delete;

    // The program's services: the settings file, the sound player and the
    // process-wide player name (the same string the window was created with).
    // Without them the window is a bare table, as in tests of the table alone.
    void AttachServices(TSettingsStore& store, TSoundPlayer& soundPlayer, std::string& playerName);

    // The whole start-up, the first deal included: the welcome screen, the
    // sound test, the dialogs, the choice of a player. Afterwards IsEnding()
    // tells whether the player left at once.
    void FormCreate();

    Game& GameEngine() { return game_; }
    Tfrm_About& AboutDialog() { return *frm_About; }
    Tfrm_lose& LoseDialog() { return *frm_lose; }
    Tfrm_Player* PlayerDialog() { return frm_Player; }
    TfrmOptions* OptionsDialog() { return frmOptions; }
    bool WaveDeviceAvailable() const { return waveDeviceAvailable_; }
    THelpViewer& HelpViewer() { return *helpViewer_; }

    void SetHelpFile(const QString& name);
    void ShowHelpContext(int context) override;  // a topic of the help file by its number

    // Carry the player's settings onto the window: the plays counter's
    // visibility, then the colours and the card back.
    void ApplySettings();
    void ApplyTableColor() override;
    void ApplyStackColor() override;
    void ApplyPlayColor() override;
    void ApplyCardBack() override;
    void ApplyCardColor() override;
    void RedrawCounters() override;
    void SetPlaysPanelVisible(bool visible) override;

    int DrawPileCountShown() const { return drawPileCountShown_; }
    int PlaysCountShown() const { return playsCountShown_; }
    bool IsEnding() const { return ending_; }

    // The view the game drives.
    void ShowCard(CardGroup group, int index, CardCode code) override;
    void SetCardVisible(CardGroup group, int index, bool visible) override;
    void MoveCardUp(CardGroup group, int index, int pixels) override;
    void RedrawCardNow(CardGroup group, int index) override;
    void RedrawAllNow() override;
    void SetDrawPileVisible(bool visible) override;
    void SetShiftPanelVisible(bool visible) override;
    void ShowPeekPanel(int width) override;
    void HidePeekPanel() override;
    void SetStackCaption(int stack, const std::string& caption) override;
    void ShowDrawPileCount(int count) override;
    void ShowPlaysCount(int count) override;
    void EnableGameControls(bool enabled) override;
    void SetMenusEnabled(bool enabled) override;
    void SetUndoEnabled(bool enabled) override;
    void SetBusyCursor(bool busy) override;
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
    template <int N>
    using Controls = std::array<TCarddeck*, N + 1>;  // indexed from 1

    void CreatePanels(QWidget* client);
    TLabel3d* CreateStackColumn(TPanel* column, int firstStack, const QString& captionName, const QString& caption);
    void CreateTable();
    void CreateSmallPanels();
    void CreatePlayPile();
    void CreatePeekPanel(QWidget* client);
    void CreateMenus();
    void CreateTimers();
    void FitStackLabels();
    TCarddeck* Card(CardGroup group, int index) const;
    void DrawCounter(TImage& tens, TImage& ones, int value);
    bool AcceptsInput() const;
    void GameStepDone();

    void StartUp();
    void ChoosePlayer();
    bool SaveSettings();  // false when the file refused the write; the player has been told
    // The sound player plugs in here.
    void PlayEventSound(SoundEvent event);

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
    void TableMouseDown(TCarddeck* sender, Qt::MouseButton button);
    void TableMouseUp(TCarddeck* sender, Qt::MouseButton button);
    void CardStackClick(TCarddeck* sender);
    void LabelStackClick(TLabel3d* sender);
    void CardPlaypileMouseDown(TCarddeck* sender, Qt::MouseButton button);
    void card_DrawpileMouseDown(Qt::MouseButton button);
    void btn_ShiftleftClick();
    void btn_ShiftrightClick();
    void PanMouseMove();

    void wonTimerTimer();
    void delayTimerTimer();

    GameSettings& settings_;
    GameHistory& history_;
    Game game_;

    TSettingsStore* store_ = nullptr;
    TSoundPlayer* soundPlayer_ = nullptr;
    std::string* playerName_ = nullptr;
    bool waveDeviceAvailable_ = false;

    TPanel* pan_Stack1 = nullptr;
    TPanel* pan_Table = nullptr;
    TPanel* pan_Stack2 = nullptr;
    TPanel* pan_PlayPile = nullptr;
    TPanel* panPeek = nullptr;
    TPanel* pan_Plays = nullptr;
    TPanel* pan_Shift = nullptr;
    TPanel* pan_Drawpile = nullptr;

    Controls<SpotCount> card_Table{};
    Controls<StackCount> card_Stack{};
    Controls<PileSlots> card_playpile{};
    Controls<PileSlots> cardPeek{};
    std::array<TLabel3d*, StackCount + 1> lbl_Stack{};
    TCarddeck* card_Drawpile = nullptr;
    TLabel3d* Label3d1 = nullptr;
    TLabel3d* Label3d2 = nullptr;

    QLabel* lbl_Plays = nullptr;
    QLabel* lbl_Shift = nullptr;
    TImage* img_Plays1 = nullptr;
    TImage* img_Plays2 = nullptr;
    TImage* img_Drawpile1 = nullptr;
    TImage* img_Drawpile2 = nullptr;
    QPushButton* btn_Shiftleft = nullptr;
    QPushButton* btn_Shiftright = nullptr;

    QMenu* mnu_File = nullptr;
    QAction* mnu_Newgame = nullptr;
    QAction* mnuReplay = nullptr;
    QAction* mnu_Newplayer = nullptr;
    QAction* mnu_Exit = nullptr;
    QAction* mnu_Options = nullptr;
    QAction* mnu_History = nullptr;
    QAction* mnu_Undo = nullptr;
    QMenu* mnu_Help = nullptr;
    QAction* mnu_Instruction = nullptr;
    QAction* mnu_About = nullptr;

    QTimer* wonTimer = nullptr;
    QTimer* delayTimer = nullptr;

    Tfrm_About* frm_About = nullptr;
    Tfrm_lose* frm_lose = nullptr;
    Tfrm_Player* frm_Player = nullptr;
    TfrmOptions* frmOptions = nullptr;
    // A window of its own, not the table's child: a modal dialog of the table
    // would otherwise block it, and help is wanted while a dialog is open.
    std::unique_ptr<THelpViewer> helpViewer_;

    int drawPileCountShown_ = 0;
    int playsCountShown_ = 0;
    bool busy_ = false;
    QElapsedTimer sinceDealYield_;  // when a deal last handled messages
    bool Delaying = false;  // a pause of the won display is running
    bool ending_ = false;
};
