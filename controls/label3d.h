#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "controls/clickrule.h"

class QPainter;

enum class TLabelBevel { bvNone, bvLowered, bvRaised };
enum class TBorderStyle { bsNone, bsSingle };
enum class TCaptionAlign { taTop, taCenter, taBottom };

// A label that can draw a flat border and up to two bevels around its text,
// indent the text by space widths and place it at the top, middle or bottom.
class TLabel3d : public QWidget {
    Q_OBJECT

public:
    explicit TLabel3d(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    Qt::Alignment Alignment() const { return alignment_; }  // horizontal: left, right or centre
    void SetAlignment(Qt::Alignment value);
    TLabelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TLabelBevel value);
    TLabelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TLabelBevel value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    QColor BorderColor() const { return borderColor_; }
    void SetBorderColor(const QColor& value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TCaptionAlign CaptionAlign() const { return captionAlign_; }
    void SetCaptionAlign(TCaptionAlign value);
    int CaptionIndent() const { return captionIndent_; }
    void SetCaptionIndent(int value);  // 0..255 space widths
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    QColor Color() const;  // the background; follows the parent until set
    void SetColor(const QColor& value);
    void SetFontColor(const QColor& value);
    // How many screen pixels one of the label's classic pixels is: its text,
    // frames and bevels grow with it; its font keeps its classic size.
    qreal Zoom() const { return zoom_; }
    void SetZoom(qreal value);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Whether clicking the label does something: assistive tools then offer
    // it as a button rather than as text.
    bool Pressable() const { return pressable_; }
    void SetPressable(bool value) { pressable_ = value; }

signals:
    void MouseDown(TLabel3d* sender, Qt::MouseButton button);
    void MouseUp(TLabel3d* sender, Qt::MouseButton button);
    void MouseMove(TLabel3d* sender);
    void Click(TLabel3d* sender);
    void DblClick(TLabel3d* sender);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    template <typename T>
    bool SetAndRepaint(T& field, const T& value);
    void PaintFrames(QPainter& painter) const;
    int FramesWidth() const;
    void PlaceVertically(QRect& r, int lineHeight) const;
    void DrawCaption(QPainter& painter, const QRect& r) const;

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    TLabelBevel bevelInner_ = TLabelBevel::bvNone;
    TLabelBevel bevelOuter_ = TLabelBevel::bvNone;
    int bevelWidth_ = 1;
    QColor borderColor_ = Qt::black;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
    int borderWidth_ = 1;
    TCaptionAlign captionAlign_ = TCaptionAlign::taCenter;
    int captionIndent_ = 0;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    bool ownColor_ = false;
    QColor color_;
    QColor fontColor_ = Qt::black;
    qreal zoom_ = 1;
    int tag_ = 0;
    bool pressable_ = false;
    TClickRule clicks_;
};

// Every property setter: nothing happens for the value already held.
template <typename T>
bool TLabel3d::SetAndRepaint(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    update();
    return true;
}
