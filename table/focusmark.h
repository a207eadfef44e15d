#pragma once

#include <QWidget>

// The keyboard's mark: a black and white outline laid over the table around
// the place the keyboard is on, readable on any table colour and any card.
// It takes no input; clicks pass through to the card beneath.
class TFocusMark final : public QWidget {
    Q_OBJECT

public:
    static constexpr int Margin = 3;  // pixels the outline stands out from the card

    explicit TFocusMark(QWidget& table);

    // Outlines `rect`, given in the table's coordinates, above everything else.
    void Surround(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
};
