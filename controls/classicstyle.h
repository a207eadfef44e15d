#pragma once

#include <QProxyStyle>

// Push buttons in the raised classic style of the table's panels: white and
// light grey over grey and black, a black outline on the default button, the
// two bevels swapped and the label shifted while pressed. Everything else,
// the menu bar included, is the desktop style's. A button may carry a
// "classicZoom" property: its bevels are then that many pixels thick.
class TClassicStyle final : public QProxyStyle {
    Q_OBJECT

public:
    static constexpr const char* ZoomProperty = "classicZoom";

    TClassicStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

private:
    void DrawButtonBevel(const QStyleOption& option, QPainter& painter, const QWidget* widget) const;
};
