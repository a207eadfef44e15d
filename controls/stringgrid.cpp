#include "controls/stringgrid.h"

#include <algorithm>

#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "controls/tcolor.h"

namespace {

constexpr TColor FixedLineColor = 0x000000;  // black
constexpr TColor CellLineColor = 0xC0C0C0;   // silver
constexpr TColor CellColor = 0xFFFFFF;       // white
constexpr int TextIndent = 2;

}  // namespace

TStringGrid::TStringGrid(int colCount, int rowCount, QWidget* parent)
    : QAbstractScrollArea(parent)
    , colCount_(colCount)
    , rowCount_(rowCount)
    , cells_(static_cast<std::size_t>(colCount * rowCount))
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setTracking(true);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateScrollRange();
}

void TStringGrid::SetDefaultColWidth(int value)
{
    if (value == colWidth_)
        return;
    colWidth_ = value;
    viewport()->update();
}

void TStringGrid::SetDefaultRowHeight(int value)
{
    if (value == rowHeight_)
        return;
    rowHeight_ = value;
    UpdateScrollRange();
    viewport()->update();
}

std::size_t TStringGrid::IndexOf(int col, int row) const
{
    return static_cast<std::size_t>(row * colCount_ + col);
}

QString TStringGrid::Cell(int col, int row) const
{
    return cells_.at(IndexOf(col, row));
}

void TStringGrid::SetCell(int col, int row, const QString& text)
{
    QString& cell = cells_.at(IndexOf(col, row));
    if (cell == text)
        return;
    cell = text;
    const QRect rect = CellRect(col, row);
    if (!rect.isEmpty())
        viewport()->update(rect);
}

int TStringGrid::VisibleRowCount() const
{
    const int pitch = rowHeight_ + GridLineWidth;
    const int free = viewport()->height() - FixedRows * pitch;
    return std::max(0, (free + GridLineWidth) / pitch);
}

int TStringGrid::MaxScrollTopRow() const
{
    return std::max(FixedRows, rowCount_ - VisibleRowCount());
}

void TStringGrid::UpdateScrollRange()
{
    QScrollBar& bar = *verticalScrollBar();
    const QSignalBlocker quiet(bar);
    bar.setRange(FixedRows, std::max(MaxScrollTopRow(), topRow_));
    bar.setPageStep(std::max(1, VisibleRowCount()));
    bar.setSingleStep(1);
    bar.setValue(topRow_);
}

void TStringGrid::SetTopRow(int row)
{
    row = std::clamp(row, FixedRows, std::max(FixedRows, rowCount_ - 1));
    if (row == topRow_)
        return;
    topRow_ = row;
    UpdateScrollRange();
    viewport()->update();
}

void TStringGrid::scrollContentsBy(int, int)
{
    topRow_ = verticalScrollBar()->value();
    viewport()->update();
}

void TStringGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

QRect TStringGrid::CellRect(int col, int row) const
{
    const int pitchX = colWidth_ + GridLineWidth;
    const int pitchY = rowHeight_ + GridLineWidth;
    int shown = row;
    if (row >= FixedRows) {
        if (row < topRow_)
            return {};
        shown = FixedRows + row - topRow_;
    }
    return {col * pitchX, shown * pitchY, colWidth_, rowHeight_};
}

void TStringGrid::PaintCell(QPainter& painter, int col, int row, const QRect& rect) const
{
    const bool fixed = col < FixedCols || row < FixedRows;
    painter.fillRect(rect, ToQColor(fixed ? clBtnFace : CellColor));
    if (fixed) {
        // The raised inner edge of fixed cells.
        painter.setPen(ToQColor(clBtnHighlight));
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(ToQColor(clBtnShadow));
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
    }
    if (col == FixedCols && row == FixedRows && hasFocus())
        PaintFocusRect(painter, rect);
    painter.setPen(ToQColor(clWindowText));
    const QRect textArea = rect.adjusted(TextIndent, TextIndent, 0, 0);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Cell(col, row));
}

// The first data cell is the grid's current cell; it carries the keyboard focus mark.
void TStringGrid::PaintFocusRect(QPainter& painter, const QRect& rect) const
{
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect;
    option.backgroundColor = ToQColor(CellColor);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void TStringGrid::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TStringGrid::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void TStringGrid::PaintLines(QPainter& painter, int lastRowBottom) const
{
    const int pitchX = colWidth_ + GridLineWidth;
    const int pitchY = rowHeight_ + GridLineWidth;
    const int right = colCount_ * pitchX - 1;
    const int fixedRight = FixedCols * pitchX - 1;
    const int fixedBottom = FixedRows * pitchY - 1;
    std::vector<int> xs;
    for (int x = colWidth_; x <= right; x += pitchX)
        xs.push_back(x);
    std::vector<int> ys;
    for (int y = rowHeight_; y <= lastRowBottom; y += pitchY)
        ys.push_back(y);

    painter.setPen(ToQColor(CellLineColor));
    for (int x : xs)
        painter.drawLine(x, 0, x, lastRowBottom);
    for (int y : ys)
        painter.drawLine(0, y, right, y);

    // Lines that touch the fixed cells are drawn dark over the others.
    painter.setPen(ToQColor(FixedLineColor));
    for (int x : xs)
        painter.drawLine(x, 0, x, x <= fixedRight ? lastRowBottom : fixedBottom);
    for (int y : ys)
        painter.drawLine(0, y, y <= fixedBottom ? right : fixedRight, y);
}

void TStringGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setFont(font());
    painter.fillRect(viewport()->rect(), ToQColor(CellColor));
    int lastRowBottom = -1;
    for (int row = 0; row < rowCount_; ++row) {
        for (int col = 0; col < colCount_; ++col) {
            const QRect rect = CellRect(col, row);
            if (rect.isEmpty() || rect.top() >= viewport()->height())
                continue;
            PaintCell(painter, col, row, rect);
            lastRowBottom = std::max(lastRowBottom, rect.bottom() + GridLineWidth);
        }
    }
    PaintLines(painter, std::min(lastRowBottom, viewport()->height() - 1));
}
