#pragma once

#include <array>
#include <string>

#include <QWidget>

#include "engine/cardcode.h"
#include "engine/gamesettings.h"
#include "engine/gameview.h"
#include "table/tablescale.h"

class QLabel;
class QPushButton;
class TCardDrag;
class TCarddeck;
class TImage;
class TLabel3d;
class TPanel;
class TTableAccess;
class TTableHost;

// The card table: the stack columns, the thirteen spots with the draw pile,
// the play pile, the counters and the peek panel, laid out from one set of
// places. It shows the game as the engine's view and reports presses on its
// cards as signals; whatever lies beyond the table it leaves to its host.
class TCardTable final : public QWidget, public GameView {
    Q_OBJECT

public:
    static constexpr int TableWidth = 634;
    static constexpr int TableHeight = 435;

    TCardTable(const GameSettings& settings, TTableHost& host, QWidget* parent);
    ~TCardTable() override;
    TCardTable(const TCardTable&) = delete;
    TCardTable& operator=(const TCardTable&) = delete;

    // The player's settings carried onto the controls.
    void ApplyTableColor();
    void ApplyStackColor();
    void ApplyPlayColor();
    void ApplyCardBack();
    void ApplyCardColor();
    void SetPlaysPanelVisible(bool visible);
    void FitStackLabels();

    int DrawPileCountShown() const { return drawPileCountShown_; }
    TTableAccess& Access() { return *access_; }  // keyboard play and screen readers
    QWidget& BareTable() const;  // the spots' panel, where no card lies
    TCardDrag& Drag() const { return *drag_; }

    // The whole table at `zoom` times its classic size; 1 is the classic table.
    void SetZoom(qreal zoom);
    qreal Zoom() const { return scale_.Zoom(); }

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

signals:
    void SpotMouseDown(int spot, Qt::MouseButton button);
    void SpotMouseUp(int spot, Qt::MouseButton button);
    void StackCardClick(int stack);
    void StackLabelClick(int stack);
    void PlayPileMouseDown(int index, Qt::MouseButton button);
    void DrawPileMouseDown(Qt::MouseButton button);  // on the card or its counter
    void ShiftLeftClick();
    void ShiftRightClick();
    void BarePanelMouseMove();

private:
    template <int N>
    using Controls = std::array<TCarddeck*, N + 1>;  // indexed from 1

    void CreatePanels();
    void CreateStackColumn(TPanel* column, int firstStack, const QString& captionName, const QString& caption);
    void CreateSpots();
    void CreateSmallPanels();
    void CreatePlayPile();
    void CreatePeekPanel();
    TCarddeck* Card(CardGroup group, int index) const;
    void DrawCounter(TImage& tens, TImage& ones, int value);
    void CardMouseMove();
    std::array<TPanel*, 7> BarePanels() const;

    const GameSettings& settings_;
    TTableHost& host_;
    TTableScale scale_;

    TPanel* kingsColumn_ = nullptr;
    TPanel* spotsPanel_ = nullptr;
    TPanel* acesColumn_ = nullptr;
    TPanel* playPilePanel_ = nullptr;
    TPanel* peekPanel_ = nullptr;
    TPanel* playsPanel_ = nullptr;
    TPanel* shiftPanel_ = nullptr;
    TPanel* drawCounter_ = nullptr;

    Controls<SpotCount> spotCards_{};
    Controls<StackCount> stackCards_{};
    Controls<PileSlots> playPileCards_{};
    Controls<PileSlots> peekCards_{};
    std::array<TLabel3d*, StackCount + 1> stackLabels_{};
    TCarddeck* drawPileCard_ = nullptr;

    TImage* playsTens_ = nullptr;
    TImage* playsOnes_ = nullptr;
    TImage* drawTens_ = nullptr;
    TImage* drawOnes_ = nullptr;

    TCardDrag* drag_ = nullptr;
    int drawPileCountShown_ = 0;
    bool busy_ = false;
    TTableAccess* access_ = nullptr;
};
