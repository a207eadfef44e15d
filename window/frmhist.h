#pragma once

#include <string>

#include <QDialog>

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

    Tfrm_Hist(GameHistory& history, TSettingsStore& store, const std::string& playerName,
              QWidget* parent = nullptr);
    Tfrm_Hist(const Tfrm_Hist&) = delete;
    Tfrm_Hist& operator=(const Tfrm_Hist&) = delete;

    const TStringGrid& Grid() const { return *grd_History; }
    QString TotalGamesText() const;
    QString TotalWonText() const;
    QString AverageText() const;

    void UpdateStats();
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

    TStringGrid* grd_History = nullptr;
    TPanel* pan_Total = nullptr;
    TPanel* pan_Games = nullptr;
    TPanel* pan_Won = nullptr;
    TPanel* pan_Avg = nullptr;
    QLabel* lbl_Games = nullptr;
    QLabel* lbl_Won = nullptr;
    QLabel* lbl_Avg = nullptr;
    QPushButton* btn_Zero = nullptr;
    QPushButton* btn_OK = nullptr;
};
