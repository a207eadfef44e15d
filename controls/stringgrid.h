#pragma once

#include <vector>

#include <QAbstractScrollArea>
#include <QString>

// A read-only text grid with one fixed row and one fixed column, a line
// after every column and row, and rows that scroll under the fixed row.
// The vertical scroll bar tracks its box while it is dragged. Columns never
// scroll: the grid is made wide enough for them.
class TStringGrid final : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int FixedRows = 1;
    static constexpr int FixedCols = 1;
    static constexpr int GridLineWidth = 1;

    TStringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    int DefaultColWidth() const { return colWidth_; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return rowHeight_; }
    void SetDefaultRowHeight(int value);

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    // The first scrolling row shown under the fixed row. It may be set past
    // the last row that scrolling alone reaches; the space below the last
    // row then stays empty.
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);
    // Scrolling rows that fit whole under the fixed row.
    int VisibleRowCount() const;

    QRect CellRect(int col, int row) const;  // empty when the row is scrolled out of view

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::size_t IndexOf(int col, int row) const;
    int MaxScrollTopRow() const;
    void UpdateScrollRange();
    void PaintCell(QPainter& painter, int col, int row, const QRect& rect) const;
    void PaintFocusRect(QPainter& painter, const QRect& rect) const;
    void PaintLines(QPainter& painter, int lastRowBottom) const;

    int colCount_;
    int rowCount_;
    int colWidth_ = 64;
    int rowHeight_ = 24;
    int topRow_ = FixedRows;
    std::vector<QString> cells_;
};
