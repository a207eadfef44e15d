#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

class QPainter;

enum class TPanelBevel { bvNone, bvLowered, bvRaised };

// A panel: a filled rectangle with an outer bevel, a border in the panel's
// colour and an inner bevel. A mouse move over its bare background (not over
// a child) is reported by MouseMove, with or without a button held.
class TPanel : public QWidget {
    Q_OBJECT

public:
    explicit TPanel(QWidget* parent = nullptr);

    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel value);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    QColor Color() const;
    void SetColor(const QColor& value);
    // How many screen pixels one of the panel's classic pixels is: bevels and
    // borders grow with it.
    qreal Zoom() const { return zoom_; }
    void SetZoom(qreal value);

    // Draws a frame `width` lines thick just inside `rect`, top and left lines
    // in `top`, bottom and right in `bottom`, and shrinks `rect` past it.
    static void Frame3D(QPainter& painter, QRect& rect, const QColor& top, const QColor& bottom, int width);

signals:
    void MouseMove(TPanel* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void PaintBevel(QPainter& painter, QRect& rect, TPanelBevel bevel, int line) const;

    TPanelBevel bevelOuter_ = TPanelBevel::bvRaised;
    TPanelBevel bevelInner_ = TPanelBevel::bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    qreal zoom_ = 1;
};
