#pragma once

#include <array>

#include <QWidget>

#include "engine/gamesettings.h"

class QFrame;
class TCarddeck;
class TOptionsHost;

// The "Card Backs" page: the twelve backs to pick from and the frame that
// marks the current one.
class TCardBackPage final : public QWidget {
    Q_OBJECT

public:
    static constexpr int BackCount = 12;

    TCardBackPage(GameSettings& settings, TOptionsHost& host, QWidget* parent = nullptr);
    TCardBackPage(const TCardBackPage&) = delete;
    TCardBackPage& operator=(const TCardBackPage&) = delete;

    // Places the frame behind the sample of the current card back. A back
    // number without a sample (only from an edited settings file) hides it.
    void MarkCardBack();

private:
    void CreateControls();
    void ClickCardBack(TCarddeck* sender);

    GameSettings& settings_;
    TOptionsHost& host_;

    QFrame* bvlCard = nullptr;
    std::array<TCarddeck*, BackCount + 1> card_Select{};  // indexed by back 1..12
};
