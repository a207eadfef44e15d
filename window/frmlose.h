#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TBevel;
class TCarddeck;

// The game-over dialog: the draw pile's start number and the cards left.
class Tfrm_lose final : public QDialog {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 268;
    static constexpr int ClientHeight = 152;

    explicit Tfrm_lose(QWidget* parent = nullptr);
    Tfrm_lose(const Tfrm_lose&) = delete;
    Tfrm_lose& operator=(const Tfrm_lose&) = delete;

    void ShowResult(int drawStart, int cardsLeft);

private:
    void CreateControls();

    TCarddeck* card_ = nullptr;
    TBevel* bevel_ = nullptr;
    QLabel* descLabel_ = nullptr;
    QLabel* drawStartLabel_ = nullptr;
    QLabel* desc2Label_ = nullptr;
    QLabel* cardsLeftLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
