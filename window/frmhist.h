#pragma once

#include <string>

#include <QDialog>

#include "engine/player.h"

class QLabel;
class QPushButton;
class GameHistory;
class TPanel;
class TSettingsStore;
class TStringGrid;

// The history dialog: the player's results by starting draw pile, with
// totals, and a Zero button that clears them in memory and in the file.
// Created for each showing.
class Tfrm_Hist : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 460;
    static constexpr int ClientHeight = 367;
    // The lowest row the grid is scrolled to when it opens.
    static constexpr int LastTopRow = 23;

    Tfrm_Hist(Player& player, TSettingsStore& store, QWidget* parent = nullptr);
    Tfrm_Hist(const Tfrm_Hist&) = delete;
    Tfrm_Hist& operator=(const Tfrm_Hist&) = delete;

    const TStringGrid& Grid() const { return *historyGrid_; }
    QString TotalGamesText() const;
    QString TotalWonText() const;
    QString AverageText() const;

    void UpdateStats();
    void AskZero();  // the button: asks, then zeroes
    void btn_ZeroClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Writes one row's keys as 0; the one place where Zero touches the file.
    virtual void ZeroRowInFile(int row);

private:
    void CreateControls();
    void CreateGrid();
    void CreatePanels();
    void CreateButtons();
    void FormCreate();
    void FormShow();
    void ShowRow(int row);

    GameHistory& history_;
    TSettingsStore& store_;
    const std::string& playerName_;

    TStringGrid* historyGrid_ = nullptr;
    TPanel* totalPanel_ = nullptr;
    TPanel* gamesPanel_ = nullptr;
    TPanel* wonPanel_ = nullptr;
    TPanel* averagePanel_ = nullptr;
    QLabel* gamesLabel_ = nullptr;
    QLabel* wonLabel_ = nullptr;
    QLabel* averageLabel_ = nullptr;
    QPushButton* zeroButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
