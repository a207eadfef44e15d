#pragma once

#include <array>

#include <QWidget>

#include "engine/cardcode.h"
#include "engine/gamesettings.h"

class TCarddeck;
class TLabel3d;

// The place of an empty stack: a faint rounded outline with the suit and the
// first rank it takes (K or A), drawn in a shade of the stack colour. It lies
// between the stack's label and its card, so a card on the stack covers it;
// it lets clicks through to the label and stays blank while the label shows
// a letter of the won display.
class TStackOutline final : public QWidget {
    Q_OBJECT

public:
    TStackOutline(const GameSettings& settings, int stack, const TLabel3d& label, TCarddeck& card);

    // One for each stack, beneath its card.
    static void AddToStacks(const GameSettings& settings, const std::array<TLabel3d*, StackCount + 1>& labels,
                            const std::array<TCarddeck*, StackCount + 1>& cards);

    // The colour of the lines and symbols on a stack panel of this colour.
    static QColor InkFor(const QColor& stackColor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const GameSettings& settings_;
    const TLabel3d& label_;
    QString suit_;
    QString rank_;
    QSize classic_;  // the size it was made at: a zoomed table draws it larger
};
