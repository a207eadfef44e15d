#pragma once

#include <cstdint>

#include <QColor>
#include <QWidget>

#include "controls/clickrule.h"

class QPainter;

// Draws one playing card, 71 x 95 pixels: a face (1..52), the joker (53) or
// the chosen back (0). It knows nothing of the game; its owner sets the code.
class TCarddeck : public QWidget {
    Q_OBJECT

public:
    using TCardNum = std::uint8_t;   // 0..53
    using TCardBack = std::uint8_t;  // 1..12

    static constexpr int CardWidth = 71;
    static constexpr int CardHeight = 95;

    explicit TCarddeck(QWidget* parent = nullptr);

    TCardNum CardNum() const { return cardNum_; }
    void SetCardNum(TCardNum value);
    TCardBack CardBack() const { return cardBack_; }
    void SetCardBack(TCardBack value);
    QColor CardColor() const { return cardColor_; }
    void SetCardColor(const QColor& value);

    // How many screen pixels one of the picture's pixels is; the owner sizes
    // the control to match.
    qreal Zoom() const { return zoom_; }
    void SetZoom(qreal value);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Whether pressing the card does something: assistive tools then offer it
    // as a button rather than a picture.
    bool Pressable() const { return pressable_; }
    void SetPressable(bool value) { pressable_ = value; }

    // The name of the picture shown now, e.g. "CARDBACK8", "HEART1", "JOKER".
    QString PictureName() const;

signals:
    void MouseDown(TCarddeck* sender, Qt::MouseButton button);
    void MouseUp(TCarddeck* sender, Qt::MouseButton button);
    void MouseMove(TCarddeck* sender);
    void Click(TCarddeck* sender);
    void DblClick(TCarddeck* sender);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QColor BackgroundColor() const;
    void PaintCorners(QPainter& painter) const;

    TCardNum cardNum_ = 0;
    TCardBack cardBack_ = 1;
    QColor cardColor_ = QColor(0xFF, 0xFF, 0xFF);
    int tag_ = 0;
    bool pressable_ = false;
    qreal zoom_ = 1;
    TClickRule clicks_;
};
